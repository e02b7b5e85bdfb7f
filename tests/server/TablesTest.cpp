// tavlira-server with its tables, end to end: seats are taken on the web
// side, two headless seats play a game on the table server, and the result
// reaches the tournament top ten.

#include "Database.h"
#include "Storage.h"
#include "net/TableMessages.h"
#include "online/Answer.h"
#include "online/Tournament.h"
#include "support/ChildProgram.h"

#include <arpa/inet.h>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <httplib.h>
#include <map>
#include <netinet/in.h>
#include <sstream>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace tavlira::server {
namespace {

using namespace online;

using Program = test_support::ChildProgram;

// The number after `key` in `text`, or -1.
int NumberAfter(const std::string& text, const std::string& key) {
    const std::size_t at = text.find(key);
    return at == std::string::npos ? -1 : std::atoi(text.c_str() + at + key.size());
}

std::map<std::string, std::string> Values(const std::string& text) {
    std::map<std::string, std::string> values;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (const auto eq = line.find('='); eq != std::string::npos)
            values[line.substr(0, eq)] = line.substr(eq + 1);
    return values;
}

// A TCP connection from `from` to 127.0.0.1:port.
int ConnectFrom(const char* from, int port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    inet_pton(AF_INET, from, &local.sin_addr);
    sockaddr_in server{};
    server.sin_family = AF_INET;
    server.sin_port = htons(static_cast<std::uint16_t>(port));
    server.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0 ||
        connect(fd, reinterpret_cast<sockaddr*>(&server), sizeof server) != 0) {
        close(fd);
        return -1;
    }
    timeval patience{30, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
    return fd;
}

class TablesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char folder[] = "/tmp/tavlira-tables-XXXXXX";
        ASSERT_TRUE(mkdtemp(folder));
        folder_ = folder;
        for (const char* sub : {"packs", "radio", "music"})
            std::filesystem::create_directories(folder_ + "/files/" + sub);
        const std::string db = folder_ + "/server.db";
        {
            const auto storage = OpenStorage(OpenSqlite(db));
            for (const char* nick : {"Ann", "Bob"}) {
                Account account;
                account.Nick = nick;
                ASSERT_TRUE(storage->CreateAccount(account, "hash"));
            }
        }
        server_ = std::make_unique<Program>(
            std::vector<std::string>{TAVLIRA_SERVER_PATH, "--listen", "127.0.0.1:0", "--db", db,
                                     "--files", folder_ + "/files", "--tables", "127.0.0.1:0"});
        const std::string started = server_->ReadUntil("base port");
        httpPort_ = NumberAfter(started, "listening on 127.0.0.1:");
        basePort_ = NumberAfter(started, "base port ");
        ASSERT_GT(httpPort_, 0) << started;
        ASSERT_GT(basePort_, 0) << started;
        web_ = std::make_unique<httplib::Client>("127.0.0.1", httpPort_);
        web_->set_read_timeout(30);
    }
    void TearDown() override {
        server_.reset();
        std::filesystem::remove_all(folder_);
    }

    template <class Request> std::string Ask(const Request& request) {
        const Post post = Build(request);
        const auto res =
            web_->Post(std::string(PathOf(post.endpoint)), {{"User-Agent", std::string(UserAgent)}},
                       post.body, "application/x-www-form-urlencoded");
        return res && res->status == 200 ? AnswerFromWire(res->body) : "<failed>";
    }
    SeatAnswer TakeSeat(int table, int seat, const std::string& nick) {
        return ReadSeatAnswer(
            Ask(SeatRequest{seat, table, 1, {nick, 0, 0, 0, "Russia", "Tula", 'W', "X"}}));
    }
    Program Bot(int table, int seat) {
        return Program({TAVLIRA_SIM_PATH, "table", "--server",
                        "127.0.0.1:" + std::to_string(basePort_), "--table", std::to_string(table),
                        "--seat", std::to_string(seat), "--games", "1"});
    }

    std::string folder_;
    std::unique_ptr<Program> server_;
    std::unique_ptr<httplib::Client> web_;
    int httpPort_ = 0;
    int basePort_ = 0;
};

TEST_F(TablesTest, SeatsTakenOnTheWebPlayAndTheResultReachesTheTopTen) {
    // The web side names the table server: table 1 on the base port + 1.
    const auto tables = ReadTableListAnswer(Ask(TableListRequest{}));
    ASSERT_TRUE(tables);
    EXPECT_EQ((*tables)[0].Port, basePort_ + 1);

    ASSERT_EQ(TakeSeat(3, 1, "Ann"), SeatAnswer::Good);
    ASSERT_EQ(TakeSeat(3, 2, "Bob"), SeatAnswer::Good);
    Program one = Bot(3, 1);
    Program two = Bot(3, 2);
    ASSERT_EQ(one.Finish(), 0);
    ASSERT_EQ(two.Finish(), 0);
    auto first = Values(one.ReadUntil("\x01"));
    ASSERT_EQ(first["games"], "1");
    ASSERT_EQ(first["ends.left"], "0");
    ASSERT_EQ(first["ends.timeout"], "0");
    const int annScore = std::stoi(first["points.own"]) - std::stoi(first["points.opponent"]);

    const auto top = ReadTourTopTenAnswer(Ask(TourTopTenRequest{Ranking::Games}));
    ASSERT_TRUE(top);
    std::map<std::string, int> games;
    for (const RecordRow& row : *top)
        games[row.Nick] = row.Score;
    EXPECT_EQ(games, (std::map<std::string, int>{{"Ann", 1}, {"Bob", 1}}));
    const auto scores = ReadTourTopTenAnswer(Ask(TourTopTenRequest{Ranking::Score}));
    ASSERT_TRUE(scores);
    for (const RecordRow& row : *scores)
        EXPECT_EQ(row.Score, row.Nick == "Ann" ? annScore : -annScore) << row.Nick;

    // The game over, both seats are free again on the web side.
    EXPECT_EQ(ReadClientAnswer(Ask(ReadClientRequest{1, 3}))->Nick, "X");
    EXPECT_EQ(ReadClientAnswer(Ask(ReadClientRequest{2, 3}))->Nick, "X");
}

TEST_F(TablesTest, AConnectionFromAnotherAddressIsRefusedAndTheSeatKept) {
    ASSERT_EQ(TakeSeat(5, 1, "Ann"), SeatAnswer::Good); // posted from 127.0.0.1
    // Another address claims Ann's seat; Ann's address claims seat 2, posted to nobody.
    const struct {
        const char* from;
        net::TableSeat seat;
    } claims[] = {{"127.0.0.2", net::TableSeat::First}, {"127.0.0.1", net::TableSeat::Second}};
    for (const auto& claim : claims) {
        const int fd = ConnectFrom(claim.from, basePort_ + 5);
        ASSERT_GE(fd, 0) << claim.from;
        const std::string frame =
            net::Encode(net::TableFrame{net::ConnectFrame{claim.seat}, claim.seat});
        ASSERT_EQ(send(fd, frame.data(), frame.size(), MSG_NOSIGNAL),
                  static_cast<ssize_t>(frame.size()));
        char byte;
        EXPECT_EQ(recv(fd, &byte, 1, 0), 0) << claim.from << " was not refused";
        close(fd);
    }
    EXPECT_EQ(ReadClientAnswer(Ask(ReadClientRequest{1, 5}))->Nick, "Ann");
}

} // namespace
} // namespace tavlira::server
