#include "net/DuelReceiver.h"

#include "DuelSide.h"
#include "game/GameFixtures.h"
#include "util/Cp1251.h"

#include <gtest/gtest.h>

namespace tavlira::net {
namespace {
using testing::Drain;
using testing::Drained;

std::string Cp(const char* utf8) {
    return Utf8ToCp1251(utf8);
}

const std::string Welcome = "connect2Anna" + std::string(16, ' ');
const std::string Hello = "qel6625connect1Mr.X" + std::string(16, ' ');

// The client's side of a game under way with the host (seat 1 here) to move:
// the host holds 7ч and 5п, the table 3б, 4к and Дч.
struct ClientWithHostToMove {
    GameState state =
        tavlira::testing::Position({"7ч", "5п"}, {"2ч", "9б"}, {"3б", "4к", "Дч"}, OpponentSeat);
    DuelReceiver receiver{DuelRole::Client};
    ClientWithHostToMove() {
        state.Mode = PlayMode::DuelClient;
        state.TableActive = true;
        receiver.Feed(Welcome);
        EXPECT_EQ(Drain(receiver, state).messages.size(), 1u);
    }
    Drained Receive(std::string_view bytes) {
        receiver.Feed(bytes);
        return Drain(receiver, state);
    }
};

TEST(DuelReceiver, FramesOfOneReadAreHandledInOrder) {
    // The host captures 7ч with 3б and 4к: four frames in one read.
    ClientWithHostToMove client;
    const Drained drained = client.Receive("hputs191hsell1#1hsell2#1htake##1");
    const std::vector<DuelMessage> expected = {
        PlayFrame{1, 9, DuelRole::Host}, SelectFrame{1, DuelRole::Host},
        SelectFrame{2, DuelRole::Host}, TakeFrame{DuelRole::Host}};
    EXPECT_EQ(drained.messages, expected);
    EXPECT_EQ(drained.last, Received(NeedMore{}));
    EXPECT_EQ(client.state.Taken[OpponentSeat], 3);
    EXPECT_EQ(client.state.Mover, LocalSeat);
}

TEST(DuelReceiver, AFrameCutShortWaitsForItsRest) {
    ClientWithHostToMove client;
    EXPECT_EQ(client.Receive("hputs191hsell1#1hse").messages.size(), 2u);
    EXPECT_EQ(client.Receive("ll2").messages.size(), 0u);
    const Drained rest = client.Receive("#1htake##1");
    EXPECT_EQ(rest.messages.size(), 2u);
    EXPECT_EQ(client.state.Taken[OpponentSeat], 3);
}

// A deck whose first twelve cards are given; the rest follow in card-number order.
DealMessage DealStarting(std::initializer_list<const char*> first) {
    DealMessage deal;
    int position = 1;
    for (const char* card : first)
        deal.deck[position++] = tavlira::testing::Slot(card);
    for (int n = 1; n <= DeckSize; ++n) {
        const CardCode card = CardFromNumber(n);
        bool dealt = false;
        for (int p = 1; p < position && !dealt; ++p)
            dealt = deal.deck[p].code == card;
        if (!dealt)
            deal.deck[position++] = {card, RankOrder(card), GameValue(card, false)};
    }
    return deal;
}

// What a host sends from the handshake through its first capture: the client
// holds 2ч 2б 5п 6п, the host 7ч 8б 9к Кп, the table 3б 4к Дч Тп; the host
// leads and takes 3б and 4к with 7ч.
std::string HostOpening() {
    return Welcome +
           Encode(DealStarting(
               {"2ч", "2б", "5п", "6п", "7ч", "8б", "9к", "Кп", "3б", "4к", "Дч", "Тп"})) +
           "hbegin#1" + "hputs191" + "hsell1#1" + "hsell2#1" + "htake##1";
}

Drained ClientReceives(const std::vector<std::string_view>& reads, GameState& state) {
    state.Mode = PlayMode::DuelClient;
    DuelReceiver receiver(DuelRole::Client);
    Drained all;
    for (const std::string_view read : reads) {
        receiver.Feed(read);
        Drained drained = Drain(receiver, state);
        all.messages.insert(all.messages.end(), drained.messages.begin(), drained.messages.end());
        all.last = drained.last;
    }
    return all;
}

TEST(DuelReceiver, EverySplitOfAStreamGivesTheSameMessages) {
    const std::string stream = HostOpening();
    GameState whole;
    const Drained expected = ClientReceives({stream}, whole);
    ASSERT_EQ(expected.messages.size(), 7u);
    ASSERT_EQ(expected.last, Received(NeedMore{}));
    EXPECT_EQ(whole.Taken[OpponentSeat], 3);

    for (std::size_t split = 1; split < stream.size(); ++split) {
        const std::string_view bytes(stream);
        GameState state;
        const Drained drained =
            ClientReceives({bytes.substr(0, split), bytes.substr(split)}, state);
        ASSERT_EQ(drained.messages, expected.messages) << "split at " << split;
        ASSERT_EQ(drained.last, expected.last) << "split at " << split;
    }
    std::vector<std::string_view> bytewise;
    for (std::size_t i = 0; i < stream.size(); ++i)
        bytewise.push_back(std::string_view(stream).substr(i, 1));
    GameState state;
    EXPECT_EQ(ClientReceives(bytewise, state).messages, expected.messages);
}

TEST(DuelReceiver, ChatEndsBeforeTheMessageThatFollowsIt) {
    const struct {
        const char* what;
        std::string read;
        std::vector<DuelMessage> messages;
    } cases[] = {
        {"chat and a frame in one read",
         "shi" + std::string("hputs191"),
         {ChatLine{"hi"}, PlayFrame{1, 9, DuelRole::Host}}},
        {"fifteen bytes and a frame",
         "s0123456789abcdehputs191",
         {ChatLine{"0123456789abcde"}, PlayFrame{1, 9, DuelRole::Host}}},
        {"a text that begins with h is chat", "shello", {ChatLine{"hello"}}},
        {"frame-like text that is no frame", "shputs9 ok", {ChatLine{"hputs9 ok"}}},
        {"a frame, then chat",
         "hputs191s" + Cp("ура"),
         {PlayFrame{1, 9, DuelRole::Host}, ChatLine{Cp("ура")}}},
        {"abort is read and ignored", "aborthputs191", {PlayFrame{1, 9, DuelRole::Host}}},
    };
    for (const auto& c : cases) {
        ClientWithHostToMove client;
        const Drained drained = client.Receive(c.read);
        EXPECT_EQ(drained.messages, c.messages) << c.what;
        EXPECT_EQ(drained.last, Received(NeedMore{})) << c.what;
    }
}

TEST(DuelReceiver, HostAcceptsOnlyAHandshakeOfThisGameAndRevision) {
    const std::string name = "Mr.X" + std::string(16, ' ');
    const struct {
        std::string read;
        std::optional<DuelFault> fault;
    } cases[] = {
        {Hello, std::nullopt},
        {"qel6624connect1" + name, DuelFault::OtherRevision},
        {"qel6725connect1" + name, DuelFault::OtherGame},
        {"hputs112", DuelFault::Unexpected}, // a move before the handshake
        {"shi", DuelFault::Unexpected},      // chat before the handshake
        {Welcome, DuelFault::Unexpected},    // the host's own answer
        {Hello + Hello, DuelFault::Unexpected},
    };
    for (const auto& c : cases) {
        DuelReceiver host(DuelRole::Host);
        GameState state;
        host.Feed(c.read);
        const Drained drained = Drain(host, state);
        if (c.fault) {
            EXPECT_EQ(drained.last, Received(Disconnect{*c.fault})) << c.read;
        } else {
            ASSERT_EQ(drained.messages.size(), 1u);
            EXPECT_EQ(ShownName(std::get<net::Hello>(drained.messages[0]).nameField),
                      "Mr.X" + std::string(15, ' '));
            EXPECT_TRUE(host.Joined());
        }
    }
}

TEST(DuelReceiver, MalformedOrIllegalInputEndsTheConnection) {
    std::string duplicate = Encode(DealStarting({"2ч"}));
    duplicate.replace(3, 2, Cp("2ч"));
    const struct {
        const char* what;
        std::string read;
        std::size_t handled; // messages handed on before the end
        DuelFault fault;
    } cases[] = {
        {"a byte that begins no message", "x", 0, DuelFault::UnknownMessage},
        {"h and then nothing known", "hxyzxyzx", 0, DuelFault::UnknownMessage},
        {"garbage after a frame", "hputs141zz", 1, DuelFault::UnknownMessage},
        {"an empty hand place", "hputs341", 0, DuelFault::IllegalMove},
        {"an occupied table place", "hputs111", 0, DuelFault::IllegalMove},
        {"a capture with no legal take", "hputs291", 0, DuelFault::IllegalMove},
        {"a take that is no capture", "hputs191hsell3#1htake##1", 2, DuelFault::IllegalMove},
        {"selecting an empty place", "hputs191hsell5#1", 1, DuelFault::IllegalMove},
        {"a take with nothing played", "htake##1", 0, DuelFault::IllegalMove},
        {"a move out of turn", "hputs141hputs151", 1, DuelFault::IllegalMove},
        {"the client's own role digit", "hputs142", 0, DuelFault::WrongRole},
        {"a deal while under way", Encode(DealStarting({})), 0, DuelFault::Unexpected},
        {"a deal with a card twice", duplicate, 0, DuelFault::DuplicateCard},
        {"a client's handshake", Hello, 0, DuelFault::Unexpected},
        {"a second welcome", Welcome, 0, DuelFault::Unexpected},
        {"a select of the capture area", "hsell9#1", 0, DuelFault::Malformed},
    };
    for (const auto& c : cases) {
        ClientWithHostToMove client;
        const Drained drained = client.Receive(c.read);
        EXPECT_EQ(drained.messages.size(), c.handled) << c.what;
        EXPECT_EQ(drained.last, Received(Disconnect{c.fault})) << c.what;
        // The end is final: nothing more is read.
        client.receiver.Feed("hputs141");
        EXPECT_EQ(client.receiver.Next(client.state), Received(Disconnect{c.fault})) << c.what;
    }
}

TEST(DuelReceiver, OneBeginForEachDeal) {
    // A client waiting for its first deal shows a dealt table with no cards.
    GameState waiting;
    waiting.BeginState = Dealt;
    EXPECT_EQ(ClientReceives({Welcome + "hbegin#1"}, waiting).last,
              Received(Disconnect{DuelFault::Unexpected}));

    GameState state;
    const Drained drained = ClientReceives({HostOpening() + "hbegin#1"}, state);
    EXPECT_EQ(drained.messages.size(), 7u);
    EXPECT_EQ(drained.last, Received(Disconnect{DuelFault::IllegalMove}));
}

TEST(DuelReceiver, HostRefusesWhatOnlyAHostSends) {
    for (const std::string& read :
         {std::string("hbegin##"), Encode(DealStarting({})), std::string("hputs142")}) {
        DuelReceiver host(DuelRole::Host);
        GameState state = tavlira::testing::Position({"7ч"}, {"2ч"}, {"3б"}, OpponentSeat);
        state.Mode = PlayMode::DuelHost;
        state.BeginState = Dealt;
        host.Feed(Hello + read);
        const Drained drained = Drain(host, state);
        EXPECT_EQ(drained.messages.size(), 1u);
        // A move before the begin is illegal; the rest never comes from a client.
        const DuelFault expected =
            read.starts_with("hputs") ? DuelFault::IllegalMove : DuelFault::Unexpected;
        EXPECT_EQ(drained.last, Received(Disconnect{expected})) << read;
    }
}

TEST(DuelReceiver, TheBufferIsBounded) {
    // A flood of frames faster than the game takes them.
    ClientWithHostToMove client;
    for (std::size_t sent = 0; sent < DuelReceiver::BufferLimit; sent += 8)
        client.receiver.Feed("hsell1#1");
    client.receiver.Feed("h");
    EXPECT_EQ(client.receiver.Next(client.state), Received(Disconnect{DuelFault::BufferOverflow}));

    // Handled bytes make room again.
    ClientWithHostToMove steady;
    for (int turn = 0; turn < 1000; ++turn) {
        steady.receiver.Feed("shello there");
        EXPECT_TRUE(std::holds_alternative<DuelMessage>(steady.receiver.Next(steady.state)));
    }
}

} // namespace
} // namespace tavlira::net
