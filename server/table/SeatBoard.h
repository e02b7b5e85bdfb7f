#pragma once
// Who sits where at the tournament tables, and the results of their games:
// the table server asks for a seat when a connection names one, gives it up
// when the seat leaves, and reports every game it closes. The web side's
// storage can stand behind this interface; MemorySeatBoard keeps it all in
// memory for a table server on its own.

#include "net/TableMessages.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>

namespace tavlira::table {

using net::TableSeat;

enum class SitAnswer : std::uint8_t {
    Seated,
    Taken,          // someone sits there already
    FirstSeatEmpty, // seat 2 is taken only at a table whose seat 1 is taken
    AlreadySeated,  // the player sits at another seat already
    NotGiven,       // the seat was not given to this address (or to no one)
    Unavailable,    // the board cannot be asked now (its storage fails)
};

// How a game was closed.
enum class GameEnd : std::uint8_t {
    Played,  // played out and scored
    TimeOut, // the loser's move clock ran out
    Left,    // the loser left the table during the game
    Refused, // the loser sent what the server refuses (an illegal, out-of-turn
             // or spoofed move, or bytes that are no frame)
};

struct TableResult {
    int table = 1;
    GameEnd end = GameEnd::Played;
    // The seat that lost by its own doing; none for a game played out.
    std::optional<TableSeat> loser;
    // Played: seat 1's points less seat 2's.
    int seatOneResult = 0;

    // The winning seat; none for a drawn game.
    std::optional<TableSeat> Winner() const;
    friend bool operator==(const TableResult&, const TableResult&) = default;
};

class SeatBoard {
  public:
    virtual ~SeatBoard() = default;
    // Seats `player` (the address a connection comes from) at seat `seat` of
    // `table`, or says why not.
    virtual SitAnswer Sit(int table, TableSeat seat, const std::string& player) = 0;
    virtual void Leave(int table, TableSeat seat) = 0;
    virtual void Record(const TableResult& result) = 0;
};

// The seats and results in memory. A player is known by its address; the
// loopback addresses are exempt from "one seat per player", so that one
// machine can hold both seats against a table server of its own.
class MemorySeatBoard final : public SeatBoard {
  public:
    // The most recent results kept; the totals count them all.
    static constexpr std::size_t KeptResults = 100;

    SitAnswer Sit(int table, TableSeat seat, const std::string& player) override;
    void Leave(int table, TableSeat seat) override;
    void Record(const TableResult& result) override;

    std::optional<std::string> Occupant(int table, TableSeat seat) const;
    const std::deque<TableResult>& RecentResults() const { return recent_; }
    long long GamesRecorded() const { return recorded_; }

  private:
    std::map<std::pair<int, TableSeat>, std::string> seats_;
    std::deque<TableResult> recent_;
    long long recorded_ = 0;
};

} // namespace tavlira::table
