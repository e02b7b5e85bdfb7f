#pragma once
// The stream player on the audio device, through Qt Multimedia (GStreamer).
//
// The media player works on a thread of its own: opening an address can
// hold its caller for up to a second (a server that takes the connection
// and says nothing), and the window must not wait for that. Requests go to
// the thread in order; each carries a number, and what the thread reports
// about an older request than the last one is dropped, so a dead station's
// late failure never lands on the next station.

#include "media/StreamPlayer.h"

#include <QThread>

namespace tavlira {

class StreamWorker;

class MediaStreamPlayer final : public StreamPlayer {
    Q_OBJECT

  public:
    explicit MediaStreamPlayer(QObject* parent = nullptr);
    ~MediaStreamPlayer() override;

    void Play(const QUrl& address) override;
    void Stop() override;
    void Pause() override;
    void Resume() override;
    void SetVolume(int percent) override;
    StreamState State() const override { return state; }

  private:
    void Reported(int request, int reportedState, bool ended);
    void Enter(StreamState next);

    QThread thread;
    StreamWorker* worker;
    int request = 0;
    StreamState state = StreamState::Stopped;
};

} // namespace tavlira
