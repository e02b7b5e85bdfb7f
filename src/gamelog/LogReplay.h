#pragma once
// A move log played again through the rules: the deal as logged, then each
// move through ApplyMove, with the refills, the final sweep and "No move"
// made by the game's own tick in between, exactly as in the game that wrote
// it. Every move must be legal where it stands, and the game must come to
// the logged end and result.

#include "game/Event.h"
#include "game/GameState.h"
#include "gamelog/MoveLog.h"

#include <optional>

namespace tavlira {

class LogReplay {
  public:
    // The logged game dealt, before its first move. The deck, the deal and
    // the first mover are taken as logged; ReadMoveLog has checked the deck.
    explicit LogReplay(MoveLog log);

    const GameState& State() const { return state_; }
    const MoveLog& Log() const { return log_; }
    // How many logged moves have been made.
    int MovesMade() const { return next_; }
    int MoveCount() const { return static_cast<int>(log_.moves.size()); }
    // The game has come to its end (or to a refusal): nothing more to step.
    bool Finished() const { return finished_; }
    // Set once a move was refused or the end differs from the log.
    const std::optional<LogError>& Error() const { return error_; }

    // Makes the next logged move and every step of the rules due after it,
    // appending what they show to `out`; after the last move, checks the
    // end. Returns false, doing nothing, once finished.
    bool Step(Outbox& out);

  private:
    void Settle(Outbox& out);
    void Refuse(int line, std::string message);
    void CheckEnd();

    MoveLog log_;
    GameState state_;
    int next_ = 0;
    bool finished_ = false;
    std::optional<Seat> noMoveSeat_; // the seat the rules found without a move
    std::optional<LogError> error_;
};

// Plays the whole log; nothing when it comes to the logged result, else why not.
std::optional<LogError> VerifyMoveLog(const MoveLog& log);

} // namespace tavlira
