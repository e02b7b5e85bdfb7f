#include "ui/menu/MenuClock.h"

#include "i18n/words/Menu.h"
#include "ui/menu/StatsBoard.h"

#include <gtest/gtest.h>

namespace tavlira {
namespace {

TEST(MenuClockTest, HoursWithoutLeadingZeroAndABlinkingColon) {
    const ClockFace nineOFive = ClockFaceAt(9, 5, 0);
    const std::vector<FaceGlyph> digits{{'9', {34, 15}}, {'0', {61, 15}}, {'5', {81, 15}}};
    EXPECT_EQ(nineOFive.digits, digits);
    EXPECT_FALSE(nineOFive.colon);
    EXPECT_FALSE(ClockFaceAt(9, 5, 500).colon);
    EXPECT_TRUE(ClockFaceAt(9, 5, 501).colon);
    EXPECT_EQ(ClockFaceAt(23, 59, 0).digits.front(), (FaceGlyph{'2', {14, 15}}));
    EXPECT_EQ(ClockFaceAt(0, 0, 0).digits.size(), 3U);
}

TEST(StatsBoardTest, VariantByMinuteAndAccount) {
    struct Case {
        int minute;
        AccountState account;
        int variant;
    };
    const Case cases[] = {
        {14, AccountState::LoggedOut, 1}, {15, AccountState::LoggedOut, 2},
        {5, AccountState::LoggedOut, 7},  {5, AccountState::LoggedIn, 6},
        {5, AccountState::RatedGame, 6},  {6, AccountState::LoggedIn, 7},
        {59, AccountState::LoggedOut, 4},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StatsBoardVariant(c.minute, c.account), c.variant) << "minute " << c.minute;
}

TEST(StatsBoardTest, RedrawnOnceAtSecondOneOfEveryMinute) {
    MinuteLatch latch;
    EXPECT_FALSE(latch.Due(0));
    EXPECT_TRUE(latch.Due(1));
    EXPECT_FALSE(latch.Due(1)) << "ticks later in the same second";
    EXPECT_FALSE(latch.Due(1));
    EXPECT_FALSE(latch.Due(2));
    EXPECT_FALSE(latch.Due(0));
    EXPECT_TRUE(latch.Due(1)) << "the next minute";
}

TEST(StatsBoardTest, CountsInThousandsMillionsAndMilliards) {
    struct Case {
        long long count;
        BoardCount shown;
    };
    const Case cases[] = {
        {0, {"0", '\0'}},        {999, {"999", '\0'}},    {1000, {"1", 'K'}},
        {999'999, {"999", 'K'}}, {1'234'567, {"1", 'M'}}, {2'500'000'000, {"2", 'G'}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BoardCountOf(c.count), c.shown) << c.count;
}

TEST(StatsBoardTest, CharactersCloserTogetherAsTheValueGrows) {
    const auto lefts = [](std::string_view value) {
        std::vector<int> x;
        for (const FaceGlyph& glyph : BoardGlyphs(value))
            x.push_back(glyph.at.x());
        return x;
    };
    EXPECT_EQ(lefts("7"), (std::vector<int>{50}));
    EXPECT_EQ(lefts(NoConnectionValue), (std::vector<int>{38, 58}));
    EXPECT_EQ(lefts("-12"), (std::vector<int>{29, 49, 69}));
    EXPECT_EQ(lefts("1234"), (std::vector<int>{27, 42, 57, 72}));
    EXPECT_EQ(lefts("12345"), (std::vector<int>{28, 40, 52, 64, 76}));
    EXPECT_EQ(lefts("123456"), (std::vector<int>{15, 24, 33, 42, 51, 60}));
    EXPECT_TRUE(lefts("1234567").empty());
    EXPECT_EQ(BoardGlyphs("-1").front(), (FaceGlyph{'-', {38, 15}}));
}

TEST(StatsBoardTest, HintsWithoutConnection) {
    SetLanguage(LanguageIndex::English);
    EXPECT_EQ(NoConnectionHint(1), "Dynamic IQ for Windows (percent): NO CONNECT");
    EXPECT_EQ(NoConnectionHint(2), "Games played with PC: NO CONNECT");
    EXPECT_EQ(NoConnectionHint(3), "Best Windows Player: NO CONNECT");
    EXPECT_EQ(NoConnectionHint(5), "The best player of games from under the account: NO CONNECT");
    EXPECT_EQ(NoConnectionHint(6), "Qels: NO CONNECT");
    EXPECT_EQ(NoConnectionHint(7), "Club members:  NO CONNECT");
}

TEST(StatsBoardTest, LookAndLampOfEachState) {
    EXPECT_EQ(StatsBoardLookOf(1).colour, 'R');
    EXPECT_STREQ(StatsBoardLookOf(6).icon, "GQels128");
    EXPECT_EQ(StatsBoardLookOf(7).colour, 'N');
    EXPECT_STREQ(AccountLampOf(AccountState::LoggedOut).picture, "LampR24");
    EXPECT_EQ(AccountLampOf(AccountState::LoggedIn).hint, &words::LoggedIn);
    EXPECT_STREQ(AccountLampOf(static_cast<AccountState>(9)).picture, "LampR24");
}

} // namespace
} // namespace tavlira
