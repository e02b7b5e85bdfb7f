#include "engine/Arena.h"

#include "game/Scoring.h"
#include "game/SelfPlay.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace tavlira::engine {
namespace {

TEST(Arena, PlaysEachDeckTwiceWithTheSeatsSwappedAndSumsThePairs) {
    ArenaOptions options;
    options.deals = 4;
    options.seed = 17;
    options.expert.playouts = 30;
    std::vector<PairedDeal> pairs;
    const ArenaTotals totals = PlayArena(options, [&](int deal, const PairedDeal& pair) {
        EXPECT_EQ(deal, static_cast<int>(pairs.size()) + 1);
        pairs.push_back(pair);
    });
    ASSERT_EQ(pairs.size(), 4u);

    // The decks are the self-play's decks of the seed, one per deal.
    SeededRandom random(options.seed);
    GameState reference;
    long long expert = 0;
    long long classic = 0;
    double sum = 0.0;
    double squares = 0.0;
    for (const PairedDeal& pair : pairs) {
        Outbox out;
        DealSelfPlayGame(reference, random, out);
        for (int game = 0; game < 2; ++game) {
            const GameState& played = pair.games[game];
            EXPECT_EQ(played.Deck, reference.Deck);
            EXPECT_TRUE(played.GameOver);
            // The expert sits at seat 1 in the first game, at seat 2 in the second.
            const GamePoints points = ScoreGame(played);
            EXPECT_EQ(pair.expertPoints[game], game == 0 ? points.seat1 : points.seat2);
            EXPECT_EQ(pair.classicPoints[game], game == 0 ? points.seat2 : points.seat1);
            expert += pair.expertPoints[game];
            classic += pair.classicPoints[game];
        }
        sum += pair.Margin();
        squares += pair.Margin() * pair.Margin();
    }
    EXPECT_NE(pairs[0].games[0].Deck, pairs[1].games[0].Deck);
    EXPECT_EQ(totals.deals, 4);
    EXPECT_EQ(totals.expertPoints, expert);
    EXPECT_EQ(totals.classicPoints, classic);
    EXPECT_DOUBLE_EQ(totals.margin, static_cast<double>(expert - classic) / 8);
    EXPECT_NEAR(totals.ci95, 1.96 * std::sqrt((squares - sum * sum / 4) / 3 / 4), 1e-9);
    EXPECT_GT(totals.playouts, 0);
}

TEST(Arena, GivesTheSameTotalsForTheSameSeed) {
    ArenaOptions options;
    options.deals = 2;
    options.figuresHavePoints = true;
    options.expert.playouts = 25;
    const ArenaTotals a = PlayArena(options);
    const ArenaTotals b = PlayArena(options);
    EXPECT_EQ(a.expertPoints, b.expertPoints);
    EXPECT_EQ(a.classicPoints, b.classicPoints);
    EXPECT_EQ(a.playouts, b.playouts);
}

} // namespace
} // namespace tavlira::engine
