// The window in a duel against a machine of the tests over 127.0.0.1:
// entered from the menu through the login and wait dialogs, as host and as
// client, played to the end of the match, with chat lines both ways.

#include "app/ChatPanel.h"
#include "app/DuelTable.h"
#include "app/SocketPlayer.h"
#include "match/Autoplay.h"
#include "records/RecordStore.h"
#include "support/ReservedPort.h"
#include "ui/WindowFixture.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/LoginDialog.h"
#include "ui/dialogs/MessageBox.h"
#include "ui/dialogs/WaitDialog.h"
#include "ui/window/TableView.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

using net::DuelRole;
using testing::RunUntil;
using testing::SocketPlayer;

// Runs `answer` from inside the next modal dialog of type D that opens
// (another modal dialog may be open below it). A dialog that never opens
// fails the test instead of leaving the poll, and what `answer` refers to,
// to the next test.
template <class D> void AnswerNext(std::function<void(D*)> answer) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(
        poll, &QTimer::timeout,
        [poll, answer = std::move(answer), deadline = QDeadlineTimer(test::DialogWaitMs)] {
            auto* dialog = dynamic_cast<D*>(QApplication::activeModalWidget());
            if (dialog == nullptr && !deadline.hasExpired())
                return;
            poll->stop();
            poll->deleteLater();
            if (dialog != nullptr)
                answer(dialog);
            else
                ADD_FAILURE() << "no dialog opened within " << test::DialogWaitMs << " ms";
        });
    poll->start();
}

quint16 FreePort() {
    const quint16 port = test_support::ReservedPort();
    EXPECT_NE(port, 0);
    return port;
}

void FillPlayer(LoginDialog* login, const QString& name) {
    login->NameBox()->setText(name);
    login->PasswordBox()->setText("pw");
    login->PasswordAgainBox()->setText("pw");
}

// What the window's person does when the queue is idle: begin, move as the
// computer would choose, ask for the next game, or leave after a game.
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

// Plays until both sides are back in the menu.
void PlayMatch(MainWindow& form, SocketPlayer& bot) {
    ASSERT_TRUE(RunUntil(
        [&] {
            bot.Settle();
            bot.machine.PersonActs();
            bot.socket.Flush();
            WindowPersonActs(form);
            return form.CurrentScreen() == Screen::Menu && bot.machine.match.MenuShown();
        },
        60000));
    EXPECT_EQ(form.CurrentMatch().State().GamesAtTable, SeriesGames);
    EXPECT_EQ(form.CurrentMatch().State().PointsLead, -bot.machine.match.State().PointsLead);
}

// A chat line each way, shown in the sender's colour.
void Chat(MainWindow& form, SocketPlayer& bot, ChatColour botColour) {
    ASSERT_TRUE(bot.machine.link->SendChat("from the bot"));
    bot.socket.Flush();
    ASSERT_TRUE(RunUntil([&] { return form.Duel().Chat().Used() == 1; }));
    EXPECT_EQ(form.Duel().Chat().Line(0), (ChatEntry{"from the bot", botColour}));
    EXPECT_EQ(form.Chat()->LineLabel(0)->text(), "from the bot");
    EXPECT_TRUE(form.Chat()->isVisible());

    form.Chat()->Box()->setText("hello");
    QTest::keyClick(form.Chat()->Box(), Qt::Key_Return);
    EXPECT_TRUE(form.Chat()->Box()->text().isEmpty());
    DuelLink::Step step;
    ASSERT_TRUE(RunUntil([&] {
        step = bot.Settle();
        return std::holds_alternative<DuelLink::Chat>(step);
    }));
    EXPECT_EQ(std::get<DuelLink::Chat>(step).text, "hello");
    ASSERT_EQ(form.Duel().Chat().Used(), 2u);
    EXPECT_NE(form.Duel().Chat().Line(1).colour, botColour);
}

Settings NetworkSettings() {
    Settings settings;
    settings.NetworkMode = true;
    settings.Speed = 6;
    return settings;
}

