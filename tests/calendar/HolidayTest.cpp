#include "calendar/Calendar.h"
#include "i18n/words/Calendar.h"

#include <gtest/gtest.h>
#include <set>

namespace tavlira {
namespace {

const Holiday& Named(std::string_view english) {
    for (const Holiday& holiday : Holidays())
        if (holiday.names[0] == english)
            return holiday;
    throw std::runtime_error("no holiday " + std::string(english));
}

std::vector<std::string> HintsOn(const char* iso, LanguageIndex language) {
    const Date date = ParseIsoDate(iso).value();
    std::vector<std::string> hints;
    for (const Holiday* holiday : HolidaysOn(date))
        hints.push_back(HolidayHint(*holiday, date.year, language));
    return hints;
}

TEST(HolidayTableTest, EveryEntryReadsWithItsOwnPictureAndFallsInSomeYear) {
    ASSERT_EQ(Holidays().size(), HolidayCount);
    std::set<std::string_view> pictures;
    for (const Holiday& holiday : Holidays()) {
        EXPECT_TRUE(pictures.insert(holiday.picture).second) << holiday.picture;
        EXPECT_TRUE(holiday.picture.starts_with("R_")) << holiday.picture;
        EXPECT_TRUE(holiday.category == "ALL" || words::HolidayCategoryName(holiday.category))
            << holiday.picture;
        EXPECT_TRUE(HolidayDate(holiday, 2026) || HolidayDate(holiday, 2027)) << holiday.picture;
    }
}

TEST(HolidayTableTest, EntriesOfTheWrongShapeAreRefused) {
    const std::string good = std::string(HolidayEntries[0]);
    ASSERT_TRUE(ParseHoliday(good));
    EXPECT_EQ(ParseHoliday(good)->names[0], "New Year"); // English first once read
    EXPECT_EQ(ParseHoliday(good)->names[1], "Новый год");
    for (const std::string& bad :
         {std::string("01.01.0000#ALL#R_NEWYEAR#only#two"), good.substr(0, good.rfind('#')),
          "01.01.000#ALL#R_NEWYEAR" + good.substr(good.find("#Н")),
          "01.01.0000#AL#R_NEWYEAR" + good.substr(good.find("#Н")),
          "01.01.0000#ALL#R_NEWYEAR0" + good.substr(good.find("#Н")),
          "41.01.0000#ALL#R_NEWYEAR" + good.substr(good.find("#Н")), good + "#extra",
          std::string("01.01.0000#ALL#R_NEWYEAR##a#b#c#d#e#f#g#h#i#RUS")})
        EXPECT_FALSE(ParseHoliday(bad)) << bad;
}

// The programmer's day is the 256th day of the year.
TEST(HolidayTest, ProgrammersDayMovesToTheTwelfthInLeapYears) {
    const Holiday& day = Named("Programmer`s Day");
    for (const auto& [year, expected] : {std::pair{2024, "2024-09-12"},
                                         {2025, "2025-09-13"},
                                         {2000, "2000-09-12"},
                                         {2100, "2100-09-13"}})
        EXPECT_EQ(IsoDate(HolidayDate(day, year).value()), expected);
    EXPECT_EQ(HintsOn("2024-09-13", LanguageIndex::English), std::vector<std::string>{});
}

TEST(HolidayTest, HintsCountTheYearsAndNameTheCategoryInTheLanguage) {
    EXPECT_EQ(HintsOn("2025-05-09", LanguageIndex::English),
              std::vector<std::string>{"Victory Day (80-th anniversary, Russian Festival)"});
    EXPECT_EQ(HintsOn("2025-05-09", LanguageIndex::Russian),
              std::vector<std::string>{"День Победы (80-летие, Российский праздник)"});
    EXPECT_EQ(HintsOn("2026-07-04", LanguageIndex::German),
              std::vector<std::string>{"Unabhängigkeitstag (250. Jahrestag, Feiertag in den USA)"});
    // An anniversary without a category, a category without one, neither.
    EXPECT_EQ(HintsOn("2020-04-22", LanguageIndex::English),
              std::vector<std::string>{"Earth Day (50-th anniversary)"});
    EXPECT_EQ(HintsOn("1970-04-22", LanguageIndex::English), std::vector<std::string>{"Earth Day"});
    EXPECT_EQ(HintsOn("2026-01-01", LanguageIndex::English), std::vector<std::string>{"New Year"});
    EXPECT_EQ(HintsOn("2026-06-06", LanguageIndex::English), std::vector<std::string>{});
}

TEST(HolidayTest, MovableFeastsOfBothChurchesInTableOrder) {
    // 2025: both Easters on one Sunday.
    EXPECT_EQ(
        HintsOn("2025-04-20", LanguageIndex::English),
        (std::vector<std::string>{"Easter (The Orthodox holiday)", "Easter (Catholic feast)"}));
    EXPECT_EQ(HintsOn("2026-11-26", LanguageIndex::English),
              std::vector<std::string>{"Thanksgiving Day (Holiday United States)"});
    EXPECT_EQ(HintsOn("2026-11-29", LanguageIndex::Russian),
              std::vector<std::string>{"День матери (Российский праздник)"});
}

TEST(CalendarDayTest, DatePictureYearSignAndHolidays) {
    const CalendarDay day = CalendarFor({2026, 12, 25}, LanguageIndex::English);
    EXPECT_FALSE(day.sunday);
    EXPECT_EQ(day.monthName, "December");
    EXPECT_EQ(day.today.picture, "R_12");
    EXPECT_EQ(day.today.hint, "December 25, Capricorn");
    EXPECT_EQ(day.yearSign.picture, "R_VOSHORS");
    EXPECT_EQ(day.yearSign.hint, "Year Of The Horse");
    ASSERT_EQ(day.holidays.size(), 1u);
    EXPECT_EQ(day.holidays[0].picture, "R_XMASKAT");

    const CalendarDay sunday = CalendarFor({2026, 3, 8}, LanguageIndex::Chinese);
    EXPECT_TRUE(sunday.sunday);
    EXPECT_EQ(sunday.today.picture, "R_03");
    EXPECT_EQ(sunday.today.hint, "三月8日, 雙魚座");
    EXPECT_EQ(CalendarFor({2026, 3, 8}, LanguageIndex::Russian).today.hint, "8 марта, Рыбы");
}

TEST(CalendarDayTest, YearSignsAndZodiacBoundaries) {
    EXPECT_EQ(YearSignPicture(2016), "R_VOSMONK");
    EXPECT_EQ(YearSignPicture(2020), "R_VOSKRIS");
    EXPECT_EQ(YearSignPicture(2027), "R_VOSKOZA");
    struct Case {
        int month, day;
        const char* sign;
    };
    for (const Case& c : {Case{1, 19, "Capricorn"}, Case{1, 20, "Aquarius"}, Case{3, 20, "Pisces"},
                          Case{3, 21, "Aries"}, Case{7, 23, "Leo"}, Case{12, 21, "Sagittarius"},
                          Case{12, 22, "Capricorn"}})
        EXPECT_EQ(ZodiacSignOf(c.month, c.day)[LanguageIndex::English], c.sign)
            << c.month << "." << c.day;
}

} // namespace
} // namespace tavlira
