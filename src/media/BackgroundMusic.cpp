#include "media/BackgroundMusic.h"

namespace tavlira {

BackgroundMusic::BackgroundMusic(MidiOutput& midi, QObject* parent)
    : QObject(parent), output(midi) {
    checkTimer.setInterval(CheckIntervalMs);
    connect(&checkTimer, &QTimer::timeout, this, &BackgroundMusic::Check);
}

void BackgroundMusic::SetEnabled(bool on) {
    enabled = on;
    Follow();
}

void BackgroundMusic::SetScreenAllows(bool allows) {
    screenAllows = allows;
    Follow();
}

// The timer runs only while the song is wanted, so a game at the table or
// a player who switched the music off costs nothing.
void BackgroundMusic::Follow() {
    silent = false;
    if (Wanted()) {
        Check();
        checkTimer.start();
    } else {
        checkTimer.stop();
        output.Stop();
    }
}

void BackgroundMusic::Check() {
    if (Wanted() && !silent && !output.Playing())
        silent = !output.Play();
}

} // namespace tavlira
