#pragma once
// Plain TCP on POSIX sockets for the engine tool's duel player: a listening
// socket, one connection, and waits that end after a time-out. Sockets are
// blocking; every wait goes through poll() with its time-out, and a signal
// (Ctrl-C) ends a wait early. Failures of the system throw
// std::runtime_error with the system's reason; what the peer does (nothing
// within the time-out, closing) is an answer, not an exception.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavlira::sim {

using Clock = std::chrono::steady_clock;

// One socket descriptor, closed when it goes.
class SocketHandle {
  public:
    SocketHandle() = default;
    explicit SocketHandle(int fd) : fd_(fd) {}
    SocketHandle(SocketHandle&& other) noexcept;
    SocketHandle& operator=(SocketHandle&& other) noexcept;
    SocketHandle(const SocketHandle&) = delete;
    SocketHandle& operator=(const SocketHandle&) = delete;
    ~SocketHandle();
    int Fd() const { return fd_; }
    bool Open() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

class TcpConnection {
  public:
    explicit TcpConnection(SocketHandle socket);

    // Connects to `host` (an IPv4 address or a name) at `port`. Returns
    // nothing when the host refused or could not be reached before
    // `deadline`; `why` then says what happened.
    static std::optional<TcpConnection> Connect(const std::string& host, std::uint16_t port,
                                                Clock::time_point deadline, std::string& why);

    // Writes all of `bytes` as one send (the peer sees one message arrive).
    // False when the peer has gone.
    bool Send(std::string_view bytes);

    enum class Read : std::uint8_t { Data, Closed, TimedOut, Interrupted };
    // Waits until bytes arrive, the peer closes or `deadline` passes; bytes
    // that arrived are appended to `into`. A reset connection reads as
    // Closed.
    Read Receive(std::string& into, Clock::time_point deadline);

    // Ends the connection politely: no more bytes from this side, and
    // whatever the peer still sends is read and dropped for a moment, so the
    // peer reads everything sent before the close.
    void Close();

  private:
    SocketHandle socket_;
};

class TcpListener {
  public:
    // Listens on `port` of every interface (0: any free port). Throws when
    // the port cannot be opened.
    explicit TcpListener(std::uint16_t port);
    std::uint16_t Port() const { return port_; }

    // The next caller, or nothing once `deadline` passed or a signal came.
    std::optional<TcpConnection> Accept(Clock::time_point deadline);

  private:
    SocketHandle socket_;
    std::uint16_t port_ = 0;
};

} // namespace tavlira::sim
