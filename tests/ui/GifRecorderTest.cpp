// Recording games as GIF files: the recorder with pictures from a table of
// its own, and a whole game recorded through the window.

#include "app/MainWindow.h"
#include "ui/WindowFixture.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/MessageBox.h"
#include "ui/window/TableView.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

QImage Plain(QColor colour) {
    QImage picture(40, 30, QImage::Format_ARGB32);
    picture.fill(colour);
    return picture;
}

struct Read {
    int frames = 0;
    std::vector<int> delays;
};

Read ReadGif(const std::filesystem::path& path) {
    QImageReader reader(QString::fromStdString(path.string()));
    Read back{reader.imageCount(), {}};
    for (QImage image = reader.read(); !image.isNull(); image = reader.read())
        back.delays.push_back(reader.nextImageDelay());
    return back;
}

std::vector<std::filesystem::path> GifFiles(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    if (std::filesystem::exists(folder / "GIFGame"))
        for (const auto& entry : std::filesystem::directory_iterator(folder / "GIFGame"))
            files.push_back(entry.path());
    return files;
}

TEST(GifRecorder, NamesTheFileAfterTheLocalDateAndTime) {
    EXPECT_EQ(GifFileName(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5))), "2026.01.02-03.04.05.gif");
    EXPECT_EQ(GifFileName(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 58))),
              "2026.12.31-23.59.58.gif");
}

// Start takes the first picture; unchanged ones are dropped; Finish writes
// the file with the last frame shown 5 s and ends the recording.
TEST(GifRecorder, WritesOneFileForTheDistinctPictures) {
    QTemporaryDir folder;
    QWidget window;
    window.resize(200, 100);
    Settings settings;
    settings.SaveGamesAsGif = true;
    settings.GifFrameDelay = 300;
    GifRecorder recorder(window, settings, folder.path().toStdString());
    const QColor table[] = {Qt::green, Qt::green, Qt::red, Qt::red, Qt::red, Qt::white};
    int next = 0;
    recorder.SetPictureSource([&] { return Plain(table[next++]); });

    recorder.Start();
    EXPECT_TRUE(recorder.Recording());
    while (next < 6)
        recorder.Capture();
    EXPECT_EQ(recorder.FrameCount(), 3);
    const QDateTime when(QDate(2026, 5, 6), QTime(7, 8, 9));
    const std::optional<std::filesystem::path> file = recorder.Finish(when);
    ASSERT_TRUE(file);
    EXPECT_EQ(*file, std::filesystem::path(folder.path().toStdString()) / "GIFGame" /
                         "2026.05.06-07.08.09.gif");
    const Read back = ReadGif(*file);
    EXPECT_EQ(back.frames, 3);
    EXPECT_EQ(back.delays, (std::vector<int>{300, 300, 5000}));
    EXPECT_FALSE(recorder.Recording());
    EXPECT_EQ(recorder.FrameCount(), 0);
    EXPECT_FALSE(recorder.Notice()->isVisible());

    // A second recording in the same second replaces the first file.
    recorder.Start();
    ASSERT_TRUE(recorder.Finish(when));
    EXPECT_EQ(ReadGif(*file).frames, 1);
}

TEST(GifRecorder, WithRecordingOffNothingIsSampledOrWritten) {
    QTemporaryDir folder;
    QWidget window;
    Settings settings;
    GifRecorder recorder(window, settings, folder.path().toStdString());
    int pictures = 0;
    recorder.SetPictureSource([&] {
        ++pictures;
        return Plain(Qt::green);
    });
    recorder.Start();
    recorder.Capture();
    EXPECT_EQ(pictures, 0);
    EXPECT_EQ(recorder.Finish(), std::nullopt);
    EXPECT_TRUE(GifFiles(folder.path().toStdString()).empty());
}

// A game played through the window in size 1 leaves one file whose last
// frame, the scored table, stands 5 s; leaving afterwards writes no second.
TEST(GifRecorder, AWholeGameIsSavedAsOneGif) {
    Settings settings;
    settings.SaveGamesAsGif = true;
    settings.GifFrameDelay = 200;
    auto window = test::StartWindow(settings);
    MainWindow& form = *window->form;
    form.SetTimeScale(0.02);
    test::EnterAsNewPlayer(form, "Tester", "pw");
    EXPECT_TRUE(form.Recorder().Recording());
    test::PlayGameByClicks(form);

    const auto files = GifFiles(window->folder.Path());
    ASSERT_EQ(files.size(), 1u);
    const Read back = ReadGif(files.front());
    EXPECT_GE(back.frames, 2);
    ASSERT_FALSE(back.delays.empty());
    EXPECT_EQ(back.delays.front(), 200);
    EXPECT_EQ(back.delays.back(), 5000);
    EXPECT_FALSE(form.Recorder().Recording());
}

// Leaving a game under way by "Exit to menu" writes it as it stands.
TEST(GifRecorder, AGameLeftForTheMenuIsWrittenAsItStands) {
    Settings settings;
    settings.SaveGamesAsGif = true;
    auto window = test::StartWindow(settings);
    MainWindow& form = *window->form;
    test::EnterAsNewPlayer(form, "Tester", "pw");
    ASSERT_TRUE(form.Recorder().Recording());
    test::AnswerNextModal([](QWidget* dialog) {
        auto* box = qobject_cast<MessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        box->Buttons().at(0)->click(); // "Yes"
    });
    form.QuitAction()->trigger();
    test::WaitIdle(form);
    ASSERT_EQ(form.CurrentScreen(), Screen::Menu);
    EXPECT_FALSE(form.Recorder().Recording());
    const auto files = GifFiles(window->folder.Path());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(ReadGif(files.front()).frames, 1); // the dealt table, never changed
}

TEST(GifRecorder, OnlyTheSmallestWindowRecords) {
    Settings settings;
    settings.SaveGamesAsGif = true;
    settings.WindowSize = 2;
    auto window = test::StartWindow(settings);
    EXPECT_FALSE(window->form->CurrentSettings().SaveGamesAsGif);
}

} // namespace
} // namespace tavlira
