#include "records/GeneralCount.h"

#include <gtest/gtest.h>

namespace tavlira {
namespace {

TEST(GeneralCountTest, FiguresByKindOfPlay) {
    const struct {
        MatchFigures match;
        TCount count;
    } cases[] = {
        // Rating 2,50 after 10 games, leading by 6 in the first game of a match.
        {{PlayKind::Computer, 11, 1, 0, 25, 6, 2.5},
         {"11", "11", "25", "6", "31", "  2,50", "  2,82"}},
        {{PlayKind::Computer, 20, 3, 0, -4, 2, 0.0},
         {"20", "20", "-4", "2", "-2", "  0,00", "  0,10"}},
        {{PlayKind::NetworkDuel, 21, 1, 0, 0, -5, -0.5},
         {"21", "1", "0", "-5", "-5", " -0,50", " -0,71"}},
        {{PlayKind::RatedOnline, 7, 2, 13, 9, 1, 3.5}, {"7", "15", "9", "1", "10", "4", "?"}},
        {{PlayKind::Tournament, 3, 3, 0, 120, -2, 42.4}, {"3", "-", "120", "-2", "118", "42", "?"}},
    };
    for (const auto& c : cases) {
        const TCount count = MakeTCount(c.match);
        EXPECT_EQ(count.Count_KonAll, c.count.Count_KonAll);
        EXPECT_EQ(count.Count_KonCur, c.count.Count_KonCur);
        EXPECT_EQ(count.Count_ScoBeg, c.count.Count_ScoBeg);
        EXPECT_EQ(count.Count_ScoCur, c.count.Count_ScoCur);
        EXPECT_EQ(count.Count_ScoAll, c.count.Count_ScoAll);
        EXPECT_EQ(count.Count_ReiBeg, c.count.Count_ReiBeg);
        EXPECT_EQ(count.Count_ReiCur, c.count.Count_ReiCur);
    }
}

TEST(GeneralCountTest, CurrentGameBalloon) {
    const BalloonWords words{"All:", "Cycle:", "Session:"};
    const struct {
        MatchFigures match;
        const char* text;
    } cases[] = {
        {{PlayKind::Computer, 40, 1}, "All: 40\n\rCycle: 20 / 20"},
        {{PlayKind::Computer, 41, 1}, "All: 41\n\rCycle: 1 / 20"},
        {{PlayKind::NetworkDuel, 43, 3}, "All: 43\n\rCycle: 3 / 20\n\rSession: 1 / 2"},
        {{PlayKind::NetworkDuel, 44, 4}, "All: 44\n\rCycle: 4 / 20\n\rSession: 2 / 2"},
        {{PlayKind::RatedOnline, 9, 2, 5}, "All: 9\n\rCycle: 7 / 20\n\rSession: 1 / 2"},
        {{PlayKind::Tournament, 12, 1}, "All: 12\n\rSession: 1 / 1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CurrentGameBalloon(c.match, words), c.text);
    EXPECT_EQ(GamePlateHint("Game", {PlayKind::Computer, 7}), "Game: 7 / 20");
    EXPECT_EQ(GamePlateHint("Game", {PlayKind::Tournament, 7}), "Game: 7 / 1");
}

} // namespace
} // namespace tavlira
