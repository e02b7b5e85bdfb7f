#pragma once
// Small helpers for building positions in tests from card codes written as
// in the rules ("5ч", "Вп", "##").

#include "game/GameState.h"
#include "util/Cp1251.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

namespace tavlira::testing {

inline CardCode Card(const char* utf8) {
    if (std::string(utf8) == "##")
        return CardCode::Empty();
    auto card = CardCode::FromBytes(Utf8ToCp1251(utf8));
    EXPECT_TRUE(card.has_value()) << utf8;
    return card.value_or(CardCode::Empty());
}

inline CardSlot Slot(const char* utf8, bool figures = false) {
    const CardCode card = Card(utf8);
    if (card.IsEmpty())
        return CardSlot::Empty();
    return {card, RankOrder(card), GameValue(card, figures)};
}

template <int N>
OneBased<CardSlot, N> Row(std::initializer_list<const char*> cards, bool figures = false) {
    OneBased<CardSlot, N> row;
    row.Fill(CardSlot::Empty());
    int place = 1;
    for (const char* c : cards)
        row[place++] = Slot(c, figures);
    return row;
}

inline HandRow Hand(std::initializer_list<const char*> cards, bool figures = false) {
    return Row<HandPlaces>(cards, figures);
}
inline TableRow Table(std::initializer_list<const char*> cards, bool figures = false) {
    return Row<CaptureArea>(cards, figures);
}

// A game under way with the given hands and table, seat `mover` to move.
inline GameState Position(std::initializer_list<const char*> hand1,
                          std::initializer_list<const char*> hand2,
                          std::initializer_list<const char*> table, Seat mover = LocalSeat,
                          bool figures = false) {
    GameState state;
    state.FiguresHavePoints = figures;
    state.Hand[1] = Hand(hand1, figures);
    state.Hand[2] = Hand(hand2, figures);
    for (const Seat seat : Seats) {
        int count = 0;
        for (const CardSlot& slot : state.Hand[seat])
            count += slot.IsEmpty() ? 0 : 1;
        state.HandCount[seat] = static_cast<std::uint8_t>(count);
    }
    state.Table = Table(table, figures);
    state.BeginState = UnderWay;
    state.Mover = TurnOf(mover);
    state.NextCard = 13;
    state.StockLeft = 40;
    return state;
}

inline PlaceSet Places(std::initializer_list<int> places) {
    PlaceSet set;
    for (int p : places)
        set.Add(p);
    return set;
}

} // namespace tavlira::testing
