#pragma once
// The capture search shared by the computer opponent, the person's pick
// feedback and the "No move" test.
//
// For every hand card the best legal capture over all non-empty sets of
// occupied table places 1..8 is found by rating. Ties are decided by the
// order the sets are enumerated in — by size, then lexicographically by their
// ascending place numbers — with the first set of the best rating winning;
// among hand cards of equal best rating the lowest hand place wins.

#include "game/GameState.h"

#include <array>

namespace tavlira {

struct CaptureChoice {
    int chosen = 0;       // hand place 1..4 of the best capture, 0 for none
    PlaceSet capturing;   // hand places whose best capture is legal
    PlaceSet bestTakeSet; // the chosen card's table places; empty for none
    std::array<double, HandPlaces> best{-2.0, -2.0, -2.0, -2.0}; // per hand place:
    // the best rating, -1.0 when the table holds cards but none is a legal
    // capture, -2.0 for an empty hand place or an empty table

    friend bool operator==(const CaptureChoice&, const CaptureChoice&) = default;
};

CaptureChoice FindCapture(const HandRow& hand, const TableRow& table, bool figuresHavePoints);

// Whether `played` has any legal capture on the table: true exactly for the
// hand places FindCapture counts as `capturing`, found without rating.
bool HasLegalCapture(const CardSlot& played, const TableRow& table, bool figuresHavePoints);

// The same search written out literally, set by set through `CaptureRating`.
// It is the reference the fast search above must always agree with.
CaptureChoice FindCaptureReference(const HandRow& hand, const TableRow& table,
                                   bool figuresHavePoints);

} // namespace tavlira
