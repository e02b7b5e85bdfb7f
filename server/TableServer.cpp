#include "TableServer.h"

#include "game/Deal.h"
#include "game/Random.h"
#include "net/DuelRules.h"

#include <arpa/inet.h>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <optional>
#include <poll.h>
#include <random>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace tavlira::server {
namespace {

// A connection that has not said which seat it is within this time is closed.
constexpr long long ConnectSeconds = 30;
// Connections at once; while this many are open no new one is taken (the
// system keeps them waiting), so running out of file descriptors cannot
// turn the accept loop into a busy loop.
constexpr std::size_t ConnectionLimit = 256;
// Bytes waiting for a peer that does not read are capped.
constexpr std::size_t OutLimit = 64 * 1024;

long long Now() {
    using namespace std::chrono;
    return duration_cast<seconds>(steady_clock::now().time_since_epoch()).count();
}

std::string_view PayloadOf(std::string_view frame) {
    return frame.substr(0, std::min(frame.find('#'), TableServer::FrameSize - 1));
}

bool IsMove(std::string_view payload) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (payload == "hbegin" || payload == "htake")
        return true;
    if (payload.size() == 7 && payload.starts_with("hputs"))
        return digit(payload[5]) && digit(payload[6]);
    if (payload.size() == 6 && payload.starts_with("hsell"))
        return digit(payload[5]);
    return false;
}

} // namespace

TableServer::TableServer(Storage& storage, std::string host, int firstPort)
    : storage_(storage), host_(std::move(host)), firstPort_(firstPort) {
    for (int& listener : listeners_)
        listener = -1;
}

TableServer::~TableServer() {
    for (const int listener : listeners_)
        if (listener >= 0)
            ::close(listener);
    for (const auto& [fd, connection] : connections_)
        ::close(fd);
    for (const int fd : wake_)
        if (fd >= 0)
            ::close(fd);
}

std::string TableServer::ServerFrame(std::string_view payload) {
    std::string frame(payload.substr(0, FrameSize - 1));
    frame.resize(FrameSize - 1, '#');
    return frame + '0';
}

bool TableServer::Bind() {
    if (::pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    for (int t = 1; t <= Tables; ++t) {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd < 0)
            return false;
        listeners_[t - 1] = fd;
        const int yes = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(firstPort_ + t - 1));
        if (::inet_pton(AF_INET, host_.c_str(), &address.sin_addr) != 1 ||
            ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(fd, SOMAXCONN) != 0)
            return false;
    }
    return true;
}

void TableServer::Stop() {
    stopping_ = true;
    if (wake_[1] >= 0) {
        const char byte = 0;
        [[maybe_unused]] const auto written = ::write(wake_[1], &byte, 1);
    }
}

void TableServer::Run() {
    while (!stopping_) {
        std::vector<pollfd> polls;
        polls.push_back({wake_[0], POLLIN, 0});
        const bool room = connections_.size() < ConnectionLimit;
        for (const int listener : listeners_)
            polls.push_back({room ? listener : -1, POLLIN, 0});
        for (const auto& [fd, c] : connections_)
            polls.push_back({fd, static_cast<short>(POLLIN | (c.out.empty() ? 0 : POLLOUT)), 0});
        if (::poll(polls.data(), polls.size(), 1000) < 0 && errno != EINTR)
            break;
        for (std::size_t i = 1; i <= Tables; ++i)
            if (polls[i].fd >= 0 && polls[i].revents & POLLIN)
                Accept(polls[i].fd, static_cast<int>(i));
        for (std::size_t i = Tables + 1; i < polls.size(); ++i) {
            const int fd = polls[i].fd;
            if (polls[i].revents & POLLOUT && connections_.count(fd))
                Write(fd);
            if (polls[i].revents & (POLLIN | POLLHUP | POLLERR) && connections_.count(fd))
                Read(fd);
        }
        // Connections that never said which seat they are.
        std::vector<int> idle;
        for (const auto& [fd, c] : connections_)
            if (c.seat == 0 && Now() - c.acceptedAt > ConnectSeconds)
                idle.push_back(fd);
        for (const int fd : idle)
            Close(fd, false);
    }
}

void TableServer::Accept(int listener, int table) {
    sockaddr_in peer{};
    socklen_t size = sizeof peer;
    const int fd = ::accept4(listener, reinterpret_cast<sockaddr*>(&peer), &size,
                             SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0)
        return;
    const int yes = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &peer.sin_addr, text, sizeof text);
    Connection& c = connections_[fd];
    c.table = table;
    c.address = text;
    c.acceptedAt = Now();
}

