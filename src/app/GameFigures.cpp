#include "app/GameFigures.h"

#include "online/qt/WebServices.h"

namespace tavlira {
namespace {

online::FiguresSide SideOf(PlayMode mode) {
    switch (mode) {
    case PlayMode::Computer:
        break;
    case PlayMode::DuelHost:
        return online::FiguresSide::DuelHost;
    case PlayMode::DuelClient:
        return online::FiguresSide::DuelClient;
    case PlayMode::TablePosition1:
        return online::FiguresSide::TableSeat1;
    case PlayMode::TablePosition2:
        return online::FiguresSide::TableSeat2;
    }
    return online::FiguresSide::Computer;
}

} // namespace

online::GameFiguresRequest FiguresOfEndedMatch(const Match& match) {
    const GameState& state = match.State();
    return online::FiguresOfMatch(
        {SideOf(state.Mode), state.GamesAtTable, state.GameCounter, state.PointsLead});
}

void PostMatchFigures(WebServices& services, const Match& match) {
    services.Send(FiguresOfEndedMatch(match), &services, [](const ServiceAnswer&) {});
}

} // namespace tavlira
