#pragma once
// The table server's seat board over the web side's storage. A seat is taken
// on the web side (the seat post): it holds the occupant's nick and the
// address the post came from. The table server admits a connection to that
// seat only from that address, books the result of each game it closes on
// the tournament results of both occupants, and gives the seats up on the
// web side once their game is over or their connection is gone.
//
// Results: a game played out books the server's own score of it (seat 1's
// points less seat 2's, and the opposite for seat 2), whatever a seat
// claims. A game lost by leaving, by the move clock or by a refused frame
// books ForfeitPoints for the winner and as many off for the loser, so that
// leaving a lost game never pays.
//
// Threads: the table loop calls this board on its own thread while the HTTP
// pool serves the web side. Each storage call is one statement, and the
// databases serialise them (one SQLite connection behind a mutex, pooled
// PostgreSQL connections); the board's own state is the table thread's alone.
// A failing database never reaches the table loop: a seat is then refused,
// and a result that cannot be booked is reported on stderr.

#include "Storage.h"
#include "table/SeatBoard.h"

#include <array>
#include <optional>
#include <string>

namespace tavlira::server {

class StorageSeatBoard final : public table::SeatBoard {
  public:
    static constexpr int ForfeitPoints = 1;

    explicit StorageSeatBoard(Storage& storage) : storage_(storage) {}

    table::SitAnswer Sit(int table, table::TableSeat seat, const std::string& player) override;
    void Leave(int table, table::TableSeat seat) override;
    void Record(const table::TableResult& result) override;

  private:
    // The web side's post of each seat as it was when the table server
    // seated its connection.
    std::optional<Seat>& Seated(int table, table::TableSeat seat);

    Storage& storage_;
    std::array<std::array<std::optional<Seat>, 2>, net::TableCount> seated_;
};

} // namespace tavlira::server
