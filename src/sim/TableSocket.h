#pragma once
// The connection of a headless seat to the table server: a blocking TCP
// socket over POSIX with a time limit on every wait.

#include <string>
#include <string_view>

namespace tavlira::sim {

class TableSocket {
  public:
    enum class Read { Data, Closed, TimedOut };

    // Whether `address` is an IPv4 address in dotted decimal.
    static bool IsAddress(const std::string& address);

    // Connects to an IPv4 address and port; false when refused or not
    // reached within `timeoutMs`.
    bool Connect(const std::string& address, int port, int timeoutMs);
    ~TableSocket();
    TableSocket() = default;
    TableSocket(const TableSocket&) = delete;
    TableSocket& operator=(const TableSocket&) = delete;

    // Sends every byte; false when the connection is gone.
    bool Send(std::string_view bytes);
    // Waits up to `timeoutMs` for bytes and appends them to `into`.
    Read Receive(std::string& into, int timeoutMs);
    void Close();

  private:
    int fd_ = -1;
};

} // namespace tavlira::sim
