#include "table/TableListener.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <random>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace tavlira::table {
namespace {

constexpr std::size_t ReadSize = 2048;
constexpr std::int64_t CloseGraceMillis = 5000;
constexpr int IdlePollMillis = 1000;

int ListenOn(const in_addr& address, int port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    const int yes = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(static_cast<std::uint16_t>(port));
    where.sin_addr = address;
    if (bind(fd, reinterpret_cast<const sockaddr*>(&where), sizeof where) != 0 ||
        listen(fd, 64) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

std::string PeerAddress(const sockaddr_in& peer) {
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &peer.sin_addr, text, sizeof text);
    return text;
}

} // namespace

std::int64_t NowMillis() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::int64_t NowMicros() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

void RelayTimes::Add(std::int64_t micros) {
    const auto bucket = static_cast<std::size_t>(std::max<std::int64_t>(0, micros) / BucketMicros);
    ++buckets_[std::min(bucket, Buckets - 1)];
    ++count_;
}

std::int64_t RelayTimes::Quantile(double fraction) const {
    const auto wanted = static_cast<long long>(fraction * static_cast<double>(count_));
    long long seen = 0;
    for (std::size_t bucket = 0; bucket < Buckets; ++bucket) {
        seen += buckets_[bucket];
        if (seen > wanted || (seen == count_ && seen > 0))
            return static_cast<std::int64_t>(bucket + 1) * BucketMicros;
    }
    return 0;
}

TableListener::TableListener(TableServer& server, const std::string& address, int basePort)
    : server_(server) {
    if (basePort < 0 || basePort + net::TableCount > 65535)
        throw std::runtime_error("base port out of range");
    if (basePort != 0) {
        if (!ListenAll(address, basePort))
            throw std::runtime_error(
                "cannot listen on " + address + " ports " + std::to_string(basePort + 1) + ".." +
                std::to_string(basePort + net::TableCount) + ": " + std::strerror(errno));
    } else {
        // Any free run of ten ports among the unprivileged, ephemeral-free ones.
        std::mt19937 pick{std::random_device{}()};
        for (int attempt = 0; attempt < 200 && listeners_.empty(); ++attempt)
            ListenAll(address, 20000 + static_cast<int>(pick() % 12000));
        if (listeners_.empty())
            throw std::runtime_error("no free run of ports found on " + address);
    }
    if (pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0) {
        const std::string reason = std::strerror(errno);
        for (const int fd : listeners_)
            close(fd);
        throw std::runtime_error("pipe: " + reason);
    }
}

TableListener::~TableListener() {
    for (const int fd : wake_)
        if (fd >= 0)
            close(fd);
    for (const int fd : listeners_)
        close(fd);
    for (const auto& [fd, client] : clients_)
        close(fd);
}

bool TableListener::ListenAll(const std::string& address, int basePort) {
    in_addr where{};
    if (inet_pton(AF_INET, address.c_str(), &where) != 1)
        throw std::runtime_error("not an IPv4 address: " + address);
    std::vector<int> opened;
    for (int table = 1; table <= net::TableCount; ++table) {
        const int fd = ListenOn(where, basePort + table);
        if (fd < 0) {
            const int error = errno;
            for (const int done : opened)
                close(done);
            errno = error;
            return false;
        }
        opened.push_back(fd);
    }
    listeners_ = std::move(opened);
    basePort_ = basePort;
    return true;
}

void TableListener::Stop() {
    stopping_ = true;
    const char byte = 0;
    (void)!write(wake_[1], &byte, 1);
}

void TableListener::Run() {
    const volatile std::sig_atomic_t never = 0;
    volatile std::sig_atomic_t noReport = 0;
    Run(never, noReport);
}

void TableListener::Run(const volatile std::sig_atomic_t& stop,
                        volatile std::sig_atomic_t& report) {
    std::vector<pollfd> polled;
    while (!stop && !stopping_) {
        if (report) {
            report = 0;
            const std::string figures = Figures();
            (void)!write(STDOUT_FILENO, figures.data(), figures.size());
        }
        polled.clear();
        for (const int fd : listeners_)
            polled.push_back({fd, POLLIN, 0});
        polled.push_back({wake_[0], POLLIN, 0});
        for (const auto& [fd, client] : clients_) {
            const short events = static_cast<short>(POLLIN | (client.unsent.empty() ? 0 : POLLOUT));
            polled.push_back({fd, events, 0});
        }
        std::int64_t wait = IdlePollMillis;
        const std::int64_t now = NowMillis();
        if (const auto deadline = server_.NextDeadline())
            wait = std::clamp<std::int64_t>(*deadline - now, 0, wait);
        for (const auto& [fd, client] : clients_)
            if (client.closing)
                wait = std::clamp<std::int64_t>(client.closeBy - now, 0, wait);
        if (poll(polled.data(), polled.size(), static_cast<int>(wait)) < 0 && errno != EINTR)
            throw std::runtime_error(std::string("poll: ") + std::strerror(errno));

        for (std::size_t i = 0; i < polled.size(); ++i) {
            const pollfd& entry = polled[i];
            if (entry.revents == 0)
                continue;
            if (i < listeners_.size()) {
                Accept(entry.fd, static_cast<int>(i) + 1);
                continue;
            }
            if (i == listeners_.size())
                continue; // woken by Stop
            if (!clients_.contains(entry.fd))
                continue; // closed while handling an earlier socket
            if (entry.revents & (POLLIN | POLLHUP | POLLERR))
                Read(entry.fd);
            if (clients_.contains(entry.fd) && (entry.revents & POLLOUT))
                Write(entry.fd);
        }
        server_.Tick(NowMillis());
        CarryOut(-1);
        std::vector<int> overdue;
        for (const auto& [fd, client] : clients_)
            if (client.closing && NowMillis() >= client.closeBy)
                overdue.push_back(fd);
        for (const int fd : overdue)
            Close(fd);
    }
}

void TableListener::Accept(int listener, int table) {
    sockaddr_in peer{};
    socklen_t size = sizeof peer;
    const int fd =
        accept4(listener, reinterpret_cast<sockaddr*>(&peer), &size, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0)
        return;
    if (clients_.size() >= ConnectionLimit) {
        close(fd);
        return;
    }
    // Frames are small and each one waits for an answer: send them at once.
    const int yes = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
    // The kernel keeps little for a client as well, so that one that reads
    // nothing soon shows as such.
    const int sendBuffer = static_cast<int>(SendLimit);
    setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &sendBuffer, sizeof sendBuffer);
    const ConnectionId id = nextId_++;
    clients_[fd] = Client{id, {}, false, false, 0};
    fds_[id] = fd;
    server_.Opened(id, table, PeerAddress(peer), NowMillis());
    CarryOut(-1);
}

