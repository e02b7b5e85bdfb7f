#include "online/RatedPlay.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tavlira::online {

// Both formulas divide by n; with no games there is nothing to average and
// the rating stays as it is.

double RatingBeforeMatch(double rating, int games, RatedPlayConstants c) {
    if (games <= 0)
        return rating;
    const double n = games;
    const double earlier = n - c.step;
    return ((rating - earlier / c.divisor) * earlier - c.penalty) / n + n / c.divisor;
}

double RatingAfterMatch(double rating, int games, int result, RatedPlayConstants c) {
    if (games <= 0)
        return rating;
    const double n = games;
    return ((rating - n / c.divisor) * n + c.penalty + result) / n + n / c.divisor;
}

namespace {

// The largest result of one match: it holds at most the 20 games of a
// cycle, each worth at most 5 points.
constexpr double ResultLimit = 100;
constexpr double RatingRounding = 0.000001;

// Ratings travel with six decimals: `roundings` of them may lie between two
// ratings that are the same.
bool SameRating(double a, double b, int roundings = 2) {
    return std::fabs(a - b) <= RatingRounding * roundings;
}

// The same statistics but for the rounding of their ratings.
bool SameStats(const GameStats& a, const GameStats& b, int roundings = 2) {
    GameStats aWithBsRating = a;
    aWithBsRating.Rating = b.Rating;
    return aWithBsRating == b && SameRating(a.Rating, b.Rating, roundings);
}

bool IsStart(const GameStats& stored, const GameStats& written, RatedPlayConstants c) {
    if (written.Kon != stored.Kon + c.step || written.KonL != 0 || written.Score != 0 ||
        written.Best != stored.Best || written.Sessions != stored.Sessions)
        return false;
    return SameRating(written.Rating, RatingBeforeMatch(stored.Rating, written.Kon, c));
}

bool IsEnd(const GameStats& stored, int openCycleGame, const GameStats& written,
           RatedPlayConstants c) {
    const int n = written.Kon;
    if (n <= 0 || n != stored.Kon)
        return false;
    // Formula B solved for r; each rating's rounding grows by a factor n.
    const double result =
        (written.Rating - n / c.divisor) * n - (stored.Rating - n / c.divisor) * n - c.penalty;
    const double tolerance = RatingRounding * 2 * n + 0.000001;
    if (std::fabs(result) > ResultLimit || std::fabs(result - std::round(result)) > tolerance)
        return false;
    // The cycle moves on by one match from where the match opened: it closes
    // (its best may rise) or goes on (the best stays).
    if (openCycleGame + c.step >= c.cycleGames)
        return written.Sessions == stored.Sessions + 1 && written.KonL == 0 && written.Score == 0 &&
               written.Best >= stored.Best && written.Best <= ResultLimit;
    return written.Sessions == stored.Sessions && written.Best == stored.Best &&
           written.KonL == openCycleGame + c.step && std::abs(written.Score) <= ResultLimit;
}

} // namespace

std::optional<RatedStanding> RatedPlayStep(const RatedStanding& stored, const GameStats& written,
                                           RatedPlayConstants c) {
    if (SameStats(written, stored.stats))
        return stored;
    if (IsStart(stored.stats, written, c))
        return RatedStanding{written, stored.stats.KonL};
    if (stored.openCycleGame && IsEnd(stored.stats, *stored.openCycleGame, written, c))
        return RatedStanding{written, std::nullopt};
    return std::nullopt;
}

GameStats StatsBeforeMatch(const GameStats& stored, RatedPlayConstants c) {
    GameStats written = stored;
    written.Kon = stored.Kon + c.step;
    written.Rating = RatingBeforeMatch(stored.Rating, written.Kon, c);
    written.KonL = 0;
    written.Score = 0;
    return written;
}

GameStats StatsAfterMatch(const GameStats& stored, const GameStats& local, int result,
                          int matchScore, RatedPlayConstants c) {
    GameStats written = stored;
    written.Rating = RatingAfterMatch(stored.Rating, stored.Kon, result, c);
    if (local.KonL + c.step >= c.cycleGames) {
        written.Best = std::max(stored.Best, matchScore);
        written.Sessions = stored.Sessions + 1;
        written.KonL = 0;
        written.Score = 0;
    } else {
        written.KonL = local.KonL + c.step;
        written.Score = matchScore;
    }
    return written;
}

bool MatchAlreadyBooked(const GameStats& stored, const GameStats& before, int result,
                        int matchScore, RatedPlayConstants c) {
    const GameStats booked =
        StatsAfterMatch(StatsBeforeMatch(before, c), before, result, matchScore, c);
    // The charged rating travelled rounded, and the booking's rating after it.
    return SameStats(stored, booked, 4);
}

} // namespace tavlira::online
