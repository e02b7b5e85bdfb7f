#include "records/GeneralCount.h"

#include "records/RecordFile.h"
#include "util/NumberFormat.h"

namespace tavlira {
namespace {

constexpr std::string_view LineBreak = "\n\r";
// The rating after an online match: the server has not reported it yet.
constexpr std::string_view UnknownRating = "?";

std::string WholeNumber(double value) {
    return std::to_string(static_cast<long long>(RoundHalfEven(value)));
}

std::string CyclePosition(const MatchFigures& match) {
    if (match.kind == PlayKind::RatedOnline)
        return std::to_string(match.serverCycleGames + match.gamesAtTable);
    return std::to_string(PositionInRound(match.gameCounter, CycleGames));
}

std::string RoundOf(int position, int length) {
    return std::to_string(position) + " / " + std::to_string(length);
}

} // namespace

int PositionInRound(int gameCounter, int length) {
    const int position = gameCounter % length;
    return position == 0 ? length : position;
}

TCount MakeTCount(const MatchFigures& match) {
    const bool offline = match.kind == PlayKind::Computer || match.kind == PlayKind::NetworkDuel;
    TCount count;
    count.Count_KonAll = std::to_string(match.gameCounter);
    count.Count_KonCur = match.kind == PlayKind::Tournament ? "-" : CyclePosition(match);
    count.Count_ScoBeg = std::to_string(match.baseScore);
    count.Count_ScoCur = std::to_string(match.pointsLead);
    count.Count_ScoAll = std::to_string(static_cast<long long>(match.baseScore) + match.pointsLead);
    if (offline) {
        count.Count_ReiBeg = FormatFixed2(6, match.rating);
        count.Count_ReiCur =
            FormatFixed2(6, RatingAfterMatch(match.rating, match.gameCounter, match.gamesAtTable,
                                             match.pointsLead));
    } else {
        count.Count_ReiBeg = WholeNumber(match.rating);
        // Moved in as a string of its own: assigning the short text in place
        // trips a false -Wrestrict of g++ 12 in optimised builds.
        count.Count_ReiCur = std::string(UnknownRating);
    }
    return count;
}

std::string CurrentGameBalloon(const MatchFigures& match, const BalloonWords& words) {
    std::string text = std::string(words.generalNumber) + " " + std::to_string(match.gameCounter);
    if (match.kind == PlayKind::Tournament)
        return text + std::string(LineBreak) + std::string(words.roundInSession) + " " +
               RoundOf(1, 1);
    text += std::string(LineBreak) + std::string(words.roundInCycle) + " " + CyclePosition(match) +
            " / " + std::to_string(CycleGames);
    if (match.kind == PlayKind::Computer)
        return text;
    return text + std::string(LineBreak) + std::string(words.roundInSession) + " " +
           RoundOf(PositionInRound(match.gameCounter, SeriesGames), SeriesGames);
}

std::string GamePlateHint(std::string_view gameWord, const MatchFigures& match) {
    const int last = match.kind == PlayKind::Tournament ? 1 : CycleGames;
    return std::string(gameWord) + ": " + std::to_string(match.gameCounter) + " / " +
           std::to_string(last);
}

} // namespace tavlira
