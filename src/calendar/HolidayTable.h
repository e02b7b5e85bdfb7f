#pragma once
// The holidays the menu's calendar knows, compiled into the program. Each
// entry is one text of '#'-separated fields (see HolidayTable.cpp for the
// layout); Holidays() reads them once into records.

#include "calendar/DateRule.h"
#include "i18n/WordTable.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace tavlira {

inline constexpr std::size_t HolidayCount = 86;
extern const std::array<std::string_view, HolidayCount> HolidayEntries;

struct Holiday {
    std::string_view ruleText;
    DateRule rule;
    std::string_view category;                         // "ALL", or the tag of a country or church
    std::string_view picture;                          // its picture in the calendar pack
    std::array<std::string_view, LanguageCount> names; // in the order of LanguageIndex
    std::string_view countries;
};

// One entry; none when its fields are not those of the layout. The entry
// lists the Russian name before the English one; the record holds them in
// the column order of the word tables.
std::optional<Holiday> ParseHoliday(std::string_view entry);

// Every entry of the table, in table order.
std::span<const Holiday> Holidays();

} // namespace tavlira
