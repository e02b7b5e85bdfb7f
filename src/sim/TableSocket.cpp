#include "sim/TableSocket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tavlira::sim {

bool TableSocket::IsAddress(const std::string& address) {
    in_addr parsed{};
    return inet_pton(AF_INET, address.c_str(), &parsed) == 1;
}

TableSocket::~TableSocket() {
    Close();
}

void TableSocket::Close() {
    if (fd_ >= 0)
        close(fd_);
    fd_ = -1;
}

bool TableSocket::Connect(const std::string& address, int port, int timeoutMs) {
    Close();
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(static_cast<std::uint16_t>(port));
    if (inet_pton(AF_INET, address.c_str(), &where.sin_addr) != 1)
        return false;
    fd_ = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd_ < 0)
        return false;
    const int yes = 1;
    setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
    if (connect(fd_, reinterpret_cast<const sockaddr*>(&where), sizeof where) != 0) {
        pollfd entry{fd_, POLLOUT, 0};
        int error = errno;
        if (error == EINPROGRESS && poll(&entry, 1, timeoutMs) == 1) {
            socklen_t size = sizeof error;
            getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &size);
        }
        if (error != 0) {
            Close();
            return false;
        }
    }
    return true;
}

bool TableSocket::Send(std::string_view bytes) {
    while (fd_ >= 0 && !bytes.empty()) {
        const ssize_t sent = send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EINTR)
                continue;
            if (errno != EAGAIN)
                return false;
            pollfd entry{fd_, POLLOUT, 0};
            if (poll(&entry, 1, 30000) != 1)
                return false;
            continue;
        }
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return fd_ >= 0;
}

TableSocket::Read TableSocket::Receive(std::string& into, int timeoutMs) {
    if (fd_ < 0)
        return Read::Closed;
    pollfd entry{fd_, POLLIN, 0};
    const int ready = poll(&entry, 1, timeoutMs);
    if (ready == 0 || (ready < 0 && errno == EINTR))
        return Read::TimedOut;
    char buffer[2048];
    const ssize_t got = recv(fd_, buffer, sizeof buffer, 0);
    if (got < 0 && (errno == EAGAIN || errno == EINTR))
        return Read::TimedOut;
    if (got <= 0)
        return Read::Closed;
    into.append(buffer, static_cast<std::size_t>(got));
    return Read::Data;
}

} // namespace tavlira::sim
