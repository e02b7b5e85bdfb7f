// Figures of sound and recording:
//  - the delay from a click to the start of its effect: the effect is
//    started as the click's handler does, and the time until the device
//    reports it playing is measured (needs an audio output, such as the
//    PulseAudio null sink of scripts/test; skipped without one);
//  - the write time of a 100-frame GIF recording at window size 1 (760 x
//    500): the table with cards moving across it, and the file's size.

#include "media/DeviceSoundOutput.h"
#include "media/GifRecording.h"
#include "ui/artwork/PictureStore.h"
#include "ui/table/TableScale.h"
#include "ui/window/TableDrawing.h"

#include <QApplication>
#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <functional>

namespace tavlira {
namespace {

void EffectStartDelay(benchmark::State& state) {
    if (QMediaDevices::audioOutputs().isEmpty()) {
        state.SkipWithError("no audio output");
        return;
    }
    QTemporaryDir folder;
    DeviceSoundOutput output(folder.path().toStdString());
    const QSoundEffect* effect = output.Loaded(SoundLibrary::Effects, "WOpenFo");
    QElapsedTimer wait;
    wait.start();
    while (!effect->isLoaded() && wait.elapsed() < 5000)
        QCoreApplication::processEvents();
    // The device's events are handled as they come, for at most 2 s a wait.
    const auto waitUntil = [](const std::function<bool()>& done) {
        QElapsedTimer limit;
        limit.start();
        while (!done() && limit.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    };
    for (auto _ : state) {
        output.Start(SoundLibrary::Effects, "WOpenFo");
        waitUntil([effect] { return effect->isPlaying(); });
        state.PauseTiming();
        waitUntil([effect] { return !effect->isPlaying(); });
        state.ResumeTiming();
    }
}
BENCHMARK(EffectStartDelay)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();

// 100 pictures of the table at size 1, a card a little further on each.
std::vector<QImage> TablePictures() {
    const TableScale scale = TableScale::ForMode(WindowSizeMode::Small, QSize());
    PictureStore store;
    store.LoadDeckFaces(0, 0, PictureSizeClass(scale.Scale()));
    store.LoadBackground(false, 2, 0, 1, scale.ClientSize());
    TableDrawing drawing(store, store.Background(), scale, 1, TableFonts());
    const QImage queen = drawing.Cards().Face(*CardCode::FromBytes("\xC4\xF7"));
    const QImage ace = drawing.Cards().Face(*CardCode::FromBytes("\xD2\xEF"));
    std::vector<QImage> pictures;
    for (int i = 0; i < 100; ++i) {
        QImage picture = store.Background().copy();
        QPainter painter(&picture);
        painter.drawImage(QPoint(40 + 6 * i, 120), queen);
        painter.drawImage(QPoint(600 - 5 * i, 300), ace);
        pictures.push_back(picture);
    }
    return pictures;
}

void Gif100Frames(benchmark::State& state) {
    const std::vector<QImage> pictures = TablePictures();
    QByteArray file;
    double addMs = 0;
    for (auto _ : state) {
        QElapsedTimer adding;
        adding.start();
        GifRecording recording;
        for (const QImage& picture : pictures)
            recording.Add(picture, 1000);
        addMs += static_cast<double>(adding.nsecsElapsed()) / 1e6;
        file = recording.Encode(5000);
    }
    // The part of the time spent while the game runs (the frames taken), the
    // rest is the write at the end of the game.
    state.counters["add_ms"] = addMs / static_cast<double>(state.iterations());
    state.counters["file_kB"] = static_cast<double>(file.size()) / 1024.0;
}
BENCHMARK(Gif100Frames)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace tavlira

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