// The window's person hosts from the menu; `bot` joins and logs in.
void HostFromMenu(MainWindow& form, SocketPlayer& bot) {
    const quint16 port = FreePort();
    QTest::keyClick(&form, Qt::Key_Space);
    AnswerNext<LoginDialog>([&](LoginDialog* login) {
        FillPlayer(login, "Hostess");
        EXPECT_TRUE(login->HostChoice()->isChecked());
        EXPECT_FALSE(login->AddressBox()->isEnabled());
        EXPECT_EQ(login->NameBox()->maxLength(), 9);
        login->PortBox()->setText(QString::number(port));
        AnswerNext<WaitDialog>([&](WaitDialog* wait) {
            EXPECT_EQ(wait->Line()->text(), "Expectation of connection of other players...");
            EXPECT_FALSE(wait->OkButton()->isEnabled());
            bot.socket.Connect("127.0.0.1", port);
            ASSERT_TRUE(RunUntil([&] {
                if (std::holds_alternative<DuelLink::PeerJoined>(bot.Settle()))
                    bot.machine.LogIn();
                return wait->OkButton()->isEnabled();
            }));
            EXPECT_EQ(wait->Line()->text(), "The second player was connected...");
            EXPECT_FALSE(wait->CancelButton()->isEnabled());
            wait->OkButton()->click();
        });
        login->OkButton()->click();
    });
    form.MenuButton(SlotNumber(NewPlayerSlot))->click();
    test::WaitIdle(form);
    ASSERT_EQ(form.CurrentScreen(), Screen::Table);
}

TEST(WindowDuel, TheWindowHostsAMatchAgainstAClient) {
    auto window = test::StartWindow(NetworkSettings());
    MainWindow& form = *window->form;
    form.SetTimeScale(0.02);
    SocketPlayer bot(DuelRole::Client, "Bot", 5, 9);
    HostFromMenu(form, bot);
    EXPECT_EQ(form.CurrentMatch().OpponentName(), "Bot");
    Chat(form, bot, ChatColour::Client);
    // The hidden reveal: the number typed on the send button.
    QTest::keyClicks(form.Chat()->SendButton(), "86271");
    EXPECT_TRUE(form.Table()->OpponentRevealed());
    QTest::keyClicks(form.Chat()->SendButton(), "86271");
    EXPECT_FALSE(form.Table()->OpponentRevealed());
    PlayMatch(form, bot);
    const std::string net = window->folder.ReadFile(RecordFileName(RecordFileKind::Net));
    EXPECT_EQ(net.substr(0, 7), "Hostess");
    EXPECT_EQ(bot.machine.NetMember()->games, 5 + SeriesGames);
}

TEST(WindowDuel, AClientThatLeavesMidGameSendsTheHostToTheMenuWithABox) {
    auto window = test::StartWindow(NetworkSettings());
    MainWindow& form = *window->form;
    form.SetTimeScale(0.02);
    SocketPlayer bot(DuelRole::Client, "Bot", 5, 9);
    HostFromMenu(form, bot);
    // "To Begin" answers once the deal has reached the table.
    ASSERT_TRUE(RunUntil([&] {
        bot.Settle();
        return form.Table()->StartButton()->isEnabled() && !form.Queue().Busy();
    }));
    form.Table()->StartButton()->click();
    ASSERT_TRUE(RunUntil([&] {
        bot.Settle();
        return bot.machine.match.State().BeginState == UnderWay;
    }));
    QString told;
    AnswerNext<MessageBox>([&](MessageBox* box) {
        told = box->Message();
        box->Buttons().front()->click();
    });
    bot.socket.Close();
    ASSERT_TRUE(RunUntil([&] { return form.CurrentScreen() == Screen::Menu; }));
    EXPECT_EQ(told, "Client has interrupted game!\nPress OK for exit to the main menu...");
    // No record of the interrupted match.
    EXPECT_EQ(window->folder.ReadFile(RecordFileName(RecordFileKind::Net)).substr(0, 7), "#######");
}

TEST(WindowDuel, AClientThatLeavesAfterAGameLeavesTheHostNoNextGame) {
    auto window = test::StartWindow(NetworkSettings());
    MainWindow& form = *window->form;
    form.SetTimeScale(0.02);
    SocketPlayer bot(DuelRole::Client, "Bot", 5, 9);
    HostFromMenu(form, bot);
    ASSERT_TRUE(RunUntil(
        [&] {
            bot.Settle();
            bot.machine.PersonActs();
            bot.socket.Flush();
            if (!form.CurrentMatch().State().GameOver)
                WindowPersonActs(form);
            return form.CurrentMatch().State().GameOver && !form.Queue().Busy();
        },
        30000));
    ASSERT_TRUE(form.Table()->StartButton()->isEnabled()); // "Next game"
    bot.socket.Close();
    ASSERT_TRUE(RunUntil([&] { return !form.Table()->StartButton()->isEnabled(); }));
    EXPECT_EQ(form.CurrentScreen(), Screen::Table);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(form.Chat()->Box()->isEnabled());
    EXPECT_FALSE(form.Chat()->SendButton()->isEnabled());
}

