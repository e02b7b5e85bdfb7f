// The tournament's lobby: how the seat buttons follow the table list, and
// the lobby, its dialog and the top ten end to end against the companion
// server with its table server, each started on ports of the system's
// choosing with a database of their own.

#include "Database.h"
#include "Passwords.h"
#include "Storage.h"
#include "online_qt/FakeWebServer.h"
#include "support/ReservedPort.h"
#include "ui/controls/BalloonHint.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/LoginDialog.h"
#include "ui/dialogs/online/OnlineAccount.h"
#include "ui/dialogs/tournament/SeatLook.h"
#include "ui/dialogs/tournament/TournamentDialog.h"
#include "ui/dialogs/tournament/TournamentLobby.h"
#include "ui/dialogs/tournament/TournamentSeatHost.h"
#include "ui/dialogs/tournament/TournamentTopTenDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tavlira::testing {
namespace {

using online::TableClient;
using online::TableInfo;

TableInfo TableWith(const char* nick1, const char* nick2) {
    TableInfo table;
    table.seats[0].Nick = nick1;
    table.seats[1].Nick = nick2;
    return table;
}

TEST(SeatLook, FollowsTheSeatsAndWhereThePlayerSits) {
    using enum SeatCaption;
    const SeatPlace nowhere;
    const struct {
        const char* what;
        TableInfo table;
        bool serverOn;
        SeatPlace player;
        SeatLook seat1, seat2;
    } cases[] = {
        {"empty table", TableWith("X", "X"), true, nowhere, {TakeThePlace, true}, {Free, false}},
        {"opened by another",
         TableWith("Bob", "X"),
         true,
         nowhere,
         {Occupant, false},
         {TakeThePlace, true}},
        {"full", TableWith("Bob", "Cid"), true, nowhere, {Occupant, false}, {Occupant, false}},
        {"own seat 1", TableWith("Eve", "X"), true, {4, 1}, {LogOff, true}, {TakeThePlace, false}},
        {"own seat 2", TableWith("Bob", "Eve"), true, {4, 2}, {Occupant, false}, {LogOff, true}},
        {"seated elsewhere",
         TableWith("X", "X"),
         true,
         {7, 1},
         {TakeThePlace, false},
         {Free, false}},
        {"own seat 1 not yet in the list",
         TableWith("X", "X"),
         true,
         {4, 1},
         {LogOff, true},
         {TakeThePlace, false}},
        {"server off",
         TableWith("Bob", "X"),
         false,
         nowhere,
         {ServerOff, false},
         {ServerOff, false}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LookOfSeat(c.table, 4, 1, c.serverOn, c.player), c.seat1) << c.what;
        EXPECT_EQ(LookOfSeat(c.table, 4, 2, c.serverOn, c.player), c.seat2) << c.what;
    }
}

// The window's table socket, as the lobby sees it.
struct FakeSeatHost : TournamentSeatHost {
    struct Connect {
        QString host;
        quint16 port;
        int table, seat;
    };
    void ConnectSeat(const QString& host, quint16 port, int table, int seat) override {
        connects.push_back({host, port, table, seat});
    }
    void LeaveSeat() override { ++leaves; }
    bool TakeSocketError() override { return std::exchange(error, false); }

