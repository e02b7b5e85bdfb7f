#include "game/Play.h"

#include "game/CaptureSearch.h"
#include "game/Scoring.h"

namespace tavlira {
namespace {

// With court cards worth nothing, a queen takes exactly one queen and a king
// exactly one king.
bool CourtTakesItsTwin(char playedRank, int count, char lastRank) {
    return count == 1 && lastRank == playedRank;
}

// Removes the card at `place` and moves the cards behind it up one place.
CardSlot TakeFromHand(HandRow& hand, int place) {
    const CardSlot card = hand[place];
    for (int i = place; i < HandPlaces; ++i)
        hand[i] = hand[i + 1];
    hand[HandPlaces] = CardSlot::Empty();
    return card;
}

void Tally(GameState& state, Seat seat, CardCode card) {
    ++state.Taken[seat];
    if (card.IsClub())
        ++state.TakenClubs[seat];
    if (card.IsBonus())
        ++state.TakenBonus[seat];
}

void PlayCard(GameState& state, Seat seat, int handPlace, int tablePlace, Outbox& out) {
    state.Table[tablePlace] = TakeFromHand(state.Hand[seat], handPlace);
    --state.HandCount[seat];
    state.PickedHandSlot = 0;

    out.push_back(HandSnapshot(state, seat, seat == LocalSeat));
    event::FlyCards flight;
    flight.cards[0] = {state.Table[tablePlace].code, Spot::HandPlace(seat, handPlace)};
    flight.count = 1;
    flight.to = Spot::TablePlace(tablePlace);
    flight.handCards = static_cast<std::uint8_t>(state.HandCount[seat] + 1);
    out.push_back(flight);
    state.PickedTableSlots.Clear();
    out.push_back(TableSnapshot(state));
    out.push_back(event::PlaySound{Effect::CardLands, true});

    if (tablePlace != CaptureArea) {
        state.Mover = TurnOf(OtherSeat(seat));
        out.push_back(PanelsSnapshotOf(state));
    } else {
        // The seat now selects table cards to take with it.
        state.PickedTableSlots.Add(CaptureArea);
        out.push_back(TableSnapshot(state));
    }
}

void ToggleTableCard(GameState& state, int place, Outbox& out) {
    state.PickedTableSlots.Toggle(place);
    out.push_back(TableSnapshot(state));
}

// Captures the selected places and the card in the capture area for `seat`;
// checks nothing about legality (the final sweep takes every table card).
void TakeCards(GameState& state, Seat seat, Outbox& out) {
    event::FlyCards flight;
    flight.to = Spot::Pile(seat);
    for (int place = 1; place <= CaptureArea; ++place) {
        CardSlot& slot = state.Table[place];
        const bool selected = state.PickedTableSlots.Contains(place);
        if (slot.IsEmpty() || (!selected && place != CaptureArea))
            continue;
        Tally(state, seat, slot.code);
        flight.cards[flight.count++] = {slot.code, Spot::TablePlace(place)};
        slot = CardSlot::Empty(0);
    }
    state.PickedTableSlots.Clear();
    flight.tableLeft = TableSnapshot(state);
    if (flight.count > 0)
        out.push_back(flight);
    out.push_back(flight.tableLeft);
    state.Mover = TurnOf(OtherSeat(seat));
    state.LastTaker = TurnOf(seat);
    out.push_back(PanelsSnapshotOf(state));
}

bool SeatToMove(const GameState& state, Seat seat) {
    return !state.GameOver && state.BeginState == UnderWay && state.Mover == seat;
}

} // namespace

bool TableHasFree(const GameState& state) {
    return LowestFreeTablePlace(state) != 0;
}

int LowestFreeTablePlace(const GameState& state) {
    for (int place = 1; place <= TablePlaces; ++place)
        if (state.Table[place].IsEmpty())
            return place;
    return 0;
}

double CaptureRating(const Trial& trial, bool figuresHavePoints) {
    int sum = 0;
    int count = 0;
    char lastRank = '#';
    for (int place = 2; place <= CaptureArea; ++place) {
        if (trial[place].IsEmpty())
            continue;
        sum += trial[place].value;
        ++count;
        lastRank = trial[place].code.rank;
    }
    // The terms are added in this order, one card at a time, so that captures
    // with the same number of cards, clubs and bonus cards rate exactly equal.
    double rating = 0.0;
    for (const CardSlot& slot : trial)
        if (!slot.IsEmpty())
            rating += 0.08;
    for (const CardSlot& slot : trial)
        if (slot.code.IsClub())
            rating += 0.04;
    for (const CardSlot& slot : trial)
        if (slot.code.IsTwoOfClubs())
            rating += 1.0;
    for (const CardSlot& slot : trial)
        if (slot.code.IsTenOfDiamonds())
            rating += 1.0;

    if (count == 0)
        return -1.0;
    const CardSlot& played = trial[1];
    if (!figuresHavePoints) {
        switch (played.code.rank) {
        case rank::Jack:
            return rating;
        case rank::Queen:
        case rank::King:
            return CourtTakesItsTwin(played.code.rank, count, lastRank) && played.value == sum
                       ? rating
                       : -1.0;
        default:
            break;
        }
    }
    return played.value == sum ? rating : -1.0;
}

Trial TrialOf(const CardSlot& played, const GameState& state, PlaceSet selected) {
    Trial trial;
    trial.Fill(CardSlot::Empty());
    trial[1] = played;
    for (int place = 1; place <= TablePlaces; ++place)
        if (selected.Contains(place))
            trial[place + 1] = state.Table[place];
    return trial;
}

bool SeatMayBegin(const GameState& state, Seat seat) {
    if (seat == OpponentSeat)
        return state.Mode != PlayMode::Computer;
    return state.Mode != PlayMode::DuelClient && state.Mode != PlayMode::TablePosition2;
}

bool MoveIsLegal(const GameState& state, Seat seat, const Move& move) {
    switch (move.kind) {
    case Move::Kind::Begin:
        return !state.GameOver && state.BeginState == Dealt && SeatMayBegin(state, seat);
    case Move::Kind::Play: {
        const int hand = move.handPlace;
        const int table = move.tablePlace;
        if (!SeatToMove(state, seat) || hand < 1 || hand > HandPlaces || table < 1 ||
            table > CaptureArea || state.Hand[seat][hand].IsEmpty() ||
            !state.Table[table].IsEmpty() || !state.Table[CaptureArea].IsEmpty())
            return false;
        return table != CaptureArea ||
               HasLegalCapture(state.Hand[seat][hand], state.Table, state.FiguresHavePoints);
    }
    case Move::Kind::Toggle:
        return SeatToMove(state, seat) && !state.Table[CaptureArea].IsEmpty() &&
               move.tablePlace >= 1 && move.tablePlace <= TablePlaces &&
               !state.Table[move.tablePlace].IsEmpty();
    case Move::Kind::Take:
        return SeatToMove(state, seat) && SelectionIsLegal(state);
    }
    return false;
}

bool ApplyMove(GameState& state, Seat seat, const Move& move, Outbox& out) {
    if (!MoveIsLegal(state, seat, move))
        return false;
    out.push_back(event::MoveMade{seat, move});
    switch (move.kind) {
    case Move::Kind::Begin:
        state.BeginState = UnderWay;
        break;
    case Move::Kind::Play:
        PlayCard(state, seat, move.handPlace, move.tablePlace, out);
        break;
    case Move::Kind::Toggle:
        ToggleTableCard(state, move.tablePlace, out);
        break;
    case Move::Kind::Take:
        TakeCards(state, seat, out);
        break;
    }
    return true;
}

bool SelectionIsLegal(const GameState& state) {
    const CardSlot& played = state.Table[CaptureArea];
    if (played.IsEmpty())
        return false;
    return CaptureRating(TrialOf(played, state, state.PickedTableSlots), state.FiguresHavePoints) >
           0.0;
}

bool HasNoMove(const GameState& state, Seat seat) {
    if (state.GameOver || state.Mover != seat || state.HandCount[seat] == 0 ||
        !state.Table[CaptureArea].IsEmpty() || TableHasFree(state))
        return false;
    return FindCapture(state.Hand[seat], state.Table, state.FiguresHavePoints).chosen == 0;
}

bool FinalSweep(GameState& state, Outbox& out) {
    if (state.HandCount[1] != 0 || state.HandCount[2] != 0 || !state.Table[CaptureArea].IsEmpty() ||
        state.GameOver || state.NextCard <= DeckSize)
        return false;
    if (IsSeatTurn(state.LastTaker)) {
        state.PickedTableSlots.Clear();
        for (int place = 1; place <= TablePlaces; ++place)
            if (!state.Table[place].IsEmpty())
                state.PickedTableSlots.Add(place);
        TakeCards(state, SeatOf(state.LastTaker), out);
    }
    EndGame(state, OpponentSeat, false, out); // no seat is named without "No move"
    return true;
}

} // namespace tavlira
