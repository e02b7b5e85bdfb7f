#include "sim/TableCommand.h"

#include "game/Scoring.h"
#include "net/TableSeatGame.h"
#include "sim/Arguments.h"
#include "sim/Level.h"
#include "sim/MoveLogFolder.h"
#include "sim/TcpConnection.h"

#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace tavlira::sim {
namespace {

using net::GameClosed;
using net::TableSeat;

// How long a seat waits for its place (seat 2 while seat 1 is not there).
constexpr auto SeatWait = std::chrono::seconds(60);
constexpr auto ConnectTimeout = std::chrono::seconds(5);
constexpr auto ServerSilence = std::chrono::minutes(2);
// The pause before asking again for a refused seat: short at first, since
// seat 1 is usually a moment away, then longer.
constexpr auto FirstRetryPause = std::chrono::milliseconds(10);
constexpr auto LongestRetryPause = std::chrono::milliseconds(200);

struct Totals {
    int games = 0;
    int won = 0;
    int lost = 0;
    int drawn = 0;
    int timeOuts = 0; // games won because the opponent's clock ran out
    int left = 0;     // games won because the opponent left
    int closed = 0;   // games the server closed against this seat mid-game
    long long ownPoints = 0;
    long long opponentPoints = 0;
    long long framesSent = 0;
    long long messagesReceived = 0;
};

struct Options {
    std::string address;
    int basePort = 0;
    int table = 1;
    TableSeat seat = TableSeat::First;
    int stallAfter = -1; // own moves before falling silent; -1 never
    int leaveAfter = -1; // own moves before leaving; -1 never
    // The expert's options with --level expert; the classic opponent's choices without.
    std::optional<engine::ExpertOptions> expert;
    std::optional<std::string> log; // the folder of the move logs
};

class HeadlessSeat {
  public:
    HeadlessSeat(const Options& options, Totals& totals)
        : options_(options), totals_(totals),
          logs_(LogFolderOption(options.log, "table-" + std::to_string(options.table) + "-seat-" +
                                                 std::to_string(static_cast<int>(options.seat)))) {}

    // Plays one game from taking the seat to its close.
    void PlayGame() {
        net::TableSeatGame table(options_.seat);
        const auto giveUp = std::chrono::steady_clock::now() + SeatWait;
        TakeSeat(table, giveUp);
        bool dealt = false;
        auto retryPause = std::chrono::milliseconds(FirstRetryPause);
        int ownMoves = 0;
        std::string bytes;
        for (;;) {
            for (net::SeatEvent event = table.Next(); !std::holds_alternative<net::NeedMore>(event);
                 event = table.Next()) {
                ++totals_.messagesReceived;
                dealt = dealt || std::holds_alternative<net::GameDealt>(event);
                if (logs_ && std::holds_alternative<net::GameDealt>(event))
                    logs_->Recorder().GameDealt(table.Game());
                if (const auto* moved = std::get_if<net::OpponentMoved>(&event); moved && logs_)
                    logs_->Recorder().MoveMade(table.Game(), OpponentSeat, moved->move);
                if (const auto* end = std::get_if<net::Disconnect>(&event))
                    throw std::runtime_error("the table server sent " +
                                             std::string(net::FaultName(end->fault)));
                if (const auto* closed = std::get_if<GameClosed>(&event)) {
                    Count(table.Game(), closed->why);
                    socket_->Close();
                    return;
                }
            }
            if (options_.leaveAfter >= 0 && ownMoves >= options_.leaveAfter && table.Running()) {
                socket_->Close();
                ++totals_.games;
                ++totals_.lost;
                return;
            }
            if (options_.stallAfter < 0 || ownMoves < options_.stallAfter)
                ownMoves += MakeMoves(table);
            bytes.clear();
            const auto read = socket_->Receive(bytes, Clock::now() + ServerSilence);
            if (read == TcpConnection::Read::Closed && !dealt) {
                // The seat was refused (seat 1 is not there yet): ask again.
                std::this_thread::sleep_for(retryPause);
                retryPause = std::min(2 * retryPause, LongestRetryPause);
                TakeSeat(table, giveUp);
                continue;
            }
            if (read == TcpConnection::Read::Closed)
                throw std::runtime_error("the table server closed the connection mid-game");
            if (read == TcpConnection::Read::TimedOut)
                throw std::runtime_error("the table server said nothing for two minutes");
            if (read == TcpConnection::Read::Interrupted)
                throw std::runtime_error("interrupted");
            table.Feed(bytes);
        }
    }

  private:
    // Connects and names the seat; whether the server keeps the seat shows
    // in what follows (a deal, or a close).
    void TakeSeat(net::TableSeatGame& table, std::chrono::steady_clock::time_point giveUp) {
        if (std::chrono::steady_clock::now() >= giveUp)
            throw std::runtime_error("no seat at the table within a minute");
        const int port = options_.basePort + options_.table;
        std::string why;
        socket_ = TcpConnection::Connect(options_.address, static_cast<std::uint16_t>(port),
                                         Clock::now() + ConnectTimeout, why);
        if (!socket_)
            throw std::runtime_error("cannot reach the table server at " + options_.address + ":" +
                                     std::to_string(port) + ": " + why);
        if (!Send(table.ConnectFrameBytes()))
            throw std::runtime_error("the table server closed the connection at once");
    }