    std::vector<Connect> connects;
    int leaves = 0;
    bool error = false;
};

// tavlira-server in a folder of its own: Eve, Bob, Cid, Dan and the
// operator (each with the password "secret1") in the club, the tournament results below, and the
// table server on `tablesHost` when given.
class TournamentServer {
  public:
    explicit TournamentServer(const QString& tablesHost) {
        const std::string db = folder.filePath("club.db").toStdString();
        {
            server::InitPasswords();
            const auto storage = server::OpenStorage(server::OpenSqlite(db));
            for (const char* nick : {"Eve", "Bob", "Cid", "Dan", "Tablekeeper"}) {
                online::Account account;
                account.Nick = nick;
                account.City = "Rome";
                const auto hash = server::HashPassword("secret1", {1, 8192});
                storage->CreateAccount(account, hash.value_or("hash"));
            }
            // Scores: Bob 8, Eve 4, Cid -2; games: Bob 2, Eve 1, Cid 1.
            for (const auto& [nick, result] :
                 {std::pair{"Bob", 5}, {"Bob", 3}, {"Eve", 4}, {"Cid", -2}})
                storage->BookTourGame(nick, result);
        }
        QStringList arguments{"--listen",  "127.0.0.1:0",
                              "--db",      QString::fromStdString(db),
                              "--files",   folder.path(),
                              "--welcome", "Welcome_to_the_tables_of_the_world_tournament"};
        if (!tablesHost.isEmpty())
            arguments << "--tables" << tablesHost + ":0";
        process.setProgram(QStringLiteral(TAVLIRA_SERVER_PROGRAM));
        process.setArguments(arguments);
        process.start();
        const QString awaited = tablesHost.isEmpty() ? "listening on" : "base port";
        RunUntil([&] {
            output += process.readAllStandardOutput();
            return output.contains(awaited.toUtf8()) || process.state() == QProcess::NotRunning;
        });
        const QString text = QString::fromUtf8(output);
        const auto port = QRegularExpression("listening on 127.0.0.1:(\\d+)").match(text);
        if (port.hasMatch())
            base = QUrl("http://127.0.0.1:" + port.captured(1));
        const auto tables = QRegularExpression("base port (\\d+)").match(text);
        basePort = tables.hasMatch() ? tables.captured(1).toInt() : 0;
    }
    ~TournamentServer() {
        process.terminate();
        if (!process.waitForFinished(5000))
            process.kill();
    }

    QTemporaryDir folder;
    QProcess process;
    QByteArray output;
    std::optional<QUrl> base;
    int basePort = 0;
};

// A logged-in Eve with the lobby and its dialog, notices recorded.
class LobbyTest : public ::testing::Test {
  protected:
    void Start(const QString& tablesHost, const std::string& nick = "Eve") {
        server = std::make_unique<TournamentServer>(tablesHost);
        ASSERT_TRUE(server->base) << server->output.constData();
        services = std::make_unique<WebServices>(server->base);
        account = std::make_unique<OnlineAccount>(*services, family.path().toStdString());
        bool loggedIn = false;
        account->LogIn(nick, "secret1", false, [&](bool done) { loggedIn = done; });
        ASSERT_TRUE(RunUntil([&] { return loggedIn && services->Client().Pending() == 0; }));
        lobby = std::make_unique<TournamentLobby>(*account, host);
        QObject::connect(lobby.get(), &TournamentLobby::Refused, [this] { ++refusals; });
        dialog = std::make_unique<TournamentDialog>(nullptr, *lobby, [] {});
        dialog->SetNoticesShown(false);
        Settle();
    }
    // Waits for every request under way.
    void Settle() {
        ASSERT_TRUE(RunUntil([&] {
            return services->Client().Pending() == 0 && !lobby->TablesReading() &&
                   !lobby->SeatChanging();
        }));
    }
    // Posts a seat for another player, from this same address.
    void Seat(int table, int seat, const char* nick) {
        bool answered = false;
        services->Send(online::SeatRequest{seat, table, 1, {nick, 0, 0, 0, "Russia", "Rome", 'M'}},
                       lobby.get(), [&](const ServiceAnswer& a) {
                           answered = true;
                           EXPECT_EQ(online::ReadSeatAnswer(a.text), online::SeatAnswer::Good);
                       });
        ASSERT_TRUE(RunUntil([&] { return answered; }));
    }
    QString Caption(int table, int seat) const { return dialog->SeatButton(table, seat)->text(); }
    bool Enabled(int table, int seat) const { return dialog->SeatButton(table, seat)->isEnabled(); }
    std::string Occupant(int table, int seat) {
        std::string nick;
        services->Send(online::ReadClientRequest{seat, table}, lobby.get(),
                       [&](const ServiceAnswer& a) {
                           const auto read = online::ReadClientAnswer(a.text);
                           nick = read ? read->Nick : "<failed>";
                       });
        RunUntil([&] { return !nick.empty(); });
        return nick;
    }

