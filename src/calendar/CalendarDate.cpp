#include "calendar/CalendarDate.h"

#include <chrono>
#include <cstdio>

namespace tavlira {
namespace {

std::chrono::sys_days DaysOf(const Date& date) {
    return std::chrono::year_month_day(std::chrono::year(date.year),
                                       std::chrono::month(static_cast<unsigned>(date.month)),
                                       std::chrono::day(static_cast<unsigned>(date.day)));
}

Date DateOf(std::chrono::sys_days days) {
    const std::chrono::year_month_day ymd(days);
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

} // namespace

int DaysInMonth(int year, int month) {
    constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool IsValidDate(const Date& date) {
    return date.year >= 1 && date.year <= 9999 && date.day >= 1 &&
           date.day <= DaysInMonth(date.year, date.month);
}

Date AddDays(const Date& date, int days) {
    return DateOf(DaysOf(date) + std::chrono::days(days));
}

int Weekday(const Date& date) {
    return static_cast<int>(std::chrono::weekday(DaysOf(date)).c_encoding()) + 1;
}

int DayOfYear(const Date& date) {
    return static_cast<int>((DaysOf(date) - DaysOf({date.year, 1, 1})).count()) + 1;
}

std::optional<Date> ParseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto number = [&](std::size_t from, std::size_t length) -> std::optional<int> {
        int value = 0;
        for (std::size_t i = from; i < from + length; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return std::nullopt;
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    const auto year = number(0, 4);
    const auto month = number(5, 2);
    const auto day = number(8, 2);
    if (!year || !month || !day)
        return std::nullopt;
    const Date date{*year, *month, *day};
    return IsValidDate(date) ? std::optional(date) : std::nullopt;
}

std::string IsoDate(const Date& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

} // namespace tavlira
