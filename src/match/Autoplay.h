#pragma once
// Plays the person's side of a match through the same clicks a person makes,
// choosing as the computer opponent would: the best capture (pick the card,
// play it to the capture area, select its cards, "Take") or else the lay-off
// of the priority list to the lowest free place. Used by the engine tool and
// the tests.

#include "match/Match.h"

namespace tavlira {

// Makes the person's move when it is the person's turn. Returns whether a
// card was played (false when the person has no move: the next tick ends
// the game).
bool PlayPersonTurn(Match& match);

// Plays the current game to its end from "To Begin": the computer's turns
// through ticks, the person's through PlayPersonTurn. Each step's outbox is
// passed to `played` as it would be played by the window.
void PlayGameToEnd(Match& match, const std::function<void(const MatchOutbox&)>& played);

} // namespace tavlira