void TableListener::Read(int fd) {
    char buffer[ReadSize];
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    Client& client = clients_.at(fd);
    if (client.closing) {
        // Drained and dropped: the core is done with this connection.
        if (got <= 0)
            Close(fd);
        return;
    }
    if (got <= 0) {
        server_.Closed(client.id, NowMillis());
        Close(fd);
        CarryOut(-1);
        return;
    }
    const std::int64_t readAt = NowMicros();
    server_.Received(client.id, std::string_view(buffer, static_cast<std::size_t>(got)),
                     NowMillis());
    CarryOut(readAt);
}

void TableListener::Write(int fd) {
    Client& client = clients_.at(fd);
    while (!client.unsent.empty()) {
        const ssize_t sent = send(fd, client.unsent.data(), client.unsent.size(), MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EAGAIN || errno == EINTR)
                return;
            const bool wasClosing = client.closing;
            const ConnectionId id = client.id;
            Close(fd);
            if (!wasClosing)
                server_.Closed(id, NowMillis());
            return;
        }
        client.unsent.erase(0, static_cast<std::size_t>(sent));
    }
    if (client.closing)
        Finish(fd);
}

// Ends what the server sends, then waits (up to the close grace) for the
// client to close its side, reading what it still sends. Closing at once
// while its bytes lie unread would reset the connection, and the client
// would lose the last frames sent to it: the one that tells it how its game
// ended.
void TableListener::Finish(int fd) {
    Client& client = clients_.at(fd);
    if (!client.shutDown)
        shutdown(fd, SHUT_WR);
    client.shutDown = true;
}

// Sends and closes what the core asked for, in its order. `readAt` is when
// the bytes that led to these actions were read, or -1.
void TableListener::CarryOut(std::int64_t readAt) {
    for (;;) {
        std::vector<ServerAction> actions = server_.TakeActions();
        if (actions.empty())
            return;
        for (ServerAction& action : actions) {
            if (auto* send = std::get_if<SendBytes>(&action)) {
                const int fd = FdOf(send->to);
                if (fd < 0)
                    continue;
                Client& client = clients_.at(fd);
                client.unsent += send->bytes;
                Write(fd);
                if (readAt >= 0)
                    relayTimes_.Add(NowMicros() - readAt);
                if (clients_.contains(fd) && clients_.at(fd).unsent.size() > SendLimit) {
                    // A client that reads nothing must not hold the server up.
                    const ConnectionId id = clients_.at(fd).id;
                    Close(fd);
                    server_.Closed(id, NowMillis());
                }
            } else {
                const int fd = FdOf(std::get<CloseConnection>(action).id);
                if (fd < 0)
                    continue;
                Client& client = clients_.at(fd);
                client.closing = true;
                client.closeBy = NowMillis() + CloseGraceMillis;
                if (client.unsent.empty())
                    Finish(fd);
            }
        }
    }
}

void TableListener::Close(int fd) {
    const auto found = clients_.find(fd);
    if (found == clients_.end())
        return;
    fds_.erase(found->second.id);
    clients_.erase(found);
    close(fd);
}

int TableListener::FdOf(ConnectionId id) const {
    const auto found = fds_.find(id);
    return found == fds_.end() ? -1 : found->second;
}

std::string TableListener::Figures() const {
    return "games.dealt=" + std::to_string(server_.GamesDealt()) + "\n" +
           "frames.relayed=" + std::to_string(server_.FramesRelayed()) + "\n" +
           "relay.p50.us=" + std::to_string(relayTimes_.Quantile(0.50)) + "\n" +
           "relay.p99.us=" + std::to_string(relayTimes_.Quantile(0.99)) + "\n" +
           "connections=" + std::to_string(clients_.size()) + "\n";
}

} // namespace tavlira::table
