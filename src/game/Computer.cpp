#include "game/Computer.h"

#include "game/CaptureSearch.h"
#include "game/LayOff.h"
#include "game/Play.h"
#include "game/Scoring.h"

namespace tavlira {

bool ComputerTurn(GameState& state, int seat, Outbox& out) {
    if (state.GameOver || state.BeginState != UnderWay || state.Mover != seat ||
        state.HandCount[seat] == 0 || !state.Table[CaptureArea].IsEmpty())
        return false;

    const CaptureChoice choice = FindCapture(state.Hand[seat], state.Table, state.FiguresHavePoints);
    if (choice.chosen != 0) {
        PlayCard(state, seat, choice.chosen, CaptureArea, true, out);
        state.PickedTableSlots = choice.bestTakeSet;
        state.PickedTableSlots.Add(CaptureArea);
        out.push_back(TableSnapshot(state));
        out.push_back(event::Pause{ComputerCaptureShowMs});
        TakeCards(state, seat, out);
    } else if (TableHasFree(state)) {
        PlayCard(state, seat, ChooseLayOff(state.Hand[seat], state.FiguresHavePoints),
                 LowestFreeTablePlace(state), true, out);
    } else {
        EndGame(state, seat, true, out);
    }
    return true;
}

} // namespace tavlira
