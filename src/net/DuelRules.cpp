#include "net/DuelRules.h"

#include "game/Deal.h"

namespace tavlira::net {

DealMessage DealOf(const GameState& host) {
    return {host.Deck, host.FiguresHavePoints};
}

void DealReceived(GameState& client, const DealMessage& deal) {
    client.Deck = deal.deck;
    client.FiguresHavePoints = deal.figuresHavePoints;
    ClientOpeningDeal(client);
}

Seat ClientLeader(const GameState& client, const BeginFrame& begin) {
    return begin.leader ? SeatOfRole(*begin.leader, DuelRole::Client) : FirstMover(client);
}

std::string EncodeLocalMove(const Move& move, const GameState& state, DuelRole self) {
    std::optional<DuelRole> leader;
    if (move.kind == Move::Kind::Begin && IsSeatTurn(state.Mover))
        leader = RoleOfSeat(SeatOf(state.Mover), self);
    return Encode(FrameOf(move, self, leader));
}

} // namespace tavlira::net
