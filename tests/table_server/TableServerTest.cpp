#include "table/TableServer.h"

#include "game/Play.h"
#include "net/TableSeatGame.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace tavlira::table {
namespace {

using net::TableSeat;

std::string Frame(std::string payload, char seat) {
    payload.resize(net::FramePayloadMax, '#');
    return payload + seat;
}

constexpr Millis Second = 1000;
constexpr Millis ClockLimit = net::MoveClockSeconds * Second + 3000;

// The server with connections in memory: what it sends piles up per
// connection, what it closes is noted.
struct Tables {
    MemorySeatBoard board;
    SeededRandom random{11};
    TableServer server{board, random};
    std::map<ConnectionId, std::string> sent;
    std::set<ConnectionId> closed;
    Millis now = 0;

    void Pump() {
        for (ServerAction& action : server.TakeActions()) {
            if (auto* send = std::get_if<SendBytes>(&action))
                sent[send->to] += send->bytes;
            else
                closed.insert(std::get<CloseConnection>(action).id);
        }
    }
    void Open(ConnectionId id, int table, const std::string& address = "127.0.0.1") {
        server.Opened(id, table, address, now);
        Pump();
    }
    void Say(ConnectionId id, const std::string& bytes) {
        server.Received(id, bytes, now);
        Pump();
    }
    void Seat(ConnectionId id, int table, TableSeat seat,
              const std::string& address = "127.0.0.1") {
        Open(id, table, address);
        const char digit = static_cast<char>('0' + static_cast<int>(seat));
        Say(id, Frame(std::string("connect") + digit, digit));
    }
    std::string Taken(ConnectionId id) { return std::exchange(sent[id], {}); }
};

// A seat of the table in memory, playing with the computer's choices.
struct Player {
    ConnectionId id;
    net::TableSeatGame game;
    std::vector<net::SeatEvent> events;

