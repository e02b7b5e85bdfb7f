// Switching decks in the options dialog at window size 5 while a game is
// dealt: the click on the deck list loads the deck from its pack and the
// table is drawn anew and painted. Run from anywhere: the packs are those of
// the build, copied beside a scratch program folder.

#include "app/MainWindow.h"
#include "records/RecordFile.h"
#include "records/Settings.h"
#include "ui/dialogs/options/OptionsDialog.h"
#include "ui/window/TableView.h"

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>

namespace {

using namespace tavlira;
namespace fs = std::filesystem;

void Write(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

bool Settle(MainWindow& window) {
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents();
        if (!window.Queue().Busy())
            return true;
        QThread::msleep(1);
    }
    return false;
}

// Decks from three packs in turn, so that every switch loads another pack.
void SwitchDeckAtSize5(benchmark::State& state) {
    QTemporaryDir scratch;
    const fs::path family = scratch.path().toStdString();
    const fs::path program = family / "Tavlira-Duo";
    fs::create_directories(program);
    for (const char* pack : {"QelCards06A.dll", "QelCards06B.dll", "QelCards06C.dll"})
        fs::copy_file(fs::path(TAVLIRA_PACKS_DIR) / pack, family / pack);
    const std::string club = FormatRecordFile(InitialRecordFile('0', "BEN"));
    Write(program / RecordFileName(RecordFileKind::Club), club);
    Write(program / RecordFileName(RecordFileKind::Net), club);
    Settings settings;
    settings.WindowSize = 5;
    Write(program / SettingsFileName, FormatSettings(settings));

    MainWindow window(program, 1);
    if (!window.Start()) {
        state.SkipWithError("the game did not start");
        return;
    }
    window.SetTimeScale(0);
    window.show();
    Session& session = window.CurrentSession();
    session.Input([](Match& m) { m.LeaveTitle(); });
    Settle(window);
    session.Input([&](Match&) { session.Login(NewPlayerSlot, "Bench", "1", "1"); });
    Settle(window);
    session.Input([](Match& m) { m.PressStart(); });
    Settle(window);

    OptionsDialog options(&window, window.CurrentSettings(), window.Options());
    const int decks[] = {6, 36, 40};
    std::size_t next = 0;
    for (auto _ : state) {
        options.DeckList()->setCurrentIndex(decks[next++ % std::size(decks)]);
        window.Table()->repaint();
    }
    if (window.CurrentSettings().DeckFace == 0)
        state.SkipWithError("the packs are missing: build the target artwork_packs");
}
BENCHMARK(SwitchDeckAtSize5)->Unit(benchmark::kMillisecond)->Iterations(30);

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
