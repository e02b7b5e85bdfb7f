// Two duel sockets in one process on 127.0.0.1: whole matches between two
// machines, a second client turned away, and peers that send garbage, stall
// in the middle of a message, or leave during a game.

#include "app/SocketPlayer.h"

#include <QTcpSocket>
#include <gtest/gtest.h>

namespace tavlira::testing {
namespace {

using net::DuelRole;

bool Joined(SocketPlayer& p) {
    return p.socket.HasPeer() && p.socket.Link().Joined();
}

// The client connects and both log in once the handshake is done.
void Join(SocketPlayer& host, SocketPlayer& client) {
    ASSERT_TRUE(host.socket.Listen(0));
    client.socket.Connect(QStringLiteral("127.0.0.1"), host.socket.ListeningPort());
    ASSERT_TRUE(RunUntil([&] {
        host.Settle();
        client.Settle();
        return Joined(host) && Joined(client);
    }));
    client.machine.LogIn();
    host.machine.LogIn();
    host.socket.Flush();
}

// Plays on until `done`; each side steps, then its person acts.
bool PlayUntil(SocketPlayer& host, SocketPlayer& client, const std::function<bool()>& done) {
    return RunUntil(
        [&] {
            for (SocketPlayer* p : {&host, &client}) {
                const DuelLink::Step step = p->Settle();
                EXPECT_TRUE(std::holds_alternative<DuelLink::Idle>(step)) << p->machine.name;
                p->machine.PersonActs();
                p->socket.Flush();
            }
            return done();
        },
        20000);
}

bool BothInMenu(SocketPlayer& host, SocketPlayer& client) {
    return host.machine.match.MenuShown() && client.machine.match.MenuShown();
}

TEST(DuelSocket, TwoMachinesPlayWholeMatchesOverLoopback) {
    for (std::uint32_t seed = 1; seed <= 3; ++seed) {
        SocketPlayer host(DuelRole::Host, "Hostess", 10 + static_cast<int>(seed), seed);
        SocketPlayer client(DuelRole::Client, "Guest", 20, seed + 50);
        Join(host, client);
        ASSERT_TRUE(PlayUntil(host, client, [&] { return BothInMenu(host, client); }));
        EXPECT_EQ(host.machine.match.State().PointsLead, -client.machine.match.State().PointsLead);
        EXPECT_EQ(host.machine.NetMember()->games, 12 + static_cast<int>(seed));
        EXPECT_EQ(client.machine.NetMember()->games, 22);
    }
}

TEST(DuelSocket, ASecondClientIsTurnedAwayWithoutDisturbingTheFirst) {
    SocketPlayer host(DuelRole::Host, "Hostess", 4, 1);
    SocketPlayer client(DuelRole::Client, "Guest", 6, 2);
    Join(host, client);
    QTcpSocket intruder;
    intruder.connectToHost(QStringLiteral("127.0.0.1"), host.socket.ListeningPort());
    ASSERT_TRUE(RunUntil([&] { return intruder.state() == QAbstractSocket::UnconnectedState; }));
    EXPECT_EQ(host.ended, 0);
    ASSERT_TRUE(client.machine.link->SendChat("still here"));
    client.socket.Flush();
    DuelLink::Step step;
    ASSERT_TRUE(RunUntil([&] {
        step = host.Settle();
        return !std::holds_alternative<DuelLink::Idle>(step);
    }));
    ASSERT_TRUE(std::holds_alternative<DuelLink::Chat>(step));
    EXPECT_EQ(std::get<DuelLink::Chat>(step).text, "still here");
}

// A peer that is not our game, or stalls, is dropped; the host keeps
// listening and a proper client joins afterwards.
TEST(DuelSocket, GarbageAndAStalledMessageEndTheConnectionAndTheHostListensOn) {
    for (const QByteArray& bytes :
         {QByteArray("GET / HTTP/1.1\r\n\r\n"), QByteArray("qel6625conn")}) {
        SCOPED_TRACE(bytes.toStdString());
        SocketPlayer host(DuelRole::Host, "Hostess", 4, 1);
        host.socket.SetStallTimeout(200);
        ASSERT_TRUE(host.socket.Listen(0));
        QTcpSocket stranger;
        stranger.connectToHost(QStringLiteral("127.0.0.1"), host.socket.ListeningPort());
        ASSERT_TRUE(stranger.waitForConnected(2000));
        stranger.write(bytes);
        ASSERT_TRUE(RunUntil([&] {
            host.Settle();
            return stranger.state() == QAbstractSocket::UnconnectedState;
        }));
        EXPECT_FALSE(host.socket.HasPeer());

        SocketPlayer client(DuelRole::Client, "Guest", 6, 2);
        Join(host, client);
        EXPECT_TRUE(Joined(host));
    }
}

TEST(DuelSocket, AClientThatLeavesMidGameInterruptsTheHostsGame) {
    SocketPlayer host(DuelRole::Host, "Hostess", 4, 1);
    SocketPlayer client(DuelRole::Client, "Guest", 6, 2);
    Join(host, client);
    ASSERT_TRUE(PlayUntil(host, client,
                          [&] { return client.machine.match.State().BeginState == UnderWay; }));
    client.socket.Close();
    ASSERT_TRUE(RunUntil([&] { return host.ended == 1; }));
    EXPECT_TRUE(host.machine.match.PeerLeft());
    // The host stops listening once its match lost its client.
    QTcpSocket late;
    late.connectToHost(QStringLiteral("127.0.0.1"), host.socket.ListeningPort());
    EXPECT_FALSE(late.waitForConnected(500));
}

// A peer may send its last message and leave at once, before this side's
// window has taken the message in: the message is still played.
TEST(DuelSocket, WhatAPeerSentBeforeItLeftIsStillHandedOn) {
    SocketPlayer host(DuelRole::Host, "Hostess", 4, 1);
    SocketPlayer client(DuelRole::Client, "Guest", 6, 2);
    Join(host, client);
    ASSERT_TRUE(client.machine.link->SendChat("bye"));
    client.socket.Flush();
    client.socket.Close();
    ASSERT_TRUE(RunUntil([&] { return host.ended == 1; }));
    const DuelLink::Step step = host.Settle();
    ASSERT_TRUE(std::holds_alternative<DuelLink::Chat>(step));
    EXPECT_EQ(std::get<DuelLink::Chat>(step).text, "bye");
}

} // namespace
} // namespace tavlira::testing
