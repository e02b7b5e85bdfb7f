#pragma once
// The one first-in-first-out queue that plays the match's outbox on the
// screen and the speakers. Snapshots, buttons and screens apply at once; a
// flight shows one frame per timer shot; a pause holds the queue for its
// time, and a sound the game waits for for the sound's length. While the queue is busy the window
// hands the match no tick and no click, so game steps never interleave, and the window keeps
// painting because nothing here blocks.

#include "match/MatchEvent.h"
#include "media/MediaOutput.h"

#include <QObject>
#include <QTimer>
#include <deque>
#include <optional>

namespace tavlira {

// What the queue asks of the window.
class EventStage {
  public:
    virtual ~EventStage() = default;
    // An event that takes no time: a snapshot, the buttons, a screen, a box.
    virtual void Apply(const MatchEvent& event) = 0;
    // Prepares the flight of `flight`; false when nothing is to fly.
    virtual bool StartFlight(const event::FlyCards& flight) = 0;
    // Shows the next frame of the flight: the pause before the one after it
    // in milliseconds, or nothing when the flight has ended.
    virtual std::optional<int> NextFlightFrame() = 0;
    // The queue has run dry: inputs may reach the match again.
    virtual void QueueIdle() = 0;
};

class EventQueue : public QObject {
    Q_OBJECT

  public:
    explicit EventQueue(EventStage& stage, QObject* parent = nullptr);

    // Sounds and spoken cards go to `output`, which must outlive the queue;
    // until this is called they are silent and take no time.
    void SetMedia(MediaOutput& output) { media = &output; }

    // Every pause, waiting sound and flight frame holds the queue for its
    // time multiplied by `factor`: 1, the default, is real time. Tests
    // shorten a whole match with a small factor.
    void SetTimeScale(double factor);

    // Appends the events and plays as far as it can at once.
    void Play(MatchOutbox events);
    // True while events wait or one is taking its time.
    bool Busy() const { return running || waiting || !queue.empty(); }
    bool FlightRunning() const { return flying; }

  private:
    void Run();
    void Resume();
    void Hold(int milliseconds);

    EventStage& stage;
    SilentMedia silence;
    MediaOutput* media = &silence;
    std::deque<MatchEvent> queue;
    QTimer timer;
    bool running = false; // inside Run: events are being applied
    bool waiting = false; // the timer holds the queue
    bool flying = false;
    double timeScale = 1.0;
};

} // namespace tavlira
