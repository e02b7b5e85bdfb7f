#pragma once
// A finished game shown again at the table from its move log: the deal, then
// one logged move at a time through the rules, played by the session's queue
// like a game's own steps, at the flight speed of the settings. It can be
// held, moved on one move at a time, and left for the menu at any moment
// (Escape, the pop-up menu, or the table's one button, "Exit to menu").
// The match and the records never see it: its events go straight to the
// queue, and the match stays at the menu throughout.

#include "app/Session.h"
#include "gamelog/LogReplay.h"

#include <QObject>
#include <QTimer>

namespace tavlira {

class GameReplay : public QObject {
    Q_OBJECT

  public:
    // The pause between two moves, before the time scale.
    static constexpr int MovePauseMs = 700;

    GameReplay(Session& session, MoveLog log, QObject* parent = nullptr);

    // Shows the table with the logged game dealt; the moves follow.
    void Start();
    // The queue has shown everything: the next move follows after a pause
    // unless the replay is held.
    void QueueIdle();
    void SetPaused(bool paused);
    bool Paused() const { return paused; }
    // Holds the replay and makes the next move at once (once the queue has
    // shown the last one).
    void StepOnce();
    // Leaves the table for the menu.
    void Leave();

    const LogReplay& Game() const { return replay; }
    // Every move has been shown.
    bool AtEnd() const { return replay.Finished(); }

  private:
    void Step();

    Session& session;
    LogReplay replay;
    QTimer nextMove;
    bool paused = false;
};

} // namespace tavlira
