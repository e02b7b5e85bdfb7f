#include "media/MediaStreamPlayer.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <algorithm>

namespace tavlira {

// The media player and its output, living on the player's thread. It reports
// each state with the number of the request it belongs to.
class StreamWorker : public QObject {
    Q_OBJECT

  public:
    void Play(int number, const QUrl& address) {
        Prepare();
        request = number;
        // The default device may have changed since the last stream.
        output->setDevice(QMediaDevices::defaultAudioOutput());
        player->setSource(address);
        player->play();
    }
    void Stop(int number) {
        request = number;
        if (!player)
            return;
        player->stop();
        player->setSource(QUrl());
    }
    void Pause() {
        if (player)
            player->pause();
    }
    void Resume() {
        if (player)
            player->play();
    }
    void SetVolume(float volume) {
        Prepare();
        output->setVolume(volume);
    }

  signals:
    void Reported(int request, int state, bool ended);

  private:
    void Prepare() {
        if (player)
            return;
        output = new QAudioOutput(this);
        player = new QMediaPlayer(this);
        player->setAudioOutput(output);
        connect(player, &QMediaPlayer::mediaStatusChanged, this, &StreamWorker::Follow);
        connect(player, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error error) {
            if (error != QMediaPlayer::NoError && !player->source().isEmpty())
                Report(StreamState::Failed);
        });
        connect(player, &QMediaPlayer::playbackStateChanged, this,
                [this](QMediaPlayer::PlaybackState playback) {
                    if (playback == QMediaPlayer::PlayingState &&
                        player->mediaStatus() == QMediaPlayer::BufferedMedia)
                        Report(StreamState::Playing);
                });
    }

    // Qt reports Stopped before EndOfMedia: the end is told by the media
    // status.
    void Follow(QMediaPlayer::MediaStatus status) {
        if (player->source().isEmpty())
            return;
        switch (status) {
        case QMediaPlayer::LoadingMedia:
            Report(StreamState::Connecting);
            break;
        case QMediaPlayer::LoadedMedia:
        case QMediaPlayer::BufferingMedia:
        case QMediaPlayer::StalledMedia:
            Report(StreamState::Buffering);
            break;
        case QMediaPlayer::BufferedMedia:
            if (player->playbackState() == QMediaPlayer::PlayingState)
                Report(StreamState::Playing);
            break;
        case QMediaPlayer::EndOfMedia:
            emit Reported(request, static_cast<int>(StreamState::Stopped), true);
            break;
        case QMediaPlayer::InvalidMedia:
            Report(StreamState::Failed);
            break;
        case QMediaPlayer::NoMedia:
            break;
        }
    }
    void Report(StreamState state) { emit Reported(request, static_cast<int>(state), false); }

    QAudioOutput* output = nullptr;
    QMediaPlayer* player = nullptr;
    int request = 0;
};

MediaStreamPlayer::MediaStreamPlayer(QObject* parent)
    : StreamPlayer(parent), worker(new StreamWorker) {
    worker->moveToThread(&thread);
    connect(worker, &StreamWorker::Reported, this, &MediaStreamPlayer::Reported,
            Qt::QueuedConnection);
    thread.setObjectName(QStringLiteral("stream player"));
    thread.start();
}

// The worker's media player is ended on its own thread before the thread.
MediaStreamPlayer::~MediaStreamPlayer() {
    QMetaObject::invokeMethod(
        worker, [w = worker] { delete w; }, Qt::BlockingQueuedConnection);
    thread.quit();
    thread.wait();
}

void MediaStreamPlayer::Play(const QUrl& address) {
    const int number = ++request;
    Enter(StreamState::Connecting);
    QMetaObject::invokeMethod(worker, [w = worker, number, address] { w->Play(number, address); });
}

void MediaStreamPlayer::Stop() {
    const int number = ++request;
    Enter(StreamState::Stopped);
    QMetaObject::invokeMethod(worker, [w = worker, number] { w->Stop(number); });
}

void MediaStreamPlayer::Pause() {
    if (state != StreamState::Playing && state != StreamState::Buffering)
        return;
    Enter(StreamState::Paused);
    QMetaObject::invokeMethod(worker, [w = worker] { w->Pause(); });
}

// The thread reports Playing again once the sound goes on.
void MediaStreamPlayer::Resume() {
    if (state != StreamState::Paused)
        return;
    Enter(StreamState::Buffering);
    QMetaObject::invokeMethod(worker, [w = worker] { w->Resume(); });
}

// The slider of a player is heard on a logarithmic scale: the volume goes
// through the conversion Qt offers for it.
void MediaStreamPlayer::SetVolume(int percent) {
    const float linear =
        QAudio::convertVolume(static_cast<float>(std::clamp(percent, 0, 100)) / 100,
                              QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale);
    QMetaObject::invokeMethod(worker, [w = worker, linear] { w->SetVolume(linear); });
}

// A failed stream stays failed until the next Play: the media player may
// still report a status of the same source after its error.
void MediaStreamPlayer::Reported(int number, int reportedState, bool ended) {
    if (number != request || state == StreamState::Stopped || state == StreamState::Paused ||
        state == StreamState::Failed)
        return;
    Enter(static_cast<StreamState>(reportedState));
    if (ended)
        emit Ended();
}

void MediaStreamPlayer::Enter(StreamState next) {
    if (next == state)
        return;
    state = next;
    emit StateChanged(state);
}

} // namespace tavlira

#include "MediaStreamPlayer.moc"
