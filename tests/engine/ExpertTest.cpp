#include "engine/Expert.h"

#include "../game/GameFixtures.h"
#include "engine/Position.h"
#include "game/GameTick.h"
#include "game/Play.h"
#include "game/Scoring.h"
#include "game/SelfPlay.h"

#include <gtest/gtest.h>

namespace tavlira::engine {
namespace {

using testing::Places;

ExpertOptions Playouts(int playouts, std::uint64_t seed = 7) {
    ExpertOptions options;
    options.playouts = playouts;
    options.seed = seed;
    return options;
}

// Positions met in real games: dealt from `seed` and played by the classic
// opponent at both seats for `steps` ticks, stopped where `seat` may begin
// a turn.
GameState MidGame(std::uint32_t seed, int steps, bool figures) {
    SeededRandom random(seed);
    GameState state;
    state.FiguresHavePoints = figures;
    Outbox out;
    DealSelfPlayGame(state, random, out);
    for (int i = 0; i < steps && SelfPlayTick(state, out); ++i)
        out.clear();
    return state;
}

// Carries out the expert's choice with ApplyMove and checks that the game
// shows exactly that capture or lay-off.
void CarryOut(GameState& state, Seat seat, const ExpertChoice& choice) {
    ASSERT_FALSE(choice.noMove);
    const CardSlot played = state.Hand[seat][choice.handPlace];
    const GameState before = state;
    Outbox out;
    for (const Move& move : MovesFor(state, seat, choice))
        ASSERT_TRUE(ApplyMove(state, seat, move, out));
    EXPECT_EQ(state.HandCount[seat], before.HandCount[seat] - 1);
    EXPECT_EQ(state.Mover, OtherSeat(seat));
    if (choice.capture.IsEmpty()) {
        EXPECT_TRUE(before.Table[choice.layOffPlace].IsEmpty());
        EXPECT_EQ(state.Table[choice.layOffPlace], played);
        EXPECT_EQ(state.Taken, before.Taken);
        return;
    }
    EXPECT_EQ(state.Taken[seat], before.Taken[seat] + 1 + choice.capture.Count());
    choice.capture.ForEach([&](int place) {
        EXPECT_FALSE(before.Table[place].IsEmpty());
        EXPECT_TRUE(state.Table[place].IsEmpty());
    });
    EXPECT_TRUE(state.Table[CaptureArea].IsEmpty());
}

// Whole games with the expert at both seats: every choice is carried out by
// the rules, from every kind of position the games reach.
TEST(Expert, PlaysOnlyLegalTurnsAtBothSeatsWithAndWithoutFigures) {
    for (const bool figures : {false, true}) {
        SeededRandom random(figures ? 11 : 12);
        GameState state;
        state.FiguresHavePoints = figures;
        SeatPlayers players;
        players.Fill(Player::Person);
        for (int game = 0; game < 6; ++game) {
            Outbox out;
            DealSelfPlayGame(state, random, out);
            int turns = 0;
            for (int step = 0; step < 500 && !state.GameOver; ++step) {
                const Seat mover = IsSeatTurn(state.Mover) ? SeatOf(state.Mover) : LocalSeat;
                if (MayBeginTurn(state, mover)) {
                    const ExpertChoice choice =
                        ExpertTurn(state, mover, Playouts(40, static_cast<std::uint64_t>(step)));
                    if (!choice.noMove) {
                        CarryOut(state, mover, choice);
                        ++turns;
                        continue;
                    }
                    EXPECT_TRUE(HasNoMove(state, mover));
                }
                out.clear();
                ASSERT_TRUE(GameTick(state, players, out));
            }
            EXPECT_TRUE(state.GameOver);
            EXPECT_GT(turns, 0);
        }
    }
}

// The world the expert imagines, given the true hidden cards, is the game
// itself: played out with the classic opponent's choices it ends exactly as
// the real game of the classic opponent against itself does.
TEST(ExpertWorld, PlaysOutAsTheGameItselfWhenTheHiddenCardsAreTheTrueOnes) {
    for (const bool figures : {false, true}) {
        for (const std::uint32_t seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
            for (const int steps : {0, 7, 19, 40}) {
                GameState state = MidGame(seed, steps, figures);
                if (!IsSeatTurn(state.Mover) || !MayBeginTurn(state, SeatOf(state.Mover)))
                    continue;
                const Seat seat = SeatOf(state.Mover);
                std::vector<CardSlot> truth;
                for (const CardSlot& slot : state.Hand[OtherSeat(seat)])
                    if (!slot.IsEmpty())
                        truth.push_back(slot);
                for (int position = state.NextCard; position <= DeckSize; ++position)
                    truth.push_back(state.Deck[position]);
                Position world(ViewOf(state, seat), truth);
                world.PlayOut();

                Outbox out;
                while (SelfPlayTick(state, out))
                    out.clear();
                const GamePoints points = ScoreGame(state);
                EXPECT_EQ(world.Points()[1], points.seat1) << seed << "/" << steps;
                EXPECT_EQ(world.Points()[2], points.seat2) << seed << "/" << steps;
            }
        }
    }
}

TEST(Expert, ChoosesFromTheSeatsViewAlone) {
    // The same seat's view in two worlds that differ only in what it cannot
    // see: the opponent's hand and the order of the stock.
    for (const std::uint32_t seed : {3u, 4u, 5u, 6u}) {
        for (const int steps : {0, 9, 30}) {
            GameState world = MidGame(seed, steps, seed % 2 == 0);
            if (!IsSeatTurn(world.Mover))
                continue;
            const Seat seat = SeatOf(world.Mover);
            if (!MayBeginTurn(world, seat))
                continue;
            GameState other = world;
            std::vector<CardSlot*> hidden;
            for (CardSlot& slot : other.Hand[OtherSeat(seat)])
                if (!slot.IsEmpty())
                    hidden.push_back(&slot);
            for (int position = other.NextCard; position <= DeckSize; ++position)
                hidden.push_back(&other.Deck[position]);
            ASSERT_GE(hidden.size(), 2u);
            // Rotate the hidden cards one place: every hidden place changes.
            const CardSlot first = *hidden.front();
            for (size_t i = 0; i + 1 < hidden.size(); ++i)
                *hidden[i] = *hidden[i + 1];
            *hidden.back() = first;
            ASSERT_NE(other.Hand[OtherSeat(seat)], world.Hand[OtherSeat(seat)]);

            EXPECT_EQ(ExpertTurn(world, seat, Playouts(300)),
                      ExpertTurn(other, seat, Playouts(300)))
                << "seed " << seed << " steps " << steps;
        }
    }
}

TEST(Expert, GivesTheSameChoiceForTheSameSeedOnAnyNumberOfThreads) {
    const GameState state = MidGame(21, 5, false);
    ASSERT_TRUE(IsSeatTurn(state.Mover));
    const Seat seat = SeatOf(state.Mover);
    ExpertOptions threaded = Playouts(800, 99);
    threaded.threads = 3;
    EXPECT_EQ(ExpertTurn(state, seat, Playouts(800, 99)),
              ExpertTurn(state, seat, Playouts(800, 99)));
    EXPECT_EQ(ExpertTurn(state, seat, threaded), ExpertTurn(state, seat, threaded));
}

TEST(Expert, TakesTheWinningCaptureAndSaysNoMoveWhenThereIsNone) {
    // The last cards of a game: taking the ten of diamonds with the ten of
    // hearts wins its point; a lay-off would leave it to the opponent's ten.
    GameState state = testing::Position({"1п"}, {"2б", "1ч"}, {"3п", "1б"}, LocalSeat);
    state.NextCard = DeckSize + 1;
    state.StockLeft = 0;
    const ExpertChoice choice = ExpertTurn(state, LocalSeat, Playouts(400));
    EXPECT_EQ(choice.handPlace, 2);
    EXPECT_EQ(choice.capture, Places({2}));
    EXPECT_EQ(MovesFor(state, LocalSeat, choice),
              (std::vector<Move>{Move::Play(2, CaptureArea), Move::Toggle(2), Move::Take()}));
    CarryOut(state, LocalSeat, choice);

    // A full table the hand cannot take from: no move, and nothing to do.
    GameState full = testing::Position({"9п"}, {"5ч"},
                                       {"7п", "7б", "7ч", "8п", "8б", "8ч", "9б", "9ч"}, LocalSeat);
    const ExpertChoice none = ExpertTurn(full, LocalSeat, Playouts(50));
    EXPECT_TRUE(none.noMove);
    EXPECT_TRUE(MovesFor(full, LocalSeat, none).empty());
    // Not this seat's turn (the capture passed it on): no move either.
    EXPECT_TRUE(ExpertTurn(state, LocalSeat, Playouts(50)).noMove);
}

} // namespace
} // namespace tavlira::engine
