#pragma once
// How a seat button of the table list looks: its caption and whether it can
// be pressed. A game is opened at seat 1 and joined at seat 2; a player sits
// at one seat at a time.

#include "online/Tournament.h"

namespace tavlira {

enum class SeatCaption {
    ServerOff,    // "Server Off": the server or its list could not be read
    LogOff,       // "Log off": the player's own seat
    Occupant,     // the occupant's nick and score
    TakeThePlace, // "Take the place of"
    Free,         // "Free": seat 2 while nobody opened the table
};

struct SeatLook {
    SeatCaption caption = SeatCaption::ServerOff;
    bool enabled = false;
    friend bool operator==(const SeatLook&, const SeatLook&) = default;
};

// Where the player sits: table 1..10 and seat 1..2, or 0 and 0.
struct SeatPlace {
    int table = 0;
    int seat = 0;
    bool Seated() const { return table != 0; }
    friend bool operator==(const SeatPlace&, const SeatPlace&) = default;
};

// The look of `seat` (1 or 2) of table number `tableNumber`. The player's
// own seat, at either place, offers "Log off": a player at seat 2 whose
// opponent left can still get up.
SeatLook LookOfSeat(const online::TableInfo& table, int tableNumber, int seat, bool serverOn,
                    SeatPlace player);

} // namespace tavlira
