// The window at seat 1 of a tournament table against the engine tool's
// table bot at seat 2, both through the real table server over 127.0.0.1:
// a whole game to its confirmed end, the clocks running out on either side,
// the bot leaving mid-game, and the server going away.

#include "app/TableGame.h"

#include "app/OnlineTable.h"
#include "game/Deal.h"
#include "game/Random.h"
#include "i18n/words/Network.h"
#include "i18n/words/Table.h"
#include "match/Autoplay.h"
#include "net/TableRules.h"
#include "online/Tournament.h"
#include "online_qt/FakeWebServer.h"
#include "records/History.h"
#include "sim/SimProcess.h"
#include "ui/WindowFixture.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/window/TableView.h"

#include <QBuffer>
#include <QDialog>
#include <QLabel>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

TEST_F(TableGame, AWholeGameEndsWithTheConfirmationAndReturnsToTheLobby) {
    StartServer(26, 3000);
    ASSERT_FALSE(HasFatalFailure());
    QSignalSpy dealt(&Table(), &OnlineTable::dealt);
    QSignalSpy back(&Table(), &OnlineTable::backToLobby);
    SitDown();
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_EQ(dealt.size(), 1);
    EXPECT_TRUE(dealt[0][0].toBool()); // the first deal since connecting
    EXPECT_EQ(Form().CurrentMatch().PlayerSlot(), OnlineTableSlot);
    // Seat 1 must begin: its own clock runs, the opponent's is hidden.
    EXPECT_TRUE(Table().ClockRunning());
    EXPECT_GT(Form().Table()->MoveClockShown(LocalSeat), 0);
    EXPECT_EQ(Form().Table()->MoveClockShown(OpponentSeat), -1);
    EXPECT_TRUE(Form().Chat()->isVisible());

    // Well within one move clock: the bot hears of the end only through the
    // window's confirmation.
    AnswerTheWayBack();
    ASSERT_TRUE(PlayUntil([&] { return back.size() == 1; }, 20000));
    EXPECT_TRUE(NothingAskedOnTheWayBack()) << wayBackText.toStdString();
    const SimProcess::Ended ended = bot->Wait();
    ASSERT_EQ(ended.status, 0) << ended.err;
    EXPECT_EQ(Figure(ended.out, "games"), 1);
    EXPECT_EQ(Figure(ended.out, "ends.closed"), 0);
    const GameState& s = Form().CurrentMatch().State();
    EXPECT_EQ(Figure(ended.out, "points.own"), s.MatchPoints[OpponentSeat]);
    EXPECT_EQ(Figure(ended.out, "points.opponent"), s.MatchPoints[LocalSeat]);
    EXPECT_EQ(Form().CurrentScreen(), Screen::Menu);
    EXPECT_FALSE(Table().Running());
    EXPECT_FALSE(Table().ClockRunning());
    // The history holds the table game, of the tournament's kind.
    bool found = false;
    for (const auto& entry :
         std::filesystem::directory_iterator(Form().CurrentSession().HistoryFolder()))
        found |= entry.path().extension() == ".hst";
    EXPECT_TRUE(found);
}

TEST_F(TableGame, TheOwnClockRunsOutAndTheGameIsLost) {
    StartServer(60, 3000);
    ASSERT_FALSE(HasFatalFailure());
    Table().SetClockSeconds(2);
    SitDown();
    ASSERT_FALSE(HasFatalFailure());
    ReadNextNotice();
    // Seat 1 never begins.
    ASSERT_TRUE(RunUntil([&] { return !noticeText.isEmpty(); }, 15000));
    EXPECT_TRUE(noticeText.contains(ScreenText(Text(words::YourTimeIsUp))));
    EXPECT_TRUE(noticeText.contains(ScreenText(Text(words::YouLose))));
    EXPECT_EQ(Table().Link(), OnlineTable::TableLink::Over);
    EXPECT_FALSE(Table().ClockRunning());
    EXPECT_EQ(Form().CurrentMatch().State().Mover, Turn::TimedOut);
    EXPECT_TRUE(SecondButtonLeads());
    const SimProcess::Ended ended = bot->Wait();
    ASSERT_EQ(ended.status, 0) << ended.err;
    EXPECT_EQ(Figure(ended.out, "ends.timeout"), 1) << ended.out;
}

