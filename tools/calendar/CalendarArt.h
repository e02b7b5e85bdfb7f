#pragma once
// The pictures of the calendar pack, 60 x 100 each: the frame every picture
// of the menu's calendar is drawn on, the twelve month headings, the twelve
// signs of the animal cycle and one picture per holiday of the table.

#include <QImage>
#include <string_view>

namespace tavlira {

inline constexpr int CalendarPictureWidth = 60;
inline constexpr int CalendarPictureHeight = 100;

// A page of a tear-off calendar, transparent outside its rounded corners.
QImage CalendarFrame();
// The season's colour and emblem across the top of the page, transparent
// below it, where the menu writes the day and the month.
QImage MonthHeading(int month);
// The animal's character on a red seal, for years with `yearMod12`
// (0 the Monkey .. 11 the Goat).
QImage YearSign(int yearMod12);
// The emblem of a holiday on the page, under the colours of its country or
// the sign of its church.
QImage HolidayPicture(std::string_view picture, std::string_view category);

} // namespace tavlira
