// Capture search and self-play speed.
//   build/bench/bench_game

#include "game/CaptureSearch.h"
#include "game/SelfPlay.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace tavlira {
namespace {

struct Position {
    HandRow hand;
    TableRow table;
};

// Full hands against full tables, from shuffled decks.
std::vector<Position> FullPositions(bool figures) {
    std::vector<Position> positions;
    SeededRandom random(42);
    for (int i = 0; i < 256; ++i) {
        GameState state;
        state.FiguresHavePoints = figures;
        Outbox out;
        DealSelfPlayGame(state, random, out);
        Position p;
        p.table.Fill(CardSlot::Empty());
        for (int place = 1; place <= 4; ++place)
            p.hand[place] = state.Deck[place];
        for (int place = 1; place <= TablePlaces; ++place)
            p.table[place] = state.Deck[4 + place];
        positions.push_back(p);
    }
    return positions;
}

template <CaptureChoice (*Search)(const HandRow&, const TableRow&, bool)>
void FullHandFullTable(benchmark::State& s) {
    const bool figures = s.range(0) != 0;
    const auto positions = FullPositions(figures);
    size_t i = 0;
    for (auto _ : s) {
        const Position& p = positions[i++ % positions.size()];
        benchmark::DoNotOptimize(Search(p.hand, p.table, figures));
    }
}
BENCHMARK(FullHandFullTable<FindCapture>)->Arg(0)->Arg(1);
BENCHMARK(FullHandFullTable<FindCaptureReference>)->Arg(0)->Arg(1);

void SelfPlayGames(benchmark::State& s) {
    const int gamesPerIteration = 100;
    std::uint32_t seed = 1;
    for (auto _ : s)
        benchmark::DoNotOptimize(PlaySelfGames(gamesPerIteration, seed++, s.range(0) != 0));
    s.counters["games/s"] = benchmark::Counter(
        static_cast<double>(s.iterations()) * gamesPerIteration, benchmark::Counter::kIsRate);
}
BENCHMARK(SelfPlayGames)->Arg(0)->Arg(1);

} // namespace
} // namespace tavlira
