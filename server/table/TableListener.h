#pragma once
// The table server's sockets: ten listening sockets, table t on base port +
// t, and the connections they accept, all on one thread around poll(). The
// listener moves bytes between the sockets and the core (TableServer) and
// never waits on one client: sockets are non-blocking, what a client does
// not take is kept for it up to a limit, and a client that lets more pile
// up is dropped as if it had left.
//
// Why poll and not a library: one thread, at most a few hundred sockets and
// fixed-size frames; a loop of a page does it, and the core stays free of
// any networking code.

#include "table/TableServer.h"

#include <atomic>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tavlira::table {

// The time a frame spends in the server, from the read that brought it to
// the write that sends it on, in a fixed histogram.
class RelayTimes {
  public:
    void Add(std::int64_t micros);
    // The time within which `fraction` of the frames went on, in microseconds.
    std::int64_t Quantile(double fraction) const;
    long long Count() const { return count_; }

  private:
    static constexpr std::int64_t BucketMicros = 10;
    static constexpr std::size_t Buckets = 10000; // 100 ms; slower lands in the last
    std::vector<long long> buckets_ = std::vector<long long>(Buckets);
    long long count_ = 0;
};

class TableListener {
  public:
    // The most connections open at once; more are closed as they arrive.
    static constexpr std::size_t ConnectionLimit = 512;
    // What a client may leave unread before it is dropped.
    static constexpr std::size_t SendLimit = 64 * 1024;

    // Listens on `address`, table t on basePort + t; a base port of 0 takes
    // the first free run of ten ports found. Throws std::runtime_error with
    // the reason when it cannot listen.
    TableListener(TableServer& server, const std::string& address, int basePort);
    ~TableListener();
    TableListener(const TableListener&) = delete;
    TableListener& operator=(const TableListener&) = delete;

    int BasePort() const { return basePort_; }
    // Serves until `stop` is set (by a signal handler) or Stop is called;
    // reports each time `report` is set, and clears it.
    void Run(const volatile std::sig_atomic_t& stop, volatile std::sig_atomic_t& report);
    // Serves until Stop is called.
    void Run();
    // Ends Run from another thread.
    void Stop();
    // key=value lines of what the server has done.
    std::string Figures() const;

  private:
    struct Client {
        ConnectionId id = 0;
        std::string unsent;
        bool closing = false;
        bool shutDown = false; // nothing more goes out
        std::int64_t closeBy = 0;
    };

    bool ListenAll(const std::string& address, int basePort);
    void Accept(int listener, int table);
    void Read(int fd);
    void Write(int fd);
    void CarryOut(std::int64_t readAt);
    void Finish(int fd);
    void Close(int fd);
    int FdOf(ConnectionId id) const;

    TableServer& server_;
    int basePort_ = 0;
    int wake_[2] = {-1, -1}; // Stop writes a byte to wake the poll
    std::atomic<bool> stopping_{false};
    std::vector<int> listeners_;
    std::map<int, Client> clients_; // by socket
    std::map<ConnectionId, int> fds_;
    ConnectionId nextId_ = 1;
    RelayTimes relayTimes_;
};

// Milliseconds of the steady clock, and microseconds.
std::int64_t NowMillis();
std::int64_t NowMicros();

} // namespace tavlira::table
