#pragma once
// The move log of one game: enough to play the game again move by move
// through the rules, and the result it must come to.
//
// The file is text, one item a line, each line ended by "\n"; card codes are
// their two code page 1251 bytes, like every other file of the game:
//
//   TAVLIRA MOVE LOG 1
//   mode computer                 computer, duel-host, duel-client, table-1, table-2
//   figures off                   on when court cards carry 11, 12, 13
//   deck Тп:1 5б:5 ... Дк:0       the 52 cards in deal order, each with its value as dealt
//   deal 1                        the seat that received deck cards 1..4 (1 or 2)
//   first 2                       the seat that moved first
//   move 2 begin                  the moves in order: seat, then
//   move 2 play 3 9                 begin | play HAND TABLE | toggle TABLE | take
//   move 2 toggle 4
//   move 2 take
//   nomove 1                      only when the game ended by "No move": the seat that had none
//   result 4 1 27:7:1 25:6:1      points of seats 1 and 2, then each seat's cards:clubs:bonus
//   end
//
// Seats are the game's own: 2 is the person at the machine that wrote the
// log, 1 the opponent. The refills, the final sweep and "No move" are not
// moves: the rules make them, and a replay must come to them by itself.
// A game that got under way from its deal (the engine playing itself) has
// no begin move.

#include "game/GameState.h"
#include "game/Move.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tavlira {

struct LoggedMove {
    Seat seat = LocalSeat;
    Move move;
    int line = 0; // where a read log has it, for messages; 0 otherwise
    friend bool operator==(const LoggedMove& a, const LoggedMove& b) {
        return a.seat == b.seat && a.move == b.move;
    }
};

// What a game came to: the points of each seat and what each captured.
struct LoggedResult {
    OneBased<int, 2> points{};
    OneBased<int, 2> taken{};
    OneBased<int, 2> clubs{};
    OneBased<int, 2> bonus{};
    friend bool operator==(const LoggedResult&, const LoggedResult&) = default;
};

struct MoveLog {
    PlayMode mode = PlayMode::Computer;
    bool figuresHavePoints = false;
    OneBased<CardSlot, DeckSize> deck{};
    Seat dealtFirst = OpponentSeat;
    Seat firstMover = LocalSeat;
    std::vector<LoggedMove> moves;
    std::optional<Seat> noMove; // the seat that had no move; none after the final sweep
    LoggedResult result;
    friend bool operator==(const MoveLog&, const MoveLog&) = default;
};

// What kind of fault refused a log: a file that cannot be read, a text
// that is no move log as written above, or moves the rules do not come to.
enum class LogFault { Unreadable, Damaged, AgainstTheRules };

// A log refused, and why; `line` counts from 1 (0: the file as a whole).
// The message is English, for the tools; the window words the fault.
struct LogError {
    int line = 0;
    std::string message;
    LogFault fault = LogFault::Damaged;
};
// "line N: message", or the message alone for the file as a whole.
std::string Describe(const LogError& error);

std::string WriteMoveLog(const MoveLog& log);

// Reads a log strictly: every line must be as written above, the deck must
// hold each card once with the value the rules give it, and nothing may
// follow "end". Whether the moves are legal is the replay's to check.
std::variant<MoveLog, LogError> ReadMoveLog(std::string_view text);

// What a game's state says it came to.
LoggedResult ResultOf(const GameState& state);

} // namespace tavlira
