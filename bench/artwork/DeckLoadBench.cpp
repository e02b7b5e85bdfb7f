// Loading a deck at window size 5: the pack is read and checked, its 52
// faces and 8 suit icons decoded and their ellipses turned back, then the
// backs loaded. Run from anywhere: the packs are those of the build.
#include "ui/artwork/ArtworkTables.h"
#include "ui/artwork/CardSize.h"
#include "ui/artwork/PictureStore.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

using namespace tavlira;

// Deck 0 is built in; 6 lives in the largest pack, 36 in the back pack, 40
// in the smallest card pack.
void LoadDeckAtSize5(benchmark::State& state) {
    const int deck = static_cast<int>(state.range(0));
    PictureStore store;
    store.SetPackFolders({TAVLIRA_PACKS_DIR});
    const SizeClass large = PictureSizeClass(2.0);
    for (auto _ : state) {
        const ArtworkLoad load = store.LoadDeckFaces(deck, 0, large);
        if (!load.ok) {
            state.SkipWithError("the pack is missing: build the target artwork_packs");
            break;
        }
        benchmark::DoNotOptimize(store.FacePicture(AllCards()[0]));
    }
}
BENCHMARK(LoadDeckAtSize5)->Arg(0)->Arg(6)->Arg(36)->Arg(40)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
