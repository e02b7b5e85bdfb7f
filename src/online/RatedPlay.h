#pragma once
// The world rating of rated play. Before a match the server's copy is
// charged as if the match were lost (formula A), so that a match never
// finished counts against the player; after it the result is booked
// (formula B). n is the number of games, R the current rating.

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

} // namespace tavlira::online