TEST_F(TableGame, TheBotsClockRunsOutAndTheWindowWins) {
    StartServer(2, 500);
    ASSERT_FALSE(HasFatalFailure());
    SitDown({"--stall-after", "0"});
    ASSERT_FALSE(HasFatalFailure());
    ReadNextNotice();
    ASSERT_TRUE(PlayUntil([&] { return !noticeText.isEmpty(); }, 15000));
    EXPECT_TRUE(noticeText.contains(ScreenText(Text(words::TimeIsUp))));
    EXPECT_TRUE(noticeText.contains(ScreenText(Text(words::YouWon))));
    EXPECT_EQ(Table().Link(), OnlineTable::TableLink::Over);
    EXPECT_TRUE(SecondButtonLeads());
    const SimProcess::Ended ended = bot->Wait();
    ASSERT_EQ(ended.status, 0) << ended.err;
    EXPECT_EQ(Figure(ended.out, "ends.closed"), 1);
}

TEST_F(TableGame, TheBotLeavesMidGameAndTheWindowWins) {
    StartServer(26, 3000);
    ASSERT_FALSE(HasFatalFailure());
    QSignalSpy back(&Table(), &OnlineTable::backToLobby);
    SitDown({"--leave-after", "2"});
    ASSERT_FALSE(HasFatalFailure());
    ReadNextNotice();
    ASSERT_TRUE(PlayUntil([&] { return !noticeText.isEmpty(); }));
    EXPECT_TRUE(noticeText.contains(ScreenText(Text(words::InterruptedTheGame))));
    EXPECT_TRUE(noticeText.contains(ScreenText(Text(words::YouWon))));
    EXPECT_FALSE(Table().ClockRunning());
    EXPECT_EQ(Form().Table()->MoveClockShown(LocalSeat), -1);
    EXPECT_EQ(Form().Table()->MoveClockShown(OpponentSeat), -1);
    ASSERT_TRUE(SecondButtonLeads());
    // The way out records the game and returns to the lobby.
    AnswerTheWayBack();
    Form().Table()->SecondButton()->click();
    EXPECT_TRUE(RunUntil([&] { return back.size() == 1; }));
    EXPECT_TRUE(NothingAskedOnTheWayBack()) << wayBackText.toStdString();
    EXPECT_EQ(Form().CurrentScreen(), Screen::Menu);
}

TEST_F(TableGame, TheServerGoingAwayIsALostConnection) {
    StartServer(26, 3000);
    ASSERT_FALSE(HasFatalFailure());
    SitDown({"--stall-after", "0"});
    ASSERT_FALSE(HasFatalFailure());
    ReadNextNotice();
    server->Signal(SIGTERM);
    ASSERT_TRUE(RunUntil([&] { return !noticeText.isEmpty(); }, 15000));
    EXPECT_TRUE(noticeText.contains(ScreenText(Text(words::LostConnectionWithServer))));
    EXPECT_EQ(Table().Link(), OnlineTable::TableLink::Over);
    EXPECT_FALSE(Table().ClockRunning());
    EXPECT_TRUE(SecondButtonLeads());
    EXPECT_FALSE(Form().Chat()->Box()->isEnabled());
}

