#pragma once
// The menu's calendar pictures, drawn from the calendar pack: today's date on
// the month's page, then the sign of the year and each of today's holidays,
// every picture with its hint.

#include "calendar/CalendarDate.h"
#include "i18n/WordTable.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <filesystem>
#include <optional>
#include <vector>

namespace tavlira {

inline constexpr const char* CalendarPackFileName = "QelCalendar01.dll";

struct CalendarImage {
    QImage image; // 60 x 100
    QString hint;
};

struct CalendarPictures {
    Date date;
    CalendarImage today;
    // The year sign, then today's holidays (at most six), shown in turn.
    std::vector<CalendarImage> cycle;
};

// Where the pack is looked for, in order: the program folder, its parent
// (the family folder), then the folder of the program file and its parent
// (a screenshot runs in a temporary program folder), and the packs an
// installed copy ships beside its record files.
std::vector<std::filesystem::path> CalendarPackPlaces(const std::filesystem::path& programFolder);

// Today's pictures in `language`, the day and month written in `face`. None
// when no place holds a whole pack with the frame, the month and the year
// sign; the menu then shows no calendar. A holiday whose picture is missing
// is left out.
std::optional<CalendarPictures> BuildCalendar(const std::vector<std::filesystem::path>& places,
                                              const Date& today, LanguageIndex language,
                                              const QFont& face);

} // namespace tavlira
