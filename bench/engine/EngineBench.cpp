// The expert's speed: playouts per second of its search on one core, the
// figure its time budgets are calibrated by (arena-figures.sh).
//   build/bench/engine/bench_engine

#include "engine/Expert.h"
#include "game/GameTick.h"
#include "game/SelfPlay.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace tavlira::engine {
namespace {

// Turns met in real games of the classic opponent against itself: every
// turn of the first games from a fixed seed, early and late.
std::vector<GameState> Turns(bool figures) {
    std::vector<GameState> turns;
    SeededRandom random(42);
    GameState state;
    state.FiguresHavePoints = figures;
    for (int game = 0; game < 4; ++game) {
        Outbox out;
        DealSelfPlayGame(state, random, out);
        do {
            if (IsSeatTurn(state.Mover) && MayBeginTurn(state, SeatOf(state.Mover)))
                turns.push_back(state);
            out.clear();
        } while (SelfPlayTick(state, out));
    }
    return turns;
}

void ExpertPlayouts(benchmark::State& s) {
    const auto turns = Turns(s.range(0) != 0);
    ExpertOptions options;
    options.playouts = 2000;
    size_t i = 0;
    long long playouts = 0;
    for (auto _ : s) {
        const GameState& turn = turns[i++ % turns.size()];
        SearchFigures figures;
        benchmark::DoNotOptimize(ExpertDecide(ViewOf(turn, SeatOf(turn.Mover)), options, &figures));
        playouts += figures.playouts;
    }
    s.counters["playouts/s"] =
        benchmark::Counter(static_cast<double>(playouts), benchmark::Counter::kIsRate);
}
BENCHMARK(ExpertPlayouts)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tavlira::engine
