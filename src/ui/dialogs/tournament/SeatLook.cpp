#include "ui/dialogs/tournament/SeatLook.h"

namespace tavlira {

SeatLook LookOfSeat(const online::TableInfo& table, int tableNumber, int seat, bool serverOn,
                    SeatPlace player) {
    if (!serverOn)
        return {SeatCaption::ServerOff, false};
    if (player == SeatPlace{tableNumber, seat})
        return {SeatCaption::LogOff, true};
    const bool empty = table.seats[static_cast<std::size_t>(seat - 1)].Nick == "X";
    if (!empty)
        return {SeatCaption::Occupant, false};
    const bool firstTaken = table.seats[0].Nick != "X" || player == SeatPlace{tableNumber, 1};
    if (seat == 2 && !firstTaken)
        return {SeatCaption::Free, false};
    return {SeatCaption::TakeThePlace, !player.Seated()};
}

} // namespace tavlira
