#include "game/SelfPlay.h"

#include "GameFixtures.h"
#include "game/Play.h"

#include <map>

namespace tavlira {
namespace {

// The invariants that hold after every step of a game.
void ExpectInvariants(const GameState& state, const std::string& where) {
    std::map<std::string, int> seen;
    int inHands = 0;
    int onTable = 0;
    for (int i = state.NextCard; i <= DeckSize; ++i)
        ++seen[state.Deck[i].code.Bytes()];
    for (int seat = 1; seat <= 2; ++seat) {
        // Hands are packed: places 1..HandCount hold cards, the rest none.
        for (int place = 1; place <= HandPlaces; ++place) {
            const CardSlot& slot = state.Hand[seat][place];
            ASSERT_EQ(!slot.IsEmpty(), place <= state.HandCount[seat]) << where;
            if (!slot.IsEmpty()) {
                ++seen[slot.code.Bytes()];
                ++inHands;
            }
        }
    }
    for (int place = 1; place <= CaptureArea; ++place) {
        if (!state.Table[place].IsEmpty()) {
            ++seen[state.Table[place].code.Bytes()];
            ++onTable;
        }
    }
    for (const auto& [card, count] : seen) {
        ASSERT_EQ(count, 1) << where << " card seen twice";
    }
    ASSERT_EQ(state.StockLeft, DeckSize + 1 - state.NextCard) << where;
    if (!state.GameOver) {
        ASSERT_EQ(state.StockLeft + inHands + onTable + state.Taken[1] + state.Taken[2], DeckSize)
            << where;
    }
}

TEST(SelfPlay, InvariantsHoldAfterEveryStep) {
    for (bool figures : {false, true}) {
        SeededRandom random(figures ? 77 : 7);
        GameState state;
        state.FiguresHavePoints = figures;
        Outbox out;
        for (int game = 1; game <= 300; ++game) {
            DealSelfPlayGame(state, random, out);
            const int pointsBefore = state.MatchPoints[1] + state.MatchPoints[2];
            int steps = 0;
            do {
                ExpectInvariants(state, "game " + std::to_string(game));
                if (::testing::Test::HasFatalFailure())
                    return;
                ASSERT_LT(++steps, 200) << "game does not end";
            } while (SelfPlayTick(state, out));
            const int points = state.MatchPoints[1] + state.MatchPoints[2] - pointsBefore;
            EXPECT_GE(points, 2);
            EXPECT_LE(points, 5);
            EXPECT_TRUE(state.Table[CaptureArea].IsEmpty());
        }
    }
}

TEST(SelfPlay, SignatureIsPinned) {
    // A change of any choice of the opponent, the shuffle or the deal order
    // changes these; update them only for an intended change of play.
    const SelfPlayTotals plain = PlaySelfGames(1000, 1, false);
    EXPECT_EQ(plain.signature, 0x71994860ec23284dull);
    EXPECT_EQ(plain.seat1Points, 2509);
    EXPECT_EQ(plain.seat2Points, 2430);
    EXPECT_EQ(plain.noMoveEndings, 41);
    const SelfPlayTotals figures = PlaySelfGames(1000, 1, true);
    EXPECT_EQ(figures.signature, 0xe8f09c368976977aull);
}

} // namespace
} // namespace tavlira
