#include "game/Computer.h"

#include "game/CaptureSearch.h"
#include "game/LayOff.h"
#include "game/Play.h"
#include "game/Scoring.h"

namespace tavlira {

bool ComputerTurn(GameState& state, Seat seat, Outbox& out) {
    if (state.GameOver || state.BeginState != UnderWay || state.Mover != seat ||
        state.HandCount[seat] == 0 || !state.Table[CaptureArea].IsEmpty())
        return false;

    // The computer's choices are moves like anyone's; its capture stays on
    // show, fully selected, before it takes.
    const CaptureChoice choice =
        FindCapture(state.Hand[seat], state.Table, state.FiguresHavePoints);
    if (choice.chosen != 0) {
        ApplyMove(state, seat, Move::Play(choice.chosen, CaptureArea), out);
        choice.bestTakeSet.ForEach(
            [&](int place) { ApplyMove(state, seat, Move::Toggle(place), out); });
        out.push_back(event::Pause{ComputerCaptureShowMs});
        ApplyMove(state, seat, Move::Take(), out);
    } else if (TableHasFree(state)) {
        ApplyMove(state, seat,
                  Move::Play(ChooseLayOff(state.Hand[seat], state.FiguresHavePoints),
                             LowestFreeTablePlace(state)),
                  out);
    } else {
        EndGame(state, seat, true, out);
    }
    return true;
}

} // namespace tavlira
