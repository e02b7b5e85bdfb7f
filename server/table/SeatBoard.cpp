#include "table/SeatBoard.h"

namespace tavlira::table {
namespace {

bool IsLoopback(const std::string& address) {
    return address.starts_with("127.") || address == "::1";
}

} // namespace

std::optional<TableSeat> TableResult::Winner() const {
    if (loser)
        return net::OtherTableSeat(*loser);
    if (seatOneResult > 0)
        return TableSeat::First;
    if (seatOneResult < 0)
        return TableSeat::Second;
    return std::nullopt;
}

SitAnswer MemorySeatBoard::Sit(int table, TableSeat seat, const std::string& player) {
    if (seats_.contains({table, seat}))
        return SitAnswer::Taken;
    if (seat == TableSeat::Second && !seats_.contains({table, TableSeat::First}))
        return SitAnswer::FirstSeatEmpty;
    if (!IsLoopback(player))
        for (const auto& [place, occupant] : seats_)
            if (occupant == player)
                return SitAnswer::AlreadySeated;
    seats_[{table, seat}] = player;
    return SitAnswer::Seated;
}

void MemorySeatBoard::Leave(int table, TableSeat seat) {
    seats_.erase({table, seat});
}

void MemorySeatBoard::Record(const TableResult& result) {
    ++recorded_;
    recent_.push_back(result);
    if (recent_.size() > KeptResults)
        recent_.pop_front();
}

std::optional<std::string> MemorySeatBoard::Occupant(int table, TableSeat seat) const {
    const auto found = seats_.find({table, seat});
    if (found == seats_.end())
        return std::nullopt;
    return found->second;
}

} // namespace tavlira::table
