#include "util/NumberFormat.h"

#include <climits>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

TEST(ParseDecimal, ReadsCommaOrPointAndFallsBack) {
    struct Case {
        const char* text;
        double expected;
    } cases[] = {
        {"  2,82", 2.82}, {"-0,50", -0.5},  {"3.5", 3.5}, {"  17", 17.0},
        {"", -7.0},       {"   ", -7.0},    {"x", -7.0},  {"1,2,3", -7.0},
        {"--1", -7.0},    {"2,82  ", 2.82}, {"1;5", 1.5},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(ParseDecimal(c.text, -7.0), c.expected) << '"' << c.text << '"';
}

TEST(PadLeft, PadsWithBlanksOrZeros) {
    struct Case {
        long long number;
        int width;
        char fill;
        const char* expected;
    } cases[] = {
        {42, 7, ' ', "     42"},
        {42, 6, '0', "000042"},
        {1234567, 3, ' ', "1234567"},
        {-5, 4, ' ', "  -5"},
        // The sign goes before the zeros.
        {-5, 4, '0', "-005"},
        {-5, 0, '0', "-5"},
        {LLONG_MIN, 21, '0', "-09223372036854775808"},
        {LLONG_MIN, 0, ' ', "-9223372036854775808"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PadLeft(c.number, c.width, c.fill), c.expected) << c.number << " in " << c.width;
}

TEST(FormatFixed2, RoundsToHundredthsWithComma) {
    struct Case {
        int width;
        double number;
        const char* expected;
    } cases[] = {
        {0, 0.0, "0,00"},          {0, 0.05, "0,05"},     {6, -0.5, " -0,50"},
        {6, 99.99, " 99,99"},      {6, -99.99, "-99,99"}, {6, -0.001, "  0,00"},
        {10, 2.346, "      2,35"}, {0, 0.125, "0,12"},    {0, 0.135, "0,14"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFixed2(c.width, c.number), c.expected) << c.number;
}

TEST(FormatRating, SixDecimalsInTenCharacters) {
    EXPECT_EQ(FormatRating(0.0), "  0,000000");
    EXPECT_EQ(FormatRating(2.5), "  2,500000");
    EXPECT_EQ(FormatRating(-12.3456789), "-12,345679");
    EXPECT_EQ(FormatRating(-0.0000001), "  0,000000");
}

TEST(RoundHalfEven, TiesGoToEven) {
    EXPECT_EQ(RoundHalfEven(0.5), 0.0);
    EXPECT_EQ(RoundHalfEven(1.5), 2.0);
    EXPECT_EQ(RoundHalfEven(-0.5), 0.0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2.0);
    EXPECT_EQ(RoundHalfEven(2.4999), 2.0);
}

} // namespace
} // namespace tavlira
