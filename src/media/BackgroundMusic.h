#pragma once
// The background music: the game's MIDI song, played while the title or the
// menu is shown and "Music" is on. A check once a second starts the song
// again whenever it has ended, so it loops.

#include <QObject>
#include <QTimer>

namespace tavlira {

// Something that plays the song once, stops it and tells whether it plays.
class MidiOutput {
  public:
    virtual ~MidiOutput() = default;
    // Starts the song from its beginning; false when it cannot sound.
    virtual bool Play() = 0;
    virtual void Stop() = 0;
    virtual bool Playing() const = 0;
};

class BackgroundMusic : public QObject {
    Q_OBJECT

  public:
    // `output` belongs to the caller and outlives the music.
    explicit BackgroundMusic(MidiOutput& output, QObject* parent = nullptr);

    // "Music" in the settings.
    void SetEnabled(bool enabled);
    // The title or the menu is shown (true), or the table (false).
    void SetScreenAllows(bool allows);
    bool Wanted() const { return enabled && screenAllows; }

    // One check of the loop: the song starts again when it is wanted and has
    // ended. The timer calls it every second; tests call it directly.
    void Check();
    static constexpr int CheckIntervalMs = 1000;

  private:
    void Follow();

    MidiOutput& output;
    QTimer checkTimer;
    bool enabled = false;
    bool screenAllows = false;
    // The output could not sound: no more tries until the music is wanted anew.
    bool silent = false;
};

} // namespace tavlira
