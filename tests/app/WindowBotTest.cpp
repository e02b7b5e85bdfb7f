// The window against the engine tool's duel bot, a program of its own, over
// 127.0.0.1: the window hosts from the menu and the bot joins, and the
// window joins a bot that hosts. Both play a whole match and agree on it.

#include "app/SocketPlayer.h"
#include "match/Autoplay.h"
#include "sim/SimProcess.h"
#include "support/ReservedPort.h"
#include "ui/WindowFixture.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/LoginDialog.h"
#include "ui/dialogs/WaitDialog.h"
#include "ui/window/TableView.h"

#include <QApplication>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

using testing::RunUntil;
using testing::SimProcess;

// Runs `answer` from inside the next modal dialog of type D that opens.
template <class D> void AnswerNext(std::function<void(D*)> answer) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, answer = std::move(answer)] {
        auto* dialog = dynamic_cast<D*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        poll->stop();
        poll->deleteLater();
        answer(dialog);
    });
    poll->start();
}

// The person's part as the window's buttons and clicks allow it.
void WindowPersonActs(MainWindow& form) {
    if (form.Queue().Busy() || form.CurrentScreen() != Screen::Table)
        return;
    const GameState& s = form.CurrentMatch().State();
    SkinnedButton* start = form.Table()->StartButton();
    SkinnedButton* second = form.Table()->SecondButton();
    if (s.GameOver || s.BeginState == Dealt) {
        if (start->isEnabled())
            start->click();
        else if (s.GameOver && second->isEnabled())
            second->click();
    } else if (s.TableActive) {
        form.CurrentSession().Input([](Match& m) { PlayPersonTurn(m); });
    }
}

// The value of `key` in the bot's output.
int Figure(const std::string& out, const std::string& key) {
    const std::size_t at = out.find("\n" + key + "=");
    return at == std::string::npos ? -1 : std::stoi(out.substr(at + key.size() + 2));
}

class WindowBot : public ::testing::Test {
  protected:
    void SetUp() override {
        Settings settings;
        settings.NetworkMode = true;
        settings.Speed = 6;
        window = test::StartWindow(settings);
        window->form->SetTimeScale(0.02);
        QTest::keyClick(window->form.get(), Qt::Key_Space);
    }

    // Logs in a new player through the login dialog, with `connect` run
    // while the wait dialog is open.
    void EnterDuel(bool host, quint16 port, std::function<void(WaitDialog*)> connect) {
        AnswerNext<LoginDialog>([&](LoginDialog* login) {
            login->NameBox()->setText("Person");
            login->PasswordBox()->setText("pw");
            login->PasswordAgainBox()->setText("pw");
            if (!host)
                login->ClientChoice()->click();
            login->PortBox()->setText(QString::number(port));
            AnswerNext<WaitDialog>(connect);
            login->OkButton()->click();
        });
        window->form->MenuButton(SlotNumber(NewPlayerSlot))->click();
    }

    // Plays until the window is back in the menu and the bot has ended;
    // returns the bot's end.
    SimProcess::Ended PlayMatch(SimProcess& bot) {
        MainWindow& form = *window->form;
        EXPECT_TRUE(RunUntil(
            [&] {
                WindowPersonActs(form);
                return form.CurrentScreen() == Screen::Menu && !bot.Running();
            },
            60000));
        return bot.Wait();
    }

    std::filesystem::path Folder() const { return window->folder.Path(); }

    std::unique_ptr<test::StartedWindow> window;
};

TEST_F(WindowBot, TheWindowHostsAndTheBotJoins) {
    const quint16 port = test_support::ReservedPort();
    ASSERT_NE(port, 0);
    std::unique_ptr<SimProcess> bot;
    EnterDuel(true, port, [&](WaitDialog* wait) {
        bot = std::make_unique<SimProcess>(
            TAVLIRA_SIM_PATH,
            std::vector<std::string>{"duel", "--join", "127.0.0.1:" + std::to_string(port),
                                     "--counter", "3", "--timeout", "30"},
            Folder(), "bot");
        ASSERT_TRUE(RunUntil([&] { return wait->OkButton()->isEnabled(); }));
        wait->OkButton()->click();
    });
    ASSERT_TRUE(bot);
    const SimProcess::Ended ended = PlayMatch(*bot);
    ASSERT_EQ(ended.status, 0) << ended.err;
    const GameState& s = window->form->CurrentMatch().State();
    EXPECT_EQ(window->form->CurrentMatch().OpponentName(), "Bot");
    EXPECT_EQ(Figure(ended.out, "games"), SeriesGames);
    EXPECT_EQ(Figure(ended.out, "host.points"), s.MatchPoints[LocalSeat]);
    EXPECT_EQ(Figure(ended.out, "client.points"), s.MatchPoints[OpponentSeat]);
}

TEST_F(WindowBot, TheBotHostsAndTheWindowJoins) {
    SimProcess bot(TAVLIRA_SIM_PATH,
                   {"duel", "--host", "0", "--seed", "4", "--counter", "6", "--timeout", "30"},
                   Folder(), "bot");
    const std::string port = bot.FirstValue("port");
    ASSERT_FALSE(port.empty());
    EnterDuel(false, static_cast<quint16>(std::stoi(port)),
              [&](WaitDialog* wait) { EXPECT_TRUE(RunUntil([&] { return !wait->isVisible(); })); });
    const SimProcess::Ended ended = PlayMatch(bot);
    ASSERT_EQ(ended.status, 0) << ended.err;
    const GameState& s = window->form->CurrentMatch().State();
    EXPECT_EQ(Figure(ended.out, "games"), SeriesGames);
    // The table that waited for the first deal was no game of its own.
    EXPECT_EQ(window->form->Table()->GamesDealt(), SeriesGames);
    EXPECT_EQ(Figure(ended.out, "client.points"), s.MatchPoints[LocalSeat]);
    EXPECT_EQ(Figure(ended.out, "host.points"), s.MatchPoints[OpponentSeat]);
}

} // namespace
} // namespace tavlira
