#pragma once
// The cards a game holds anywhere: the stock, both hands, the table and the
// captured piles. A game dealt and played by the rules always holds all 52.

#include "game/GameState.h"

inline int CardsAccountedFor(const tavlira::GameState& state) {
    int cards = state.StockLeft + state.Taken[1] + state.Taken[2];
    for (const tavlira::Seat seat : tavlira::Seats)
        cards += state.HandCount[seat];
    for (const tavlira::CardSlot& slot : state.Table)
        cards += slot.IsEmpty() ? 0 : 1;
    return cards;
}
