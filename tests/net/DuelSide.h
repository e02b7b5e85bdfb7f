#pragma once
// A bare game state standing in for the match on one side of a duel: what
// arrives is handed to the game as the match hands it, each message before
// the next is asked for.

#include "game/Deal.h"
#include "game/Play.h"
#include "net/DuelReceiver.h"
#include "net/DuelRules.h"

#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace tavlira::net {
inline void PrintTo(const Disconnect& disconnect, std::ostream* os) {
    *os << "Disconnect(" << FaultName(disconnect.fault) << ")";
}
} // namespace tavlira::net

namespace tavlira::net::testing {

// A client starts its match by counting the first game, so its first deal
// counts nothing more; every later deal counts one game.
inline void StartReceivedGame(GameState& client, const DealMessage& deal) {
    if (client.GamesAtTable > 0)
        ++client.GameCounter;
    ++client.GamesAtTable;
    DealReceived(client, deal);
    ResetGameFields(client);
    client.Mover = TurnOf(FirstMover(client));
    client.BeginState = Dealt;
    client.TableActive = true;
}

// Hands a checked message to the game; moves are the peer's, on seat 1.
// `honourLeader` false plays a client that reads only "hbegin".
inline void Apply(GameState& state, const DuelMessage& message, Outbox& out,
                  bool honourLeader = true) {
    if (const auto* deal = std::get_if<DealMessage>(&message)) {
        StartReceivedGame(state, *deal);
        return;
    }
    const auto move = MoveOf(message);
    if (!move)
        return;
    ASSERT_TRUE(ApplyMove(state, OpponentSeat, *move, out));
    if (const auto* begin = std::get_if<BeginFrame>(&message); begin && honourLeader)
        state.Mover = TurnOf(ClientLeader(state, *begin));
}

struct Drained {
    std::vector<DuelMessage> messages;
    Received last; // NeedMore or Disconnect
};

// Everything whole the receiver holds, each message applied before the next.
inline Drained Drain(DuelReceiver& receiver, GameState& state) {
    Drained drained;
    Outbox out;
    for (;;) {
        Received received = receiver.Next(state);
        auto* message = std::get_if<DuelMessage>(&received);
        if (message == nullptr) {
            drained.last = received;
            return drained;
        }
        Apply(state, *message, out);
        drained.messages.push_back(std::move(*message));
    }
}

} // namespace tavlira::net::testing
