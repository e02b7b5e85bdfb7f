#include "StorageSeatBoard.h"

#include "Database.h"

#include <cstdio>

namespace tavlira::server {
namespace {

using table::SitAnswer;
using table::TableSeat;

int SeatNumber(TableSeat seat) {
    return static_cast<int>(seat);
}

bool SameOccupant(const Seat& a, const Seat& b) {
    return a.client.Nick == b.client.Nick && a.address == b.address;
}

} // namespace

std::optional<Seat>& StorageSeatBoard::Seated(int table, TableSeat seat) {
    return seated_.at(static_cast<std::size_t>(table - 1))
        .at(static_cast<std::size_t>(SeatNumber(seat) - 1));
}

SitAnswer StorageSeatBoard::Sit(int table, TableSeat seat, const std::string& player) {
    if (table < 1 || table > net::TableCount)
        return SitAnswer::NotGiven;
    try {
        Seat posted = storage_.ReadSeat(table, SeatNumber(seat));
        if (posted.client.Nick == "X" || posted.address != player)
            return SitAnswer::NotGiven;
        Seated(table, seat) = std::move(posted);
        return SitAnswer::Seated;
    } catch (const DatabaseError& e) {
        std::fprintf(stderr, "tavlira-server: table %d: cannot read the seat: %s\n", table,
                     e.what());
        return SitAnswer::Unavailable;
    }
}

// Gives the seat up on the web side, but only while it still holds the
// occupant that sat down here: the web side may have given it to someone
// else since.
void StorageSeatBoard::Leave(int table, TableSeat seat) {
    if (table < 1 || table > net::TableCount)
        return;
    std::optional<Seat> occupant = std::exchange(Seated(table, seat), std::nullopt);
    if (!occupant)
        return;
    try {
        if (SameOccupant(storage_.ReadSeat(table, SeatNumber(seat)), *occupant))
            storage_.ClearSeat(table, SeatNumber(seat));
    } catch (const DatabaseError& e) {
        std::fprintf(stderr, "tavlira-server: table %d: cannot free the seat: %s\n", table,
                     e.what());
    }
}

void StorageSeatBoard::Record(const table::TableResult& result) {
    if (result.table < 1 || result.table > net::TableCount)
        return;
    int seatOne = result.seatOneResult;
    if (result.loser)
        seatOne = *result.loser == TableSeat::First ? -ForfeitPoints : ForfeitPoints;
    for (const TableSeat seat : {TableSeat::First, TableSeat::Second}) {
        const std::optional<Seat>& occupant = Seated(result.table, seat);
        if (!occupant)
            continue;
        const int points = seat == TableSeat::First ? seatOne : -seatOne;
        try {
            storage_.BookTourGame(occupant->client.Nick, points);
        } catch (const DatabaseError& e) {
            std::fprintf(stderr, "tavlira-server: table %d: result %d for %s not booked: %s\n",
                         result.table, points, occupant->client.Nick.c_str(), e.what());
        }
    }
}

} // namespace tavlira::server
