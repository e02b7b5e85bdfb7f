#pragma once
// The world rating of rated play. Before a match the server's copy is
// charged as if the match were lost (formula A), so that a match never
// finished counts against the player; after it the result is booked
// (formula B). n is the number of games, R the current rating.

#include "online/World.h"

namespace tavlira::online {

struct RatedPlayConstants {
    int step = 2;        // k: games booked per match
    double penalty = 20; // P
    double divisor = 20; // D
};

// A: ((R - (n - k) / D) * (n - k) - P) / n + n / D
double RatingBeforeMatch(double rating, int games, RatedPlayConstants c = {});
// B: ((R - n / D) * n + P + r) / n + n / D, r the match result (won > 0)
double RatingAfterMatch(double rating, int games, int result, RatedPlayConstants c = {});

// Whether `written` follows from `stored` by one step of rated play: the
// start of a match (Kon raised by k, formula A, the cycle's game and score
// cleared) or its end (Kon kept, formula B for a whole result r, and the
// cycle either closed, with one more session and perhaps a better best, or
// going on with its best unchanged). Ratings travel with six decimals, so they are
// compared within that rounding.
bool IsRatedPlayStep(const GameStats& stored, const GameStats& written, RatedPlayConstants c = {});

} // namespace tavlira::online
