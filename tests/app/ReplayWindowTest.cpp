// The window keeps the log of each finished game and shows the last one again
// at the table: to its end, held and moved on one move at a time, and back to
// the menu, while the records stay as they were.

#include "app/GameReplay.h"
#include "app/MainWindow.h"
#include "gamelog/LogReplay.h"
#include "records/AtomicFile.h"
#include "ui/WindowFixture.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/NoticeDialog.h"
#include "ui/window/TableView.h"

#include <QAction>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace tavlira {
namespace {

namespace fs = std::filesystem;

// Every file under the program folder but the move logs, byte for byte.
std::map<std::string, std::string> RecordFiles(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string relative = fs::relative(entry.path(), folder).string();
        if (entry.is_regular_file() && !relative.starts_with("MoveLogs"))
            files[relative] = (std::ostringstream() << std::ifstream(entry.path()).rdbuf()).str();
    }
    return files;
}

// Processes events until `done` holds or a generous time has passed.
bool WaitFor(const std::function<bool()>& done) {
    for (int round = 0; round < 20000 && !done(); ++round)
        QTest::qWait(1);
    return done();
}

// A game played by clicks to its end and the table left for the menu.
void PlayOneGameAndLeave(MainWindow& form) {
    test::EnterAsNewPlayer(form, "Tester", "pw");
    test::PlayGameByClicks(form);
    ASSERT_TRUE(form.Table()->SecondButton()->isEnabled());
    form.Table()->SecondButton()->click();
    test::WaitIdle(form);
    ASSERT_EQ(form.CurrentScreen(), Screen::Menu);
}

TEST(ReplayWindow, TheLastGameIsShownAgainToItsEndWithoutTouchingRecords) {
    auto window = test::StartWindow(Settings{});
    MainWindow& form = *window->form;
    form.SetTimeScale(0.02);
    const fs::path logs = window->folder.Path() / "MoveLogs";

    // Before any game there is nothing to replay: a box says so.
    QTest::keyClick(&form, Qt::Key_Space);
    ASSERT_EQ(form.CurrentScreen(), Screen::Menu);
    bool told = false;
    test::AnswerNextModal([&told](QWidget* box) {
        told = true;
        box->close();
    });
    form.ReplayAction()->trigger();
    EXPECT_TRUE(told);
    EXPECT_EQ(form.Replay(), nullptr);

    test::EnterAsNewPlayer(form, "Tester", "pw");
    ASSERT_NO_FATAL_FAILURE(test::PlayGameByClicks(form));
    const GameState played = form.CurrentMatch().State();
    form.Table()->SecondButton()->click();
    test::WaitIdle(form);
    ASSERT_EQ(form.CurrentScreen(), Screen::Menu);
    ASSERT_EQ(std::distance(fs::directory_iterator(logs), fs::directory_iterator()), 1);

    const auto recordsBefore = RecordFiles(window->folder.Path());
    const int gamesDealt = form.Table()->GamesDealt();
    ASSERT_TRUE(form.ReplayAction()->isEnabled());
    form.ReplayAction()->trigger();
    ASSERT_NE(form.Replay(), nullptr);
    EXPECT_EQ(form.CurrentScreen(), Screen::Table);
    // The replayed game is no new deal: the plate keeps its number.
    EXPECT_EQ(form.Table()->GamesDealt(), gamesDealt);
    EXPECT_FALSE(form.Table()->StartButton()->isVisible());
    ASSERT_TRUE(WaitFor([&] { return form.Replay()->AtEnd() && !form.Queue().Busy(); }));

    // The replay came to the game as it was played, and nothing was written.
    EXPECT_FALSE(form.Replay()->Game().Error());
    EXPECT_EQ(ResultOf(form.Replay()->Game().State()), ResultOf(played));
    EXPECT_EQ(std::distance(fs::directory_iterator(logs), fs::directory_iterator()), 1);
    EXPECT_EQ(RecordFiles(window->folder.Path()), recordsBefore);
    EXPECT_EQ(form.CurrentMatch().State().MatchPoints, played.MatchPoints);

    QTest::keyClick(&form, Qt::Key_Escape);
    test::WaitIdle(form);
    EXPECT_EQ(form.Replay(), nullptr);
    EXPECT_EQ(form.CurrentScreen(), Screen::Menu);
    EXPECT_TRUE(form.ReplayAction()->isEnabled());
}

TEST(ReplayWindow, AHeldReplayMovesOnlyStepByStep) {
    auto window = test::StartWindow(Settings{});
    MainWindow& form = *window->form;
    form.SetTimeScale(0.02);
    ASSERT_NO_FATAL_FAILURE(PlayOneGameAndLeave(form));

    form.ReplayAction()->trigger();
    ASSERT_NE(form.Replay(), nullptr);
    QTest::keyClick(&form, Qt::Key_Space); // hold
    EXPECT_TRUE(form.Replay()->Paused());
    test::WaitIdle(form);
    const int held = form.Replay()->Game().MovesMade();
    QTest::qWait(100); // many move pauses at this time scale
    EXPECT_EQ(form.Replay()->Game().MovesMade(), held);

    QTest::keyClick(&form, Qt::Key_Right);
    test::WaitIdle(form);
    EXPECT_EQ(form.Replay()->Game().MovesMade(), held + 1);
    EXPECT_TRUE(form.Replay()->Paused());

    QTest::keyClick(&form, Qt::Key_Space); // go on
    ASSERT_TRUE(WaitFor([&] { return form.Replay()->AtEnd(); }));
    // The table's one button leads back to the menu.
    ASSERT_TRUE(form.Table()->SecondButton()->isEnabled());
    form.Table()->SecondButton()->click();
    test::WaitIdle(form);
    EXPECT_EQ(form.Replay(), nullptr);
    EXPECT_EQ(form.CurrentScreen(), Screen::Menu);
}

TEST(ReplayWindow, ADamagedLogIsRefusedWithItsReason) {
    auto window = test::StartWindow(Settings{});
    MainWindow& form = *window->form;
    form.SetTimeScale(0.02);
    ASSERT_NO_FATAL_FAILURE(PlayOneGameAndLeave(form));
    const fs::path log = *form.CurrentSession().GameLogs().Newest();
    fs::resize_file(log, fs::file_size(log) / 2);

    // The reason is worded for the player, with the line where the file
    // breaks off.
    QString reason;
    test::AnswerNextModal([&reason](QWidget* box) {
        if (auto* notice = qobject_cast<NoticeDialog*>(box))
            reason = notice->Line(1)->text();
        box->close();
    });
    form.ReplayAction()->trigger();
    const auto read = ReadMoveLog(*ReadWholeFile(log));
    ASSERT_TRUE(std::holds_alternative<LogError>(read));
    EXPECT_EQ(reason,
              QStringLiteral("Its file is damaged at line %1.").arg(std::get<LogError>(read).line));
    EXPECT_EQ(form.Replay(), nullptr);
    EXPECT_EQ(form.CurrentScreen(), Screen::Menu);
}

} // namespace
} // namespace tavlira