TEST(WindowDuel, TheWindowJoinsAHostAfterARefusedAddress) {
    auto window = test::StartWindow(NetworkSettings());
    MainWindow& form = *window->form;
    form.SetTimeScale(0.02);
    SocketPlayer bot(DuelRole::Host, "Bot", 6, 9);
    ASSERT_TRUE(bot.socket.Listen(0));
    const quint16 port = bot.socket.ListeningPort();

    QTest::keyClick(&form, Qt::Key_Space);
    AnswerNext<LoginDialog>([&](LoginDialog* login) {
        FillPlayer(login, "Guest");
        login->ClientChoice()->click();
        EXPECT_TRUE(login->AddressBox()->isEnabled());
        EXPECT_EQ(login->AddressBox()->text(), "127.0.0.1"); // the last address
        login->AddressBox()->setText("192.168.0");
        login->PortBox()->setText(QString::number(port));
        AnswerNext<MessageBox>([](MessageBox* box) {
            EXPECT_EQ(box->Message(), "Incorrect IP-address!");
            box->Buttons().front()->click();
        });
        login->OkButton()->click();
        EXPECT_TRUE(login->isVisible());

        login->AddressBox()->setText("127.0.0.1");
        AnswerNext<WaitDialog>([&](WaitDialog* wait) {
            EXPECT_EQ(wait->Line()->text(), "Expectation of game...");
            // The client closes its wait by itself once the host answered;
            // the host's person logs in and deals.
            ASSERT_TRUE(RunUntil([&] {
                if (std::holds_alternative<DuelLink::PeerJoined>(bot.Settle()))
                    bot.machine.LogIn();
                return !wait->isVisible();
            }));
        });
        login->OkButton()->click();
    });
    form.MenuButton(SlotNumber(NewPlayerSlot))->click();
    ASSERT_TRUE(RunUntil([&] {
        bot.Settle();
        return form.CurrentScreen() == Screen::Table && !form.CurrentMatch().AwaitsFirstDeal();
    }));
    EXPECT_EQ(form.CurrentMatch().State().Deck, bot.machine.match.State().Deck);
    Chat(form, bot, ChatColour::Host);
    PlayMatch(form, bot);
    EXPECT_EQ(window->folder.ReadFile(RecordFileName(RecordFileKind::Net)).substr(0, 5), "Guest");
    EXPECT_EQ(window->form->CurrentSettings().ServerPort, std::to_string(port));
}

TEST(WindowDuel, AClientWithoutAHostSeesThatNoGameIsThere) {
    auto window = test::StartWindow(NetworkSettings());
    MainWindow& form = *window->form;
    const quint16 port = FreePort(); // nobody listens there
    QTest::keyClick(&form, Qt::Key_Space);
    AnswerNext<LoginDialog>([&](LoginDialog* login) {
        FillPlayer(login, "Guest");
        login->ClientChoice()->click();
        // A character a box does not take puts back its last text.
        login->PortBox()->setText(QString::number(port));
        login->PortBox()->setText("80x");
        EXPECT_EQ(login->PortBox()->text(), QString::number(port));
        login->AddressBox()->setText("10.0.a");
        EXPECT_EQ(login->AddressBox()->text(), "127.0.0.1");
        AnswerNext<WaitDialog>([&](WaitDialog* wait) {
            EXPECT_TRUE(RunUntil(
                [&] { return wait->Line()->text() == "There are no accessible games"; }, 3000));
            wait->CancelButton()->click();
        });
        login->OkButton()->click();
        EXPECT_TRUE(login->isVisible());
        // The addresses of this machine end with the loopback.
        login->AddressesButton()->click();
        const auto& boxes = login->AddressBoxes();
        const auto last = std::find_if(boxes.rbegin(), boxes.rend(),
                                       [](QLineEdit* box) { return !box->isHidden(); });
        ASSERT_NE(last, boxes.rend());
        EXPECT_EQ((*last)->text(), "127.0.0.1");
        login->reject();
    });
    form.MenuButton(SlotNumber(NewPlayerSlot))->click();
    test::WaitIdle(form);
    EXPECT_EQ(form.CurrentScreen(), Screen::Menu);
}

} // namespace
} // namespace tavlira
