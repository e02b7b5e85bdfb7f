#pragma once
// Dates of the Gregorian calendar, as the holiday rules need them: day
// arithmetic, weekdays counted from Sunday, days of the year, and the
// YYYY-MM-DD form of the command line.

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace tavlira {

struct Date {
    int year = 2000;
    int month = 1; // 1..12
    int day = 1;   // 1..31

    friend auto operator<=>(const Date&, const Date&) = default;
};

// Divisible by 4 and not by 100, or divisible by 400.
constexpr bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month);
bool IsValidDate(const Date& date);

// The date `days` later (earlier when negative).
Date AddDays(const Date& date, int days);

// 1 = Sunday, 2 = Monday ... 7 = Saturday.
int Weekday(const Date& date);

// 1 for the first of January.
int DayOfYear(const Date& date);

// "2026-12-11"; none unless the text is exactly that shape and a real date
// of the years 1..9999.
std::optional<Date> ParseIsoDate(std::string_view text);
std::string IsoDate(const Date& date);

} // namespace tavlira
