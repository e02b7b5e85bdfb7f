#include "calendar/DateRule.h"

#include "calendar/Easter.h"

namespace tavlira {
namespace {

std::optional<int> Digits(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<DateRule> ParseFixedDay(std::string_view text) {
    if (text[2] != '.' || text[5] != '.')
        return std::nullopt;
    const auto day = Digits(text.substr(0, 2));
    const auto month = Digits(text.substr(3, 2));
    const auto year = Digits(text.substr(6, 4));
    // 29 February is a valid rule: it falls in leap years only.
    if (!day || !month || !year || *month < 1 || *month > 12 || *day < 1 ||
        *day > DaysInMonth(2000, *month))
        return std::nullopt;
    return FixedDay{*day, *month, *year};
}

std::optional<DateRule> ParseEasterOffset(std::string_view text) {
    const EasterKind kind = text[6] == 'p' ? EasterKind::Orthodox : EasterKind::Western;
    if (text[6] != 'p' && text[6] != 'k')
        return std::nullopt;
    const std::string_view offset = text.substr(7);
    const bool before = offset[0] == '-';
    const auto days = Digits(before ? offset.substr(1) : offset);
    if (!days)
        return std::nullopt;
    return EasterOffset{kind, before ? -*days : *days};
}

std::optional<DateRule> ParseWeekdayOfMonth(std::string_view text) {
    if (text[5] != '.' || text[7] != '.')
        return std::nullopt;
    const bool last = text[4] == 'l';
    const auto week = last ? std::optional(WeekdayOfMonth::Last) : Digits(text.substr(4, 1));
    const auto weekday = Digits(text.substr(6, 1));
    const auto month = Digits(text.substr(8, 2));
    if (!week || !weekday || !month || (!last && (*week < 1 || *week > 5)) || *weekday < 1 ||
        *weekday > 7 || *month < 1 || *month > 12)
        return std::nullopt;
    return WeekdayOfMonth{*week, *weekday, *month};
}

std::optional<Date> Resolve(const FixedDay& rule, int year) {
    const Date date{year, rule.month, rule.day};
    return IsValidDate(date) ? std::optional(date) : std::nullopt;
}

std::optional<Date> Resolve(const EasterOffset& rule, int year) {
    const Date easter =
        rule.kind == EasterKind::Orthodox ? OrthodoxEaster(year) : WesternEaster(year);
    const Date date = AddDays(easter, rule.days);
    // A feast counted from Easter belongs to Easter's year.
    return date.year == year ? std::optional(date) : std::nullopt;
}

std::optional<Date> Resolve(const WeekdayOfMonth& rule, int year) {
    const int days = DaysInMonth(year, rule.month);
    if (rule.week == WeekdayOfMonth::Last) {
        const Date lastDay{year, rule.month, days};
        const int back = (Weekday(lastDay) - rule.weekday + 7) % 7;
        return Date{year, rule.month, days - back};
    }
    const int forward = (rule.weekday - Weekday({year, rule.month, 1}) + 7) % 7;
    const int day = 1 + forward + 7 * (rule.week - 1);
    return day <= days ? std::optional(Date{year, rule.month, day}) : std::nullopt;
}

} // namespace

std::optional<DateRule> ParseDateRule(std::string_view text) {
    if (text.size() != 10)
        return std::nullopt;
    if (text.starts_with("pasha."))
        return ParseEasterOffset(text);
    if (text.starts_with("****"))
        return ParseWeekdayOfMonth(text);
    return ParseFixedDay(text);
}

std::optional<Date> ResolveDateRule(const DateRule& rule, int year) {
    return std::visit([year](const auto& r) { return Resolve(r, year); }, rule);
}

} // namespace tavlira
