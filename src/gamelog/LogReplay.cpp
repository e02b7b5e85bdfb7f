#include "gamelog/LogReplay.h"

#include "game/Deal.h"
#include "game/GameTick.h"
#include "game/Play.h"

#include <utility>

namespace tavlira {
namespace {

// The moves of a replay are all the log's: no seat chooses its own.
SeatPlayers LoggedPlayers() {
    SeatPlayers players;
    players.Fill(Player::Peer);
    return players;
}

std::string SeatName(Seat seat) {
    return "seat " + std::to_string(static_cast<int>(seat));
}

} // namespace

LogReplay::LogReplay(MoveLog log) : log_(std::move(log)) {
    state_.Mode = log_.mode;
    state_.FiguresHavePoints = log_.figuresHavePoints;
    state_.Deck = log_.deck;
    state_.GameCounter = 1;
    state_.GamesAtTable = 1;
    if (log_.dealtFirst == OpponentSeat)
        OpeningDeal(state_);
    else
        ClientOpeningDeal(state_);
    ResetGameFields(state_);
    state_.Mover = TurnOf(log_.firstMover);
    state_.BeginState = Dealt;
    state_.TableActive = true;
}

void LogReplay::Settle(Outbox& out) {
    const SeatPlayers players = LoggedPlayers();
    const std::size_t from = out.size();
    while (GameTick(state_, players, out)) {
    }
    for (std::size_t i = from; i < out.size(); ++i)
        if (const auto* noMove = std::get_if<event::ShowNoMove>(&out[i]))
            noMoveSeat_ = noMove->seat;
}

void LogReplay::Refuse(int line, std::string message) {
    error_ = LogError{line, std::move(message), LogFault::AgainstTheRules};
    finished_ = true;
}

bool LogReplay::Step(Outbox& out) {
    if (finished_)
        return false;
    Settle(out);
    if (next_ == MoveCount()) {
        CheckEnd();
        return true;
    }
    const LoggedMove& logged = log_.moves[static_cast<std::size_t>(next_)];
    if (state_.GameOver) {
        Refuse(logged.line, "a move after the end of the game");
        return true;
    }
    // A game dealt under way (the engine playing itself) has no begin move.
    if (state_.BeginState == Dealt && logged.move.kind != Move::Kind::Begin)
        state_.BeginState = UnderWay;
    if (!ApplyMove(state_, logged.seat, logged.move, out)) {
        Refuse(logged.line, "the rules do not allow this move of " + SeatName(logged.seat));
        return true;
    }
    // The first mover is the log's, whoever got the game under way.
    if (logged.move.kind == Move::Kind::Begin)
        state_.Mover = TurnOf(log_.firstMover);
    ++next_;
    Settle(out);
    if (next_ == MoveCount() || state_.GameOver)
        CheckEnd();
    return true;
}

void LogReplay::CheckEnd() {
    finished_ = true;
    if (next_ < MoveCount()) {
        Refuse(log_.moves[static_cast<std::size_t>(next_)].line,
               "a move after the end of the game");
        return;
    }
    if (!state_.GameOver) {
        Refuse(0, "the moves end before the game does");
        return;
    }
    if (noMoveSeat_ != log_.noMove) {
        Refuse(0, noMoveSeat_
                      ? "the game ends by \"No move\" of " + SeatName(*noMoveSeat_) +
                            ", which the log does not say"
                      : std::string("the game ends by the final sweep, not by \"No move\""));
        return;
    }
    if (ResultOf(state_) != log_.result)
        Refuse(0, "the moves come to another result than the logged one");
}

std::optional<LogError> VerifyMoveLog(const MoveLog& log) {
    LogReplay replay(log);
    Outbox out;
    while (replay.Step(out))
        out.clear();
    return replay.Error();
}

} // namespace tavlira