// The window at seat 2 against a scripted server: the frames byte for byte,
// chat both ways, the clock changing sides, and bytes that are no frame.
TEST_F(TableGame, AScriptedServerSeesExactFramesAndItsGarbageEndsTheGame) {
    QTcpServer fake;
    ASSERT_TRUE(fake.listen(QHostAddress::LocalHost, 0));
    Table().ConnectSeat("127.0.0.1", fake.serverPort(), 3, 2);
    ASSERT_TRUE(
        RunUntil([&] { return fake.hasPendingConnections() || fake.waitForNewConnection(5); }));
    QTcpSocket* seat = fake.nextPendingConnection();
    const auto readFrame = [&] {
        EXPECT_TRUE(RunUntil([&] { return seat->bytesAvailable() >= 20; }));
        return seat->read(20).toStdString();
    };
    EXPECT_EQ(readFrame(), "connect2###########2");

    GameState shuffled;
    SeededRandom random(11);
    Shuffle(shuffled, random);
    const net::TableDeal deal = net::TableDealOf(shuffled.Deck);
    // The deal and a chat line of seat 1 in one read.
    seat->write(QByteArray::fromStdString(
        net::Encode(deal) +
        net::Encode(net::TableFrame{net::TableChat{"Hello"}, net::TableSeat::First})));
    ASSERT_TRUE(
        RunUntil([&] { return Table().Running() && Idle() && Table().Chat().Used() == 1; }));
    EXPECT_EQ(Table().Chat().Line(0).text, "Hello");
    EXPECT_EQ(Table().Chat().Line(0).colour, ChatColour::Host);
    // Seat 1 must begin: its clock runs on this machine too.
    EXPECT_FALSE(Form().Table()->StartButton()->isEnabled());
    EXPECT_EQ(Form().Table()->MoveClockShown(OpponentSeat), net::MoveClockSeconds);
    EXPECT_EQ(Form().Table()->MoveClockShown(LocalSeat), -1);

    seat->write(QByteArray::fromStdString(
        net::Encode(net::TableFrame{net::MoveFrame{Move::Begin()}, net::TableSeat::First})));
    ASSERT_TRUE(
        RunUntil([&] { return Form().CurrentMatch().State().BeginState == UnderWay && Idle(); }));
    EXPECT_EQ(Form().Table()->MoveClockShown(LocalSeat), net::MoveClockSeconds);
    EXPECT_EQ(Form().Table()->MoveClockShown(OpponentSeat), -1);

    Table().SendChat("Hi");
    EXPECT_EQ(readFrame(), "sHi################2");
    Table().SendChat("a#b"); // a "#" would end the line early: nothing goes out
    // The person's move goes out as the seat's frame.
    Form().CurrentSession().Input([](Match& m) { PlayPersonTurn(m); });
    const std::string move = readFrame();
    EXPECT_EQ(move[0], 'h');
    EXPECT_EQ(move[19], '2');

    ReadNextNotice();
    seat->write(QByteArray(20, 'z'));
    ASSERT_TRUE(RunUntil([&] { return !noticeText.isEmpty(); }, 15000));
    EXPECT_TRUE(noticeText.contains(ScreenText(Text(words::LostConnectionWithServer))));
    EXPECT_EQ(Table().Link(), OnlineTable::TableLink::Over);
    EXPECT_TRUE(SecondButtonLeads());
}

// A server that falls silent while the opponent's clock has run out is
// taken for gone: the player is not left waiting for ever.
TEST_F(TableGame, AServerSilentPastTheOpponentsClockIsALostConnection) {
    QTcpServer fake;
    ASSERT_TRUE(fake.listen(QHostAddress::LocalHost, 0));
    Table().SetClockSeconds(1);
    Table().ConnectSeat("127.0.0.1", fake.serverPort(), 3, 2);
    ASSERT_TRUE(RunUntil([&] { return fake.waitForNewConnection(5); }));
    QTcpSocket* seat = fake.nextPendingConnection();
    GameState shuffled;
    SeededRandom random(11);
    Shuffle(shuffled, random);
    seat->write(QByteArray::fromStdString(net::Encode(net::TableDealOf(shuffled.Deck))));
    ReadNextNotice();
    ASSERT_TRUE(RunUntil([&] { return !noticeText.isEmpty(); }, 15000));
    EXPECT_TRUE(noticeText.contains(ScreenText(Text(words::LostConnectionWithServer))));
    EXPECT_EQ(Table().Link(), OnlineTable::TableLink::Over);
    EXPECT_TRUE(SecondButtonLeads());
}

