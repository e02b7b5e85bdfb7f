#include "game/Scoring.h"

namespace tavlira {

GamePoints ScoreGame(const GameState& state) {
    GamePoints points;
    if (state.Taken[1] > state.Taken[2])
        points.seat1 += 2;
    else if (state.Taken[1] < state.Taken[2])
        points.seat2 += 2;
    else {
        points.seat1 += 1;
        points.seat2 += 1;
    }
    if (state.TakenClubs[1] > state.TakenClubs[2])
        points.seat1 += 1;
    else if (state.TakenClubs[1] < state.TakenClubs[2])
        points.seat2 += 1;
    points.seat1 += state.TakenBonus[1];
    points.seat2 += state.TakenBonus[2];
    return points;
}

EndButtons EndOfGameButtons(const GameState& state) {
    EndButtons buttons;
    if (IsOnlineTable(state.Mode)) {
        // Position 1 confirms the end of an online table game.
        buttons.exitToMenu = state.Mode == PlayMode::TablePosition1;
    } else {
        const bool duel = IsNetworkDuel(state.Mode);
        const bool oddGameAtTable = state.GamesAtTable % 2 == 1;
        buttons.nextGame = (!duel && state.GameCounter % CycleGames != 0) ||
                           (state.Mode == PlayMode::DuelHost && oddGameAtTable);
        buttons.exitToMenu = !duel || !oddGameAtTable;
    }
    if (state.RatedSeries) {
        const bool seriesEnds = state.GameCounter % SeriesGames == 0;
        buttons.nextGame = !seriesEnds;
        buttons.exitToMenu = seriesEnds;
    }
    return buttons;
}

void EndGame(GameState& state, Seat seat, bool noMove, Outbox& out) {
    state.GameOver = true;
    state.Buttons = EndOfGameButtons(state);
    out.push_back(event::GameFinished{state.Buttons});
    if (noMove) {
        out.push_back(HandSnapshot(state, OpponentSeat, true));
        out.push_back(HandSnapshot(state, LocalSeat, true));
        out.push_back(event::ShowNoMove{seat});
        out.push_back(event::PlaySound{Effect::NoMove, true});
    }
    const GamePoints points = ScoreGame(state);
    state.MatchPoints[1] += points.seat1;
    state.MatchPoints[2] += points.seat2;
    state.PointsLead = state.MatchPoints[2] - state.MatchPoints[1];
    state.ShownScore = state.BaseScore + state.PointsLead;
    state.Mover = Turn::GameOver;
    out.push_back(PanelsSnapshotOf(state));
    const Effect result = points.seat1 > points.seat2   ? Effect::GameLost
                          : points.seat1 < points.seat2 ? Effect::GameWon
                                                        : Effect::GameDrawn;
    out.push_back(event::PlaySound{result, false});
}

} // namespace tavlira
