#include "online/RatedPlay.h"

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

} // namespace tavlira::online
