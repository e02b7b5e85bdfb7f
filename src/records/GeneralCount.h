#pragma once
// The figures of the general count dialog and the balloon texts over the game
// plate and the score picture: where the running match stands within the
// member's record.

#include "game/PlayMode.h"

#include <string>
#include <string_view>

namespace tavlira {

// The match as the match driver sees it.
struct MatchFigures {
    PlayKind kind = PlayKind::Computer;
    int gameCounter = 0;      // the member's games, the running one included
    int gamesAtTable = 0;     // games of this match
    int serverCycleGames = 0; // rated online: games of the cycle the server counts
    int baseScore = 0;        // cycle score when the match began (tournament: server score)
    int pointsLead = 0;
    double rating = 0.0; // when the match began (online: the server's rating)
};

struct TCount {
    std::string Count_KonAll;
    std::string Count_KonCur;
    std::string Count_ScoBeg;
    std::string Count_ScoCur;
    std::string Count_ScoAll;
    std::string Count_ReiBeg;
    std::string Count_ReiCur;
};

TCount MakeTCount(const MatchFigures& match);

// `gameCounter` modulo `length`, with `length` in place of 0.
int PositionInRound(int gameCounter, int length);

// The three captions of the balloon, already translated.
struct BalloonWords {
    std::string_view generalNumber;  // "General number of game:"
    std::string_view roundInCycle;   // "Number of round in a current cycle:"
    std::string_view roundInSession; // "Number of round in a current session:"
};

// The balloon "Current game" over the game plate and the score picture; lines
// separated by LF CR.
std::string CurrentGameBalloon(const MatchFigures& match, const BalloonWords& words);

// The game plate's hint: the word "Game", ": ", the game and " / " 20 (1 in a
// tournament game).
std::string GamePlateHint(std::string_view gameWord, const MatchFigures& match);

} // namespace tavlira
