#include "sim/TcpConnection.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace tavlira::sim {
namespace {

std::string SystemReason(int error) {
    return std::strerror(error);
}

[[noreturn]] void ThrowSystem(const std::string& what) {
    throw std::runtime_error(what + ": " + SystemReason(errno));
}

enum class Wait : std::uint8_t { Ready, TimedOut, Interrupted };

// Waits for `events` on `fd` until `deadline`.
Wait WaitFor(int fd, short events, Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    pollfd watched{fd, events, 0};
    const int ready = poll(&watched, 1, static_cast<int>(std::max<long long>(left, 0)));
    if (ready < 0 && errno == EINTR)
        return Wait::Interrupted;
    if (ready < 0)
        ThrowSystem("cannot wait for the peer");
    return ready == 0 ? Wait::TimedOut : Wait::Ready;
}

// Small messages leave at once instead of waiting to be merged with the next.
void SendAtOnce(int fd) {
    const int on = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

void SetBlocking(int fd, bool blocking) {
    const int flags = fcntl(fd, F_GETFL);
    if (flags < 0 || fcntl(fd, F_SETFL, blocking ? flags & ~O_NONBLOCK : flags | O_NONBLOCK) < 0)
        ThrowSystem("cannot set up a socket");
}

// The IPv4 address of `host`, or nothing with the reason in `why`.
std::optional<in_addr> AddressOf(const std::string& host, std::string& why) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (const int error = getaddrinfo(host.c_str(), nullptr, &hints, &found); error != 0) {
        why = gai_strerror(error);
        return std::nullopt;
    }
    const in_addr address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr;
    freeaddrinfo(found);
    return address;
}

} // namespace

SocketHandle::SocketHandle(SocketHandle&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

SocketHandle& SocketHandle::operator=(SocketHandle&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

SocketHandle::~SocketHandle() {
    if (fd_ >= 0)
        ::close(fd_);
}

TcpConnection::TcpConnection(SocketHandle socket) : socket_(std::move(socket)) {
    SendAtOnce(socket_.Fd());
}

std::optional<TcpConnection> TcpConnection::Connect(const std::string& host, std::uint16_t port,
                                                    Clock::time_point deadline, std::string& why) {
    const std::optional<in_addr> address = AddressOf(host, why);
    if (!address)
        return std::nullopt;
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(port);
    peer.sin_addr = *address;

    SocketHandle socket(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!socket.Open())
        ThrowSystem("cannot make a socket");
    // Connecting without blocking lets the wait end at the deadline.
    if (::connect(socket.Fd(), reinterpret_cast<const sockaddr*>(&peer), sizeof peer) != 0) {
        if (errno != EINPROGRESS) {
            why = SystemReason(errno);
            return std::nullopt;
        }
        const Wait waited = WaitFor(socket.Fd(), POLLOUT, deadline);
        if (waited != Wait::Ready) {
            why = waited == Wait::TimedOut ? "no answer" : "interrupted";
            return std::nullopt;
        }
        int error = 0;
        socklen_t size = sizeof error;
        getsockopt(socket.Fd(), SOL_SOCKET, SO_ERROR, &error, &size);
        if (error != 0) {
            why = SystemReason(error);
            return std::nullopt;
        }
    }
    SetBlocking(socket.Fd(), true);
    return TcpConnection(std::move(socket));
}

bool TcpConnection::Send(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t sent = ::send(socket_.Fd(), bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent < 0)
            return false; // the peer has gone (EPIPE, ECONNRESET)
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

TcpConnection::Read TcpConnection::Receive(std::string& into, Clock::time_point deadline) {
    switch (WaitFor(socket_.Fd(), POLLIN, deadline)) {
    case Wait::TimedOut:
        return Read::TimedOut;
    case Wait::Interrupted:
        return Read::Interrupted;
    case Wait::Ready:
        break;
    }
    char buffer[4096];
    const ssize_t got = ::recv(socket_.Fd(), buffer, sizeof buffer, 0);
    if (got < 0 && errno == EINTR)
        return Read::Interrupted;
    if (got <= 0)
        return Read::Closed; // an orderly close, or a reset
    into.append(buffer, static_cast<std::size_t>(got));
    return Read::Data;
}

void TcpConnection::Close() {
    if (!socket_.Open())
        return;
    // Closing with unread bytes would reset the connection and could cost
    // the peer the last bytes this side sent; a short wait for the peer's
    // own close avoids that.
    ::shutdown(socket_.Fd(), SHUT_WR);
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(300);
    std::string dropped;
    while (Receive(dropped, deadline) == Read::Data)
        dropped.clear();
    socket_ = SocketHandle();
}

TcpListener::TcpListener(std::uint16_t port)
    : socket_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
    if (!socket_.Open())
        ThrowSystem("cannot make a socket");
    const int on = 1;
    setsockopt(socket_.Fd(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in self{};
    self.sin_family = AF_INET;
    self.sin_port = htons(port);
    self.sin_addr.s_addr = htonl(INADDR_ANY);
    if (::bind(socket_.Fd(), reinterpret_cast<const sockaddr*>(&self), sizeof self) != 0 ||
        ::listen(socket_.Fd(), 4) != 0)
        ThrowSystem("cannot listen on port " + std::to_string(port));
    socklen_t size = sizeof self;
    getsockname(socket_.Fd(), reinterpret_cast<sockaddr*>(&self), &size);
    port_ = ntohs(self.sin_port);
}

std::optional<TcpConnection> TcpListener::Accept(Clock::time_point deadline) {
    for (;;) {
        if (WaitFor(socket_.Fd(), POLLIN, deadline) != Wait::Ready)
            return std::nullopt;
        SocketHandle caller(::accept4(socket_.Fd(), nullptr, nullptr, SOCK_CLOEXEC));
        if (caller.Open())
            return TcpConnection(std::move(caller));
        // A caller that gave up before it was taken is no failure of ours.
        if (errno != ECONNABORTED && errno != EINTR && errno != EAGAIN)
            ThrowSystem("cannot take a caller");
    }
}

} // namespace tavlira::sim
