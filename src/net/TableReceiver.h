#pragma once
// The receiving end of a table connection, on a seat or on the server: bytes
// in as the socket delivers them, whole messages out, each decoded and of a
// kind this end receives.
//
// A read may end inside a frame or hold several; the receiver keeps what it
// has not handled and cuts frames of 20 bytes, and, on a seat, the 313 bytes
// of a deal where the bytes begin with "b". Bytes that are no message, or a
// message this end never receives, end the connection here and only here:
// Next() returns Disconnect with the fault, and keeps returning it. Who may
// send a frame now (its seat digit, its moment, its move) is the table's
// question (TableRules.h, the server's table).

#include "net/DuelReceiver.h"
#include "net/TableMessages.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

namespace tavlira::net {

// Which end of the connection receives: a seat reads what the server sends,
// the server what a seat sends.
enum class TableEnd : std::uint8_t { Seat, Server };

using TableReceived = std::variant<NeedMore, TableMessage, Disconnect>;

class TableReceiver {
  public:
    // The most unhandled bytes kept. Each read is handled at once, so only a
    // frame or a deal cut short waits; a socket read of up to 2048 bytes on
    // top of that still fits. More is a flood and ends the connection.
    static constexpr std::size_t BufferLimit = 4096;

    explicit TableReceiver(TableEnd end) : end_(end) {}

    void Feed(std::string_view bytes);
    TableReceived Next();

    TableEnd End() const { return end_; }
    std::optional<DuelFault> Fault() const { return fault_; }
    std::size_t Unhandled() const { return pending_.size() - handled_; }

  private:
    bool Receives(const FramePayload& payload) const;
    TableReceived Stop(DuelFault fault);

    TableEnd end_;
    std::optional<DuelFault> fault_;
    std::string pending_;
    std::size_t handled_ = 0;
};

} // namespace tavlira::net
