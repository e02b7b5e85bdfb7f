#pragma once
// The expert opponent: a stronger player than the classic computer opponent
// of the rules, for hints, bots and the arena. It decides from what its seat
// can see (PlayerView) by Information-Set Monte Carlo tree search: each
// round of the search imagines one world that fits what the seat knows (the
// unseen cards dealt at random to the opponent's hand and the stock), walks
// one tree of turns shared by all those worlds, and plays the game out with
// the classic opponent's choices at both seats. The turn the search tried
// most often is played.
//
// The result depends only on the view and the seed when the search is
// bounded by playouts; a time budget gives as many playouts as the time
// allows.

#include "engine/PlayerView.h"
#include "game/GameState.h"
#include "game/Move.h"
#include "game/PlaceSet.h"

#include <cstdint>
#include <vector>

namespace tavlira::engine {

struct ExpertOptions {
    int budgetMs = 100;     // thinking time per turn
    int playouts = 0;       // > 0: this many playouts instead of a time budget
    int threads = 1;        // searches run side by side, their counts summed
    std::uint64_t seed = 1; // the same seed and view give the same choice
    // Weight of trying a turn seldom tried against taking the best so far
    // (UCB1, on points won per game scaled to -1..1).
    double exploration = 0.7;
    // The most captures weighed for one hand card, the best rated first.
    int capturesPerCard = 8;
    // Whether the search expects the opponent to choose as the classic
    // computer opponent does (as its playouts do) rather than weighing
    // every turn the opponent might make.
    bool classicOpponent = false;
};

// One whole turn of `seat`: the hand card and either the table cards it
// captures or the table place it is laid off to; noMove when the seat
// cannot move.
struct ExpertChoice {
    int handPlace = 0;
    PlaceSet capture;
    int layOffPlace = 0;
    bool noMove = false;
    friend bool operator==(const ExpertChoice&, const ExpertChoice&) = default;
};

// What a search did, for the benchmarks.
struct SearchFigures {
    long long playouts = 0;
    int turnsWeighed = 0; // turns open at the root
};

// Whether `seat` may begin a turn now: the game is under way and not over,
// it is the seat's turn, it holds cards and the capture area is empty.
bool MayBeginTurn(const GameState& state, Seat seat);

// The expert's turn for `seat`. It reads the state only through the seat's
// view; noMove when the seat may not begin a turn or has no move.
ExpertChoice ExpertTurn(const GameState& state, Seat seat, const ExpertOptions& options);

// The same decision from a view alone.
ExpertChoice ExpertDecide(const PlayerView& view, const ExpertOptions& options,
                          SearchFigures* figures = nullptr);

// The moves (as ApplyMove takes them) that carry out a choice: a capture is
// the play to the capture area, one selection per table card and the take;
// a lay-off is one play. None for noMove.
std::vector<Move> MovesFor(const GameState& state, Seat seat, const ExpertChoice& choice);

} // namespace tavlira::engine
