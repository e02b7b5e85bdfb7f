#pragma once
// `tavlira-sim arena`: the expert against the classic computer opponent.
//
//   tavlira-sim arena --deals N [--budget-ms B] [--playouts P] [--threads T]
//                     [--seed S] [--figures] [--exploration X] [--captures K]
//                     [--classic-opponent]
//
// Each of N deals (decks from seed S, default 1) is played twice with the
// seats swapped. The expert thinks B ms per turn (default 100), or P
// playouts per turn when given (the same seed then gives the same games), on
// T threads (default 1). --exploration, --captures and --classic-opponent
// set the search's options of the same names (engine/Expert.h). Prints deals=, expert.points=,
// classic.points=, margin= (points per game, expert minus classic), ci95= (half-width of the 95 %
// interval over the paired deals; "-" below two deals), and the search's playouts= and turns=
// (expert turns that needed a search).

#include <ostream>
#include <string>
#include <vector>

namespace tavlira::sim {

void ArenaCommand(const std::vector<std::string>& args, std::ostream& out);

} // namespace tavlira::sim
