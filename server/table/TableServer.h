#pragma once
// The table server's core: the ten tournament tables, their seats and games,
// with no sockets and no clock of its own. The socket loop hands it what
// happens on each connection, with the time, and carries out the sends and
// closes it asks for (TakeActions), in order.
//
// A table's life: seat 1 connects ("connect1"), then seat 2; with both
// seats there the server deals and sends the deal to both. From then on each
// seat's frames are checked and replayed on the server's own copy of the
// game, with the game's own rules, and relayed to the other seat. The game is
// closed, its result reported to the seat board, both seats told ("e", "a"
// or "TOut") and both connections closed, when:
// - seat 1 confirms the end of a game played out ("o"), or leaves it, or its
//   clock for the confirmation runs out: the scored result stands;
// - a seat's move clock runs out: it loses;
// - a seat leaves during the game: it loses;
// - a seat sends what the server refuses (an illegal or out-of-turn move, a
//   frame whose seat digit is not its own, a frame out of its moment, bytes
//   that are no frame): it loses. No other table is affected.
//
// The move clock: the seat to move (seat 1 before the begin and for the
// confirmation) has the clock's seconds plus a grace for the way over the
// network; the clock restarts with every move, as it does on the seats'
// machines. A selection clicked on and off again is a move too, so one turn
// as a whole is held to a few clocks: otherwise a seat could keep its
// opponent waiting for ever.

#include "game/GameState.h"
#include "game/Random.h"
#include "net/TableReceiver.h"
#include "table/SeatBoard.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tavlira::table {

// Milliseconds of a steady clock.
using Millis = std::int64_t;
using ConnectionId = std::uint64_t;

struct TableServerOptions {
    int clockSeconds = net::MoveClockSeconds;
    Millis graceMillis = 3000;
    // The most clocks one turn may last, however many moves it holds.
    int turnClocks = 3;
    // How long a connection may stay without naming its seat.
    Millis connectMillis = 10000;
};

struct SendBytes {
    ConnectionId to = 0;
    std::string bytes;
    friend bool operator==(const SendBytes&, const SendBytes&) = default;
};
// Close the connection once what was sent to it has gone out.
struct CloseConnection {
    ConnectionId id = 0;
    friend bool operator==(const CloseConnection&, const CloseConnection&) = default;
};
using ServerAction = std::variant<SendBytes, CloseConnection>;

class TableServer {
  public:
    TableServer(SeatBoard& board, RandomSource& random, TableServerOptions options = {});

    // A connection arrived on the port of `table` (1..TableCount).
    void Opened(ConnectionId id, int table, std::string peerAddress, Millis now);
    void Received(ConnectionId id, std::string_view bytes, Millis now);
    // The peer closed the connection, or it failed. A connection the server
    // itself closed is already forgotten.
    void Closed(ConnectionId id, Millis now);
    // Runs the clocks.
    void Tick(Millis now);
    // The earliest moment Tick has something to do.
    std::optional<Millis> NextDeadline() const;

    std::vector<ServerAction> TakeActions();

    long long FramesRelayed() const { return framesRelayed_; }
    long long GamesDealt() const { return gamesDealt_; }
    bool Playing(int table) const;
    const GameState& Game(int table) const;

  private:
    struct Table {
        std::array<std::optional<ConnectionId>, 2> seats;
        bool playing = false; // dealt and not yet closed
        GameState game;       // as table seat 1 sees it
        Millis deadline = 0;  // of the running clock, while playing
        int turn = 0;         // which turn the clock runs for (TurnKey)
        Millis turnStart = 0; // when that turn began
    };
    struct Connection {
        int table = 1;
        std::string address;
        std::optional<TableSeat> seat;
        net::TableReceiver receiver{net::TableEnd::Server};
        Millis connectBy = 0;
    };

    Table& TableOf(const Connection& connection) { return tables_[connection.table - 1]; }
    std::optional<ConnectionId>& SeatSlot(Table& table, TableSeat seat);

    void Handle(ConnectionId id, const net::TableFrame& frame, Millis now);
    void OnConnect(ConnectionId id, const net::TableFrame& frame, Millis now);
    void OnMove(ConnectionId id, const net::TableFrame& frame, Millis now);
    void OnChat(ConnectionId id, const net::TableFrame& frame);
    void OnTimeOut(ConnectionId id, const net::TableFrame& frame);
    void OnResult(ConnectionId id, const net::TableFrame& frame);
    void OnLeave(ConnectionId id);

    void Deal(Table& table, Millis now);
    void RestartClock(Table& table, Millis now);
    void Refuse(ConnectionId id);
    void SeatGone(ConnectionId id);
    void CloseGame(Table& table, GameEnd end, std::optional<TableSeat> loser);
    void Send(ConnectionId to, std::string bytes);
    void Drop(ConnectionId id);

    SeatBoard& board_;
    RandomSource& random_;
    TableServerOptions options_;
    std::array<Table, net::TableCount> tables_;
    std::map<ConnectionId, Connection> connections_;
    std::vector<ServerAction> actions_;
    long long framesRelayed_ = 0;
    long long gamesDealt_ = 0;
};

} // namespace tavlira::table
