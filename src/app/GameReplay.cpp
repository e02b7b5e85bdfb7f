#include "app/GameReplay.h"

#include "i18n/words/Table.h"

namespace tavlira {

GameReplay::GameReplay(Session& s, MoveLog log, QObject* parent)
    : QObject(parent), session(s), replay(std::move(log)) {
    nextMove.setSingleShot(true);
    connect(&nextMove, &QTimer::timeout, this, &GameReplay::Step);
}

void GameReplay::Start() {
    const GameState& state = replay.State();
    MatchOutbox show;
    show.emplace_back(match_event::ShowScreen{Screen::Table});
    // The moves are the log's: the only button leads back to the menu.
    TableButtons buttons;
    buttons.second = {&words::ExitToMenu, true, true};
    show.emplace_back(match_event::Buttons{buttons});
    show.emplace_back(Event(PanelsSnapshotOf(state)));
    show.emplace_back(Event(TableSnapshot(state)));
    show.emplace_back(Event(HandSnapshot(state, OpponentSeat, true)));
    show.emplace_back(Event(HandSnapshot(state, LocalSeat, true)));
    show.emplace_back(Event(event::RedrawStock{state.StockLeft}));
    show.emplace_back(Event(event::PlaySound{Effect::Shuffle, false}));
    session.Show(std::move(show));
}

void GameReplay::QueueIdle() {
    if (paused || AtEnd())
        return;
    const double scale = session.TimeScale();
    nextMove.start(std::max(0, static_cast<int>(MovePauseMs * scale)));
}

void GameReplay::SetPaused(bool on) {
    paused = on;
    if (paused)
        nextMove.stop();
    else if (!session.Queue().Busy())
        QueueIdle();
}

void GameReplay::StepOnce() {
    SetPaused(true);
    if (!session.Queue().Busy())
        Step();
}

void GameReplay::Step() {
    if (session.Queue().Busy())
        return; // the idle queue calls again
    Outbox out;
    if (!replay.Step(out))
        return;
    MatchOutbox show;
    for (Event& e : out)
        show.emplace_back(std::move(e));
    session.Show(std::move(show));
}

void GameReplay::Leave() {
    nextMove.stop();
    paused = true;
    session.Show({match_event::ShowScreen{Screen::Menu}});
}

} // namespace tavlira
