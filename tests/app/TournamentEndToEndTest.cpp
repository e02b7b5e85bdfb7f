// The tournament end to end, as a player lives it: the companion server with
// its tables and a fresh club, the window logged in as Eve, the lobby's seat
// button taking seat 1, a table bot seated as Bob at seat 2, the game played
// to its confirmed end, the lobby back, and the result on the web side.

#include "Database.h"
#include "Passwords.h"
#include "Storage.h"
#include "app/TableGame.h"
#include "online/Tournament.h"
#include "online/World.h"
#include "records/History.h"
#include "support/ChildProgram.h"
#include "ui/dialogs/tournament/TournamentDialog.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <map>

namespace tavlira {
namespace {

// The number after `key` in `text`, or -1.
int NumberAfter(const std::string& text, const std::string& key) {
    const std::size_t at = text.find(key);
    return at == std::string::npos ? -1 : std::atoi(text.c_str() + at + key.size());
}

class TournamentEndToEnd : public TableGame {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        const std::string db = folder.filePath("club.db").toStdString();
        {
            server::InitPasswords();
            const auto storage = server::OpenStorage(server::OpenSqlite(db));
            for (const char* nick : {"Eve", "Bob"}) {
                online::Account account;
                account.Nick = nick;
                account.City = "Rome";
                const auto hash = server::HashPassword("secret1", {1, 8192});
                ASSERT_TRUE(hash);
                ASSERT_TRUE(storage->CreateAccount(account, *hash));
            }
        }
        companion = std::make_unique<test_support::ChildProgram>(std::vector<std::string>{
            TAVLIRA_SERVER_PROGRAM, "--listen", "127.0.0.1:0", "--db", db, "--files",
            folder.path().toStdString(), "--tables", "127.0.0.1:0"});
        const std::string started = companion->ReadUntil("base port");
        const int httpPort = NumberAfter(started, "listening on 127.0.0.1:");
        basePort = NumberAfter(started, "base port ");
        ASSERT_GT(httpPort, 0) << started;
        ASSERT_GT(basePort, 0) << started;
        StartWindow(QUrl(QStringLiteral("http://127.0.0.1:%1").arg(httpPort)));

        bool loggedIn = false;
        Form().Account().LogIn("Eve", "secret1", false, [&](bool done) { loggedIn = done; });
        ASSERT_TRUE(RunUntil([&] { return loggedIn && Settled(); }));
    }

    bool Settled() {
        const TournamentLobby& lobby = Form().Tournament()->Lobby();
        return Form().Account().Services().Client().Pending() == 0 && !lobby.TablesReading() &&
               !lobby.SeatChanging();
    }

    // Sends `request` with the window's own web services and waits for the
    // answer's text.
    template <class Request> std::string Ask(const Request& request) {
        std::optional<std::string> text;
        Form().Account().Services().Send(request, window->form.get(),
                                         [&](const ServiceAnswer& a) { text = a.text; });
        EXPECT_TRUE(RunUntil([&] { return text.has_value(); }));
        return text.value_or("");
    }

