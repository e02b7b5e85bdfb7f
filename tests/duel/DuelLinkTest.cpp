// Two machines of a duel wired back to back through their links, without
// sockets: each side's person plays by clicks, every message crosses in
// reads cut anywhere, and each side keeps its own record in its net file.

#include "DuelMachine.h"
#include "i18n/words/Table.h"
#include "net/DuelRules.h"

#include <gtest/gtest.h>

namespace tavlira::testing {
namespace {

using net::DuelRole;

bool IsIdle(const DuelLink::Step& step) {
    return std::holds_alternative<DuelLink::Idle>(step);
}

// Hands what `from` sent to `to` in reads of 1 to 40 bytes, `to` taking in
// whatever is whole after each read. Returns whether anything was sent.
bool Carry(DuelMachine& from, DuelMachine& to, RandomSource& reads) {
    std::string bytes = from.link->TakeOutgoing();
    const bool sent = !bytes.empty();
    while (!bytes.empty()) {
        const std::size_t size = std::min<std::size_t>(bytes.size(), 1 + reads.Below(40));
        to.link->Feed(std::string_view(bytes).substr(0, size));
        bytes.erase(0, size);
        const DuelLink::Step step = to.Settle();
        EXPECT_TRUE(IsIdle(step)) << to.name << " did not take the bytes in";
    }
    return sent;
}

// The client connects, the host welcomes it, and both log in: the client's
// table waits for the deal, the host deals.
void Join(DuelMachine& host, DuelMachine& client) {
    client.link->Connected();
    host.link->Feed(client.link->TakeOutgoing());
    ASSERT_TRUE(std::holds_alternative<DuelLink::PeerJoined>(host.Settle()));
    EXPECT_EQ(host.link->PeerName(), net::ShownName(net::NameField(client.name)));
    client.link->Feed(host.link->TakeOutgoing());
    ASSERT_TRUE(std::holds_alternative<DuelLink::PeerJoined>(client.Settle()));
    EXPECT_EQ(client.link->PeerName(), net::ShownName(net::NameField(host.name)));
    client.LogIn();
    host.LogIn();
}

// Plays until neither side has anything to say or to do; each side runs
// its own due steps as its window's tick would.
// With `firstGameOnly` it stops once the first game is over on both sides.
void PlayOn(DuelMachine& host, DuelMachine& client, RandomSource& reads,
            bool firstGameOnly = false) {
    for (int round = 0; round < 100000; ++round) {
        for (DuelMachine* m : {&host, &client})
            EXPECT_TRUE(IsIdle(m->Settle())) << m->name;
        // Both ways in every round, whether or not the host sent anything.
        const bool hostSent = Carry(host, client, reads);
        const bool sent = Carry(client, host, reads) || hostSent;
        ASSERT_FALSE(::testing::Test::HasFailure());
        if (firstGameOnly && !sent && host.match.State().GameOver && client.match.State().GameOver)
            return;
        if (!sent && !host.PersonActs() && !client.PersonActs())
            return;
    }
    FAIL() << "the duel never came to rest";
}

struct Counters {
    int host;
    int client;
};

TEST(DuelLink, WholeMatchesEndAlikeOnBothSidesAndEachSideRecordsItsOwn) {
    for (const Counters counters : {Counters{10, 20}, Counters{10, 21}, Counters{11, 20}})
        for (std::uint32_t seed = 1; seed <= 4; ++seed) {
            SCOPED_TRACE(::testing::Message() << "host " << counters.host << ", client "
                                              << counters.client << ", seed " << seed);
            DuelMachine host(DuelRole::Host, "Hostess", counters.host, seed);
            DuelMachine client(DuelRole::Client, "Guest", counters.client, seed + 100);
            SeededRandom reads(seed);
            Join(host, client);
            PlayOn(host, client, reads);
            ASSERT_FALSE(::testing::Test::HasFailure());

            // Two games, then both persons left through "Exit to menu".
            for (DuelMachine* m : {&host, &client}) {
                EXPECT_EQ(m->match.CurrentScreen(), Screen::Menu) << m->name;
                EXPECT_EQ(m->match.State().GamesAtTable, SeriesGames) << m->name;
            }
            const GameState& h = host.match.State();
            const GameState& c = client.match.State();
            EXPECT_EQ(h.MatchPoints[LocalSeat], c.MatchPoints[OpponentSeat]);
            EXPECT_EQ(h.MatchPoints[OpponentSeat], c.MatchPoints[LocalSeat]);
            EXPECT_EQ(h.PointsLead, -c.PointsLead);
            const auto hostRecord = host.NetMember();
            const auto clientRecord = client.NetMember();
            ASSERT_TRUE(hostRecord && clientRecord);
            EXPECT_EQ(hostRecord->games, counters.host + SeriesGames);
            EXPECT_EQ(clientRecord->games, counters.client + SeriesGames);
            EXPECT_EQ(hostRecord->cycleScore, h.PointsLead);
            EXPECT_EQ(clientRecord->cycleScore, c.PointsLead);
        }
}

TEST(DuelLink, TheClientWaitsForTheDealAndOnlyTheHostBeginsAndDealsAgain) {
    DuelMachine host(DuelRole::Host, "Hostess", 4, 7);
    DuelMachine client(DuelRole::Client, "Guest", 9, 8);
    SeededRandom reads(3);
    client.link->Connected();
    host.link->Feed(client.link->TakeOutgoing());
    host.Settle();
    client.link->Feed(host.link->TakeOutgoing());
    client.Settle();
    client.LogIn();
    // The client's table waits; its first game is counted once, here.
    EXPECT_TRUE(client.match.AwaitsFirstDeal());
    EXPECT_FALSE(client.match.Buttons().start.enabled);
    EXPECT_TRUE(std::any_of(client.played.begin(), client.played.end(), [](const MatchEvent& e) {
        return std::holds_alternative<match_event::AwaitingDeal>(e);
    }));
    EXPECT_EQ(client.match.State().GameCounter, 10);
    host.LogIn();
    Carry(host, client, reads);
    EXPECT_FALSE(client.match.AwaitsFirstDeal());
    EXPECT_EQ(client.match.State().GameCounter, 10);
    EXPECT_EQ(client.match.State().Deck, host.match.State().Deck);
    EXPECT_EQ(client.match.State().Hand[LocalSeat], host.match.State().Hand[OpponentSeat]);
    EXPECT_EQ(client.match.Buttons().start.label, &words::ToBegin);
    EXPECT_FALSE(client.match.Buttons().start.enabled);
    EXPECT_FALSE(client.PersonActs());

    // The first game to its end: the host may deal the next, the client not.
    PlayOn(host, client, reads, true);
    ASSERT_TRUE(host.match.State().GameOver);
    EXPECT_FALSE(client.match.Buttons().start.enabled);
    EXPECT_FALSE(client.match.Buttons().second.enabled);
    EXPECT_TRUE(host.match.Buttons().start.enabled);
    EXPECT_FALSE(host.match.Buttons().second.enabled);
    host.match.PressStart();
    host.Take();
    Carry(host, client, reads);
    EXPECT_EQ(client.match.State().GameCounter, 11);
    EXPECT_EQ(client.match.State().Deck, host.match.State().Deck);
    EXPECT_EQ(client.match.State().BeginState, Dealt);
}

TEST(DuelLink, APeerThatLeavesMidGameEndsTheMatchWithoutARecord) {
    DuelMachine host(DuelRole::Host, "Hostess", 4, 7);
    DuelMachine client(DuelRole::Client, "Guest", 9, 8);
    SeededRandom reads(3);
    Join(host, client);
    Carry(host, client, reads);
    host.PersonActs(); // "To Begin"
    Carry(host, client, reads);
    ASSERT_EQ(client.match.State().BeginState, UnderWay);
    // The window says the host interrupted the game, then shows the menu.
    EXPECT_TRUE(client.match.PeerLeft());
    client.match.LeaveInterruptedGame();
    client.Take();
    EXPECT_EQ(client.match.CurrentScreen(), Screen::Menu);
    EXPECT_EQ(client.NetMember()->games, 9);
}

TEST(DuelLink, APeerThatLeavesAfterAGameLeavesNoNextGame) {
    DuelMachine host(DuelRole::Host, "Hostess", 4, 7);
    DuelMachine client(DuelRole::Client, "Guest", 9, 8);
    SeededRandom reads(3);
    Join(host, client);
    PlayOn(host, client, reads, true);
    ASSERT_TRUE(host.match.State().GameOver);
    ASSERT_TRUE(host.match.Buttons().start.enabled);
    EXPECT_FALSE(host.match.PeerLeft()); // nothing to say after a game
    host.Take();
    EXPECT_FALSE(host.match.Buttons().start.enabled);
}

TEST(DuelLink, ChatLinesCrossBothWays) {
    DuelMachine host(DuelRole::Host, "Hostess", 4, 7);
    DuelMachine client(DuelRole::Client, "Guest", 9, 8);
    Join(host, client);
    EXPECT_TRUE(client.link->SendChat("hello there"));
    EXPECT_FALSE(client.link->SendChat(""));
    EXPECT_FALSE(client.link->SendChat("sixteen bytes!!!"));
    host.link->Feed(client.link->TakeOutgoing());
    const DuelLink::Step step = host.Settle();
    ASSERT_TRUE(std::holds_alternative<DuelLink::Chat>(step));
    EXPECT_EQ(std::get<DuelLink::Chat>(step).text, "hello there");
}

TEST(DuelLink, WhatTheMatchRefusesEndsTheLinkOnce) {
    DuelMachine host(DuelRole::Host, "Hostess", 4, 7);
    DuelMachine client(DuelRole::Client, "Guest", 9, 8);
    Join(host, client);
    client.link->Feed(host.link->TakeOutgoing()); // the first deal
    EXPECT_TRUE(IsIdle(client.Settle()));
    // A second deal while the dealt game waits for its begin.
    client.link->Feed(net::Encode(net::DealOf(host.match.State())));
    EXPECT_TRUE(std::holds_alternative<DuelLink::Ended>(client.Settle()));
    EXPECT_TRUE(IsIdle(client.Settle()));
    // The host's person leads its odd game: a client's move is refused.
    host.PersonActs(); // "To Begin"
    host.link->Feed(net::Encode(net::PlayFrame{1, 5, DuelRole::Client}));
    EXPECT_TRUE(std::holds_alternative<DuelLink::Ended>(host.Settle()));
}

} // namespace
} // namespace tavlira::testing