    // Reads what the server sent, then makes this seat's moves.
    bool Step(Tables& tables) {
        game.Feed(tables.Taken(id));
        for (net::SeatEvent e = game.Next(); !std::holds_alternative<net::NeedMore>(e);
             e = game.Next())
            events.push_back(e);
        bool moved = false;
        for (const Move& move : game.ComputerChoice()) {
            tables.Say(id, *game.Play(move));
            moved = true;
        }
        if (const auto end = game.ConfirmEnd()) {
            tables.Say(id, *end);
            moved = true;
        }
        return moved;
    }
};

// Both seats of `table` taken and dealt: seat 1 is connection 10 * table + 1,
// seat 2 10 * table + 2.
std::pair<Player, Player> Dealt(Tables& tables, int table) {
    const ConnectionId first = 10 * static_cast<ConnectionId>(table) + 1;
    tables.Seat(first, table, TableSeat::First);
    tables.Seat(first + 1, table, TableSeat::Second);
    Player one{first, net::TableSeatGame(TableSeat::First), {}};
    Player two{first + 1, net::TableSeatGame(TableSeat::Second), {}};
    return {std::move(one), std::move(two)};
}

TEST(TableServer, TwoSeatsPlayAGameThroughTheServer) {
    Tables tables;
    auto [one, two] = Dealt(tables, 4);
    EXPECT_EQ(tables.sent[41].size(), net::TableDealSize);
    EXPECT_EQ(tables.sent[41], tables.sent[42]);
    while (one.Step(tables) || two.Step(tables)) {
    }
    ASSERT_TRUE(one.game.Game().GameOver);
    // Both copies of the game agree on every capture.
    for (const Seat seat : Seats) {
        EXPECT_EQ(one.game.Game().Taken[seat], two.game.Game().Taken[OtherSeat(seat)]);
        EXPECT_EQ(one.game.Game().TakenBonus[seat], two.game.Game().TakenBonus[OtherSeat(seat)]);
    }
    EXPECT_EQ(one.events.back(), net::SeatEvent(net::GameClosed{}));
    EXPECT_EQ(two.events.back(), net::SeatEvent(net::GameClosed{}));
    EXPECT_EQ(tables.closed, (std::set<ConnectionId>{41, 42}));
    ASSERT_EQ(tables.board.GamesRecorded(), 1);
    const TableResult& result = tables.board.RecentResults().back();
    EXPECT_EQ(result.table, 4);
    EXPECT_EQ(result.end, GameEnd::Played);
    EXPECT_EQ(result.seatOneResult, net::SeatOneResult(one.game.Game(), TableSeat::First));
    EXPECT_EQ(tables.board.Occupant(4, TableSeat::First), std::nullopt);
    EXPECT_FALSE(tables.server.Playing(4));
    EXPECT_GT(tables.server.FramesRelayed(), 10);
}

TEST(TableServer, SeatRules) {
    Tables tables;
    // Seat 2 is not taken before seat 1.
    tables.Seat(1, 1, TableSeat::Second);
    EXPECT_TRUE(tables.closed.contains(1));
    // A seat taken is not taken again.
    tables.Seat(2, 1, TableSeat::First);
    tables.Seat(3, 1, TableSeat::First);
    EXPECT_FALSE(tables.closed.contains(2));
    EXPECT_TRUE(tables.closed.contains(3));
    // One seat per player (by address; one machine may test against itself).
    tables.Seat(4, 2, TableSeat::First, "10.0.0.7");
    tables.Seat(5, 3, TableSeat::First, "10.0.0.7");
    EXPECT_FALSE(tables.closed.contains(4));
    EXPECT_TRUE(tables.closed.contains(5));
    tables.Seat(6, 3, TableSeat::First, "127.0.0.1");
    EXPECT_FALSE(tables.closed.contains(6));
    // A connect whose seat digit is not the seat it names, and a frame before
    // any connect.
    tables.Open(7, 5);
    tables.Say(7, Frame("connect1", '2'));
    tables.Open(8, 6);
    tables.Say(8, Frame("sHello", '1'));
    EXPECT_TRUE(tables.closed.contains(7));
    EXPECT_TRUE(tables.closed.contains(8));
    // A seat left is free again.
    tables.server.Closed(2, tables.now);
    tables.Seat(9, 1, TableSeat::First);
    EXPECT_FALSE(tables.closed.contains(9));
    EXPECT_EQ(tables.board.GamesRecorded(), 0);
}

// The frames a seat may not send at its first turn: seat 2 leads, holding
// four cards, the table holds places 1..4.
TEST(TableServer, ARefusedFrameLosesTheGameAndSparesTheOtherTables) {
    const struct {
        const char* what;
        bool fromSeatOne;
        std::string bytes;
    } cases[] = {
        {"out of turn", true, Frame("hputs15", '1')},
        {"the other seat's digit", false, Frame("hputs15", '1')},
        {"a taken table place", false, Frame("hputs11", '2')},
        {"a selection of an empty place", false, Frame("hsell7", '2')},
        {"a take with nothing played", false, Frame("htake", '2')},
        {"a second begin", true, Frame("hbegin", '1')},
        {"an end before the end", true, Frame("o    0    0", '1')},
        {"a clock that is not running", true, Frame("TOut", '1')},
        {"no frame at all", false, std::string(20, 'x')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Tables tables;
        auto [one, two] = Dealt(tables, 1);
        auto [other1, other2] = Dealt(tables, 9);
        one.Step(tables); // seat 1 begins
        two.game.Feed(tables.Taken(12));
        while (!std::holds_alternative<net::NeedMore>(two.game.Next())) {
        }
        const ConnectionId offender = c.fromSeatOne ? 11 : 12;
        const ConnectionId winner = c.fromSeatOne ? 12 : 11;
        tables.Say(offender, c.bytes);

        const char loser = c.fromSeatOne ? '1' : '2';
        EXPECT_EQ(tables.Taken(offender), Frame("e", loser));
        EXPECT_EQ(tables.Taken(winner), Frame("a", loser));
        EXPECT_EQ(tables.closed, (std::set<ConnectionId>{11, 12}));
        const TableResult& result = tables.board.RecentResults().back();
        EXPECT_EQ(result.end, GameEnd::Refused);
        EXPECT_EQ(result.Winner(), c.fromSeatOne ? TableSeat::Second : TableSeat::First);
        // Table 9 plays on.
        EXPECT_TRUE(tables.server.Playing(9));
        while (other1.Step(tables) || other2.Step(tables)) {
        }
        EXPECT_EQ(tables.board.RecentResults().back().end, GameEnd::Played);
        EXPECT_EQ(tables.board.RecentResults().back().table, 9);
    }
}

TEST(TableServer, TheSilentSeatLosesOnTime) {
    Tables tables;
    auto [one, two] = Dealt(tables, 2);
    // Seat 1 must begin within the clock and its grace.
    tables.now = ClockLimit - 1;
    tables.server.Tick(tables.now);
    tables.Pump();
    EXPECT_TRUE(tables.server.Playing(2));
    one.Step(tables);
    // The begin restarted the clock, now seat 2's: it never moves.
    tables.now += ClockLimit - 1;
    tables.server.Tick(tables.now);
    EXPECT_TRUE(tables.server.Playing(2));
    EXPECT_EQ(tables.server.NextDeadline(), tables.now + 1);
    tables.now += 1;
    tables.server.Tick(tables.now);
    tables.Pump();
    EXPECT_EQ(tables.Taken(21), Frame("TOut", '2'));
    EXPECT_EQ(tables.Taken(22).substr(net::TableDealSize), Frame("hbegin", '1') + Frame("e", '2'));
    const TableResult& result = tables.board.RecentResults().back();
    EXPECT_EQ(result.end, GameEnd::TimeOut);
    EXPECT_EQ(result.Winner(), TableSeat::First);
}

TEST(TableServer, ATurnLastsAFewClocksHoweverManySelectionsItHolds) {
    // A deal where seat 2 opens with a capture, so that it has a selection to
    // click on and off.
    for (std::uint32_t seed = 1;; ++seed) {
        ASSERT_LT(seed, 100u);
        Tables tables;
        tables.random = SeededRandom(seed);
        auto [one, two] = Dealt(tables, 8);
        one.Step(tables);
        two.game.Feed(tables.Taken(82));
        while (!std::holds_alternative<net::NeedMore>(two.game.Next())) {
        }
        const std::vector<Move> capture = two.game.ComputerChoice();
        if (capture.size() < 3)
            continue;
        tables.Say(82, *two.game.Play(capture[0]));
        const int place = capture[1].tablePlace;
        const Millis turnStart = tables.now;
        while (tables.server.Playing(8)) {
            tables.now += 20 * Second; // within the clock each time
            tables.server.Tick(tables.now);
            tables.Pump();
            if (tables.server.Playing(8))
                tables.Say(82, Frame("hsell" + std::to_string(place), '2'));
        }
        EXPECT_GE(tables.now - turnStart, 3 * net::MoveClockSeconds * Second);
        EXPECT_EQ(tables.board.RecentResults().back().end, GameEnd::TimeOut);
        EXPECT_EQ(tables.board.RecentResults().back().loser, TableSeat::Second);
        return;
    }
}

TEST(TableServer, ASeatLeavingMidGameLoses) {
    for (const bool saysSo : {false, true}) {
        Tables tables;
        auto [one, two] = Dealt(tables, 3);
        one.Step(tables);
        two.Step(tables);
        if (saysSo)
            tables.Say(32, Frame("disA", '2'));
        else
            tables.server.Closed(32, tables.now);
        tables.Pump();
        one.Step(tables);
        EXPECT_EQ(one.events.back(),
                  net::SeatEvent(net::GameClosed{net::GameClosed::Why::OpponentLeft}));
        EXPECT_EQ(tables.board.RecentResults().back().end, GameEnd::Left);
        EXPECT_EQ(tables.board.RecentResults().back().Winner(), TableSeat::First);
        EXPECT_EQ(tables.board.Occupant(3, TableSeat::Second), std::nullopt);
    }
}

TEST(TableServer, AfterTheGameSeatOneConfirmsOrItsClockCloses) {
    Tables tables;
    auto [one, two] = Dealt(tables, 6);
    // Play the game out without seat 1's confirmation.
    for (bool moved = true; moved;) {
        moved = false;
        for (Player* p : {&one, &two}) {
            p->game.Feed(tables.Taken(p->id));
            while (!std::holds_alternative<net::NeedMore>(p->game.Next())) {
            }
            for (const Move& move : p->game.ComputerChoice()) {
                tables.Say(p->id, *p->game.Play(move));
                moved = true;
            }
        }
    }
    ASSERT_TRUE(tables.server.Game(6).GameOver);
    // Seat 2 leaving now takes nothing from seat 1.
    tables.server.Closed(62, tables.now);
    tables.Pump();
    EXPECT_EQ(tables.Taken(61), "");
    EXPECT_EQ(tables.board.GamesRecorded(), 0);
    tables.now += ClockLimit;
    tables.server.Tick(tables.now);
    tables.Pump();
    EXPECT_EQ(tables.Taken(61), Frame("e", '1'));
    EXPECT_EQ(tables.board.RecentResults().back().end, GameEnd::Played);
    EXPECT_EQ(tables.board.RecentResults().back().seatOneResult,
              net::SeatOneResult(one.game.Game(), TableSeat::First));
}

TEST(TableServer, AConnectionThatNeverNamesItsSeatIsClosed) {
    Tables tables;
    tables.Open(1, 1);
    tables.Say(1, "conn");
    tables.now += 10 * Second;
    tables.server.Tick(tables.now);
    tables.Pump();
    EXPECT_TRUE(tables.closed.contains(1));
}

} // namespace
} // namespace tavlira::table
