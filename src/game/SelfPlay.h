#pragma once
// The computer playing itself: both seats choose with the capture search and
// the lay-off lists, through the same tick as a real match (GameTick). Used
// by the engine tool, the tests and the benchmarks.

#include "game/Event.h"
#include "game/GameObserver.h"
#include "game/GameState.h"
#include "game/Random.h"
#include "game/Scoring.h"

#include <cstdint>
#include <string>

namespace tavlira {

// Counts the next game and deals it, ready to play: the game counter and the
// games at the table advance, the deck is shuffled and dealt, and the first
// mover is set.
void DealSelfPlayGame(GameState& state, RandomSource& random, Outbox& out);

// One tick with the computer at both seats (GameTick). Returns false when
// nothing is left to do (the game is over).
bool SelfPlayTick(GameState& state, Outbox& out);

// A hash over the moves of games: every card that flies, from where to where,
// and every "No move". The same games give the same signature on every run
// and machine.
class MoveSignature {
  public:
    void Absorb(const Outbox& out);
    std::uint64_t Value() const { return hash_; }

  private:
    void Mix(std::uint8_t byte);
    std::uint64_t hash_ = 14695981039346656037ull; // 64-bit FNV-1a offset basis
};

// A signature as the engine tool prints it: 16 hexadecimal digits.
std::string SignatureText(std::uint64_t signature);

struct SelfPlayTotals {
    int games = 0;
    long long seat1Points = 0;
    long long seat2Points = 0;
    int noMoveEndings = 0;
    std::uint64_t signature = 0;
};

// Plays `games` whole games from `seed`, the first mover alternating with the
// game counter; `observer`, when given, sees every deal and step.
SelfPlayTotals PlaySelfGames(int games, std::uint32_t seed, bool figuresHavePoints,
                             GameObserver* observer = nullptr);

} // namespace tavlira
