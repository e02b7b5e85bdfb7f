#include "util/Cp1251.h"

#include <gtest/gtest.h>

namespace tavlira {
namespace {

TEST(Cp1251, CardCharactersRoundTrip) {
    // Rank and suit letters of the card codes: В Д К Т ч б к п.
    const std::string bytes = "\xC2\xC4\xCA\xD2\xF7\xE1\xEA\xEF";
    EXPECT_EQ(Cp1251ToUtf8(bytes), "ВДКТчбкп");
    EXPECT_EQ(Utf8ToCp1251("ВДКТчбкп"), bytes);
    EXPECT_EQ(Utf8ToCp1251("5ч,Вп"), "5\xF7,\xC2\xEF");
}

TEST(Cp1251, UnmappableAndMalformedInputBecomesPlaceholder) {
    EXPECT_EQ(Utf8ToCp1251("a漢b"), "a?b");
    EXPECT_EQ(Utf8ToCp1251("a\xFF"
                           "b"),
              "a?b");
    EXPECT_EQ(Cp1251ToUtf8("a\x98"
                           "b"),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(Cp1251ToUtf8(""), "");
}

} // namespace
} // namespace tavlira
