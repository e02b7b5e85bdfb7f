// Two sides of a duel wired back to back through the codec, without sockets:
// the host deals and begins, each side's computer plays its person's seat,
// every move crosses as the frames a person's clicks send, and both sides
// end every game in the same state, seen from opposite seats.

#include "DuelSide.h"
#include "game/GameTick.h"
#include "game/Random.h"

#include <gtest/gtest.h>

namespace tavlira::net {
namespace {

// A machine's person and the peer are seats 2 and 1 to itself.
Turn Mirrored(Turn turn) {
    return IsSeatTurn(turn) ? TurnOf(OtherSeat(SeatOf(turn))) : turn;
}

void ExpectMirrored(const GameState& host, const GameState& client) {
    EXPECT_EQ(host.Deck, client.Deck);
    EXPECT_EQ(host.FiguresHavePoints, client.FiguresHavePoints);
    EXPECT_EQ(host.Table, client.Table);
    EXPECT_EQ(host.PickedTableSlots, client.PickedTableSlots);
    EXPECT_EQ(host.NextCard, client.NextCard);
    EXPECT_EQ(host.StockLeft, client.StockLeft);
    EXPECT_EQ(host.GameOver, client.GameOver);
    EXPECT_EQ(host.GamesAtTable, client.GamesAtTable);
    EXPECT_EQ(host.Mover, Mirrored(client.Mover));
    EXPECT_EQ(host.LastTaker, Mirrored(client.LastTaker));
    for (const Seat seat : Seats) {
        const Seat other = OtherSeat(seat);
        EXPECT_EQ(host.Hand[seat], client.Hand[other]);
        EXPECT_EQ(host.HandCount[seat], client.HandCount[other]);
        EXPECT_EQ(host.MatchPoints[seat], client.MatchPoints[other]);
        EXPECT_EQ(host.Taken[seat], client.Taken[other]);
        EXPECT_EQ(host.TakenClubs[seat], client.TakenClubs[other]);
        EXPECT_EQ(host.TakenBonus[seat], client.TakenBonus[other]);
    }
}

// One machine: its game, its receiver, and the bytes it has sent that the
// other side has not read yet. `partOnly` plays a peer that follows the
// protocol as first written: its host sends "hbegin##", its client reads
// only "hbegin".
class Side {
  public:
    Side(DuelRole role, int recordGames, bool partOnly)
        : role_(role), partOnly_(partOnly), receiver_(role) {
        state.Mode = role == DuelRole::Host ? PlayMode::DuelHost : PlayMode::DuelClient;
        // The client counts its first game when its match starts.
        state.GameCounter = recordGames + (role == DuelRole::Client ? 1 : 0);
        players_[OpponentSeat] = Player::Peer;
        players_[LocalSeat] = Player::Computer;
    }

    GameState state;
    std::string outgoing;

    void Connect() { outgoing += Encode(Hello{GameCode, ProtocolRevision, NameField("Client")}); }

    void Deal(RandomSource& random, bool figures) {
        ++state.GameCounter;
        ++state.GamesAtTable;
        state.FiguresHavePoints = figures;
        Shuffle(state, random);
        OpeningDeal(state);
        ResetGameFields(state);
        state.Mover = TurnOf(FirstMover(state));
        state.BeginState = Dealt;
        state.TableActive = true;
        outgoing += Encode(DealOf(state));
    }

    void Begin() {
        Outbox out;
        ASSERT_TRUE(ApplyMove(state, LocalSeat, Move::Begin(), out));
        Send(out);
        Settle();
    }

    void Receive(std::string_view bytes) {
        receiver_.Feed(bytes);
        for (;;) {
            Settle();
            Received received = receiver_.Next(state);
            if (const auto* end = std::get_if<Disconnect>(&received))
                FAIL() << FaultName(end->fault);
            const auto* message = std::get_if<DuelMessage>(&received);
            if (message == nullptr)
                return;
            if (std::holds_alternative<Hello>(*message))
                outgoing += Encode(Welcome{NameField("Host")});
            Outbox out;
            testing::Apply(state, *message, out, !partOnly_);
        }
    }

  private:
    // The game's own steps, the computer's turns for this machine's person
    // among them, until nothing is due.
    void Settle() {
        for (;;) {
            Outbox out;
            if (!GameTick(state, players_, out))
                return;
            Send(out);
        }
    }

    void Send(const Outbox& out) {
        for (const Event& e : out) {
            const auto* made = std::get_if<event::MoveMade>(&e);
            if (made == nullptr || made->seat != LocalSeat)
                continue;
            const bool plainBegin = partOnly_ && made->move.kind == Move::Kind::Begin;
            outgoing +=
                plainBegin ? Encode(BeginFrame{}) : EncodeLocalMove(made->move, state, role_);
        }
    }

