#pragma once
// The frames of a tournament table connection, between a seat and the table
// server, as typed values with their encoders and decoders
// (TableMessages.cpp documents every field where it is written).
//
// Every message but the deal is a frame of exactly 20 code page 1251 bytes:
// its payload (at most 19 bytes), padded on the right with "#", whose 20th
// byte is then the sender's seat digit ("1" or "2"). The deal is the one
// message without a frame: 313 bytes that begin with "b".
//
// A decoder takes exactly the bytes of one message and checks every field;
// whether a message may come now, and from whom, is the receiver's and the
// table's question.

#include "game/GameState.h"
#include "game/Move.h"
#include "net/DuelMessages.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace tavlira::net {

// A seat at a tournament table: seat 1 opens a game and begins it, seat 2
// joins it and leads.
enum class TableSeat : std::uint8_t { First = 1, Second = 2 };

constexpr TableSeat OtherTableSeat(TableSeat seat) {
    return seat == TableSeat::First ? TableSeat::Second : TableSeat::First;
}

inline constexpr std::size_t FrameSize = 20;
inline constexpr std::size_t FramePayloadMax = FrameSize - 1;
inline constexpr std::size_t TableDealSize = 313;
// The text a chat frame can hold: the payload less its "s".
inline constexpr std::size_t TableChatMax = FramePayloadMax - 1;
// The ten tables of the tournament; table t listens on base port + t.
inline constexpr int TableCount = 10;
// The seconds a seat has for each move.
inline constexpr int MoveClockSeconds = 26;

// A seat asks for its place at the table (the first frame of a connection).
struct ConnectFrame {
    TableSeat seat = TableSeat::First;
    friend bool operator==(const ConnectFrame&, const ConnectFrame&) = default;
};
// The seat leaves the table.
struct LeaveFrame {
    friend bool operator==(const LeaveFrame&, const LeaveFrame&) = default;
};
// A move of the game: begin (seat 1 only), play, select, take.
struct MoveFrame {
    Move move;
    friend bool operator==(const MoveFrame&, const MoveFrame&) = default;
};
// A chat line; it ends before its first "#".
struct TableChat {
    std::string text; // 1..TableChatMax bytes, no "#"
    friend bool operator==(const TableChat&, const TableChat&) = default;
};
// The move clock of the seat named by the frame's digit ran out.
struct TimeOutFrame {
    friend bool operator==(const TimeOutFrame&, const TimeOutFrame&) = default;
};
// Seat 1 confirms the end of the game with the result from its side.
struct ResultFrame {
    int result = 0; // positive when seat 1 won, negative when it lost
    friend bool operator==(const ResultFrame&, const ResultFrame&) = default;
};
// The server closed the game.
struct ClosedFrame {
    friend bool operator==(const ClosedFrame&, const ClosedFrame&) = default;
};
// The seat named by the frame's digit left the game.
struct LeftFrame {
    friend bool operator==(const LeftFrame&, const LeftFrame&) = default;
};

using FramePayload = std::variant<ConnectFrame, LeaveFrame, MoveFrame, TableChat, TimeOutFrame,
                                  ResultFrame, ClosedFrame, LeftFrame>;

// One frame: what it says and the seat digit it ends in.
struct TableFrame {
    FramePayload payload;
    TableSeat seat = TableSeat::First;
    friend bool operator==(const TableFrame&, const TableFrame&) = default;
};

// The deck of a new game, server to both seats. Court cards count nothing at
// a tournament table.
struct TableDeal {
    OneBased<CardSlot, DeckSize> deck{};
    friend bool operator==(const TableDeal&, const TableDeal&) = default;
};

using TableMessage = std::variant<TableDeal, TableFrame>;

// The result of a game as seat 1's frame gives it: a number right-aligned in
// five bytes fits -9999..99999, and its negation must fit as well.
inline constexpr int ResultMax = 9999;

std::string Encode(const TableFrame& frame);
std::string Encode(const TableDeal& deal);
std::string Encode(const TableMessage& message);

Decoded<TableFrame> DecodeFrame(std::string_view bytes);
Decoded<TableDeal> DecodeTableDeal(std::string_view bytes);

// The deal of a shuffled deck (its court cards already worth nothing).
TableDeal TableDealOf(const OneBased<CardSlot, DeckSize>& deck);

} // namespace tavlira::net
