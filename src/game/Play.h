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
// match). `PlayCard` refuses every play while place 9 is occupied.

#include "game/Event.h"
#include "game/GameState.h"

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

// Plays hand place `handPlace` of `seat` to table place `tablePlace`. With
// `send`, the move is first sent to a network peer (when there is one).
// Refused, changing nothing, unless: the game is under way and not over, it
// is `seat`'s turn, the hand place holds a card, the table place is 1..9 and
// empty, and the capture area is empty. The caller checks that a card played
// to place 9 has a legal capture.
bool PlayCard(GameState& state, int seat, int handPlace, int tablePlace, bool send, Outbox& out);

// Adds table place `place` (1..8) to the pending selection or removes it.
// Returns whether, for the person's own turn, the selection with the card in
// the capture area is a legal capture (the "Take" button's enabling); false
// for an out-of-range place, which changes nothing.
bool ToggleTableCard(GameState& state, int place, Outbox& out);

// Whether the person's pending selection is a legal capture.
bool SelectionIsLegal(const GameState& state);

// Captures the selected places and the card in the capture area for `seat`;
// the turn passes and `seat` becomes the last taker. Checks nothing about
// legality: its callers take only legal captures, or sweep the table.
void TakeCards(GameState& state, int seat, Outbox& out);

// "No move": `seat` is to move, holds cards, the capture area is empty, the
// table has no free place and no hand card has a legal capture.
bool HasNoMove(const GameState& state, int seat);

// When both hands and the capture area are empty, the stock is used up and
// the game is not over, the last taker takes every table card and the game
// is scored. Cards nobody ever captured stay uncounted. Returns whether the
// sweep ran.
bool FinalSweep(GameState& state, Outbox& out);

} // namespace tavlira
