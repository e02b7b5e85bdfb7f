#pragma once
// The stream player on the audio device, through Qt Multimedia (GStreamer).

#include "media/StreamPlayer.h"

#include <QAudioOutput>
#include <QMediaPlayer>

namespace tavlira {

class MediaStreamPlayer final : public StreamPlayer {
    Q_OBJECT

  public:
    explicit MediaStreamPlayer(QObject* parent = nullptr);

    void Play(const QUrl& address) override;
    void Stop() override;
    void SetVolume(int percent) override;
    StreamState State() const override { return state; }

  private:
    void Follow(QMediaPlayer::MediaStatus status);
    void Enter(StreamState next);

    QAudioOutput output;
    QMediaPlayer player;
    StreamState state = StreamState::Stopped;
};

} // namespace tavlira
