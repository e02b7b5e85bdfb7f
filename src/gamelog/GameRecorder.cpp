#include "gamelog/GameRecorder.h"

#include <utility>

namespace tavlira {

void GameRecorder::GameDealt(const GameState& state) {
    MoveLog log;
    log.mode = state.Mode;
    log.figuresHavePoints = state.FiguresHavePoints;
    log.deck = state.Deck;
    // Deck cards 1..4 went to seat 1 unless a client's deal gave them to seat 2.
    log.dealtFirst =
        state.Hand[OpponentSeat][1].code == state.Deck[1].code ? OpponentSeat : LocalSeat;
    log.firstMover = IsSeatTurn(state.Mover) ? SeatOf(state.Mover) : LocalSeat;
    game_ = std::move(log);
    firstPlaySeen_ = false;
}

void GameRecorder::Record(Seat seat, const Move& move) {
    if (!game_)
        return;
    // A duel client learns who leads with the host's begin: the first card
    // played names the first mover for certain.
    if (move.kind == Move::Kind::Play && !std::exchange(firstPlaySeen_, true))
        game_->firstMover = seat;
    game_->moves.push_back({seat, move, 0});
}

void GameRecorder::GameStepped(const GameState& state, const Outbox& events) {
    if (!game_)
        return;
    for (const Event& e : events) {
        if (const auto* made = std::get_if<event::MoveMade>(&e))
            Record(made->seat, made->move);
        else if (const auto* noMove = std::get_if<event::ShowNoMove>(&e))
            game_->noMove = noMove->seat;
    }
    FinishIfOver(state);
}

void GameRecorder::MoveMade(const GameState& state, Seat seat, const Move& move) {
    Record(seat, move);
    if (game_ && state.GameOver && state.HandCount[1] + state.HandCount[2] > 0) {
        // "No move" ends a game only for the seat to move, which is the one
        // after the seat that moved last.
        game_->noMove = OtherSeat(seat);
    }
    FinishIfOver(state);
}

void GameRecorder::FinishIfOver(const GameState& state) {
    if (!game_ || !state.GameOver)
        return;
    game_->result = ResultOf(state);
    const MoveLog finished = std::move(*game_);
    game_.reset();
    if (finished_)
        finished_(finished);
}

} // namespace tavlira
