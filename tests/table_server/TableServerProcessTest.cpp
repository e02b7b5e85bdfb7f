// The table server program with headless seats over 127.0.0.1.

#include "support/ChildProgram.h"

#include <arpa/inet.h>
#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <netinet/in.h>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {

using Program = tavlira::test_support::ChildProgram;

std::map<std::string, std::string> Values(const std::string& text) {
    std::map<std::string, std::string> values;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (const auto eq = line.find('='); eq != std::string::npos)
            values[line.substr(0, eq)] = line.substr(eq + 1);
    return values;
}

struct Server {
    Program program;
    std::string basePort;

    explicit Server(std::vector<std::string> extra = {})
        : program([&] {
              std::vector<std::string> args = {TABLE_SERVER_PATH, "--listen", "127.0.0.1",
                                               "--base-port", "0"};
              args.insert(args.end(), extra.begin(), extra.end());
              return args;
          }()) {
        basePort = Values(program.ReadUntil("base-port="))["base-port"];
    }
    Program Seat(int table, int seat, int games, std::vector<std::string> extra = {}) {
        std::vector<std::string> args = {TAVLIRA_SIM_PATH, "table",
                                         "--server",       "127.0.0.1:" + basePort,
                                         "--table",        std::to_string(table),
                                         "--seat",         std::to_string(seat),
                                         "--games",        std::to_string(games)};
        args.insert(args.end(), extra.begin(), extra.end());
        return Program(args);
    }
};

std::map<std::string, std::string> Finished(Program& program) {
    EXPECT_EQ(program.Finish(), 0) << program.Output();
    return Values(program.Output());
}

TEST(TableServerProgram, TwoHeadlessSeatsPlayGamesThroughIt) {
    Server server;
    ASSERT_FALSE(server.basePort.empty());
    Program one = server.Seat(7, 1, 3);
    Program two = server.Seat(7, 2, 3);
    auto first = Finished(one);
    auto second = Finished(two);
    EXPECT_EQ(first["games"], "3");
    EXPECT_EQ(second["games"], "3");
    EXPECT_EQ(first["won"], second["lost"]);
    EXPECT_EQ(first["drawn"], second["drawn"]);
    EXPECT_EQ(first["points.own"], second["points.opponent"]);
    EXPECT_EQ(first["ends.timeout"], "0");
}

TEST(TableServerProgram, ASilentSeatLosesOnTheServersClock) {
    // A short clock, with a grace that leaves the seat still playing room on a
    // loaded machine.
    Server server({"--clock", "2", "--grace-ms", "2000"});
    for (const int silent : {1, 2}) {
        Program one = server.Seat(2, 1, 1,
                                  silent == 1 ? std::vector<std::string>{"--stall-after", "3"}
                                              : std::vector<std::string>{});
        Program two = server.Seat(2, 2, 1,
                                  silent == 2 ? std::vector<std::string>{"--stall-after", "3"}
                                              : std::vector<std::string>{});
        auto first = Finished(one);
        auto second = Finished(two);
        auto& loser = silent == 1 ? first : second;
        auto& winner = silent == 1 ? second : first;
        EXPECT_EQ(loser["lost"], "1");
        EXPECT_EQ(winner["won"], "1");
        EXPECT_EQ(winner["ends.timeout"], "1");
    }
}

TEST(TableServerProgram, ASeatLeavingMidGameGivesTheOtherTheWin) {
    Server server;
    Program one = server.Seat(10, 1, 1, {"--leave-after", "2"});
    Program two = server.Seat(10, 2, 1);
    auto first = Finished(one);
    auto second = Finished(two);
    EXPECT_EQ(first["lost"], "1");
    EXPECT_EQ(second["won"], "1");
    EXPECT_EQ(second["ends.left"], "1");
}

int ConnectTo(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(static_cast<std::uint16_t>(port));
    inet_pton(AF_INET, "127.0.0.1", &where.sin_addr);
    EXPECT_EQ(connect(fd, reinterpret_cast<const sockaddr*>(&where), sizeof where), 0);
    return fd;
}

