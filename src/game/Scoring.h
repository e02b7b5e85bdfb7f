#pragma once
// Scoring a game and the end of a game.
//
// Points of one game: 2 for more captured cards (1 each on a tie), 1 for
// more captured clubs (nothing on a tie), 1 for each bonus card captured.

#include "game/Event.h"
#include "game/GameState.h"

namespace tavlira {

struct GamePoints {
    int seat1 = 0;
    int seat2 = 0;
};

GamePoints ScoreGame(const GameState& state);

// Which table buttons may be pressed once the game is over, from the kind of
// play, the running game count and the games played at the table.
EndButtons EndOfGameButtons(const GameState& state);

// Ends the game: scores it into the match, announces the result, and gives
// the table buttons their end-of-game roles. With `noMove`, `seat` had no
// move: both hands are shown and the "No move" bubble appears at that seat.
void EndGame(GameState& state, Seat seat, bool noMove, Outbox& out);

} // namespace tavlira
