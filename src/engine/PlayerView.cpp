#include "engine/PlayerView.h"

#include <algorithm>
#include <array>

namespace tavlira::engine {
namespace {

// Card number 1..52 of a card, the order the unseen cards are listed in.
int NumberOf(CardCode card) {
    const auto& all = AllCards();
    for (int n = 0; n < DeckSize; ++n)
        if (all[n] == card)
            return n + 1;
    return 0;
}

} // namespace

PlayerView ViewOf(const GameState& state, Seat seat) {
    const Seat opponent = OtherSeat(seat);
    PlayerView view;
    view.seat = seat;
    view.figuresHavePoints = state.FiguresHavePoints;
    view.hand = state.Hand[seat];
    view.table = state.Table;
    view.opponentCards = state.HandCount[opponent];
    view.stockLeft = state.NextCard <= DeckSize ? DeckSize + 1 - state.NextCard : 0;
    view.refillFirst = IsFirstSide(state.Mode) ? OpponentSeat : LocalSeat;
    view.taken = state.Taken;
    view.takenClubs = state.TakenClubs;
    view.takenBonus = state.TakenBonus;
    view.lastTaker = state.LastTaker;

    std::array<bool, DeckSize + 1> hidden{};
    const auto hide = [&](const CardSlot& slot) {
        if (!slot.IsEmpty())
            hidden[static_cast<size_t>(NumberOf(slot.code))] = true;
    };
    for (const CardSlot& slot : state.Hand[opponent])
        hide(slot);
    for (int position = std::max<int>(state.NextCard, 1); position <= DeckSize; ++position)
        hide(state.Deck[position]);
    for (int n = 1; n <= DeckSize; ++n) {
        if (!hidden[static_cast<size_t>(n)])
            continue;
        const CardCode card = CardFromNumber(n);
        view.unseen.push_back({card, RankOrder(card), GameValue(card, state.FiguresHavePoints)});
    }
    return view;
}

} // namespace tavlira::engine
