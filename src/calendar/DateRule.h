#pragma once
// The date rules of the holiday table, ten characters each:
//   "dd.mm.yyyy"  a fixed day; a year other than 0000 is the year of origin,
//                 and the holiday's hint then counts the years since it
//   "pasha.pNNN"  the Orthodox Easter plus NNN days
//   "pasha.kNNN"  the Western Easter plus NNN days
//                 (NNN may also be "-NN": that many days before Easter)
//   "****w.d.mm"  weekday d (1 = Sunday .. 7 = Saturday) of week w (1..5) of
//                 month mm, the week of day n being (n - 1) / 7 + 1;
//                 the letter l for w is the last such weekday of the month

#include "calendar/CalendarDate.h"

#include <optional>
#include <string_view>
#include <variant>

namespace tavlira {

struct FixedDay {
    int day = 1;
    int month = 1;
    int originYear = 0; // 0: none
};

enum class EasterKind { Orthodox, Western };

struct EasterOffset {
    EasterKind kind = EasterKind::Western;
    int days = 0;
};

struct WeekdayOfMonth {
    static constexpr int Last = 0;
    int week = 1; // 1..5, or Last
    int weekday = 1;
    int month = 1;
};

using DateRule = std::variant<FixedDay, EasterOffset, WeekdayOfMonth>;

// None for text that is not one of the shapes above.
std::optional<DateRule> ParseDateRule(std::string_view text);

// The day of `year` the rule falls on; none when it has no such day that
// year (29 February of a common year, a fifth Monday that does not exist).
std::optional<Date> ResolveDateRule(const DateRule& rule, int year);

} // namespace tavlira