// Reads until the peer closes, for up to ten seconds.
std::string ReadToEnd(int fd) {
    std::string text;
    char buffer[512];
    pollfd entry{fd, POLLIN, 0};
    while (poll(&entry, 1, 10000) == 1) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0)
            break;
        text.append(buffer, static_cast<std::size_t>(got));
    }
    return text;
}

TEST(TableServerProgram, AHostileSeatIsRefusedWhileTheOtherTablesPlayOn) {
    Server server;
    const int base = std::stoi(server.basePort);
    Program one = server.Seat(5, 1, 2);
    Program two = server.Seat(5, 2, 2);

    // A seat 1 that spoofs the other seat's digit once the game is dealt.
    const int seatOne = ConnectTo(base + 3);
    const std::string connect1 = "connect1" + std::string(11, '#') + "1";
    const std::string connect2 = "connect2" + std::string(11, '#') + "2";
    ASSERT_EQ(write(seatOne, connect1.data(), connect1.size()), 20);
    const int seatTwo = ConnectTo(base + 3);
    ASSERT_EQ(write(seatTwo, connect2.data(), connect2.size()), 20);
    std::string deal;
    char buffer[313];
    while (deal.size() < 313) {
        const ssize_t got = read(seatOne, buffer, sizeof buffer - deal.size());
        ASSERT_GT(got, 0);
        deal.append(buffer, static_cast<std::size_t>(got));
    }
    const std::string spoofed = "hbegin" + std::string(13, '#') + "2";
    ASSERT_EQ(write(seatOne, spoofed.data(), spoofed.size()), 20);
    EXPECT_EQ(ReadToEnd(seatOne), "e" + std::string(18, '#') + "1");
    EXPECT_EQ(ReadToEnd(seatTwo), deal + "a" + std::string(18, '#') + "1");
    close(seatOne);
    close(seatTwo);

    auto first = Finished(one);
    EXPECT_EQ(first["games"], "2");
    EXPECT_EQ(Finished(two)["games"], "2");
}

TEST(TableServerProgram, ASeatThatReadsNothingIsDroppedAndTheOtherWins) {
    Server server;
    const int port = std::stoi(server.basePort) + 4;
    // Seat 1 takes its place and reads nothing more, with a small window.
    const int reader = socket(AF_INET, SOCK_STREAM, 0);
    const int small = 4096;
    setsockopt(reader, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(static_cast<std::uint16_t>(port));
    inet_pton(AF_INET, "127.0.0.1", &where.sin_addr);
    ASSERT_EQ(connect(reader, reinterpret_cast<const sockaddr*>(&where), sizeof where), 0);
    const std::string connect1 = "connect1" + std::string(11, '#') + "1";
    ASSERT_EQ(write(reader, connect1.data(), connect1.size()), 20);

    // Seat 2 chats without end; every line is relayed to seat 1.
    const int flooder = ConnectTo(port);
    const std::string connect2 = "connect2" + std::string(11, '#') + "2";
    ASSERT_EQ(write(flooder, connect2.data(), connect2.size()), 20);
    std::string burst;
    for (int i = 0; i < 50; ++i)
        burst += "sflood" + std::string(13, '#') + "2";
    std::string heard;
    bool ended = false;
    for (int i = 0; i < 20000 && !ended; ++i) {
        pollfd entry{flooder, POLLIN | POLLOUT, 0};
        ASSERT_EQ(poll(&entry, 1, 10000), 1);
        if (entry.revents & (POLLIN | POLLHUP | POLLERR)) {
            char buffer[1024];
            const ssize_t got = read(flooder, buffer, sizeof buffer);
            ended = got <= 0;
            if (got > 0)
                heard.append(buffer, static_cast<std::size_t>(got));
        } else if (send(flooder, burst.data(), burst.size(), MSG_NOSIGNAL) < 0) {
            ended = true;
        }
    }
    EXPECT_TRUE(ended);
    ASSERT_GE(heard.size(), 333u);
    EXPECT_EQ(heard.substr(313), "a" + std::string(18, '#') + "1");
    close(reader);
    close(flooder);
}

TEST(TableServerProgram, ReportsItsFiguresWhenStopped) {
    Server server;
    server.program.Signal(SIGTERM);
    EXPECT_EQ(server.program.Finish(), 0);
    EXPECT_EQ(Values(server.program.Output())["games.recorded"], "0");
}

} // namespace
