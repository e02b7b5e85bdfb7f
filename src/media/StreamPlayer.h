#pragma once
// One stream at a time from a web address: what the radio and the music
// player ask of the audio library. Nothing here blocks the window:
// connecting, buffering and a dead address happen in the background and are
// told through `StateChanged`.

#include <QObject>
#include <QUrl>

namespace tavlira {

enum class StreamState {
    Stopped,    // nothing plays
    Connecting, // the address is being opened
    Buffering,  // connected, waiting for enough data
    Playing,
    Paused, // holds its place until Resume
    Failed, // the address could not be played; Stop or Play clears it
};

class StreamPlayer : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;
    ~StreamPlayer() override = default;

    // Stops what plays and starts `address`; the state goes to Connecting at
    // once and on from there.
    virtual void Play(const QUrl& address) = 0;
    // Stops at once; the state becomes Stopped.
    virtual void Stop() = 0;
    // A playing stream holds its place (Paused) and goes on from there.
    virtual void Pause() = 0;
    virtual void Resume() = 0;
    // 0..100, applied at once and kept for later streams.
    virtual void SetVolume(int percent) = 0;
    virtual StreamState State() const = 0;

  signals:
    void StateChanged(StreamState state);
    // The stream played to its end (a song; a radio station never ends).
    void Ended();
};

} // namespace tavlira