    // This seat's moves now; returns how many went out.
    int MakeMoves(net::TableSeatGame& table) {
        if (!table.Running())
            return 0;
        const int sent = SendMoves(table, Choice(table));
        if (const auto frame = table.ConfirmEnd())
            Send(*frame);
        return sent;
    }

    // This seat's moves now, by its level.
    std::vector<tavlira::Move> Choice(const net::TableSeatGame& table) const {
        const GameState& game = table.Game();
        if (!options_.expert || !engine::MayBeginTurn(game, LocalSeat))
            return table.ComputerChoice();
        return engine::MovesFor(game, LocalSeat,
                                engine::ExpertTurn(game, LocalSeat, *options_.expert));
    }

    int SendMoves(net::TableSeatGame& table, const std::vector<tavlira::Move>& moves) {
        int sent = 0;
        for (const tavlira::Move& move : moves) {
            const auto frame = table.Play(move);
            if (frame && logs_)
                logs_->Recorder().MoveMade(table.Game(), LocalSeat, move);
            if (!frame || !Send(*frame))
                break;
            ++sent;
        }
        return sent;
    }

    bool Send(const std::string& frame) {
        ++totals_.framesSent;
        return socket_->Send(frame);
    }

    void Count(const GameState& game, GameClosed::Why why) {
        ++totals_.games;
        if (why != GameClosed::Why::Closed) {
            ++totals_.won;
            ++(why == GameClosed::Why::OpponentLeft ? totals_.left : totals_.timeOuts);
            return;
        }
        if (!game.GameOver) {
            // Closed during the game: this seat lost it (its clock ran out,
            // or the server refused a frame).
            ++totals_.lost;
            ++totals_.closed;
            return;
        }
        const GamePoints points = ScoreGame(game);
        totals_.ownPoints += points.seat2;
        totals_.opponentPoints += points.seat1;
        ++(points.seat2 > points.seat1   ? totals_.won
           : points.seat2 < points.seat1 ? totals_.lost
                                         : totals_.drawn);
    }

    const Options& options_;
    Totals& totals_;
    std::optional<TcpConnection> socket_;
    std::unique_ptr<MoveLogFolder> logs_;
};

// Whether `address` is an IPv4 address in dotted decimal (a seat names its
// server by address, never by a name to look up).
bool IsIpv4Address(const std::string& address) {
    in_addr parsed{};
    return inet_pton(AF_INET, address.c_str(), &parsed) == 1;
}

Options ReadOptions(const std::vector<std::string>& args, int& games) {
    const Arguments a(
        args, {"server", "table", "seat", "games", "stall-after", "leave-after", "level", "log"},
        {});
    Options options;
    const std::string& server = a.Text("server");
    const std::size_t colon = server.rfind(':');
    if (colon == std::string::npos || colon == 0)
        throw UsageError("--server wants ADDRESS:BASEPORT");
    options.address = server.substr(0, colon);
    if (!IsIpv4Address(options.address))
        throw UsageError("--server wants an IPv4 address, not '" + options.address + "'");
    const std::vector<std::string> port = {"--port", server.substr(colon + 1)};
    options.basePort = static_cast<int>(Arguments(port, {"port"}, {}).Number("port", 0, 65525));
    options.table = static_cast<int>(a.Number("table", 1, net::TableCount));
    options.seat = static_cast<TableSeat>(a.Number("seat", 1, 2));
    games = a.Has("games") ? static_cast<int>(a.Number("games", 1, 1'000'000)) : 1;
    if (a.Has("stall-after"))
        options.stallAfter = static_cast<int>(a.Number("stall-after", 0, 1000));
    if (a.Has("leave-after"))
        options.leaveAfter = static_cast<int>(a.Number("leave-after", 0, 1000));
    options.expert = ReadLevel(a);
    options.log = a.Optional("log");
    return options;
}

} // namespace

void TableCommand(const std::vector<std::string>& args, std::ostream& out) {
    int games = 1;
    const Options options = ReadOptions(args, games);
    Totals totals;
    HeadlessSeat seat(options, totals);
    for (int game = 0; game < games; ++game)
        seat.PlayGame();
    out << "games=" << totals.games << '\n'
        << "won=" << totals.won << '\n'
        << "lost=" << totals.lost << '\n'
        << "drawn=" << totals.drawn << '\n'
        << "ends.timeout=" << totals.timeOuts << '\n'
        << "ends.left=" << totals.left << '\n'
        << "ends.closed=" << totals.closed << '\n'
        << "points.own=" << totals.ownPoints << '\n'
        << "points.opponent=" << totals.opponentPoints << '\n'
        << "frames.sent=" << totals.framesSent << '\n'
        << "messages.received=" << totals.messagesReceived << '\n';
}

} // namespace tavlira::sim
