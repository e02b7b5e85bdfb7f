// The tournament's table server over TCP on 127.0.0.1.

#include "TableServer.h"

#include "TestDatabases.h"
#include "net/DuelMessages.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <random>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace tavlira::server {
namespace {

// A frame as a player sends it.
std::string PlayerFrame(std::string_view payload, char seat) {
    std::string frame(payload);
    frame.resize(TableServer::FrameSize - 1, '#');
    return frame + seat;
}

class Player {
  public:
    explicit Player(int port) : fd_(socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        connected_ = connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        timeval patience{30, 0};
        setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
    }
    ~Player() { Leave(); }
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    void Send(const std::string& bytes) {
        ASSERT_TRUE(connected_);
        ASSERT_EQ(send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL),
                  static_cast<ssize_t>(bytes.size()));
    }
    // Exactly `size` bytes, or what came before the connection ended.
    std::string Receive(std::size_t size) {
        std::string bytes;
        char buffer[512];
        while (bytes.size() < size) {
            const ssize_t got = recv(fd_, buffer, std::min(sizeof buffer, size - bytes.size()), 0);
            if (got <= 0)
                break;
            bytes.append(buffer, static_cast<std::size_t>(got));
        }
        return bytes;
    }
    bool Closed() {
        char byte;
        return recv(fd_, &byte, 1, 0) == 0;
    }
    void Leave() {
        if (fd_ >= 0)
            close(fd_);
        fd_ = -1;
    }

  private:
    int fd_;
    bool connected_ = false;
};

class TableServerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        storage_ = OpenStorage(database_.Open());
        for (const char* nick : {"Ann", "Bob"}) {
            online::Account account;
            account.Nick = nick;
            storage_->CreateAccount(account, "hash");
        }
        // Ten ports in a row: tried at random places until they are free.
        std::mt19937 random(std::random_device{}());
        for (int attempt = 0; attempt < 50 && !server_; ++attempt) {
            const int first = 20000 + static_cast<int>(random() % 40000);
            auto server = std::make_unique<TableServer>(*storage_, "127.0.0.1", first);
            if (server->Bind()) {
                server_ = std::move(server);
                firstPort_ = first;
            }
        }
        ASSERT_TRUE(server_);
        thread_ = std::thread([this] { server_->Run(); });
    }
    void TearDown() override {
        if (server_)
            server_->Stop();
        if (thread_.joinable())
            thread_.join();
    }

    void Seat(int table, int seat, const char* nick) {
        ASSERT_TRUE(
            storage_->TakeSeat(table, seat, {{nick, 0, 0, 0, "X", "X", 'M', "X"}, "127.0.0.1"}));
    }
    int PortOf(int table) const { return firstPort_ + table - 1; }

    // Seats Ann and Bob at table 3, connects both and reads their deals.
    void StartGame(Player& ann, Player& bob) {
        Seat(3, 1, "Ann");
        Seat(3, 2, "Bob");
        ann.Send(PlayerFrame("connect1", '1'));
        bob.Send(PlayerFrame("connect2", '2'));
        for (Player* player : {&ann, &bob}) {
            const std::string deal = player->Receive(net::DealFraming.size - 1);
            ASSERT_EQ(deal.size(), net::DealFraming.size - 1);
            // A duel deal without its flag, figures without points.
            const auto decoded = net::DecodeDeal(deal + "\xCB"); // "figures off"
            ASSERT_TRUE(std::holds_alternative<net::DealMessage>(decoded));
            EXPECT_FALSE(std::get<net::DealMessage>(decoded).figuresHavePoints);
        }
    }

    TestDatabase database_{Backend::Sqlite};
    std::unique_ptr<Storage> storage_;
    std::unique_ptr<TableServer> server_;
    int firstPort_ = 0;
    std::thread thread_;
};

TEST_F(TableServerTest, TwoPlayersAreDealtAndTheirFramesRelayedUntilTheResult) {
    Player ann(PortOf(3));
    Player bob(PortOf(3));
    StartGame(ann, bob);

    ann.Send(PlayerFrame("hbegin", '1'));
    EXPECT_EQ(bob.Receive(20), PlayerFrame("hbegin", '1'));
    bob.Send(PlayerFrame("hputs29", '2') + PlayerFrame("sHello", '2'));
    EXPECT_EQ(ann.Receive(40), PlayerFrame("hputs29", '2') + PlayerFrame("sHello", '2'));

    ann.Send(PlayerFrame("o   12  -12", '1'));
    EXPECT_EQ(ann.Receive(20), TableServer::ServerFrame("e"));
    EXPECT_EQ(bob.Receive(20), TableServer::ServerFrame("e"));
    EXPECT_EQ(storage_->ReadTourRating("Ann"), (online::TourRating{12, 1, 1}));
    EXPECT_EQ(storage_->ReadTourRating("Bob"), (online::TourRating{-12, 1, 0}));
}

TEST_F(TableServerTest, APlayerWhoLeavesOrRunsOutOfTimeIsReported) {
    Player ann(PortOf(3));
    Player bob(PortOf(3));
    StartGame(ann, bob);
    bob.Send(PlayerFrame("TOut", '2'));
    EXPECT_EQ(ann.Receive(20), TableServer::ServerFrame("T"));
    bob.Leave();
    // The game was over: nothing more to report, and the seat is free.
    ann.Send(PlayerFrame("sstill here?", '1'));
    ann.Leave();
    for (int i = 0; i < 300 && storage_->ReadSeat(3, 2).client.Nick != "X"; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(storage_->ReadSeat(3, 2).client.Nick, "X");
}

TEST_F(TableServerTest, AnOpponentLeavingAGameUnderWayIsAnnounced) {
    Player ann(PortOf(3));
    Player bob(PortOf(3));
    StartGame(ann, bob);
    bob.Leave();
    EXPECT_EQ(ann.Receive(20), TableServer::ServerFrame("a"));
}

TEST_F(TableServerTest, StrangersAndGarbageAreShownTheDoor) {
    Player nobody(PortOf(5)); // seat 1 of table 5 is empty
    nobody.Send(PlayerFrame("connect1", '1'));
    EXPECT_TRUE(nobody.Closed());

    Seat(5, 1, "Ann");
    Player liar(PortOf(5));
    liar.Send(PlayerFrame("connect1", '2')); // the seat digit disagrees
    EXPECT_TRUE(liar.Closed());

    Player ann(PortOf(5));
    ann.Send(PlayerFrame("connect1", '1'));
    Player twin(PortOf(5));
    twin.Send(PlayerFrame("connect1", '1')); // the seat has its connection
    EXPECT_TRUE(twin.Closed());
    ann.Send(PlayerFrame("xyz", '1'));
    EXPECT_TRUE(ann.Closed());
}

} // namespace
} // namespace tavlira::server
