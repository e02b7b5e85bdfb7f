#pragma once
// The window at a tournament table through the real table server: the
// window started, the table server and the table bot as child programs, and
// the person's part played by the window's own buttons.

#include "app/OnlineTable.h"
#include "i18n/words/Menu.h"
#include "i18n/words/Network.h"
#include "i18n/words/Table.h"
#include "match/Autoplay.h"
#include "online_qt/FakeWebServer.h"
#include "sim/SimProcess.h"
#include "support/ReservedPort.h"
#include "ui/WindowFixture.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/window/TableView.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tavlira {

using testing::RunUntil;
using testing::SimProcess;

// The value of `key` in a program's output.
inline int Figure(const std::string& out, const std::string& key) {
    const std::size_t at = ("\n" + out).find("\n" + key + "=");
    return at == std::string::npos ? -1 : std::stoi(out.substr(at + key.size() + 1));
}

class TableGame : public ::testing::Test {
  protected:
    void SetUp() override {
        // The web services answer nothing: a port that nobody listens on.
        const quint16 closed = test_support::ReservedPort();
        ASSERT_NE(closed, 0);
        StartWindow(QUrl(QStringLiteral("http://127.0.0.1:%1").arg(closed)));
    }

    void StartWindow(const QUrl& webServer) {
        qputenv("TAVLIRA_SERVER", webServer.toString().toUtf8());
        Settings settings;
        settings.PlayerName = "Me";
        settings.Speed = 6;
        window = test::StartWindow(settings);
        window->form->SetTimeScale(0.02);
        QTest::keyClick(window->form.get(), Qt::Key_Space);
        test::WaitIdle(*window->form);
    }

    // The table server with a move clock of `clock` seconds.
    void StartServer(int clock, int graceMs) {
        server = std::make_unique<SimProcess>(
            TAVLIRA_TABLE_SERVER_PATH,
            std::vector<std::string>{"--listen", "127.0.0.1", "--base-port", "0", "--clock",
                                     std::to_string(clock), "--grace-ms", std::to_string(graceMs),
                                     "--seed", "5"},
            Folder(), "server");
        const std::string port = server->FirstValue("base-port");
        ASSERT_FALSE(port.empty());
        basePort = std::stoi(port);
    }

    // The window sits down at seat 1 of table 1, then the bot at seat 2.
    void SitDown(std::vector<std::string> botOptions = {}) {
        Table().ConnectSeat("127.0.0.1", static_cast<quint16>(basePort + 1), 1, 1);
        ASSERT_TRUE(RunUntil([&] { return Table().Link() == OnlineTable::TableLink::Connected; }));
        std::vector<std::string> args{
            "table",  "--server", "127.0.0.1:" + std::to_string(basePort), "--table", "1",
            "--seat", "2"};
        args.insert(args.end(), botOptions.begin(), botOptions.end());
        bot = std::make_unique<SimProcess>(TAVLIRA_SIM_PATH, args, Folder(), "bot");
        ASSERT_TRUE(RunUntil([&] { return Table().Running() && Idle(); }));
        EXPECT_EQ(Form().CurrentScreen(), Screen::Table);
    }

    // The person's part as the window's buttons and clicks allow it, until
    // `done`.
    bool PlayUntil(const std::function<bool()>& done, int milliseconds = 30000) {
        return RunUntil(
            [&] {
                if (done())
                    return true;
                if (!Idle() || Form().CurrentScreen() != Screen::Table || !Table().Running())
                    return false;
                const GameState& s = Form().CurrentMatch().State();
                SkinnedButton* start = Form().Table()->StartButton();
                SkinnedButton* second = Form().Table()->SecondButton();
                if (s.BeginState == Dealt && !s.GameOver && start->isEnabled())
                    start->click();
                else if (s.GameOver && second->isEnabled())
                    second->click();
                else if (!s.GameOver && s.BeginState == UnderWay)
                    Form().CurrentSession().Input([](Match& m) { PlayPersonTurn(m); });
                return false;
            },
            milliseconds);
    }

    // Answers the next notice, keeping its text.
    void ReadNextNotice() {
        noticeText.clear();
        test::AnswerNextModal([this](QWidget* dialog) {
            for (const QLabel* label : dialog->findChildren<QLabel*>())
                noticeText += label->text() + '\n';
            if (auto* box = qobject_cast<QDialog*>(dialog))
                box->reject();
        });
    }

    // After a recorded game the window opens the lobby again, but only for a
    // player still logged in; these windows sat down through the testing
    // option without logging in, so nothing may ask them anything. Whatever
    // comes all the same is read and closed, so that the test fails instead
    // of waiting.
    void AnswerTheWayBack() {
        wayBack = std::make_unique<QTimer>();
        wayBack->setInterval(5);
        QObject::connect(wayBack.get(), &QTimer::timeout, [this] {
            QWidget* shown = QApplication::activeModalWidget();
            if (!shown)
                return;
            wayBack->stop();
            for (const QLabel* label : shown->findChildren<QLabel*>())
                wayBackText += label->text() + '\n';
            if (auto* box = qobject_cast<QDialog*>(shown))
                box->reject();
        });
        wayBack->start();
    }
    bool NothingAskedOnTheWayBack() {
        QTest::qWait(50); // the lobby would open once the game's handler returned
        return wayBackText.isEmpty();
    }

    bool Idle() { return !Form().Queue().Busy(); }
    MainWindow& Form() { return *window->form; }
    OnlineTable& Table() { return Form().TableGame(); }
    std::filesystem::path Folder() const { return window->folder.Path(); }
    bool SecondButtonLeads() {
        SkinnedButton* second = Form().Table()->SecondButton();
        return second->isEnabled() && second->text() == ScreenText(Text(words::ExitToMenu));
    }

    std::unique_ptr<test::StartedWindow> window;
    std::unique_ptr<SimProcess> server;
    std::unique_ptr<SimProcess> bot;
    int basePort = 0;
    QString noticeText;
    std::unique_ptr<QTimer> wayBack;
    QString wayBackText;
};

} // namespace tavlira
