#pragma once
// The computer opponent's whole turn: it captures whenever it can, choosing
// by the capture search; otherwise it lays off by its priority list to the
// lowest free table place; with neither possible the game ends by "No move".

#include "game/Event.h"
#include "game/GameState.h"

namespace tavlira {

// How long the computer's capture stays on show before it takes.
inline constexpr int ComputerCaptureShowMs = 2000;

// Plays `seat`'s turn (seat 1 in a game against the computer; either seat
// when the engine plays itself). Does nothing unless it is that seat's turn,
// the seat holds cards, the capture area is empty and the game is under way.
// Returns whether a step was made.
bool ComputerTurn(GameState& state, Seat seat, Outbox& out);

} // namespace tavlira
