#include "game/GameTick.h"

#include "game/Computer.h"
#include "game/Deal.h"
#include "game/Play.h"
#include "game/Scoring.h"

namespace tavlira {

bool GameTick(GameState& state, const SeatPlayers& players, Outbox& out) {
    if (state.GameOver || state.BeginState != UnderWay)
        return false;
    if (IsSeatTurn(state.Mover)) {
        const Seat mover = SeatOf(state.Mover);
        if (players[mover] == Player::Computer && state.HandCount[mover] > 0)
            return ComputerTurn(state, mover, out);
    }
    bool stepped = RefillDeal(state, out);
    stepped = FinalSweep(state, out) || stepped;
    for (const Seat seat : {LocalSeat, OpponentSeat}) {
        if (HasNoMove(state, seat)) {
            EndGame(state, seat, true, out);
            stepped = true;
        }
    }
    return stepped;
}

} // namespace tavlira
