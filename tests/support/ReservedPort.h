#pragma once
// A loopback port for a test that must name a port before anything listens
// there: a port typed into a dialog, or one where nobody is meant to answer.
//
// The kernel's own choice (listen on port 0, then close) is free only until
// the probe closes: a test program running beside this one may be handed the
// same port in that instant, and a connection's local port may take it too.
// Two duel tests then met each other's window. So each process draws from a
// slice of its own among ports 10000..19999, chosen by its process number,
// and skips a port something listens on: below the kernel's range of local
// ports (32768 and up) and the table server's own choice (20000..31999).

#include <arpa/inet.h>
#include <cstdint>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tavlira::test_support {

// Whether a server could listen on 127.0.0.1:port now.
inline bool CanListenOn(std::uint16_t port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    const int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(port);
    where.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool free = bind(fd, reinterpret_cast<const sockaddr*>(&where), sizeof where) == 0 &&
                      listen(fd, 1) == 0;
    close(fd);
    return free;
}

// A port of this process's slice that nothing listens on; 0 when the whole
// slice is taken.
inline std::uint16_t ReservedPort() {
    constexpr int First = 10000;
    constexpr int Slices = 2500;
    constexpr int PerSlice = 4;
    static int next = 0;
    const int base = First + static_cast<int>(getpid() % Slices) * PerSlice;
    for (int tries = 0; tries < PerSlice; ++tries) {
        const auto port = static_cast<std::uint16_t>(base + next++ % PerSlice);
        if (CanListenOn(port))
            return port;
    }
    return 0;
}

} // namespace tavlira::test_support
