#pragma once
// What a tournament table adds to the game's own rules: how each side sees
// the game, the deal, who may move, whose clock runs and the result.
//
// Each seat's machine sees its own seat as seat 2 of the game (the person,
// LocalSeat) and the other table seat as seat 1; the server keeps its copy
// of the game as table seat 1 sees it. The same rules, on the same deck,
// keep all three copies equal move for move.

#include "game/Event.h"
#include "game/GameState.h"
#include "game/Move.h"
#include "net/TableMessages.h"

namespace tavlira::net {

// The play mode of the game that `self` sees.
PlayMode TableModeOf(TableSeat self);
// The game's seat of table seat `seat` on the machine of `self`, and back.
Seat GameSeatOf(TableSeat seat, TableSeat self);
TableSeat TableSeatOf(Seat seat, TableSeat self);

// Starts the dealt game as `self` sees it: table seat 1 holds deck cards
// 1..4, seat 2 deck cards 5..8, the table 9..12; court cards count nothing;
// table seat 2 leads and table seat 1 alone begins.
void StartTableGame(GameState& state, const TableDeal& deal, TableSeat self);

// Whether table seat `sender` may make `move` now on the game `self` sees:
// the game's own rules, and a begin only from table seat 1.
bool TableMoveIsLegal(const GameState& state, TableSeat self, TableSeat sender, const Move& move);

// The steps no seat makes (the refill, the final sweep, "No move"), run
// after every move until none is due.
void SettleTableGame(GameState& state, Outbox& out);

// The seat whose move clock runs: seat 1 before the begin and once the game
// is over (it confirms the end), the seat to move in between.
TableSeat ClockSeat(const GameState& state, TableSeat self);

// The result of the game just scored as table seat 1's frame gives it: its
// points less seat 2's points.
int SeatOneResult(const GameState& state, TableSeat self);

} // namespace tavlira::net
