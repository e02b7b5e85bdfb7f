#include "game/Play.h"

#include "GameFixtures.h"
#include "game/Scoring.h"

namespace tavlira {
namespace {
using testing::Card;
using testing::Places;
using testing::Position;
using testing::Slot;

// Trial: the played card, then the selected table cards.
Trial TrialFrom(const char* played, std::initializer_list<const char*> taken, bool figures) {
    Trial trial;
    trial.Fill(CardSlot::Empty());
    trial[1] = Slot(played, figures);
    int place = 2;
    for (const char* c : taken)
        trial[place++] = Slot(c, figures);
    return trial;
}

TEST(CaptureRating, LegalityAndRating) {
    struct Case {
        const char* played;
        std::initializer_list<const char*> taken;
        bool figures;
        double rating;
    } cases[] = {
        {"7б", {"7к"}, false, 0.08 + 0.08 + 0.04},
        {"7б", {"3п", "4ч"}, false, 0.24},
        {"7б", {"3п", "4ч", "7к"}, false, -1.0},
        {"Дч", {"Дп"}, false, 0.16},
        {"Дч", {"Дп", "Кк"}, false, -1.0},
        {"Дч", {"Кп"}, false, -1.0},
        {"Кч", {"Кп"}, false, 0.16},
        {"Дч", {"5к", "7б"}, true, 0.24 + 0.04},
        {"Дч", {"Дп"}, true, 0.16},
        {"1б", {"4к", "6ч"}, false, 0.24 + 0.04 + 1.0},
        {"5ч", {"2п", "3б", "Дк"}, false, 0.32 + 0.04},
        {"5ч", {"Дк"}, false, -1.0}, // a number card never takes a court card alone
        {"Тч", {"Тп", "Вк"}, false, 0.24 + 0.04},
        {"Вб", {}, false, -1.0},
        {"Вб", {"2к", "1б", "9п"}, false, 0.32 + 0.04 + 2.0},
        {"Вб", {"2к", "1б", "9п"}, true, -1.0},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(CaptureRating(TrialFrom(c.played, c.taken, c.figures), c.figures), c.rating,
                    1e-12)
            << c.played;
}

TEST(CaptureRating, JackTakesTheWholeTable) {
    const Trial trial = TrialFrom("Вб", {"2ч", "3ч", "4ч", "5к", "6ч", "7ч", "8ч", "9к"}, false);
    EXPECT_NEAR(CaptureRating(trial, false), 0.08 * 9 + 0.04 * 2, 1e-12);
}

TEST(ApplyMove, LayOffPacksTheHandAndPassesTheTurn) {
    GameState state = Position({"2ч"}, {"Тп", "5б", "9ч", "Кк"}, {"3п"});
    Outbox out;
    ASSERT_TRUE(ApplyMove(state, LocalSeat, Move::Play(2, 5), out));
    EXPECT_EQ(state.Hand[2][1].code, Card("Тп"));
    EXPECT_EQ(state.Hand[2][2].code, Card("9ч"));
    EXPECT_EQ(state.Hand[2][3].code, Card("Кк"));
    EXPECT_EQ(state.Hand[2][4], CardSlot::Empty());
    EXPECT_EQ(state.HandCount[2], 3);
    EXPECT_EQ(state.Table[5].code, Card("5б"));
    EXPECT_EQ(state.Mover, Turn::Opponent);
    ASSERT_TRUE(out.size() >= 5);
    // The move is announced first; the hand is shown packed, then the card
    // flies from where it was held.
    const auto* made = std::get_if<event::MoveMade>(&out[0]);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->seat, LocalSeat);
    EXPECT_EQ(made->move, Move::Play(2, 5));
    const auto* flight = std::get_if<event::FlyCards>(&out[2]);
    ASSERT_NE(flight, nullptr);
    EXPECT_EQ(flight->cards[0].from, Spot::HandPlace(LocalSeat, 2));
    EXPECT_EQ(flight->to, Spot::TablePlace(5));
}

TEST(ApplyMove, CaptureAreaWaitsForTheSameSeat) {
    GameState state = Position({"2ч"}, {"5ч", "9ч"}, {"5б"});
    Outbox out;
    ASSERT_TRUE(ApplyMove(state, LocalSeat, Move::Play(1, CaptureArea), out));
    EXPECT_EQ(state.Mover, Turn::Local);
    EXPECT_EQ(state.PickedTableSlots, Places({9}));
    // The card waiting in the capture area can only be followed by a take:
    // no second card may be played, to the capture area or anywhere else.
    EXPECT_FALSE(ApplyMove(state, LocalSeat, Move::Play(1, 3), out));
    EXPECT_FALSE(ApplyMove(state, LocalSeat, Move::Play(1, CaptureArea), out));
    EXPECT_EQ(state.Table[CaptureArea].code, Card("5ч"));
    EXPECT_EQ(state.HandCount[2], 1);
}

TEST(ApplyMove, RefusesWhatTheRulesForbidAndChangesNothing) {
    struct Case {
        const char* why;
        Seat seat;
        Move move;
        bool cardWaits; // 5ч of seat 2 already waits in the capture area
    } cases[] = {
        {"not this seat's turn", OpponentSeat, Move::Play(1, 5), false},
        {"empty hand place", LocalSeat, Move::Play(4, 5), false},
        {"occupied table place", LocalSeat, Move::Play(1, 1), false},
        {"hand place 0", LocalSeat, Move::Play(0, 5), false},
        {"table place 10", LocalSeat, Move::Play(1, 10), false},
        {"no capture for 9ч", LocalSeat, Move::Play(2, CaptureArea), false},
        {"begin under way", LocalSeat, Move::Begin(), false},
        {"toggle without a waiting card", LocalSeat, Move::Toggle(1), false},
        {"take without a waiting card", LocalSeat, Move::Take(), false},
        {"toggle an empty place", LocalSeat, Move::Toggle(2), true},
        {"toggle the capture area", LocalSeat, Move::Toggle(CaptureArea), true},
        {"toggle for the other seat", OpponentSeat, Move::Toggle(1), true},
        {"take with nothing selected", LocalSeat, Move::Take(), true},
        {"play while a card waits", LocalSeat, Move::Play(1, 3), true},
    };
    for (const auto& c : cases) {
        GameState state = Position({"2ч"}, {"5ч", "9ч"}, {"5б"});
        Outbox out;
        if (c.cardWaits) {
            ASSERT_TRUE(ApplyMove(state, LocalSeat, Move::Play(1, CaptureArea), out)) << c.why;
        }
        const GameState before = state;
        out.clear();
        EXPECT_FALSE(ApplyMove(state, c.seat, c.move, out)) << c.why;
        EXPECT_TRUE(out.empty()) << c.why;
        EXPECT_EQ(state.Hand[2], before.Hand[2]) << c.why;
        EXPECT_EQ(state.Table, before.Table) << c.why;
        EXPECT_EQ(state.PickedTableSlots, before.PickedTableSlots) << c.why;
        EXPECT_EQ(state.Mover, before.Mover) << c.why;
    }
}

TEST(ApplyMove, WhoMayBegin) {
    struct Case {
        PlayMode mode;
        bool person, opponent;
    } cases[] = {{PlayMode::Computer, true, false},
                 {PlayMode::DuelHost, true, true},
                 {PlayMode::DuelClient, false, true},
                 {PlayMode::TablePosition1, true, true},
                 {PlayMode::TablePosition2, false, true}};
    for (const auto& c : cases) {
        for (const Seat seat : {LocalSeat, OpponentSeat}) {
            GameState state = Position({"2ч"}, {"5ч"}, {"5б"});
            state.BeginState = Dealt;
            state.Mode = c.mode;
            Outbox out;
            const bool allowed = seat == LocalSeat ? c.person : c.opponent;
            EXPECT_EQ(ApplyMove(state, seat, Move::Begin(), out), allowed)
                << static_cast<int>(c.mode) << " seat " << static_cast<int>(seat);
            EXPECT_EQ(state.BeginState, allowed ? UnderWay : Dealt);
        }
    }
}

TEST(ApplyMove, TakeOnlyALegalSelection) {
    GameState state = Position({"2ч"}, {"7б"}, {"3п", "4ч", "7к"});
    Outbox out;
    ASSERT_TRUE(ApplyMove(state, LocalSeat, Move::Play(1, CaptureArea), out));
    const auto toggleAndCheck = [&](int place) {
        EXPECT_TRUE(ApplyMove(state, LocalSeat, Move::Toggle(place), out)) << place;
        return SelectionIsLegal(state);
    };
    EXPECT_FALSE(toggleAndCheck(1)); // 3
    EXPECT_TRUE(toggleAndCheck(2));  // 3 + 4
    EXPECT_FALSE(toggleAndCheck(3)); // 3 + 4 + 7
    EXPECT_FALSE(ApplyMove(state, LocalSeat, Move::Take(), out));
    EXPECT_FALSE(toggleAndCheck(1)); // 4 + 7
    EXPECT_TRUE(toggleAndCheck(2));  // 7 alone
    EXPECT_EQ(state.PickedTableSlots, Places({3, 9}));
    EXPECT_TRUE(ApplyMove(state, LocalSeat, Move::Take(), out));
}

TEST(ApplyMove, TakeTalliesFliesAndPassesTheTurn) {
    GameState state = Position({"2ч"}, {"1б"}, {"4к", "6ч", "2к"});
    Outbox out;
    ASSERT_TRUE(ApplyMove(state, LocalSeat, Move::Play(1, CaptureArea), out));
    ASSERT_TRUE(ApplyMove(state, LocalSeat, Move::Toggle(1), out));
    ASSERT_TRUE(ApplyMove(state, LocalSeat, Move::Toggle(2), out));
    out.clear();
    ASSERT_TRUE(ApplyMove(state, LocalSeat, Move::Take(), out));
    EXPECT_EQ(state.Taken[2], 3);
    EXPECT_EQ(state.TakenClubs[2], 1);
    EXPECT_EQ(state.TakenBonus[2], 1);
    EXPECT_EQ(state.LastTaker, Turn::Local);
    EXPECT_EQ(state.Mover, Turn::Opponent);
    EXPECT_TRUE(state.PickedTableSlots.IsEmpty());
    // A taken place keeps 0 and 0 until the next deal.
    EXPECT_EQ(state.Table[1], CardSlot::Empty(0));
    EXPECT_EQ(state.Table[CaptureArea], CardSlot::Empty(0));
    EXPECT_EQ(state.Table[3].code, Card("2к"));
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(std::get<event::MoveMade>(out[0]).move, Move::Take());
    const auto* flight = std::get_if<event::FlyCards>(&out[1]);
    ASSERT_NE(flight, nullptr);
    EXPECT_EQ(flight->count, 3);
    EXPECT_EQ(flight->to, Spot::Pile(LocalSeat));
    EXPECT_EQ(flight->cards[2].from, Spot::TablePlace(9));
}

TEST(TableHasFree, CaptureAreaDoesNotCount) {
    GameState state = Position({}, {"5ч"}, {"2ч", "3ч", "4ч", "6ч", "7ч", "8ч", "9ч", "1ч"});
    EXPECT_FALSE(TableHasFree(state));
    EXPECT_EQ(LowestFreeTablePlace(state), 0);
    state.Table[6] = CardSlot::Empty(0);
    EXPECT_TRUE(TableHasFree(state));
    EXPECT_EQ(LowestFreeTablePlace(state), 6);
}

TEST(HasNoMove, FullTableWithoutCapture) {
    GameState state =
        Position({"2ч"}, {"Дч", "Кб"}, {"2п", "3п", "4п", "6п", "7п", "8п", "9п", "1п"});
    EXPECT_TRUE(HasNoMove(state, LocalSeat));
    EXPECT_FALSE(HasNoMove(state, OpponentSeat)); // not seat 1's turn
    state.Hand[2][2] = Slot("9ч");                // 9 takes 9 (or 2 + 3 + 4)
    EXPECT_FALSE(HasNoMove(state, LocalSeat));
}

TEST(FinalSweep, LastTakerTakesTheTableAndTheGameIsScored) {
    GameState state = Position({}, {}, {"2ч", "##", "2к"});
    state.NextCard = 53;
    state.StockLeft = 0;
    state.LastTaker = Turn::Opponent;
    Outbox out;
    ASSERT_TRUE(FinalSweep(state, out));
    EXPECT_EQ(state.Taken[1], 2);
    EXPECT_EQ(state.TakenBonus[1], 1);
    EXPECT_TRUE(state.GameOver);
    EXPECT_EQ(state.Mover, Turn::GameOver);
    EXPECT_FALSE(FinalSweep(state, out)); // only once
}

TEST(FinalSweep, NotBeforeTheStockIsUsedUpAndNeverToNobody) {
    GameState state = Position({}, {}, {"2ч"});
    Outbox out;
    EXPECT_FALSE(FinalSweep(state, out)); // cards left in the stock
    state.NextCard = 53;
    state.LastTaker = Turn::None; // nobody captured yet: the table counts for nobody
    ASSERT_TRUE(FinalSweep(state, out));
    EXPECT_EQ(state.Taken[1] + state.Taken[2], 0);
    EXPECT_TRUE(state.GameOver);
}

} // namespace
} // namespace tavlira
