#pragma once
// The world rating of rated play. Before a match the server's copy is
// charged as if the match were lost (formula A), so that a match never
// finished counts against the player; after it the result is booked
// (formula B). n is the number of games, R the current rating.

#include "online/World.h"

#include <optional>

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

// A player's rated standing as the server keeps it: the game statistics
// and, while a rated match is under way, the cycle game the player stood at
// when it started (the start clears the cycle game in the statistics).
struct RatedStanding {
    GameStats stats;
    std::optional<int> openCycleGame;
    friend bool operator==(const RatedStanding&, const RatedStanding&) = default;
};

// The standing after `written`, when that is one step of rated play from
// `stored`; nothing when it is not:
// - the start of a match: Kon raised by k, formula A, the cycle's game and
//   score cleared; the match opens from the cycle game held (after a match
//   never ended that is the cleared one, as the player's program reads it);
// - the end of the match the start opened: Kon kept, formula B for a whole
//   result r (|r| <= 100), and the cycle moved on by k games from where the
//   match opened: closed at 20 games, with one more session and perhaps a
//   better best, or going on with its best unchanged;
// - the very statistics held, as a client sends again when an answer was
//   lost: accepted, nothing changes.
// Ratings travel with six decimals, so they are compared within that
// rounding. An end without an open match, or a second end, is refused: so
// one match is booked once.
std::optional<RatedStanding> RatedPlayStep(const RatedStanding& stored, const GameStats& written,
                                           RatedPlayConstants c = {});

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

// Whether `stored` is already the booking of the match that started from
// `before`, as an end whose answer was lost leaves the server: the booking
// of the start's charged copy, the rating within its rounding. A charged
// copy not yet booked never passes for it (its cycle game or its sessions
// differ).
bool MatchAlreadyBooked(const GameStats& stored, const GameStats& before, int result,
                        int matchScore, RatedPlayConstants c = {});

// A rated world cycle is complete once the match's step cleared its game
// count; its score then goes to the account players' board.
inline bool CycleComplete(const GameStats& afterMatch) {
    return afterMatch.KonL == 0;
}

} // namespace tavlira::online
