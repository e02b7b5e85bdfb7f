#pragma once
// Writes down each game a driver plays as a move log: the one hook every mode
// goes through (the window's match in any mode, the engine tool's self-play,
// duel and table bots). It only reads the game. A finished game's log goes to
// the callback; a game that ends otherwise (a peer left, a clock ran out, a
// new deal came first) is dropped.

#include "game/GameObserver.h"
#include "gamelog/MoveLog.h"

#include <functional>
#include <optional>

namespace tavlira {

class GameRecorder : public GameObserver {
  public:
    using Finished = std::function<void(const MoveLog&)>;
    explicit GameRecorder(Finished finished) : finished_(std::move(finished)) {}

    void GameDealt(const GameState& state) override;
    void GameStepped(const GameState& state, const Outbox& events) override;
    // For drivers that see moves rather than outboxes: one move `seat` made,
    // and the state after it and the steps it brought.
    void MoveMade(const GameState& state, Seat seat, const Move& move);

  private:
    void Record(Seat seat, const Move& move);
    void FinishIfOver(const GameState& state);

    Finished finished_;
    std::optional<MoveLog> game_;
    bool firstPlaySeen_ = false;
};

} // namespace tavlira
