#include "online/Answer.h"

#include <gtest/gtest.h>
#include <limits>

namespace tavlira::online {
namespace {

std::vector<std::string> AllValues(std::string_view record, char separator = ' ') {
    const Values values(record, separator);
    std::vector<std::string> out;
    for (std::size_t n = 1; n <= values.Count(); ++n)
        out.emplace_back(*values.At(n));
    return out;
}

TEST(Answer, RecordsAndTheirValues) {
    EXPECT_EQ(AllValues(*FirstRecord("xx$5 Mr.X", '$')), (std::vector<std::string>{"5", "Mr.X"}));
    EXPECT_EQ(AllValues(*FirstRecord("$A  B", '$')), (std::vector<std::string>{"A", "", "B"}));
    EXPECT_EQ(FirstRecord("$a b$c", '$'), "a b");
    EXPECT_EQ(FirstRecord("$a*b", '*'), "a");
    EXPECT_FALSE(FirstRecord("no", '$'));
    EXPECT_EQ(ListRecords("x$1 a*junk$2 b*$3$4", 3),
              (std::vector<std::string_view>{"1 a", "2 b", "3"}));
    EXPECT_FALSE(Values("a b").At(0));
    EXPECT_FALSE(Values("a b").At(3));
}

TEST(Answer, MarkersMatchAnywhere) {
    EXPECT_TRUE(HasMarker("token", "ok"));
    EXPECT_FALSE(HasMarker("o k", "ok"));
    // A refusal is "no" before any record; a record mentioning it is no refusal.
    EXPECT_TRUE(ReadRefused("no"));
    EXPECT_TRUE(ReadRefused(""));
    EXPECT_TRUE(ReadRefused("nope$1"));
    EXPECT_FALSE(ReadRefused("$Sonoma"));
}

TEST(Answer, Numbers) {
    EXPECT_EQ(TrailingNumber("$12abc"), 12);
    EXPECT_EQ(TrailingNumber("$1 $7"), 7);
    EXPECT_EQ(TrailingNumber("12"), -1);
    EXPECT_EQ(TrailingNumber("$x12"), -1);
    EXPECT_EQ(TrailingNumber("$99999999999999999999"), 999999999);
    EXPECT_EQ(ParseInteger("-17"), -17);
    for (const char* bad : {"", "-", "1 ", "+1", "0x1", "99999999999", "1.5"})
        EXPECT_FALSE(ParseInteger(bad)) << bad;
    EXPECT_EQ(ParseFraction("12.5"), 12.5);
    EXPECT_EQ(ParseFraction("12,5"), 12.5);
    EXPECT_EQ(ParseFraction("-0.25"), -0.25);
    EXPECT_EQ(ParseFraction("7"), 7);
    // Any one character separates the decimals.
    EXPECT_EQ(ParseFraction("1e5"), 1.5);
    for (const char* bad : {"", ".", "1.2.3", "abc", "--1"})
        EXPECT_FALSE(ParseFraction(bad)) << bad;
}

TEST(Answer, FractionsAreWrittenWithADotAndTinyOnesAsZero) {
    EXPECT_EQ(FormatFraction(12.5), "12.5");
    EXPECT_EQ(FormatFraction(1500), "1500");
    EXPECT_EQ(FormatFraction(-3.1234567), "-3.123457");
    EXPECT_EQ(FormatFraction(0.000009), "0");
    EXPECT_EQ(FormatFraction(-0.000009), "0");
    // A huge value is written whole, so it reads back as the same number.
    const double huge = -7.77e130;
    const std::string text = FormatFraction(huge);
    EXPECT_EQ(text.size(), 132u);
    EXPECT_EQ(ParseFraction(text), huge);
    EXPECT_EQ(FormatFraction(std::numeric_limits<double>::max()).size(), 309u);
}

TEST(Answer, WrittenTextsCannotBreakTheLayout) {
    EXPECT_EQ(RecordWriter().Text("a b$c*d~e\n").Text("").Number(-3).Fraction(0.5).Record('*'),
              "$a_b_c_d_e_ # -3 0.5*");
}

} // namespace
} // namespace tavlira::online