    QTemporaryDir family;
    std::unique_ptr<TournamentServer> server;
    std::unique_ptr<WebServices> services;
    std::unique_ptr<OnlineAccount> account;
    FakeSeatHost host;
    std::unique_ptr<TournamentLobby> lobby;
    std::unique_ptr<TournamentDialog> dialog;
    int refusals = 0;
};

// The table server on 127.0.0.2: an address other than the loopback's
// usual one, so the lobby guards against sitting down opposite itself.
TEST_F(LobbyTest, SeatsAreTakenLeftAndGivenUpAgainstTheServer) {
    ASSERT_NO_FATAL_FAILURE(Start("127.0.0.2"));
    Seat(2, 1, "Bob");
    Seat(3, 1, "Cid");
    Seat(3, 2, "Dan");
    dialog->RefreshButton()->click();
    Settle();

    EXPECT_TRUE(lobby->ServerOn());
    EXPECT_EQ(dialog->StatusPicture()->toolTip(), "Server On");
    EXPECT_EQ(dialog->StatusPicture()->pixmap().size(), QSize(48, 48)) << "GTourOn";
    EXPECT_EQ(dialog->Welcome()->text(), "Welcome to the tables of the world tournament");
    EXPECT_LT(dialog->Welcome()->font().pixelSize(), 15) << "45 characters draw smaller";
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(dialog->StatusPicture(), &enter);
    EXPECT_EQ(dialog->StatusBalloon()->Title(), "Server");
    EXPECT_EQ(dialog->StatusBalloon()->Text(), "On");
    EXPECT_EQ(dialog->TableLabel(3)->text(), "Table № 3");
    EXPECT_EQ(dialog->TableLabel(3)->toolTip(), "Rules: Figures has points: No");
    const struct {
        int table, seat;
        const char* caption;
        bool enabled;
    } shown[] = {{1, 1, "Take the place of", true}, {1, 2, "Free", false},
                 {2, 1, "Bob : 0", false},          {2, 2, "Take the place of", true},
                 {3, 1, "Cid : 0", false},          {3, 2, "Dan : 0", false}};
    for (const auto& s : shown) {
        EXPECT_EQ(Caption(s.table, s.seat), s.caption) << s.table << "/" << s.seat;
        EXPECT_EQ(Enabled(s.table, s.seat), s.enabled) << s.table << "/" << s.seat;
    }
    EXPECT_EQ(dialog->Result(0), "Eve");
    EXPECT_EQ(dialog->Result(1), "4");
    EXPECT_EQ(dialog->Result(2), "2"); // behind Bob's 8
    EXPECT_EQ(dialog->Result(4), "1");
    EXPECT_TRUE(dialog->AddressBox()->isHidden());

    // Bob posted from this address: seat 2 opposite him is refused.
    dialog->SeatButton(2, 2)->click();
    Settle();
    EXPECT_EQ(dialog->LastNotice(), "This table is already occupied by a player with your IP!");
    EXPECT_TRUE(host.connects.empty());
    EXPECT_EQ(Occupant(2, 2), "X");

    // Seat 1 of table 4: the table server's address on base port + 4.
    dialog->SeatButton(4, 1)->click();
    Settle();
    ASSERT_EQ(host.connects.size(), 1u);
    EXPECT_EQ(host.connects[0].host, "127.0.0.2");
    EXPECT_EQ(host.connects[0].port, server->basePort + 4);
    EXPECT_EQ(lobby->Seat(), (SeatPlace{4, 1}));
    EXPECT_EQ(Caption(4, 1), "Log off");
    EXPECT_TRUE(Enabled(4, 1));
    EXPECT_FALSE(Enabled(1, 1)) << "one seat at a time";
    EXPECT_EQ(Occupant(4, 1), "Eve");
    dialog->show();
    dialog->CloseButton()->click();
    dialog->reject(); // Escape
    EXPECT_TRUE(dialog->isVisible()) << "the dialog stays while the player is seated";

    // The connection failed: the seat is given up within a second.
    host.error = true;
    ASSERT_TRUE(RunUntil([&] { return !dialog->LastNotice().startsWith("This table"); }, 5000));
    EXPECT_EQ(dialog->LastNotice(), "Server connection error!");
    Settle();
    EXPECT_FALSE(lobby->Seat().Seated());
    EXPECT_EQ(Occupant(4, 1), "X");
    EXPECT_EQ(Caption(4, 1), "Take the place of");

    dialog->SeatButton(5, 1)->click();
    Settle();
    lobby->PressSeat(6, 1);
    Settle();
    EXPECT_EQ(host.connects.size(), 2u) << "a second seat is not taken while seated";
    // Leaving: the seat is freed and the connection closed.
    dialog->SeatButton(5, 1)->click();
    Settle();
    EXPECT_EQ(host.leaves, 1);
    EXPECT_FALSE(lobby->Seat().Seated());
    EXPECT_EQ(Occupant(5, 1), "X");
    EXPECT_EQ(refusals, 0);

    // A seat that another took since the list was read is refused with the
    // failure sound.
    lobby->PressSeat(2, 1);
    Settle();
    EXPECT_EQ(refusals, 1);
    EXPECT_FALSE(lobby->Seat().Seated());

    // The first deal closes the dialog.
    dialog->SeatButton(8, 1)->click();
    Settle();
    ASSERT_TRUE(lobby->Seat().Seated());
    lobby->Dealt(true);
    EXPECT_FALSE(dialog->isVisible());
}

// The operator may send its seat to another table server and sit opposite
// its own address.
TEST_F(LobbyTest, TheOperatorChoosesTheTableServerAddress) {
    ASSERT_NO_FATAL_FAILURE(Start("127.0.0.2", std::string(OperatorNick)));
    EXPECT_FALSE(dialog->AddressBox()->isHidden());
    dialog->AddressBox()->setText("127.0.0.3");
    Seat(2, 1, "Bob");
    lobby->PressSeat(2, 2);
    Settle();
    EXPECT_EQ(dialog->LastNotice(), "");
    ASSERT_EQ(host.connects.size(), 1u);
    EXPECT_EQ(host.connects[0].host, "127.0.0.3");
    EXPECT_EQ(host.connects[0].port, server->basePort + 2);
}

TEST_F(LobbyTest, AServerWithoutTablesOffersNoSeat) {
    ASSERT_NO_FATAL_FAILURE(Start(QString()));
    EXPECT_FALSE(lobby->ServerOn());
    EXPECT_EQ(dialog->StatusPicture()->toolTip(), "Server Off");
    EXPECT_EQ(dialog->StatusPicture()->pixmap().size(), QSize(48, 48)) << "GTourOff";
    for (int table = 1; table <= 10; ++table)
        for (int seat = 1; seat <= 2; ++seat) {
            EXPECT_EQ(Caption(table, seat), "Server Off");
            EXPECT_FALSE(Enabled(table, seat));
        }
    lobby->PressSeat(1, 1);
    Settle();
    EXPECT_TRUE(host.connects.empty());
}

TEST(Lobby, AServerThatIsDownSaysNoConnect) {
    const quint16 closed = test_support::ReservedPort();
    ASSERT_NE(closed, 0);
    const QUrl base("http://127.0.0.1:" + QString::number(closed));
    QTemporaryDir family;
    WebServices services(base);
    OnlineAccount account(services, family.path().toStdString());
    FakeSeatHost host;
    TournamentLobby lobby(account, host);
    TournamentDialog dialog(nullptr, lobby, {});
    dialog.SetNoticesShown(false);
    ASSERT_TRUE(RunUntil([&] { return lobby.OwnResultsRead() && !lobby.TablesReading(); }));
    EXPECT_EQ(dialog.Result(1), "-1");
    EXPECT_EQ(dialog.Result(2), "No Connect");
    EXPECT_EQ(dialog.SeatButton(1, 1)->text(), "Server Off");

    TournamentTopTenDialog top(nullptr, services, "Eve");
    ASSERT_TRUE(RunUntil([&] { return !top.RowsText().isEmpty(); }));
    EXPECT_EQ(top.RowsText(), "No Connect");
    ASSERT_TRUE(RunUntil([&] { return !top.PlaceText().isEmpty(); }));
    EXPECT_EQ(top.PlaceText(), "Your place: No Connect");
    EXPECT_FALSE(top.MedalPlace());
}

TEST_F(LobbyTest, TheTopTenByEachMeasureWithTheOwnMedal) {
    ASSERT_NO_FATAL_FAILURE(Start(QString()));
    TournamentTopTenDialog top(nullptr, *services, "Eve");
    const struct {
        int choice;
        const char* firstNick;
        const char* firstValue;
        int place;
    } kinds[] = {{0, "Bob", "8", 2}, {1, "Bob", "2", 2}, {2, "Bob", "2", 2}};
    for (const auto& kind : kinds) {
        top.Choice()->setCurrentIndex(kind.choice);
        ASSERT_TRUE(RunUntil([&] { return top.MedalPlace().has_value(); })) << kind.choice;
        const QStringList lines = top.RowsText().split('\n');
        ASSERT_EQ(lines.size(), 3) << top.RowsText().toStdString();
        EXPECT_TRUE(lines[0].contains(kind.firstNick));
        EXPECT_TRUE(lines[0].trimmed().endsWith(kind.firstValue)) << lines[0].toStdString();
        EXPECT_EQ(top.MedalPlace(), kind.place);
        EXPECT_FALSE(top.Medal()->pixmap().isNull());
    }
    EXPECT_EQ(PlaceMedal(10).size(), QSize(64, 80));
    EXPECT_TRUE(PlaceMedal(11).isNull());
}

// A web server that names its table server as the test says, and answers
// every seat post "ok".
QByteArray TablesAnswer(const ReceivedRequest& request, const std::string& ip, int port,
                        const std::string& welcome) {
    if (request.body.startsWith("readtable10")) {
        online::TableList tables;
        for (int t = 0; t < online::TableCount; ++t) {
            tables[static_cast<std::size_t>(t)].IP = ip;
            tables[static_cast<std::size_t>(t)].Port = port + t;
        }
        tables[1].seats[0].Nick = std::string(300, 'N');
        return FakeWebServer::Ok(QByteArray::fromStdString(online::WriteTableListAnswer(tables)));
    }
    if (request.body.startsWith("serverinforead"))
        return FakeWebServer::Ok(
            QByteArray::fromStdString(online::WriteServerStatusAnswer({'Y', welcome})));
    if (request.body.startsWith("clienton"))
        return FakeWebServer::Ok("ok");
    return FakeWebServer::Ok("\x01garbage$$**");
}

TEST(Lobby, TheTableServerIsReachedOnTheListedAddressAndPort) {
    bool serverOff = false;
    FakeWebServer web([&](const ReceivedRequest& request) {
        if (serverOff && request.body.startsWith("serverinforead"))
            return FakeWebServer::Ok("$N Closed");
        return TablesAnswer(request, "10.0.0.9", 7000, "Hi");
    });
    QTemporaryDir family;
    WebServices services(web.Base());
    OnlineAccount account(services, family.path().toStdString());
    FakeSeatHost host;
    TournamentLobby lobby(account, host);
    TournamentDialog dialog(nullptr, lobby, {});
    ASSERT_TRUE(RunUntil([&] { return lobby.ServerOn() && services.Client().Pending() == 0; }));
    EXPECT_EQ(dialog.SeatButton(2, 1)->text().size(), 16 + 4) << "a long nick is cut";
    dialog.SeatButton(4, 1)->click();
    ASSERT_TRUE(RunUntil([&] { return !host.connects.empty(); }));
    EXPECT_EQ(host.connects[0].host, "10.0.0.9");
    EXPECT_EQ(host.connects[0].port, 7003) << "table 1 at 7000: the base port is 6999";

    // The server goes off while the player waits: the seat is given up.
    ASSERT_TRUE(RunUntil([&] { return !lobby.SeatChanging() && !lobby.TablesReading(); }));
    serverOff = true;
    dialog.RefreshButton()->click();
    ASSERT_TRUE(RunUntil([&] { return !lobby.Seat().Seated(); }));
    EXPECT_EQ(host.leaves, 1);
    ASSERT_TRUE(RunUntil([&] { return services.Client().Pending() == 0; }));
    const auto givenUp =
        std::find_if(web.Requests().begin(), web.Requests().end(), [](const ReceivedRequest& r) {
            return r.body.startsWith("clienton1=0&gid=66&num=4&can=0&nick1=X&");
        });
    EXPECT_NE(givenUp, web.Requests().end());
    EXPECT_EQ(dialog.SeatButton(4, 1)->text(), "Server Off");
}

TEST(Lobby, AListThatNamesNoUsableTableServerIsServerOff) {
    const struct {
        std::string ip;
        int port;
    } lists[] = {{"evil.example", 7000}, {"10.0.0.9", 0}, {"10.0.0.9", 65530}, {"::1", 7000}};
    for (const auto& list : lists) {
        FakeWebServer web([&](const ReceivedRequest& request) {
            return TablesAnswer(request, list.ip, list.port, std::string(1000, 'W'));
        });
        QTemporaryDir family;
        WebServices services(web.Base());
        OnlineAccount account(services, family.path().toStdString());
        FakeSeatHost host;
        TournamentLobby lobby(account, host);
        TournamentDialog dialog(nullptr, lobby, {});
        ASSERT_TRUE(RunUntil([&] { return web.Requests().size() >= 5 && !lobby.TablesReading(); }));
        EXPECT_FALSE(lobby.ServerOn()) << list.ip << ":" << list.port;
        EXPECT_EQ(dialog.SeatButton(1, 1)->text(), "Server Off");
        EXPECT_LE(dialog.Welcome()->text().size(), 200);
        lobby.PressSeat(1, 1);
        EXPECT_TRUE(host.connects.empty());
    }
}

// The duel's login lists the internet address, as the web server sees it,
// between the interface addresses and the loopback.
TEST(LoginAddresses, TheInternetAddressComesBeforeTheLoopback) {
    LoginDialog login(
        nullptr, QString(), "Mr.X", 20,
        [](const std::string&, const std::string&, const std::string&) { return LoginError::None; },
        [] {});
    LoginDialog::DuelControls controls;
    controls.localAddresses = [] { return QStringList{"192.168.1.7"}; };
    std::function<void(const QString&)> show;
    controls.publicAddress = [&](QObject*, std::function<void(const QString&)> shown) {
        show = std::move(shown);
    };
    login.AddDuelControls(std::move(controls));
    login.AddressesButton()->click();
    ASSERT_TRUE(show);
    show("203.0.113.5");
    QStringList texts;
    for (QLineEdit* box : login.AddressBoxes())
        if (!box->isHidden())
            texts << box->text();
    EXPECT_EQ(texts, (QStringList{"192.168.1.7", "203.0.113.5", "127.0.0.1"}));
}

} // namespace
} // namespace tavlira::testing