    DuelRole role_;
    bool partOnly_;
    DuelReceiver receiver_;
    SeatPlayers players_{};
};

// Moves bytes both ways in reads of 1 to 40 bytes until neither side has
// anything left to say.
void Pump(Side& host, Side& client, RandomSource& reads) {
    for (int round = 0; !host.outgoing.empty() || !client.outgoing.empty(); ++round) {
        ASSERT_LT(round, 100000);
        for (auto [from, to] : {std::pair{&host, &client}, std::pair{&client, &host}}) {
            const std::size_t size =
                std::min<std::size_t>(from->outgoing.size(), 1 + reads.Below(40));
            const std::string read = from->outgoing.substr(0, size);
            from->outgoing.erase(0, size);
            to->Receive(read);
        }
    }
}

struct MatchSetup {
    int hostRecord;
    int clientRecord;
    bool partHost;
    bool partClient;
};

// Plays a match of two games, the most a duel host may ask for before it
// must leave, and checks both sides after each game.
void PlayMatch(const MatchSetup& setup, std::uint32_t seed, bool figures) {
    Side host(DuelRole::Host, setup.hostRecord, setup.partHost);
    Side client(DuelRole::Client, setup.clientRecord, setup.partClient);
    SeededRandom shuffle(seed);
    SeededRandom reads(seed ^ 0x5a5a5a5au);
    client.Connect();
    Pump(host, client, reads);
    for (int game = 1; game <= SeriesGames; ++game) {
        host.Deal(shuffle, figures);
        Pump(host, client, reads);
        host.Begin();
        Pump(host, client, reads);
        ASSERT_TRUE(host.state.GameOver) << "game " << game;
        ExpectMirrored(host.state, client.state);
        EXPECT_EQ(host.state.Buttons.nextGame, game < SeriesGames);
    }
}

TEST(DuelGame, BothSidesEndEveryGameAlikeWhateverTheCounters) {
    for (const int hostRecord : {10, 11})
        for (const int clientRecord : {20, 21})
            for (std::uint32_t seed = 1; seed <= 6; ++seed) {
                SCOPED_TRACE(::testing::Message() << "host " << hostRecord << ", client "
                                                  << clientRecord << ", seed " << seed);
                PlayMatch({hostRecord, clientRecord, false, false}, seed, seed % 2 == 0);
            }
}

TEST(DuelGame, APeerThatNamesNoLeaderPlaysAlongWhenTheCountersShareParity) {
    for (const int record : {10, 11})
        for (std::uint32_t seed = 1; seed <= 4; ++seed) {
            SCOPED_TRACE(::testing::Message() << "record " << record << ", seed " << seed);
            PlayMatch({record, record + 6, true, false}, seed, false);
            PlayMatch({record, record + 6, false, true}, seed, true);
        }
}

TEST(DuelLeader, BothSidesNameTheSameLeaderForCountersOfEitherParity) {
    for (const int hostCounter : {7, 8}) {
        GameState host;
        host.Mode = PlayMode::DuelHost;
        host.GameCounter = hostCounter;
        host.Mover = TurnOf(FirstMover(host));
        // The host keeps the game's own rule: its person leads odd games.
        const DuelRole leader = hostCounter % 2 == 1 ? DuelRole::Host : DuelRole::Client;
        const std::string begin = EncodeLocalMove(Move::Begin(), host, DuelRole::Host);
        EXPECT_EQ(begin, leader == DuelRole::Host ? "hbegin#1" : "hbegin#2");
        const BeginFrame named = std::get<BeginFrame>(DecodeBegin(begin));

        for (const int clientCounter : {3, 4}) {
            GameState client;
            client.Mode = PlayMode::DuelClient;
            client.GameCounter = clientCounter;
            EXPECT_EQ(RoleOfSeat(ClientLeader(client, named), DuelRole::Client), leader)
                << hostCounter << " " << clientCounter;
            if (hostCounter % 2 != clientCounter % 2)
                continue;
            // A client that reads only "hbegin", or a host that sends
            // "hbegin##", leaves the client to its own counter.
            EXPECT_EQ(RoleOfSeat(FirstMover(client), DuelRole::Client), leader);
            EXPECT_EQ(RoleOfSeat(ClientLeader(client, BeginFrame{}), DuelRole::Client), leader);
        }
    }
}

} // namespace
} // namespace tavlira::net
