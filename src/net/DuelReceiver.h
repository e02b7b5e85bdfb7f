#pragma once
// The receiving end of a duel connection: bytes in as the socket delivers
// them, whole messages out, each checked before it is handed on.
//
// A read may end in the middle of a message or hold several; the receiver
// keeps what it has not handled and cuts messages by their known lengths. A
// chat line has no length of its own: its text ends before the first whole
// message that follows it in the bytes received so far, after 15 bytes at
// most, or where those bytes end (a chat line is one small send, so it does
// not arrive in pieces).
//
// Every message is checked before it is handed on: its bytes by its decoder,
// its moment by the link (a handshake first, a deal only to a client between
// games, a begin only after a deal, frames only with the peer's role digit),
// and a move by the game's own rules (MoveIsLegal for the peer's seat on this
// machine's state). Whatever fails ends the connection, here and only here:
// Next() returns Disconnect with the fault, and keeps returning it.

#include "game/GameState.h"
#include "net/DuelMessages.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace tavlira::net {

// Nothing whole has arrived yet.
struct NeedMore {
    friend bool operator==(const NeedMore&, const NeedMore&) = default;
};
// The connection must end.
struct Disconnect {
    DuelFault fault = DuelFault::UnknownMessage;
    friend bool operator==(const Disconnect&, const Disconnect&) = default;
};
using Received = std::variant<NeedMore, DuelMessage, Disconnect>;

class DuelReceiver {
  public:
    // The most unhandled bytes kept. A peer playing by hand says little before
    // it must wait for this side: a deal (314 bytes), its begin (8) and a
    // whole capture (a play, eight selections and the take, 80) make 402
    // bytes; the rest leaves room for some 200 chat lines or selection clicks
    // that arrive while this side's window plays its queue. More is a flood:
    // it ends the connection, so memory stays bounded whatever a peer sends.
    static constexpr std::size_t BufferLimit = 4096;

    explicit DuelReceiver(DuelRole self) : self_(self) {}

    // Keeps bytes as they arrive.
    void Feed(std::string_view bytes);

    // The next whole message, checked against `game` as it stands now (the
    // caller hands each message to the game, and lets the game make its own
    // due steps, before asking for the next). An ignored message ("abort")
    // is skipped.
    Received Next(const GameState& game);

    DuelRole Self() const { return self_; }
    // The handshake is done: a host accepted a Hello, a client got a Welcome.
    bool Joined() const { return joined_; }
    std::optional<DuelFault> Fault() const { return fault_; }
    // Bytes kept that no message handed on has used yet.
    std::size_t Unhandled() const { return pending_.size() - handled_; }

  private:
    struct Kind;
    static const Kind* KindOf(std::string_view bytes, bool& mayComplete);
    static std::size_t ChatSize(std::string_view bytes);
    static bool WholeMessageAt(std::string_view bytes);

    std::optional<DuelFault> AcceptHello(const DuelMessage& message, const GameState& game);
    std::optional<DuelFault> AcceptWelcome(const DuelMessage& message, const GameState& game);
    std::optional<DuelFault> AcceptDeal(const DuelMessage& message, const GameState& game);
    std::optional<DuelFault> AcceptMove(const DuelMessage& message, const GameState& game);
    std::optional<DuelFault> AcceptChat(const DuelMessage& message, const GameState& game);
    Received End(DuelFault fault);

    DuelRole self_;
    bool joined_ = false;
    bool dealt_ = false; // a client has received a deal
    std::optional<DuelFault> fault_;
    std::string pending_;
    std::size_t handled_ = 0; // bytes at the front of pending_ already handled
};

} // namespace tavlira::net
