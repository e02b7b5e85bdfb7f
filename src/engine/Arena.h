#pragma once
// The arena: the expert against the classic computer opponent on the same
// deals. Each deal is played twice with the seats swapped, so both players
// hold both hands and both leads of every deal, and the luck of the cards
// cancels out of the paired result.

#include "engine/Expert.h"
#include "game/GameState.h"

#include <cstdint>
#include <functional>

namespace tavlira::engine {

struct ArenaOptions {
    int deals = 1;
    bool figuresHavePoints = false;
    std::uint32_t seed = 1; // the decks; the expert's seeds follow from it
    ExpertOptions expert;
};

// One deal's two games: [0] with the expert at seat 1, [1] at seat 2.
struct PairedDeal {
    GameState games[2]; // as each game ended
    int expertPoints[2] = {0, 0};
    int classicPoints[2] = {0, 0};
    // Points per game, expert minus classic, over the two games.
    double Margin() const {
        return (expertPoints[0] + expertPoints[1] - classicPoints[0] - classicPoints[1]) / 2.0;
    }
};

struct ArenaTotals {
    int deals = 0;
    long long expertPoints = 0;
    long long classicPoints = 0;
    double margin = 0.0; // points per game, expert minus classic
    double ci95 = 0.0;   // half-width of the 95 % interval of the margin; 0 below two deals
    long long playouts = 0;
    long long searchedTurns = 0; // expert turns that needed a search
};

// Plays one game from a dealt state to its end with the expert at
// `expertSeat` and the classic opponent at the other; returns the scored
// state. `seed` seeds the expert's turns. Throws std::logic_error should the
// expert ever choose a move the rules refuse.
GameState PlayArenaGame(GameState dealt, Seat expertSeat, const ExpertOptions& expert,
                        ArenaTotals* totals = nullptr);

// Deals `options.deals` decks from the seed and plays each twice;
// `played` (if given) sees every deal as it is done.
ArenaTotals PlayArena(const ArenaOptions& options,
                      const std::function<void(int deal, const PairedDeal&)>& played = {});

} // namespace tavlira::engine
