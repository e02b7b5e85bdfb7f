#include "game/Deal.h"

#include <utility>

namespace tavlira {
namespace {

void EmptyHands(GameState& state) {
    for (const Seat seat : Seats) {
        state.Hand[seat].Fill(CardSlot::Empty());
        state.HandCount[seat] = 0;
    }
}

bool RefillDue(const GameState& state) {
    return state.HandCount[1] == 0 && state.HandCount[2] == 0 &&
           state.Table[CaptureArea].IsEmpty() && !state.GameOver && state.NextCard <= DeckSize;
}

void DealOneCard(GameState& state, Seat seat, int place, Outbox& out) {
    const bool faceUp = seat == LocalSeat;
    --state.StockLeft;
    out.push_back(event::RedrawStock{state.StockLeft});
    event::FlyCards flight;
    flight.cards[0] = {state.Deck[state.NextCard].code, Spot::Stock()};
    flight.count = 1;
    flight.to = Spot::HandPlace(seat, place);
    flight.faceUp = faceUp;
    flight.stockCards = static_cast<std::uint8_t>(state.StockLeft + 1);
    flight.handCards = static_cast<std::uint8_t>(state.HandCount[seat] + 1);
    out.push_back(flight);
    state.Hand[seat][place] = state.Deck[state.NextCard];
    ++state.NextCard;
    ++state.HandCount[seat];
    out.push_back(HandSnapshot(state, seat, faceUp));
    out.push_back(event::PlaySound{Effect::CardLands, true});
}

} // namespace

void Shuffle(GameState& state, RandomSource& random) {
    bool drawn[DeckSize + 1] = {};
    for (int position = 1; position <= DeckSize; ++position) {
        int number = 0;
        do {
            number = static_cast<int>(random.Below(DeckSize)) + 1;
        } while (drawn[number]);
        drawn[number] = true;
        const CardCode card = CardFromNumber(number);
        state.Deck[position] = {card, RankOrder(card), GameValue(card, state.FiguresHavePoints)};
    }
}

void OpeningDeal(GameState& state) {
    EmptyHands(state);
    for (int place = 1; place <= HandPlaces; ++place) {
        state.Hand[1][place] = state.Deck[place];
        state.Hand[2][place] = state.Deck[HandPlaces + place];
    }
    state.HandCount[1] = HandPlaces;
    state.HandCount[2] = HandPlaces;
    state.Table.Fill(CardSlot::Empty());
    for (int place = 1; place <= 4; ++place)
        state.Table[place] = state.Deck[2 * HandPlaces + place];
    state.StockLeft = 40;
    state.NextCard = 13;
}

void ClientOpeningDeal(GameState& state) {
    OpeningDeal(state);
    std::swap(state.Hand[OpponentSeat], state.Hand[LocalSeat]);
}

void ResetGameFields(GameState& state) {
    state.PickedHandSlot = 0;
    state.PickedCanTake = false;
    state.PickedTableSlots.Clear();
    state.PanelView = 1;
    for (int seat = 1; seat <= 2; ++seat) {
        state.Taken[seat] = 0;
        state.TakenClubs[seat] = 0;
        state.TakenBonus[seat] = 0;
    }
    state.GameOver = false;
    state.Buttons = {};
}

Seat FirstMover(const GameState& state) {
    // The host's seat 1 leads even games, its person (seat 2) odd ones.
    const Seat hostsLead = state.GameCounter % 2 == 0 ? OpponentSeat : LocalSeat;
    switch (state.Mode) {
    case PlayMode::TablePosition1:
        return OpponentSeat;
    case PlayMode::TablePosition2:
        return LocalSeat;
    case PlayMode::DuelClient:
        return OtherSeat(hostsLead);
    case PlayMode::Computer:
    case PlayMode::DuelHost:
        break;
    }
    return hostsLead;
}

bool RefillDeal(GameState& state, Outbox& out) {
    if (!RefillDue(state))
        return false;
    const bool firstSide = IsFirstSide(state.Mode);
    for (int pass = 1; pass <= HandPlaces; ++pass) {
        for (const Seat seat : Seats) {
            if (state.NextCard > DeckSize)
                break;
            DealOneCard(state, firstSide ? seat : OtherSeat(seat), pass, out);
        }
    }
    if (state.NextCard > DeckSize)
        out.push_back(event::PlaySound{Effect::DeckUsedUp, false});
    return true;
}

} // namespace tavlira
