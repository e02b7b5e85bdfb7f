#include "net/TableRules.h"

#include "game/Deal.h"
#include "game/GameTick.h"
#include "game/Play.h"
#include "game/Scoring.h"

namespace tavlira::net {

PlayMode TableModeOf(TableSeat self) {
    return self == TableSeat::First ? PlayMode::TablePosition1 : PlayMode::TablePosition2;
}

Seat GameSeatOf(TableSeat seat, TableSeat self) {
    return seat == self ? LocalSeat : OpponentSeat;
}

TableSeat TableSeatOf(Seat seat, TableSeat self) {
    return seat == LocalSeat ? self : OtherTableSeat(self);
}

void StartTableGame(GameState& state, const TableDeal& deal, TableSeat self) {
    state.Mode = TableModeOf(self);
    state.FiguresHavePoints = false;
    state.Deck = deal.deck;
    // Deck cards 1..4 go to seat 1 of the game by OpeningDeal; they are
    // table seat 1's, which is the game's seat 2 on table seat 1's machine.
    if (self == TableSeat::First)
        ClientOpeningDeal(state);
    else
        OpeningDeal(state);
    ResetGameFields(state);
    ++state.GamesAtTable;
    state.Mover = TurnOf(FirstMover(state));
    state.BeginState = Dealt;
    state.TableActive = true;
}

bool TableMoveIsLegal(const GameState& state, TableSeat self, TableSeat sender, const Move& move) {
    if (move.kind == Move::Kind::Begin && sender != TableSeat::First)
        return false;
    return MoveIsLegal(state, GameSeatOf(sender, self), move);
}

void SettleTableGame(GameState& state, Outbox& out) {
    SeatPlayers peers;
    peers.Fill(Player::Peer);
    while (GameTick(state, peers, out)) {
    }
}

TableSeat ClockSeat(const GameState& state, TableSeat self) {
    if (state.BeginState == UnderWay && !state.GameOver && IsSeatTurn(state.Mover))
        return TableSeatOf(SeatOf(state.Mover), self);
    return TableSeat::First;
}

int SeatOneResult(const GameState& state, TableSeat self) {
    const GamePoints points = ScoreGame(state);
    const int lead = points.seat2 - points.seat1; // the person's, on `self`'s machine
    return self == TableSeat::First ? lead : -lead;
}

} // namespace tavlira::net
