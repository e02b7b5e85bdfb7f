#include "records/ClubList.h"

#include "RecordsTestSupport.h"
#include "records/TextLines.h"

#include <gtest/gtest.h>

namespace tavlira {
namespace {

using testing::ReadFixture;

// A fixed-pitch face: 10 pixels a character.
int TenPixels(std::string_view text) {
    return static_cast<int>(text.size()) * 10;
}

TEST(ClubListTest, MemberTextsInBothModes) {
    const RecordFile club = ParseRecordFile(ReadFixture("club-valid.clb")).value();
    const struct {
        int slot;
        ClubDisplay mode;
        std::string text;
    } cases[] = {
        {1, ClubDisplay::Score, PadRight("Anna", 20) + "     10" + "        25"},
        {2, ClubDisplay::Score, PadRight("Boris", 20) + "      0" + "         0"},
        {4, ClubDisplay::Score, "####################    ###    ######"},
        {1, ClubDisplay::Rating, "Anna                       10    2,50"},
        {3, ClubDisplay::Rating, "\xC2\xE5\xF0\xE0                        3    0,00"},
        {4, ClubDisplay::Rating, "####################  #######  ######"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MemberButtonText(club.Member(c.slot), c.mode), c.text) << c.slot;

    const AccountRecord account{"Nick", 7, -3, 127, 2.125}; // half to even: 2,12
    EXPECT_EQ(AccountButtonText(account, ClubDisplay::Score),
              PadRight("Nick", 20) + "      7" + "        -3");
    EXPECT_EQ(AccountButtonText(account, ClubDisplay::Rating),
              PadRight("Nick", 20) + "      127" + "    2,12");
}

TEST(ClubListTest, LongLinesAreCutAtTheEndOfTheName) {
    const std::string name = "Maximilian Ferdinand"; // exactly 20 characters
    const std::string rest = "    10    25";
    const struct {
        std::string text;
        int maxWidth;
        std::string shown;
    } cases[] = {
        {name + rest, 330, name + rest},                             // fits: whole
        {name + rest, 320, "Maximilian Ferdi..." + rest},            // one letter cut
        {name + rest, 250, "Maximilia..." + rest},                   // eight characters cut
        {name + rest, 10, "..." + rest},                             // never below three characters
        {"Anna                " + rest, 250, "Anna        " + rest}, // only blanks cut: no dots
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitClubText(c.text, c.maxWidth, TenPixels), c.shown) << c.maxWidth;
}

TEST(ClubListTest, WholeView) {
    const RecordFile club = ParseRecordFile(ReadFixture("club-valid.clb")).value();
    const ClubListView view =
        MakeClubListView(club, ClubDisplay::Rating, TenPixels, {"score heading", "rating heading"});
    EXPECT_EQ(view.heading, "rating heading");
    EXPECT_TRUE(view.members[2].enabled);
    EXPECT_FALSE(view.members[3].enabled);
    // 28 characters measure 280 pixels, beyond the panel's 251: three blanks
    // at the end of the name go.
    EXPECT_EQ(view.topThree[0], PadRight("Anna", 17) + "      30");
    EXPECT_EQ(view.topThree[1], PadRight("Boris", 17) + "      20");
    EXPECT_EQ(MakeClubListView(club, ClubDisplay::Score, TenPixels, {"s", "r"}).heading, "s");
}

} // namespace
} // namespace tavlira
