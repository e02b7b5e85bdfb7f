#pragma once
// What a game step asks of the screen, the speakers and the network link.
//
// The rules change `GameState` at once, in one piece, and append events to
// an outbox in the order the player must see and hear them. The presentation
// plays the outbox first in, first out: redraws apply at once, flights,
// waiting sounds and pauses take their time, and no further input reaches the
// game until the outbox is played. Each redraw carries a snapshot of what to
// show, since the state has moved on by the time it is played.

#include "game/Card.h"
#include "game/Effect.h"
#include "game/GameState.h"
#include "game/Move.h"
#include "game/PlaceSet.h"

#include <array>
#include <cstdint>
#include <variant>
#include <vector>

namespace tavlira {

// A place a card can be seen at, in game numbering. The presentation turns
// it into pixels.
struct Spot {
    enum class Kind : std::uint8_t { Hand, Table, Stock, Pile };
    Kind kind = Kind::Stock;
    Seat seat{};            // Hand and Pile only
    std::uint8_t place = 0; // Hand: 1..4; Table: 1..9

    static constexpr Spot HandPlace(Seat seat, int place) {
        return {Kind::Hand, seat, static_cast<std::uint8_t>(place)};
    }
    static constexpr Spot TablePlace(int place) {
        return {Kind::Table, Seat{}, static_cast<std::uint8_t>(place)};
    }
    static constexpr Spot Stock() { return {Kind::Stock, Seat{}, 0}; }
    // Where a seat's captured cards go: above the table for seat 1, below for seat 2.
    static constexpr Spot Pile(Seat seat) { return {Kind::Pile, seat, 0}; }
    friend constexpr bool operator==(const Spot&, const Spot&) = default;
};

struct PanelsSnapshot {
    OneBased<std::int32_t, 2> matchPoints{};
    OneBased<std::uint8_t, 2> taken{};
    OneBased<std::uint8_t, 2> takenClubs{};
    OneBased<std::uint8_t, 2> takenBonus{};
    std::uint8_t panelView = 1;
    Turn mover = Turn::None;
    friend constexpr bool operator==(const PanelsSnapshot&, const PanelsSnapshot&) = default;
};

namespace event {

struct RedrawHand {
    Seat seat = LocalSeat;
    bool faceUp = false;
    std::uint8_t raised = 0; // the person's picked-up hand place, 0 for none
    OneBased<CardCode, HandPlaces> cards{};
};

struct RedrawTable {
    OneBased<CardCode, CaptureArea> cards{};
    PlaceSet highlighted; // selected places, the capture area included
};

struct RedrawStock {
    std::uint8_t stockLeft = 0;
};

struct RedrawPanels {
    PanelsSnapshot panels;
};

// One card, or several together, fly to one destination.
struct FlyCards {
    struct Card {
        CardCode code;
        Spot from;
    };
    std::array<Card, CaptureArea> cards{};
    std::uint8_t count = 0;
    Spot to;
    bool faceUp = true;
    // What the screen needs to place the flight without remembering earlier
    // events: the stock's cards with the flying one still on it (from the
    // stock), the hand's cards with the flying one in it (from or to a hand),
    // and the table as it shows under captured cards (to a pile).
    std::uint8_t stockCards = 0;
    std::uint8_t handCards = 0;
    RedrawTable tableLeft;
};

struct PlaySound {
    Effect effect = Effect::CardLands;
    bool wait = false; // the next event waits until the sound has ended
};

struct Pause {
    int milliseconds = 0;
};

// The "No move" speech bubble at a seat.
struct ShowNoMove {
    Seat seat = LocalSeat;
};

// A seat made a move. A network link sends the moves of this machine's
// person to the peer; the window has nothing to show for it.
struct MoveMade {
    Seat seat = LocalSeat;
    Move move;
};

// The game is scored: the two table buttons take their end-of-game roles.
struct GameFinished {
    EndButtons buttons;
};

} // namespace event

using Event = std::variant<event::RedrawHand, event::RedrawTable, event::RedrawStock,
                           event::RedrawPanels, event::FlyCards, event::PlaySound, event::Pause,
                           event::ShowNoMove, event::MoveMade, event::GameFinished>;
using Outbox = std::vector<Event>;

// Snapshot helpers used by every step that redraws.
event::RedrawHand HandSnapshot(const GameState& state, Seat seat, bool faceUp);
event::RedrawTable TableSnapshot(const GameState& state);
event::RedrawPanels PanelsSnapshotOf(const GameState& state);

} // namespace tavlira
