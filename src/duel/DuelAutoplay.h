#pragma once
// A person at a duel table played without a window: when nothing else is
// due, the person begins, moves as the computer opponent would choose (with
// the very clicks a person makes, PlayPersonTurn), asks for the next game or
// leaves after a game, as the table buttons allow. Used by the engine tool's
// duel player and the tests.

#include "match/Match.h"

namespace tavlira {

// Does what the buttons and the turn allow now; returns whether anything
// was done. The caller runs the match's due steps and hands it the peer's
// messages first: this is the person's part only.
bool ActAsPerson(Match& match);

} // namespace tavlira