// The players' records and pictures come from the web services: the
// opponent's name on its banner, each photo (or the built-in figure when the
// store has none) in the "History" folder for the banner's balloon, and the
// tournament points the game gained in the history line.
class TableGameWithWeb : public TableGame {
  protected:
    void SetUp() override {
        QImage photo(40, 30, QImage::Format_RGB32);
        photo.fill(Qt::red);
        QBuffer jpeg(&rivalPhoto);
        jpeg.open(QIODevice::WriteOnly);
        photo.save(&jpeg, "JPG");
        web = std::make_unique<testing::FakeWebServer>([this](const testing::ReceivedRequest& r) {
            const QByteArray body = QByteArray::fromPercentEncoding(r.body);
            if (body.contains("readclient1"))
                return Ok(online::WriteClientAnswer({"Me", 10, 5, 1500, "X", "X", 'M', "X"}));
            if (body.contains("readclient2"))
                return Ok(online::WriteClientAnswer({"Rival", 7, 3, 1400, "X", "X", 'W', "X"}));
            if (body.contains("readrating"))
                return Ok(online::WriteRatingAnswer(ratingsRead++ == 0
                                                        ? online::TourRating{10, 5, 1500}
                                                        : online::TourRating{13, 6, 1520}));
            if (r.head.contains("Rival.jpg"))
                return testing::FakeWebServer::Ok(rivalPhoto, "image/jpeg");
            return QByteArray(
                "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        });
        StartWindow(web->Base());
    }

    static QByteArray Ok(const std::string& text) {
        return testing::FakeWebServer::Ok(QByteArray::fromStdString(text));
    }

    std::unique_ptr<testing::FakeWebServer> web;
    QByteArray rivalPhoto;
    int ratingsRead = 0;
};

TEST_F(TableGameWithWeb, PlayersPicturesAndTheTournamentRecordAreUsed) {
    StartServer(26, 3000);
    ASSERT_FALSE(HasFatalFailure());
    QSignalSpy back(&Table(), &OnlineTable::backToLobby);
    SitDown();
    ASSERT_FALSE(HasFatalFailure());
    const std::filesystem::path history = Form().CurrentSession().HistoryFolder();
    ASSERT_TRUE(RunUntil([&] {
        return !Form().Table()->BannerPicture(OpponentSeat).isEmpty() &&
               !Form().Table()->BannerPicture(LocalSeat).isEmpty();
    }));
    EXPECT_EQ(Form().CurrentMatch().OpponentName(), "Rival");
    const QImage rival(QString::fromStdString((history / "Rival.bmp").string()));
    EXPECT_EQ(rival.size(), QSize(40, 30));
    const QImage own(QString::fromStdString((history / "Me.bmp").string()));
    EXPECT_EQ(own.size(), QSize(100, 120)); // the built-in figure

    AnswerTheWayBack();
    ASSERT_TRUE(PlayUntil([&] { return back.size() == 1; }, 20000));
    EXPECT_TRUE(NothingAskedOnTheWayBack()) << wayBackText.toStdString();
    std::string bytes;
    for (const auto& entry : std::filesystem::directory_iterator(history))
        if (entry.path().extension() == ".hst")
            bytes = window->folder.ReadFile("History/" + entry.path().filename().string());
    const std::vector<HistoryRow> rows = ReadHistoryRows(bytes);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].player, "Me/Rival");
    EXPECT_EQ(rows[0].result, "3"); // 13 now, 10 before the game
    EXPECT_EQ(rows[0].rating, "1520,00");
    EXPECT_EQ(rows[0].kind, 'T');
}

} // namespace
} // namespace tavlira
