// `tavlira-sim duel` as a player runs it: two bots over 127.0.0.1 with game
// counters of both parities, and a bot host against peers that stall, send
// garbage, or leave.

#include "net/DuelMessages.h"
#include "sim/SimProcess.h"
#include "sim/TcpConnection.h"

#include <arpa/inet.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace tavlira::sim {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::SimProcess;

// Each test has a folder of its own for the tools' output and scratch files.
class SimDuelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() /
                  ("tavlira-sim-duel-" + std::to_string(getpid()) + "-" + info->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        // However a run ended, it removed its scratch program folder.
        for (const auto& entry : fs::directory_iterator(folder_))
            EXPECT_TRUE(entry.is_regular_file()) << entry.path() << " was left behind";
        fs::remove_all(folder_);
    }

    // A bot hosting on a port the system chooses; returns the port.
    std::uint16_t Host(std::unique_ptr<SimProcess>& host, std::vector<std::string> args) {
        args.insert(args.begin(), {"duel", "--host", "0"});
        host = std::make_unique<SimProcess>(TAVLIRA_SIM_PATH, args, folder_, "host");
        const std::string port = host->FirstValue("port");
        EXPECT_FALSE(port.empty()) << "the host printed no port";
        return static_cast<std::uint16_t>(std::stoi(port.empty() ? "0" : port));
    }

    SimProcess Join(std::uint16_t port, std::vector<std::string> args) {
        args.insert(args.begin(), {"duel", "--join", "127.0.0.1:" + std::to_string(port)});
        return SimProcess(TAVLIRA_SIM_PATH, args, folder_, "client");
    }

    fs::path folder_;
};

std::string WithoutPortLine(const std::string& out) {
    return out.rfind("port=", 0) == 0 ? out.substr(out.find('\n') + 1) : out;
}

TEST_F(SimDuelTest, TwoBotsPlayWholeMatchesAndPrintTheSameTotals) {
    struct Case {
        int hostCounter;
        int clientCounter;
        int matches;
        bool figures;
    } cases[] = {
        {0, 1, 3, false}, // the host's first game is odd, the client's even
        {7, 4, 2, true},
        {18, 18, 1, false}, // the host's match ends a cycle of 20
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "counters " << c.hostCounter << "/" << c.clientCounter);
        std::vector<std::string> hostArgs = {"--matches", std::to_string(c.matches),
                                             "--seed",    "5",
                                             "--counter", std::to_string(c.hostCounter)};
        if (c.figures)
            hostArgs.push_back("--figures");
        std::unique_ptr<SimProcess> host;
        const std::uint16_t port = Host(host, hostArgs);
        SimProcess client = Join(port, {"--matches", std::to_string(c.matches), "--counter",
                                        std::to_string(c.clientCounter)});
        const SimProcess::Ended clientEnd = client.Wait();
        const SimProcess::Ended hostEnd = host->Wait();
        ASSERT_EQ(hostEnd.status, 0) << hostEnd.err;
        ASSERT_EQ(clientEnd.status, 0) << clientEnd.err;
        EXPECT_EQ(WithoutPortLine(hostEnd.out), clientEnd.out);
        const std::string matches = "matches=" + std::to_string(c.matches) + "\n";
        EXPECT_EQ(clientEnd.out.rfind(matches, 0), 0u) << clientEnd.out;
        EXPECT_NE(clientEnd.out.find("games=" + std::to_string(2 * c.matches) + "\n"),
                  std::string::npos)
            << clientEnd.out;
    }
}

TEST_F(SimDuelTest, AnExpertBotPlaysAWholeMatchAgainstAClassicOne) {
    std::unique_ptr<SimProcess> host;
    const std::uint16_t port = Host(host, {"--seed", "3", "--level", "expert"});
    SimProcess client = Join(port, {"--level", "classic"});
    const SimProcess::Ended clientEnd = client.Wait();
    const SimProcess::Ended hostEnd = host->Wait();
    ASSERT_EQ(hostEnd.status, 0) << hostEnd.err;
    ASSERT_EQ(clientEnd.status, 0) << clientEnd.err;
    EXPECT_EQ(WithoutPortLine(hostEnd.out), clientEnd.out);
    EXPECT_NE(clientEnd.out.find("games=2\n"), std::string::npos) << clientEnd.out;
}

TEST_F(SimDuelTest, TheTotalsArePinned) {
    // Two matches from seed 11, the host's counter odd and the client's even.
    // A change of play, of the protocol's moves or of the deal changes this;
    // update it only for an intended change.
    std::unique_ptr<SimProcess> host;
    const std::uint16_t port = Host(host, {"--matches", "2", "--seed", "11", "--counter", "1"});
    SimProcess client = Join(port, {"--matches", "2", "--counter", "2"});
    EXPECT_EQ(client.Wait().out, "matches=2\n"
                                 "games=4\n"
                                 "host.points=11\n"
                                 "client.points=9\n"
                                 "signature=4000046e4427892d\n");
    EXPECT_EQ(host->Wait().status, 0);
}

