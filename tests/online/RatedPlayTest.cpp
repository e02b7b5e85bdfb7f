// The steps of rated play as the client writes them, and the figures of a
// finished match.

#include "online/RatedPlay.h"

#include "online/Answer.h"
#include "online/World.h"

#include <gtest/gtest.h>

namespace tavlira::online {
namespace {

// What the server reads back: the rating travels with six decimals.
GameStats AsSent(GameStats stats) {
    stats.Rating = std::stod(FormatFraction(stats.Rating));
    return stats;
}

TEST(RatedPlay, StartChargesTheMatchAsLost) {
    const GameStats stored{10, 30, 1.5, 1, 8, 12, 0, "#"};
    const GameStats written = StatsBeforeMatch(stored);
    EXPECT_EQ(written.Kon, 12);
    EXPECT_NEAR(written.Rating, RatingBeforeMatch(1.5, 12), 1e-12);
    EXPECT_EQ(written.KonL, 0);
    EXPECT_EQ(written.Score, 0);
    EXPECT_EQ(written.Best, 30);
    EXPECT_EQ(written.Sessions, 1);
    EXPECT_EQ(RatedPlayStep({stored, {}}, AsSent(written)), (RatedStanding{AsSent(written), 8}));
}

TEST(RatedPlay, EndBooksTheResultAndClosesTheCycleAtTwentyGames) {
    // The server holds what the start wrote; the player's cycle stood at
    // the game count before it.
    const GameStats started{12, 30, -0.5, 1, 0, 0, 0, "#"};
    const struct {
        int cycleGame, result, score;
        GameStats expected;
    } cases[] = {
        // the cycle goes on: two more games and the cycle's score
        {8, 3, 15, {12, 30, RatingAfterMatch(-0.5, 12, 3), 1, 10, 15, 0, "#"}},
        // game 20: one more session, a better best kept, the cycle cleared
        {18, -2, 41, {12, 41, RatingAfterMatch(-0.5, 12, -2), 2, 0, 0, 0, "#"}},
        // a worse score leaves the best as it was
        {18, 0, 20, {12, 30, RatingAfterMatch(-0.5, 12, 0), 2, 0, 0, 0, "#"}},
    };
    for (const auto& c : cases) {
        GameStats local{10, 30, 1.5, 1, c.cycleGame, 12, 0, "#"};
        const GameStats written = StatsAfterMatch(started, local, c.result, c.score);
        EXPECT_EQ(AsSent(written), AsSent(c.expected)) << c.cycleGame << " " << c.score;
        EXPECT_EQ(CycleComplete(written), c.cycleGame == 18);
        EXPECT_EQ(RatedPlayStep({started, c.cycleGame}, AsSent(written)),
                  (RatedStanding{AsSent(written), {}}))
            << c.cycleGame << " " << c.score;
    }
}

TEST(RatedPlay, FiguresOfAMatch) {
    using F = std::array<int, 12>;
    const struct {
        MatchOutline match;
        F figures;
    } cases[] = {
        {{FiguresSide::Computer, 3, 7, 5}, {3, 0, 5}},
        {{FiguresSide::Computer, 40, 40, -6}, {40, 1, 0, 6}},
        {{FiguresSide::Computer, 2, 20, 0}, {2, 1}},
        {{FiguresSide::DuelHost, 2, 20, 4}, {0, 0, 0, 0, 2}},
        {{FiguresSide::DuelClient, 2, 20, 4}, {}},
        {{FiguresSide::TableSeat1, 1, 1, -3}, {0, 0, 0, 0, 0, 1}},
        {{FiguresSide::TableSeat2, 1, 1, 3}, {}},
    };
    for (const auto& c : cases) {
        const GameFiguresRequest request = FiguresOfMatch(c.match);
        EXPECT_EQ(request.gid, GameCode);
        EXPECT_EQ(request.figures, c.figures)
            << static_cast<int>(c.match.side) << " " << c.match.gamesAtTable;
    }
}

} // namespace
} // namespace tavlira::online
