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
    int cycleGames = 20; // games of a world cycle
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

// The copy written back before a rated match: k more games, rated by
// formula A as if the match were lost, the cycle's game and score cleared.
GameStats StatsBeforeMatch(const GameStats& stored, RatedPlayConstants c = {});

// The statistics after a rated match with result r (won > 0) and the cycle
// score `matchScore`. `stored` is what the server holds (charged by the
// start), `local` what the player held before the start: the rating is
// formula B over the server's games, and the cycle goes on from the local
// game count, since the start cleared the server's. A cycle of 20 games
// closes with one more session, the best score kept when beaten, and the
// cycle's game and score cleared; otherwise the cycle goes on with k more
// games and the new score.
GameStats StatsAfterMatch(const GameStats& stored, const GameStats& local, int result,
                          int matchScore, RatedPlayConstants c = {});

// A rated world cycle is complete once the match's step cleared its game
// count; its score then goes to the account players' board.
inline bool CycleComplete(const GameStats& afterMatch) {
    return afterMatch.KonL == 0;
}

} // namespace tavlira::online