TEST_F(SimDuelTest, BothBotsLogEveryGameAndTheLogsReplay) {
    const fs::path logs = folder_ / "logs";
    std::unique_ptr<SimProcess> host;
    const std::uint16_t port =
        Host(host, {"--matches", "1", "--seed", "4", "--counter", "3", "--log", logs.string()});
    SimProcess client = Join(port, {"--matches", "1", "--counter", "8", "--log", logs.string()});
    ASSERT_EQ(client.Wait().status, 0);
    const SimProcess::Ended hostEnd = host->Wait();
    ASSERT_EQ(hostEnd.status, 0);
    std::vector<std::string> replay = {"replay"};
    for (const auto& entry : fs::directory_iterator(logs))
        replay.push_back(entry.path().string());
    // Each side wrote the two games of the match from its own seats.
    ASSERT_EQ(replay.size(), 5u);
    SimProcess replaying(TAVLIRA_SIM_PATH, replay, folder_, "replay");
    const SimProcess::Ended replayed = replaying.Wait();
    EXPECT_EQ(replayed.status, 0) << replayed.err;
    EXPECT_NE(replayed.out.find("games=4\n"), std::string::npos) << replayed.out;
    // The host's person is seat 2 in its logs and seat 1 in the client's:
    // the seats' totals over all four logs are the same.
    const auto total = [&](const std::string& key) {
        const std::size_t at = replayed.out.find("\n" + key + "=");
        return at == std::string::npos
                   ? "none"
                   : replayed.out.substr(at, replayed.out.find('\n', at + 1) - at)
                         .substr(key.size() + 2);
    };
    EXPECT_EQ(total("seat1.points"), total("seat2.points")) << replayed.out;
    EXPECT_NE(total("seat1.points"), "none");
    fs::remove_all(logs);
}

// A peer of our own over a plain socket, which says what the test tells it.
TcpConnection RawPeer(std::uint16_t port) {
    std::string why;
    auto peer = TcpConnection::Connect("127.0.0.1", port, Clock::now() + 10s, why);
    if (!peer)
        throw std::runtime_error("cannot reach the bot: " + why);
    return std::move(*peer);
}

std::string Hello() {
    return net::Encode(net::Hello{net::GameCode, net::ProtocolRevision, net::NameField("Raw")});
}

TEST_F(SimDuelTest, APeerThatStallsSendsGarbageOrLeavesEndsTheHostWithOneLine) {
    struct Case {
        const char* what;
        std::string bytes; // after the handshake; nothing more, then silence
        bool leave;
        const char* err;
    } cases[] = {
        {"silent", "", false, "the peer sent nothing for 1 s"},
        {"half a message", "hpu", false, "the peer stopped in the middle of a message"},
        {"garbage", "zzzzzzzz", false, "the peer sent what a duel does not allow (unknown"},
        {"a client's frame from the host", "hsell1#1", false, "the peer sent what a duel"},
        {"gone", "", true, "the peer left during game 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<SimProcess> host;
        const std::uint16_t port = Host(host, {"--seed", "3", "--timeout", "1"});
        TcpConnection peer = RawPeer(port);
        ASSERT_TRUE(peer.Send(Hello() + c.bytes));
        if (c.leave)
            peer.Close();
        const SimProcess::Ended ended = host->Wait();
        EXPECT_EQ(ended.status, 1);
        EXPECT_EQ(ended.err.rfind(std::string("tavlira-sim: ") + c.err, 0), 0u) << ended.err;
        EXPECT_EQ(std::count(ended.err.begin(), ended.err.end(), '\n'), 1) << ended.err;
    }
}

TEST_F(SimDuelTest, ACallerThatIsNoDuelPeerIsTurnedAwayAndTheHostWaitsOn) {
    std::unique_ptr<SimProcess> host;
    const std::uint16_t port = Host(host, {"--seed", "3"});
    TcpConnection stranger = RawPeer(port);
    ASSERT_TRUE(stranger.Send("GET / HTTP/1.1\r\n\r\n"));
    std::string answer;
    EXPECT_EQ(stranger.Receive(answer, Clock::now() + 10s), TcpConnection::Read::Closed);
    EXPECT_EQ(answer, "");
    SimProcess client = Join(port, {});
    EXPECT_EQ(client.Wait().status, 0);
    EXPECT_EQ(host->Wait().status, 0);
}

TEST_F(SimDuelTest, AClientFindsNoGameWhereNobodyHosts) {
    // A port held bound but not listening refuses every caller, and no other
    // test running beside this one can open it meanwhile.
    const SocketHandle held(socket(AF_INET, SOCK_STREAM, 0));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ASSERT_EQ(bind(held.Fd(), reinterpret_cast<const sockaddr*>(&address), size), 0);
    ASSERT_EQ(getsockname(held.Fd(), reinterpret_cast<sockaddr*>(&address), &size), 0);
    const std::uint16_t port = ntohs(address.sin_port);
    SimProcess client = Join(port, {"--timeout", "1"});
    const SimProcess::Ended ended = client.Wait();
    EXPECT_EQ(ended.status, 1);
    EXPECT_EQ(ended.err.rfind("tavlira-sim: no game at 127.0.0.1:" + std::to_string(port), 0), 0u)
        << ended.err;
}

TEST_F(SimDuelTest, AHostStoppedWhileItWaitsRemovesItsScratchFolder) {
    std::unique_ptr<SimProcess> host;
    Host(host, {});
    host->Signal(SIGTERM);
    EXPECT_EQ(host->Wait().status, 143);
}

} // namespace
} // namespace tavlira::sim
