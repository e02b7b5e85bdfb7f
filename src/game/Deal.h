#pragma once
// Shuffle, the opening deal, who moves first, and the refill deal.

#include "game/Event.h"
#include "game/GameState.h"
#include "game/Random.h"

namespace tavlira {

// Fills the deck in deal order: for each position 1..52 a card number 1..52
// is drawn uniformly, drawing again while the number is already placed.
// Values follow `FiguresHavePoints` of the state (court cards 0 when off).
void Shuffle(GameState& state, RandomSource& random);

// Empties both hands and the table, deals deck cards 1..4 to seat 1,
// 5..8 to seat 2 and 9..12 to table places 1..4; 40 cards stay in the stock.
void OpeningDeal(GameState& state);

// The opening deal of a duel client from the deck its host dealt: the host's
// seat 1 is this machine's person, so deck cards 1..4 go to seat 2 and 5..8
// to seat 1; the table and the stock as in OpeningDeal.
void ClientOpeningDeal(GameState& state);

// Clears what a game leaves behind: tallies, selection, panel view, the
// game-over mark. `LastTaker` carries over.
void ResetGameFields(GameState& state);

// The seat that leads, after `GameCounter` has counted the new game: the
// person leads odd games against the computer; a duel client swaps the seats
// so both machines name the same person; at an online table position 2 leads.
Seat FirstMover(const GameState& state);

// When both hands and the capture area are empty, the game is not over and
// cards are left, four cards go to each seat, one at a time, pass by pass.
// Within a pass the computer receives first; in a duel or at an online table
// the client (position 2) receives first on both machines, which is seat 1 on
// the host's side and seat 2 on the client's. Returns false, changing
// nothing, when a refill is not due.
bool RefillDeal(GameState& state, Outbox& out);

} // namespace tavlira
