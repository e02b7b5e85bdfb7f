#pragma once
// The figures of a finished match for the world statistics: how many games
// were played against the computer, won and lost, how many cycles done, how
// many duels and table games. Posted once, in the background, never
// retried; a failure is not told.

#include "match/Match.h"
#include "online/World.h"

namespace tavlira {

class WebServices;

// The figures of `match`, which has just ended (its last game over).
online::GameFiguresRequest FiguresOfEndedMatch(const Match& match);
// Posts them. Call once when a match ends; a match left through
// Match::LeaveAfterGame is posted by the main window as it leaves the table.
void PostMatchFigures(WebServices& services, const Match& match);

} // namespace tavlira
