#pragma once
// What the menu's calendar shows on a day: the date with its month picture,
// the sign of the year in the twelve-year animal cycle, and the day's
// holidays, each picture with its hint in the current language.

#include "calendar/CalendarDate.h"
#include "calendar/HolidayTable.h"
#include "i18n/WordTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace tavlira {

// Pictures of the calendar pack, besides the holidays' own.
inline constexpr std::string_view CalendarFramePicture = "R_BASE";
// The menu cycles through the year sign and at most this many holidays.
inline constexpr std::size_t MaxHolidayPictures = 6;

struct CalendarPicture {
    std::string picture; // resource name in the calendar pack
    std::string hint;
};

struct CalendarDay {
    Date date;
    bool sunday = false;
    std::string_view monthName; // the form that follows a day number
    CalendarPicture today;      // the month picture; the hint names the date and the zodiac sign
    CalendarPicture yearSign;
    std::vector<CalendarPicture> holidays; // every holiday of the day, in table order
};

// The day a holiday falls on in `year`, if any. The programmer's day is the
// 256th day of the year: 13 September, 12 September in leap years.
std::optional<Date> HolidayDate(const Holiday& holiday, int year);

// The holidays of `date`, in table order.
std::vector<const Holiday*> HolidaysOn(const Date& date);

// The name in `language`, then in parentheses the years since the year of
// origin with the anniversary suffix and the category's name, either alone
// when the other is missing: "Victory Day (81-th anniversary, Russian Festival)".
std::string HolidayHint(const Holiday& holiday, int year, LanguageIndex language);

// "R_01" .. "R_12".
std::string MonthPicture(int month);
// "R_VOSMONK" for years divisible by 12, then on round the cycle.
std::string_view YearSignPicture(int year);
// The zodiac sign the sun stands in on that day.
const WordTable& ZodiacSignOf(int month, int day);
// The date as the language writes it: "December 11", "11 декабря", "12月11日".
std::string DateText(const Date& date, LanguageIndex language);

CalendarDay CalendarFor(const Date& date, LanguageIndex language);

} // namespace tavlira