    QTemporaryDir folder;
    std::unique_ptr<test_support::ChildProgram> companion;
};

TEST_F(TournamentEndToEnd, TheLobbySeatsThePlayerWhoPlaysABotAndTheResultIsBooked) {
    QSignalSpy back(&Table(), &OnlineTable::backToLobby);
    TournamentLobby& lobby = Form().Tournament()->Lobby();
    constexpr int table = 2;

    // Inside the lobby's dialog: seat 1 by its button's path, then Bob's
    // seat on the web side and his bot at the table, until the deal.
    bool dialogShown = false;
    bool closedAtTheDeal = false;
    const auto seatBothUntilTheDeal = [&](QWidget* dialog) {
        dialogShown = qobject_cast<TournamentDialog*>(dialog) != nullptr;
        ASSERT_TRUE(dialogShown);
        ASSERT_TRUE(RunUntil([&] { return Settled() && lobby.ServerOn(); }));
        lobby.PressSeat(table, 1);
        ASSERT_TRUE(RunUntil(
            [&] { return Settled() && Table().Link() == OnlineTable::TableLink::Connected; }));
        EXPECT_EQ(online::ReadClientAnswer(Ask(online::ReadClientRequest{1, table}))->Nick, "Eve");
        const auto bobsSeat = online::ReadSeatAnswer(
            Ask(online::SeatRequest{2, table, 1, {"Bob", 0, 0, 0, "Russia", "Rome", 'M', "X"}}));
        ASSERT_EQ(bobsSeat, online::SeatAnswer::Good);
        bot = std::make_unique<SimProcess>(
            TAVLIRA_SIM_PATH,
            std::vector<std::string>{"table", "--server", "127.0.0.1:" + std::to_string(basePort),
                                     "--table", std::to_string(table), "--seat", "2", "--games",
                                     "1"},
            Folder(), "bot");
        ASSERT_TRUE(RunUntil([&] { return Table().Running() && !dialog->isVisible(); }, 20000));
        closedAtTheDeal = true;
    };
    test::AnswerNextModal([&](QWidget* dialog) {
        seatBothUntilTheDeal(dialog);
        // A failure must not leave the test waiting in the dialog.
        if (auto* box = qobject_cast<QDialog*>(dialog); box && box->isVisible())
            box->reject();
    });
    Form().OpenTournament();
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(dialogShown);
    ASSERT_TRUE(closedAtTheDeal);
    EXPECT_EQ(Form().Tournament()->Dialog(), nullptr);
    EXPECT_EQ(Form().CurrentScreen(), Screen::Table);
    // The opponent's record is read from the web side after the deal.
    EXPECT_TRUE(RunUntil([&] { return Form().CurrentMatch().OpponentName() == "Bob"; }));

    // The game to its confirmed end; the lobby opens again, and is closed
    // here from inside.
    bool lobbyAgain = false;
    test::AnswerNextModal([&](QWidget* dialog) {
        lobbyAgain = qobject_cast<TournamentDialog*>(dialog) != nullptr;
        if (auto* box = qobject_cast<QDialog*>(dialog))
            box->reject();
    });
    ASSERT_TRUE(PlayUntil([&] { return back.size() == 1; }, 60000));
    ASSERT_TRUE(RunUntil([&] { return lobbyAgain; }));
    const SimProcess::Ended ended = bot->Wait();
    ASSERT_EQ(ended.status, 0) << ended.err;
    EXPECT_EQ(Figure(ended.out, "games"), 1);
    const GameState& s = Form().CurrentMatch().State();
    const int eveScore = s.MatchPoints[LocalSeat] - s.MatchPoints[OpponentSeat];
    EXPECT_EQ(Figure(ended.out, "points.own") - Figure(ended.out, "points.opponent"), -eveScore);

    // The history line names both players, as a tournament game.
    std::vector<HistoryRow> rows;
    for (const auto& entry :
         std::filesystem::directory_iterator(Form().CurrentSession().HistoryFolder()))
        if (entry.path().extension() == ".hst")
            rows = ReadHistoryRows(
                window->folder.ReadFile("History/" + entry.path().filename().string()));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].player, "Eve/Bob");
    EXPECT_EQ(rows[0].kind, 'T');

    // The server booked the game for both.
    const auto games =
        online::ReadTourTopTenAnswer(Ask(online::TourTopTenRequest{online::Ranking::Games}));
    ASSERT_TRUE(games);
    std::map<std::string, int> counted;
    for (const online::RecordRow& row : *games)
        counted[row.Nick] = row.Score;
    EXPECT_EQ(counted, (std::map<std::string, int>{{"Eve", 1}, {"Bob", 1}}));
    const auto scores =
        online::ReadTourTopTenAnswer(Ask(online::TourTopTenRequest{online::Ranking::Score}));
    ASSERT_TRUE(scores);
    for (const online::RecordRow& row : *scores)
        EXPECT_EQ(row.Score, row.Nick == "Eve" ? eveScore : -eveScore) << row.Nick;
    // Both seats are free again.
    EXPECT_EQ(online::ReadClientAnswer(Ask(online::ReadClientRequest{1, table}))->Nick, "X");
}

} // namespace
} // namespace tavlira
