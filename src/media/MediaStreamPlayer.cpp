#include "media/MediaStreamPlayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <cmath>

namespace tavlira {

MediaStreamPlayer::MediaStreamPlayer(QObject* parent) : StreamPlayer(parent) {
    player.setAudioOutput(&output);
    connect(&player, &QMediaPlayer::mediaStatusChanged, this, &MediaStreamPlayer::Follow);
    connect(&player, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error error) {
        if (error != QMediaPlayer::NoError && state != StreamState::Stopped)
            Enter(StreamState::Failed);
    });
    connect(&player, &QMediaPlayer::playbackStateChanged, this,
            [this](QMediaPlayer::PlaybackState playback) {
                if (playback == QMediaPlayer::PlayingState &&
                    player.mediaStatus() == QMediaPlayer::BufferedMedia)
                    Enter(StreamState::Playing);
            });
}

void MediaStreamPlayer::Play(const QUrl& address) {
    // The default device may have changed since the last stream.
    output.setDevice(QMediaDevices::defaultAudioOutput());
    Enter(StreamState::Connecting);
    player.setSource(address);
    player.play();
}

void MediaStreamPlayer::Stop() {
    Enter(StreamState::Stopped);
    player.stop();
    player.setSource(QUrl());
}

// The slider of a player is heard on a logarithmic scale: the volume goes
// through the conversion Qt offers for it.
void MediaStreamPlayer::SetVolume(int percent) {
    const float linear =
        QAudio::convertVolume(static_cast<float>(std::clamp(percent, 0, 100)) / 100,
                              QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale);
    output.setVolume(linear);
}

// Qt reports Stopped before EndOfMedia: the end is told by the media status.
void MediaStreamPlayer::Follow(QMediaPlayer::MediaStatus status) {
    if (state == StreamState::Stopped || state == StreamState::Failed)
        return;
    switch (status) {
    case QMediaPlayer::LoadingMedia:
        Enter(StreamState::Connecting);
        break;
    case QMediaPlayer::LoadedMedia:
    case QMediaPlayer::BufferingMedia:
    case QMediaPlayer::StalledMedia:
        Enter(StreamState::Buffering);
        break;
    case QMediaPlayer::BufferedMedia:
        if (player.playbackState() == QMediaPlayer::PlayingState)
            Enter(StreamState::Playing);
        break;
    case QMediaPlayer::EndOfMedia:
        Enter(StreamState::Stopped);
        emit Ended();
        break;
    case QMediaPlayer::InvalidMedia:
        Enter(StreamState::Failed);
        break;
    case QMediaPlayer::NoMedia:
        break;
    }
}

void MediaStreamPlayer::Enter(StreamState next) {
    if (next == state)
        return;
    state = next;
    emit StateChanged(state);
}

} // namespace tavlira
