#include "game/Event.h"

namespace tavlira {

event::RedrawHand HandSnapshot(const GameState& state, Seat seat, bool faceUp) {
    event::RedrawHand e;
    e.seat = seat;
    e.faceUp = faceUp;
    e.raised = seat == LocalSeat ? state.PickedHandSlot : 0;
    for (int place = 1; place <= HandPlaces; ++place)
        e.cards[place] = state.Hand[seat][place].code;
    return e;
}

event::RedrawTable TableSnapshot(const GameState& state) {
    event::RedrawTable e;
    for (int place = 1; place <= CaptureArea; ++place)
        e.cards[place] = state.Table[place].code;
    e.highlighted = state.PickedTableSlots;
    return e;
}

event::RedrawPanels PanelsSnapshotOf(const GameState& state) {
    event::RedrawPanels e;
    for (const Seat seat : Seats) {
        e.panels.matchPoints[seat] = state.MatchPoints[seat];
        e.panels.taken[seat] = state.Taken[seat];
        e.panels.takenClubs[seat] = state.TakenClubs[seat];
        e.panels.takenBonus[seat] = state.TakenBonus[seat];
    }
    e.panels.panelView = state.PanelView;
    e.panels.mover = state.Mover;
    return e;
}

} // namespace tavlira
