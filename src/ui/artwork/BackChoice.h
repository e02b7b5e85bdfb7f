#pragma once
// Which back picture of the current design a game shows.

#include <functional>

namespace tavlira {

// A source of uniform random numbers: given n > 0, a number in 0..n-1.
using RandomBelow = std::function<int(int n)>;

// `BackPicture` (1..10) for a new game: the weekday's picture (`isoWeekday`
// 1 Monday .. 7 Sunday); picture 7 with "Always one"; for the designs of ten
// pictures (8..11) a random one, whatever the weekday or "Always one".
int ChooseBackPicture(int isoWeekday, bool alwaysOne, int deckBack, const RandomBelow& random);

} // namespace tavlira
