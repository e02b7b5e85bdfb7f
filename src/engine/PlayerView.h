#pragma once
// What one seat knows of a game on its turn: its own hand, the table, the
// tallies of both piles, how many cards the opponent holds and the stock
// keeps, and which cards it has not seen. The expert decides from this
// alone, so it cannot peek at the opponent's hand or the order of the stock.

#include "game/GameState.h"

#include <vector>

namespace tavlira::engine {

struct PlayerView {
    Seat seat = LocalSeat;
    bool figuresHavePoints = false;
    HandRow hand{};   // this seat's cards, places 1..HandCount
    TableRow table{}; // places 1..8; the capture area is empty on a turn
    int opponentCards = 0;
    int stockLeft = 0;
    Seat refillFirst = OpponentSeat; // who receives first in a refill
    OneBased<std::uint8_t, 2> taken{};
    OneBased<std::uint8_t, 2> takenClubs{};
    OneBased<std::uint8_t, 2> takenBonus{};
    Turn lastTaker = Turn::None;
    // The cards in the opponent's hand and the stock together, in card-number
    // order: which of them lies where is what the seat does not know.
    std::vector<CardSlot> unseen;
};

// The view of `seat`. The cards nobody has shown are exactly those neither in
// the seat's hand, on the table nor in a pile, a set any player who watched
// knows; the state keeps no list of the piles, so the set is gathered from
// where those cards lie and handed on in card-number order, which tells
// nothing of their places.
PlayerView ViewOf(const GameState& state, Seat seat);

} // namespace tavlira::engine
