#pragma once
// One side of a duel between the match and the connection, without sockets:
// the bytes that arrive go to the match as the peer's deal and moves, and
// what the match's outbox says this side did leaves as bytes.
//
// The socket adapter feeds every read and writes whatever TakeOutgoing
// returns; the window asks Next for one step at a time, and plays the
// match's outbox of each step before asking again, so a message from the
// peer reaches the match between two of its steps, never in the middle of
// one. Before a message is read the match runs its own due steps (a refill,
// the final sweep, "No move"): the peer sent the message only after running
// them on its side.

#include "match/Match.h"
#include "net/DuelReceiver.h"

#include <string>
#include <string_view>
#include <variant>

namespace tavlira {

class DuelLink {
  public:
    // `ownName` is the player's name in code page 1251.
    DuelLink(net::DuelRole self, std::string_view ownName);

    net::DuelRole Role() const { return receiver_.Self(); }
    // The handshake is done.
    bool Joined() const { return receiver_.Joined(); }
    // The peer's name as its handshake gave it (code page 1251).
    const std::string& PeerName() const { return peerName_; }

    // The connection is open: a client greets the host.
    void Connected();
    // Bytes as the socket delivered them.
    void Feed(std::string_view bytes);

    // What one step brought.
    struct Idle {};       // nothing due and nothing whole received
    struct GameStep {};   // the match made a step: its outbox holds what to show
    struct PeerJoined {}; // the handshake is done; a client's match may start
    struct Chat {
        std::string text; // code page 1251
    };
    struct Ended {
        net::DuelFault fault;
    };
    using Step = std::variant<Idle, GameStep, PeerJoined, Chat, Ended>;

    // The next step: the match's own due step, else the next whole message
    // handed to it. The game's messages wait while the match is away from
    // the table (a client's match starts once the handshake is done).
    // Ended comes once; the connection must then close.
    Step Next(Match& match);

    // Sends what `events`, one outbox just taken from `match`, says this
    // side did: the deal of a host, the person's moves. Call it with every
    // outbox of a duel match as it is taken.
    void Send(const MatchOutbox& events, const Match& match);
    // A chat line of 1..15 bytes of code page 1251; false for another length.
    bool SendChat(std::string_view text);

    // The bytes to write to the socket, in order.
    std::string TakeOutgoing();

    // The last step found only the start of a message: the rest is due from
    // the peer, which sends each message whole. A connection that stays so
    // for long has stalled.
    bool AwaitsRest() const { return awaitsRest_; }

  private:
    Step Handle(const net::DuelMessage& message, Match& match);

    net::DuelReceiver receiver_;
    std::string nameField_;
    std::string peerName_;
    std::string outgoing_;
    bool ended_ = false;
    bool awaitsRest_ = false;
};

} // namespace tavlira
