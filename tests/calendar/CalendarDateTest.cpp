#include "calendar/CalendarDate.h"

#include "calendar/DateRule.h"
#include "calendar/Easter.h"

#include <gtest/gtest.h>

namespace tavlira {
namespace {

Date Iso(std::string_view text) {
    return ParseIsoDate(text).value();
}

// Published dates of both Easters, from the first year of the 1900s to the
// first year whose Julian calendar lags by 14 days.
TEST(EasterTest, BothComputationsAgainstPublishedDates) {
    struct Case {
        int year;
        const char* western;
        const char* orthodox;
    };
    const Case cases[] = {
        {1900, "1900-04-15", "1900-04-22"}, {1961, "1961-04-02", "1961-04-09"},
        {2000, "2000-04-23", "2000-04-30"}, {2008, "2008-03-23", "2008-04-27"},
        {2011, "2011-04-24", "2011-04-24"}, {2024, "2024-03-31", "2024-05-05"},
        {2025, "2025-04-20", "2025-04-20"}, {2026, "2026-04-05", "2026-04-12"},
        {2038, "2038-04-25", "2038-04-25"}, {2077, "2077-04-11", "2077-04-18"},
        {2100, "2100-03-28", "2100-05-02"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsoDate(WesternEaster(c.year)), c.western) << c.year;
        EXPECT_EQ(IsoDate(OrthodoxEaster(c.year)), c.orthodox) << c.year;
    }
}

TEST(EasterTest, EveryYearOfTwoCenturiesIsASundayInSpring) {
    for (int year = 1900; year <= 2100; ++year) {
        for (const Date easter : {WesternEaster(year), OrthodoxEaster(year)}) {
            EXPECT_EQ(Weekday(easter), 1) << IsoDate(easter);
            EXPECT_GE(easter, (Date{year, 3, 22})) << IsoDate(easter);
            EXPECT_LE(easter, (Date{year, 5, 8})) << IsoDate(easter);
        }
        EXPECT_LE(WesternEaster(year), OrthodoxEaster(year)) << year;
    }
}

TEST(CalendarDateTest, WeekdaysLeapYearsAndDayArithmetic) {
    EXPECT_EQ(Weekday(Iso("2026-12-13")), 1); // a Sunday
    EXPECT_EQ(Weekday(Iso("2026-12-11")), 6); // a Friday
    EXPECT_EQ(Weekday(Iso("1900-01-01")), 2); // a Monday
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2100));
    EXPECT_EQ(DayOfYear(Iso("2024-12-31")), 366);
    EXPECT_EQ(AddDays(Iso("2024-02-28"), 1), Iso("2024-02-29"));
    EXPECT_EQ(AddDays(Iso("2025-01-01"), -1), Iso("2024-12-31"));
}

TEST(CalendarDateTest, OnlyRealDatesInTheIsoShapeAreRead) {
    EXPECT_EQ(ParseIsoDate("2024-02-29"), (Date{2024, 2, 29}));
    for (const char* bad : {"2025-02-29", "2025-13-01", "2025-00-10", "2025-1-01", "2025/01/01",
                            "0000-01-01", "2025-01-01x", "20250101", "", "2025-01-3a"})
        EXPECT_FALSE(ParseIsoDate(bad)) << bad;
}

TEST(DateRuleTest, EachShapeResolvesToItsDay) {
    struct Case {
        const char* rule;
        int year;
        const char* day; // empty: no such day that year
    };
    const Case cases[] = {
        {"01.01.0000", 2026, "2026-01-01"},
        {"09.05.1945", 2026, "2026-05-09"},
        {"29.02.0000", 2024, "2024-02-29"},
        {"29.02.0000", 2025, ""},
        {"pasha.k000", 2026, "2026-04-05"},
        {"pasha.k-46", 2026, "2026-02-18"}, // Ash Wednesday
        {"pasha.p049", 2026, "2026-05-31"}, // the Orthodox Trinity
        {"pasha.p-07", 2024, "2024-04-28"},
        {"****4.5.11", 2024, "2024-11-28"}, // the fourth Thursday
        {"****4.5.11", 2026, "2026-11-26"},
        {"****3.2.01", 2026, "2026-01-19"}, // a month that starts on a Thursday
        {"****1.2.09", 2025, "2025-09-01"}, // a month that starts on its weekday
        {"****l.2.05", 2026, "2026-05-25"}, // the last Monday
        {"****l.1.07", 2026, "2026-07-26"},
        {"****l.7.01", 2022, "2022-01-29"},
        {"****l.2.08", 2022, "2022-08-29"}, // the last day is the weekday
        {"****5.2.02", 2026, ""},           // February 2026 has four Mondays
        {"****5.1.03", 2026, "2026-03-29"},
    };
    for (const Case& c : cases) {
        const std::optional<DateRule> rule = ParseDateRule(c.rule);
        ASSERT_TRUE(rule) << c.rule;
        const std::optional<Date> day = ResolveDateRule(*rule, c.year);
        EXPECT_EQ(day ? IsoDate(*day) : "", c.day) << c.rule << " in " << c.year;
    }
}

TEST(DateRuleTest, MalformedRulesAreRefused) {
    for (const char* bad :
         {"", "01.01.000", "01.01.00000", "32.01.0000", "30.02.0000", "00.01.0000", "01.13.0000",
          "01-01-0000", "pasha.x001", "pasha.k0a1", "pasha.k--1", "****6.1.01", "****0.1.01",
          "****1.8.01", "****1.0.01", "****1.1.13", "****x.1.01", "****1-1.01", "abcdefghij"})
        EXPECT_FALSE(ParseDateRule(bad)) << bad;
}

} // namespace
} // namespace tavlira