void TableServer::Read(int fd) {
    char buffer[4096];
    const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
    if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR)) {
        Close(fd, true);
        return;
    }
    if (got < 0)
        return;
    std::string& in = connections_[fd].in;
    in.append(buffer, static_cast<std::size_t>(got));
    while (connections_.count(fd) && connections_[fd].in.size() >= FrameSize) {
        const std::string frame = connections_[fd].in.substr(0, FrameSize);
        connections_[fd].in.erase(0, FrameSize);
        Frame(fd, frame);
    }
}

void TableServer::Write(int fd) {
    std::string& out = connections_[fd].out;
    const ssize_t sent = ::send(fd, out.data(), out.size(), MSG_NOSIGNAL);
    if (sent > 0)
        out.erase(0, static_cast<std::size_t>(sent));
    else if (errno != EAGAIN && errno != EINTR)
        Close(fd, true);
}

void TableServer::Send(int fd, std::string_view bytes) {
    if (fd < 0 || !connections_.count(fd))
        return;
    std::string& out = connections_[fd].out;
    out.append(bytes);
    if (out.size() > OutLimit)
        Close(fd, true);
}

void TableServer::Frame(int fd, std::string_view frame) {
    Connection& c = connections_[fd];
    Table& table = tables_[c.table];
    const std::string_view payload = PayloadOf(frame);
    const char seatDigit = frame[FrameSize - 1];

    if (c.seat == 0) {
        // "connect" + seat, from the address the web service seated there.
        const bool connect = payload.size() == 8 && payload.starts_with("connect") &&
                             (payload[7] == '1' || payload[7] == '2') && payload[7] == seatDigit;
        const int seat = connect ? payload[7] - '0' : 0;
        if (!connect || table.seats[seat] >= 0 ||
            storage_.ReadSeat(c.table, seat).address != c.address) {
            Close(fd, false);
            return;
        }
        c.seat = seat;
        table.seats[seat] = fd;
        if (table.seats[1] >= 0 && table.seats[2] >= 0 && !table.running)
            Deal(table);
        return;
    }

    const int other = table.seats[3 - c.seat];
    if (seatDigit != static_cast<char>('0' + c.seat)) {
        Close(fd, true);
    } else if (payload.starts_with("h") && IsMove(payload)) {
        if (table.running)
            Send(other, frame);
    } else if (payload.starts_with("s")) {
        Send(other, frame);
    } else if (payload == "disA") {
        Close(fd, true);
    } else if (payload == "TOut") {
        if (table.running)
            Send(other, ServerFrame("T"));
        table.running = false;
    } else if (payload.starts_with("o") && c.seat == 1) {
        if (table.running)
            BookResult(c.table, frame);
    } else {
        Close(fd, true); // no frame of this game
    }
}

void TableServer::Deal(Table& table) {
    GameState state;
    std::random_device device;
    SeededRandom random(device());
    Shuffle(state, random);
    state.FiguresHavePoints = false;
    std::string deal = net::Encode(net::DealOf(state));
    deal.pop_back(); // the duel's flag: here figures never have points
    table.running = true;
    Send(table.seats[1], deal);
    Send(table.seats[2], deal);
}

// Seat 1 reports the result: "o", its result and the result negated, each
// right-aligned in five characters. Both players' tournament results take
// it, both seats are closed with "e" and given up on the web service.
void TableServer::BookResult(int table, std::string_view frame) {
    const auto number = [&](std::size_t at) -> std::optional<int> {
        std::string_view text = frame.substr(at, 5);
        while (!text.empty() && text.front() == ' ')
            text.remove_prefix(1);
        int value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || error != std::errc{} || end != text.data() + text.size())
            return std::nullopt;
        return value;
    };
    const auto own = number(1);
    const auto negated = number(6);
    Table& t = tables_[table];
    if (!own || !negated || *own != -*negated || *own < -100 || *own > 100)
        return;
    for (int seat = 1; seat <= 2; ++seat) {
        const Seat occupant = storage_.ReadSeat(table, seat);
        if (occupant.client.Nick != "X")
            storage_.BookTourGame(occupant.client.Nick, seat == 1 ? *own : *negated);
    }
    t.running = false;
    Send(t.seats[1], ServerFrame("e"));
    Send(t.seats[2], ServerFrame("e"));
}

void TableServer::Close(int fd, bool leaving) {
    const auto found = connections_.find(fd);
    if (found == connections_.end())
        return;
    const Connection c = found->second;
    connections_.erase(found);
    ::close(fd);
    if (c.seat == 0)
        return;
    Table& table = tables_[c.table];
    table.seats[c.seat] = -1;
    // The one left behind learns that its opponent left a game under way.
    if (leaving && table.running)
        Send(table.seats[3 - c.seat], ServerFrame("a"));
    table.running = false;
    storage_.ClearSeat(c.table, c.seat);
}

} // namespace tavlira::server
