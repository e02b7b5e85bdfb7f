#pragma once
// A seat's side of a tournament table game: the bytes from the server in,
// each message checked and replayed on this seat's copy of the game, and the
// frames of this seat's own moves out. Headless seats (tavlira-sim) play
// through it; the window's table game takes the same checks.
//
// What the server sends is checked here and only here: a deal only while no
// game runs, a move only with the other seat's digit and only when the
// game's rules allow it (TableMoveIsLegal), the closing frames only during a
// game. Whatever fails ends the connection: Next() returns Disconnect with
// the fault, and keeps returning it.

#include "game/GameState.h"
#include "game/Move.h"
#include "net/TableReceiver.h"
#include "net/TableRules.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tavlira::net {

// What happened at the table, as Next() reports it.
struct GameDealt {
    friend bool operator==(const GameDealt&, const GameDealt&) = default;
};
struct OpponentMoved {
    Move move;
    friend bool operator==(const OpponentMoved&, const OpponentMoved&) = default;
};
struct ChatArrived {
    std::string text;
    friend bool operator==(const ChatArrived&, const ChatArrived&) = default;
};
// The game is closed: by the server ("e"), because the opponent left ("a") or
// because its clock ran out ("TOut").
struct GameClosed {
    enum class Why : std::uint8_t { Closed, OpponentLeft, OpponentTimedOut } why = Why::Closed;
    friend bool operator==(const GameClosed&, const GameClosed&) = default;
};
using SeatEvent =
    std::variant<NeedMore, GameDealt, OpponentMoved, ChatArrived, GameClosed, Disconnect>;

class TableSeatGame {
  public:
    explicit TableSeatGame(TableSeat self) : self_(self) {}

    TableSeat Self() const { return self_; }
    const GameState& Game() const { return game_; }
    bool Running() const { return running_; }

    // The first frame of the connection: this seat takes its place.
    std::string ConnectFrameBytes() const;

    void Feed(std::string_view bytes) { receiver_.Feed(bytes); }
    // The next message from the server, handled.
    SeatEvent Next();

    // This seat's move: applied to its game with the due steps after it, and
    // the frame that tells the server; nothing when the rules refuse it.
    std::optional<std::string> Play(const Move& move);
    // The frame seat 1 sends to confirm the end of a game played out.
    std::optional<std::string> ConfirmEnd();
    std::string ChatFrame(std::string_view text) const;
    // The moves the computer opponent would make for this seat now: the
    // begin for seat 1, then on each turn a lay-off, or a play to the
    // capture area with its selections and the take; none on the other's turn.
    std::vector<Move> ComputerChoice() const;

  private:
    SeatEvent Handle(const TableFrame& frame);
    SeatEvent Stop(DuelFault fault);

    TableSeat self_;
    TableReceiver receiver_{TableEnd::Seat};
    GameState game_;
    bool running_ = false;   // dealt and not yet closed
    bool confirmed_ = false; // seat 1 has confirmed the end
    std::optional<DuelFault> fault_;
};

} // namespace tavlira::net
