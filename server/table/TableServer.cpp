#include "table/TableServer.h"

#include "game/Deal.h"
#include "game/Play.h"
#include "net/TableRules.h"

#include <algorithm>

namespace tavlira::table {
namespace {

using net::TableFrame;

constexpr int SeatIndex(TableSeat seat) {
    return static_cast<int>(seat) - 1;
}

std::string FrameBytes(net::FramePayload payload, TableSeat seat) {
    return net::Encode(TableFrame{std::move(payload), seat});
}

// A turn: the begin, one seat's turn, or seat 1's confirmation of the end.
int TurnKey(const GameState& game) {
    const int seat = static_cast<int>(net::ClockSeat(game, TableSeat::First));
    return game.GameOver ? 10 : game.BeginState == UnderWay ? seat : 0;
}

} // namespace

TableServer::TableServer(SeatBoard& board, RandomSource& random, TableServerOptions options)
    : board_(board), random_(random), options_(options) {}

std::optional<ConnectionId>& TableServer::SeatSlot(Table& table, TableSeat seat) {
    return table.seats[static_cast<std::size_t>(SeatIndex(seat))];
}

bool TableServer::Playing(int table) const {
    return tables_[static_cast<std::size_t>(table - 1)].playing;
}

const GameState& TableServer::Game(int table) const {
    return tables_[static_cast<std::size_t>(table - 1)].game;
}

void TableServer::Opened(ConnectionId id, int table, std::string peerAddress, Millis now) {
    Connection connection;
    connection.table = std::clamp(table, 1, net::TableCount);
    connection.address = std::move(peerAddress);
    connection.connectBy = now + options_.connectMillis;
    connections_.insert_or_assign(id, std::move(connection));
}

void TableServer::Received(ConnectionId id, std::string_view bytes, Millis now) {
    auto found = connections_.find(id);
    if (found == connections_.end())
        return;
    found->second.receiver.Feed(bytes);
    for (;;) {
        // A handler may close the connection; look it up again each time.
        found = connections_.find(id);
        if (found == connections_.end())
            return;
        net::TableReceived next = found->second.receiver.Next();
        if (std::holds_alternative<net::NeedMore>(next))
            return;
        if (std::holds_alternative<net::Disconnect>(next)) {
            Refuse(id);
            return;
        }
        const auto& message = std::get<net::TableMessage>(next);
        Handle(id, std::get<TableFrame>(message), now);
    }
}

// One handler per frame a seat sends. Before its seat is named a connection
// may only name it; afterwards every frame must carry its seat's digit.
void TableServer::Handle(ConnectionId id, const TableFrame& frame, Millis now) {
    const Connection& connection = connections_.at(id);
    const bool connect = std::holds_alternative<net::ConnectFrame>(frame.payload);
    if (connection.seat.has_value() == connect ||
        (connection.seat && frame.seat != *connection.seat)) {
        Refuse(id);
        return;
    }
    std::visit(
        [&](const auto& payload) {
            using Payload = std::decay_t<decltype(payload)>;
            if constexpr (std::is_same_v<Payload, net::ConnectFrame>)
                OnConnect(id, frame, now);
            else if constexpr (std::is_same_v<Payload, net::MoveFrame>)
                OnMove(id, frame, now);
            else if constexpr (std::is_same_v<Payload, net::TableChat>)
                OnChat(id, frame);
            else if constexpr (std::is_same_v<Payload, net::TimeOutFrame>)
                OnTimeOut(id, frame);
            else if constexpr (std::is_same_v<Payload, net::ResultFrame>)
                OnResult(id, frame);
            else if constexpr (std::is_same_v<Payload, net::LeaveFrame>)
                OnLeave(id);
            else
                Refuse(id); // the receiver lets through only what a seat sends
        },
        frame.payload);
}

// "connect" + seat: the seat must be free at this table and the seat board
// must seat the player; with both seats there the game is dealt.
void TableServer::OnConnect(ConnectionId id, const TableFrame& frame, Millis now) {
    Connection& connection = connections_.at(id);
    const TableSeat seat = std::get<net::ConnectFrame>(frame.payload).seat;
    Table& table = TableOf(connection);
    if (frame.seat != seat || SeatSlot(table, seat) || table.playing ||
        board_.Sit(connection.table, seat, connection.address) != SitAnswer::Seated) {
        Drop(id);
        return;
    }
    connection.seat = seat;
    SeatSlot(table, seat) = id;
    if (table.seats[0] && table.seats[1])
        Deal(table, now);
}

void TableServer::RestartClock(Table& table, Millis now) {
    const Millis clock = options_.clockSeconds * Millis{1000};
    if (const int turn = TurnKey(table.game); turn != table.turn) {
        table.turn = turn;
        table.turnStart = now;
    }
    table.deadline =
        std::min(now + clock, table.turnStart + options_.turnClocks * clock) + options_.graceMillis;
}

void TableServer::Deal(Table& table, Millis now) {
    table.game = GameState{};
    table.game.GameCounter = 1;
    Shuffle(table.game, random_);
    const net::TableDeal deal = net::TableDealOf(table.game.Deck);
    net::StartTableGame(table.game, deal, TableSeat::First);
    table.playing = true;
    table.turn = -1;
    RestartClock(table, now);
    ++gamesDealt_;
    const std::string bytes = net::Encode(deal);
    for (const auto& seat : table.seats)
        Send(*seat, bytes);
}

// A move is replayed on the server's game before it is relayed; the game then
// makes its own due steps (a refill, the final sweep, "No move").
void TableServer::OnMove(ConnectionId id, const TableFrame& frame, Millis now) {
    Table& table = TableOf(connections_.at(id));
    const Move move = std::get<net::MoveFrame>(frame.payload).move;
    if (!table.playing || !net::TableMoveIsLegal(table.game, TableSeat::First, frame.seat, move)) {
        Refuse(id);
        return;
    }
    Outbox out;
    ApplyMove(table.game, net::GameSeatOf(frame.seat, TableSeat::First), move, out);
    net::SettleTableGame(table.game, out);
    RestartClock(table, now);
    if (const auto other = SeatSlot(table, net::OtherTableSeat(frame.seat))) {
        Send(*other, net::Encode(frame));
        ++framesRelayed_;
    }
}

void TableServer::OnChat(ConnectionId id, const TableFrame& frame) {
    Table& table = TableOf(connections_.at(id));
    if (const auto other = SeatSlot(table, net::OtherTableSeat(frame.seat))) {
        Send(*other, net::Encode(frame));
        ++framesRelayed_;
    }
}

// A seat's own clock ran out on its machine. During the game it loses (a
// seat whose clock is not running has nothing to run out); after the game
// seat 1 merely did not confirm in time, and the scored result stands.
void TableServer::OnTimeOut(ConnectionId id, const TableFrame& frame) {
    Table& table = TableOf(connections_.at(id));
    if (!table.playing || net::ClockSeat(table.game, TableSeat::First) != frame.seat) {
        Refuse(id);
        return;
    }
    if (table.game.GameOver)
        CloseGame(table, GameEnd::Played, std::nullopt);
    else
        CloseGame(table, GameEnd::TimeOut, frame.seat);
}

// Seat 1 confirms the end of the game it played out. The result it names is
// its own view; the server's copy of the game says what counts.
void TableServer::OnResult(ConnectionId id, const TableFrame& frame) {
    Table& table = TableOf(connections_.at(id));
    if (!table.playing || !table.game.GameOver || frame.seat != TableSeat::First) {
        Refuse(id);
        return;
    }
    CloseGame(table, GameEnd::Played, std::nullopt);
}

void TableServer::OnLeave(ConnectionId id) {
    SeatGone(id);
    Drop(id);
}

void TableServer::Closed(ConnectionId id, Millis) {
    if (!connections_.contains(id))
        return;
    SeatGone(id);
    connections_.erase(id);
}

// The connection broke the protocol: it loses the game it plays, if any, and
// is closed.
void TableServer::Refuse(ConnectionId id) {
    Connection& connection = connections_.at(id);
    Table& table = TableOf(connection);
    if (connection.seat && table.playing && !table.game.GameOver) {
        CloseGame(table, GameEnd::Refused, connection.seat);
        return;
    }
    SeatGone(id);
    Drop(id);
}

// A seated connection leaves its seat: during a game it loses; after a game
// played out, seat 1's leaving confirms the end, seat 2's changes nothing.
void TableServer::SeatGone(ConnectionId id) {
    Connection& connection = connections_.at(id);
    if (!connection.seat)
        return;
    Table& table = TableOf(connection);
    const TableSeat seat = *connection.seat;
    if (table.playing && !table.game.GameOver) {
        SeatSlot(table, seat).reset();
        CloseGame(table, GameEnd::Left, seat);
        return;
    }
    if (table.playing && seat == TableSeat::First) {
        SeatSlot(table, seat).reset();
        CloseGame(table, GameEnd::Played, std::nullopt);
        return;
    }
    SeatSlot(table, seat).reset();
    connection.seat.reset();
    board_.Leave(connection.table, seat);
}

// Tells each seat still there how the game closed, reports the result and
// frees the table.
void TableServer::CloseGame(Table& table, GameEnd end, std::optional<TableSeat> loser) {
    const int number = static_cast<int>(&table - tables_.data()) + 1;
    TableResult result{number, end, loser, 0};
    if (end == GameEnd::Played)
        result.seatOneResult = net::SeatOneResult(table.game, TableSeat::First);
    board_.Record(result);

    for (const TableSeat seat : {TableSeat::First, TableSeat::Second}) {
        board_.Leave(number, seat);
        const auto id = SeatSlot(table, seat);
        if (!id)
            continue;
        if (loser && seat != *loser) {
            // The winner hears why: the other seat left or ran out of time.
            Send(*id, FrameBytes(end == GameEnd::TimeOut ? net::FramePayload(net::TimeOutFrame{})
                                                         : net::FramePayload(net::LeftFrame{}),
                                 *loser));
        } else {
            Send(*id, FrameBytes(net::ClosedFrame{}, loser.value_or(TableSeat::First)));
        }
        connections_.at(*id).seat.reset();
        Drop(*id);
    }
    table = Table{};
}

void TableServer::Tick(Millis now) {
    for (Table& table : tables_) {
        if (!table.playing || now < table.deadline)
            continue;
        if (table.game.GameOver)
            CloseGame(table, GameEnd::Played, std::nullopt);
        else
            CloseGame(table, GameEnd::TimeOut, net::ClockSeat(table.game, TableSeat::First));
    }
    std::vector<ConnectionId> silent;
    for (const auto& [id, connection] : connections_)
        if (!connection.seat && now >= connection.connectBy)
            silent.push_back(id);
    for (const ConnectionId id : silent)
        Drop(id);
}

std::optional<Millis> TableServer::NextDeadline() const {
    std::optional<Millis> next;
    const auto consider = [&](Millis at) { next = next ? std::min(*next, at) : at; };
    for (const Table& table : tables_)
        if (table.playing)
            consider(table.deadline);
    for (const auto& [id, connection] : connections_)
        if (!connection.seat)
            consider(connection.connectBy);
    return next;
}

void TableServer::Send(ConnectionId to, std::string bytes) {
    actions_.push_back(SendBytes{to, std::move(bytes)});
}

// Forgets the connection and asks for it to be closed.
void TableServer::Drop(ConnectionId id) {
    connections_.erase(id);
    actions_.push_back(CloseConnection{id});
}

std::vector<ServerAction> TableServer::TakeActions() {
    return std::exchange(actions_, {});
}

} // namespace tavlira::table
