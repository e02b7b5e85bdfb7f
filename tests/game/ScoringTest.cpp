#include "game/Scoring.h"

#include "GameFixtures.h"

namespace tavlira {
namespace {

GameState Tallies(int taken1, int taken2, int clubs1, int clubs2, int bonus1, int bonus2) {
    GameState state;
    state.Taken[1] = static_cast<std::uint8_t>(taken1);
    state.Taken[2] = static_cast<std::uint8_t>(taken2);
    state.TakenClubs[1] = static_cast<std::uint8_t>(clubs1);
    state.TakenClubs[2] = static_cast<std::uint8_t>(clubs2);
    state.TakenBonus[1] = static_cast<std::uint8_t>(bonus1);
    state.TakenBonus[2] = static_cast<std::uint8_t>(bonus2);
    state.Mover = Turn::Opponent;
    return state;
}

Effect ResultSound(const Outbox& out) {
    for (auto it = out.rbegin(); it != out.rend(); ++it)
        if (auto* s = std::get_if<event::PlaySound>(&*it))
            return s->effect;
    return Effect::OpenForm;
}

TEST(EndGame, PointsAndResultSound) {
    struct Case {
        GameState tallies;
        int p1, p2;
        Effect sound;
    } cases[] = {
        {Tallies(27, 25, 7, 6, 1, 1), 4, 1, Effect::GameLost},
        {Tallies(26, 26, 6, 7, 0, 2), 1, 4, Effect::GameWon},
        {Tallies(20, 20, 5, 5, 0, 0), 1, 1, Effect::GameDrawn},
        {Tallies(0, 0, 0, 0, 0, 0), 1, 1, Effect::GameDrawn},
    };
    for (auto& c : cases) {
        GameState state = c.tallies;
        state.BaseScore = 10;
        Outbox out;
        EndGame(state, OpponentSeat, false, out);
        EXPECT_EQ(state.MatchPoints[1], c.p1);
        EXPECT_EQ(state.MatchPoints[2], c.p2);
        EXPECT_EQ(state.PointsLead, c.p2 - c.p1);
        EXPECT_EQ(state.ShownScore, 10 + c.p2 - c.p1);
        EXPECT_EQ(ResultSound(out), c.sound);
        EXPECT_TRUE(state.GameOver);
        EXPECT_EQ(state.Mover, Turn::GameOver);
    }
}

TEST(EndGame, MatchPointsAddUp) {
    GameState state = Tallies(27, 25, 7, 6, 1, 1);
    Outbox out;
    EndGame(state, OpponentSeat, false, out);
    GameState second = Tallies(26, 26, 6, 7, 0, 2);
    second.MatchPoints = state.MatchPoints;
    EndGame(second, OpponentSeat, false, out);
    EXPECT_EQ(second.MatchPoints[1], 5);
    EXPECT_EQ(second.MatchPoints[2], 5);
    EXPECT_EQ(second.PointsLead, 0);
    EXPECT_EQ(second.ShownScore, second.BaseScore);
}

TEST(EndGame, NoMoveShowsBothHandsAndTheBubble) {
    GameState state = Tallies(20, 20, 5, 5, 0, 0);
    Outbox out;
    EndGame(state, LocalSeat, true, out);
    int faceUpHands = 0;
    bool bubble = false;
    for (const Event& e : out) {
        if (auto* h = std::get_if<event::RedrawHand>(&e))
            faceUpHands += h->faceUp ? 1 : 0;
        if (auto* b = std::get_if<event::ShowNoMove>(&e))
            bubble = b->seat == LocalSeat;
    }
    EXPECT_EQ(faceUpHands, 2);
    EXPECT_TRUE(bubble);
}

TEST(EndOfGameButtons, FollowTheKindOfPlay) {
    struct Case {
        const char* what;
        PlayMode mode;
        int counter, atTable;
        bool rated;
        EndButtons expected; // next game, exit to menu
    } cases[] = {
        {"computer, mid-cycle", PlayMode::Computer, 7, 7, false, {true, true}},
        {"computer, end of cycle", PlayMode::Computer, 40, 3, false, {false, true}},
        {"host after first game", PlayMode::DuelHost, 5, 1, false, {true, false}},
        {"host after second game", PlayMode::DuelHost, 6, 2, false, {false, true}},
        {"client after first game", PlayMode::DuelClient, 5, 1, false, {false, false}},
        {"client after second game", PlayMode::DuelClient, 6, 2, false, {false, true}},
        {"table position 1", PlayMode::TablePosition1, 3, 1, false, {false, true}},
        {"table position 2", PlayMode::TablePosition2, 3, 1, false, {false, false}},
        {"rated series, mid", PlayMode::Computer, 41, 1, true, {true, false}},
        {"rated series, end", PlayMode::Computer, 42, 2, true, {false, true}},
    };
    for (const auto& c : cases) {
        GameState state;
        state.Mode = c.mode;
        state.GameCounter = c.counter;
        state.GamesAtTable = static_cast<std::uint8_t>(c.atTable);
        state.RatedSeries = c.rated;
        EXPECT_EQ(EndOfGameButtons(state), c.expected) << c.what;
    }
}

} // namespace
} // namespace tavlira
