#pragma once
// Playing a card, selecting table cards, capturing, and the two ways a game
// runs out ("No move" and the final sweep).
//
// A turn: the seat to move plays one hand card either to an empty table place
// 1..8 (a lay-off, the turn passes) or to the capture area 9, which needs a
// legal capture; it then selects table cards and takes them with the played
// card, which passes the turn.
//
// The card waiting in the capture area is never lost: while it waits, no card
// may be played anywhere, so the only way on is the take (or the end of the
// match). `ApplyMove` refuses every play while place 9 is occupied.

#include "game/Event.h"
#include "game/GameState.h"
#include "game/Move.h"

namespace tavlira {

// A trial capture: place 1 the played card, places 2..9 the selected table
// cards in table order (table place p at trial place p + 1), the rest empty.
using Trial = OneBased<CardSlot, CaptureArea>;

// The capture test and its rating: greater than 0 exactly when the capture is
// legal. The rating favours more cards (0.08 each), then clubs (0.04 each),
// and each bonus card counts 1.0; the played card counts in every term.
// An illegal capture gives -1.0.
double CaptureRating(const Trial& trial, bool figuresHavePoints);

// The trial of the card in hand place `handPlace` of `seat` against the
// selected table places (1..8 only; place 9 is ignored).
Trial TrialOf(const CardSlot& played, const GameState& state, PlaceSet selected);

// Whether `seat` may get the dealt game under way: the person, unless this
// machine waits for its peer to begin (duel client, table position 2); the
// opponent seat only when a network peer plays it.
bool SeatMayBegin(const GameState& state, Seat seat);

// Whether `seat` may make `move` now:
// - Begin: the game is dealt and not yet under way, and SeatMayBegin.
// - Play, Toggle, Take: the game is under way and not over, and it is
//   `seat`'s turn; then
//   - Play: the hand place holds a card, the table place 1..9 is empty, the
//     capture area is empty, and a card played to place 9 has a legal capture;
//   - Toggle: a card waits in the capture area and table place 1..8 holds a
//     card;
//   - Take: the selection with the waiting card is a legal capture.
bool MoveIsLegal(const GameState& state, Seat seat, const Move& move);

// The one way a move changes the game. A legal move emits MoveMade first,
// then what it shows:
// - Play lays the card off (the turn passes) or puts it into the capture
//   area, which is then shown selected;
// - Toggle adds the table place to the selection or removes it;
// - Take captures the selected places and the waiting card; the turn passes
//   and `seat` becomes the last taker.
// An illegal move changes nothing and emits nothing; returns whether applied.
bool ApplyMove(GameState& state, Seat seat, const Move& move, Outbox& out);

// Whether the pending selection is a legal capture of the card waiting in
// the capture area.
bool SelectionIsLegal(const GameState& state);

// "No move": `seat` is to move, holds cards, the capture area is empty, the
// table has no free place and no hand card has a legal capture.
bool HasNoMove(const GameState& state, Seat seat);

// When both hands and the capture area are empty, the stock is used up and
// the game is not over, the last taker takes every table card and the game
// is scored. Cards nobody ever captured stay uncounted. Returns whether the
// sweep ran.
bool FinalSweep(GameState& state, Outbox& out);

} // namespace tavlira
