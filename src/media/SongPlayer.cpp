#include "media/SongPlayer.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <algorithm>

namespace tavlira {
namespace {

constexpr int PlaylistTimeoutMs = 10000;
// A playlist page far larger than the largest playlist is not one.
constexpr qint64 MaxPlaylistBytes = MaxPlaylistSongs * (MaxPlaylistLineLength + 2);

} // namespace

SongPlayer::SongPlayer(QUrl folder, StreamPlayer& streams, QObject* parent)
    : QObject(parent), musicFolder(std::move(folder)), player(streams) {
    player.SetVolume(volume);
    connect(&player, &StreamPlayer::StateChanged, this, &SongPlayer::Changed);
    // A song played to its end is followed by another at random.
    connect(&player, &StreamPlayer::Ended, this, [this] {
        if (playing)
            Next();
    });
}

SongPlayer::~SongPlayer() {
    if (fetching)
        fetching->abort();
}

void SongPlayer::FetchPlaylist() {
    if (fetching)
        fetching->abort();
    QNetworkRequest request(musicFolder.resolved(QUrl(QStringLiteral("playlist.txt"))));
    request.setTransferTimeout(PlaylistTimeoutMs);
    QNetworkReply* reply = network.get(request);
    fetching = reply;
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > MaxPlaylistBytes)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        if (reply != fetching || reply->error() != QNetworkReply::NoError)
            return;
        const QByteArray page = reply->read(MaxPlaylistBytes + 1);
        if (page.size() <= MaxPlaylistBytes)
            SetPlaylist(ReadPlaylist(
                std::string_view(page.constData(), static_cast<std::size_t>(page.size()))));
    });
}

void SongPlayer::SetPlaylist(std::vector<Song> list) {
    Silence();
    songs = std::move(list);
    if (Created())
        PickSong();
    emit Changed();
}

QUrl SongPlayer::AddressOf(const Song& song) const {
    QUrl address = musicFolder;
    address.setPath(musicFolder.path() + QString::fromStdString(song.file), QUrl::DecodedMode);
    return address;
}

void SongPlayer::PickSong() {
    current = std::uniform_int_distribution<std::size_t>(0, songs.size() - 1)(random);
}

void SongPlayer::PlayPause() {
    if (!Created())
        return;
    playing = !playing;
    const StreamState state = player.State();
    // A song still connecting has no place to hold: it stops.
    if (!playing && (state == StreamState::Playing || state == StreamState::Buffering))
        player.Pause();
    else if (!playing)
        player.Stop();
    else if (state == StreamState::Paused)
        player.Resume();
    else
        player.Play(AddressOf(Current()));
    emit Changed();
}

void SongPlayer::Next() {
    if (!Created())
        return;
    PickSong();
    playing = true;
    player.Play(AddressOf(Current()));
    emit Changed();
}

void SongPlayer::StepVolume(int direction) {
    const int next = std::clamp(volume + SongVolumeStep * direction, 0, 100);
    if (next == volume)
        return;
    volume = next;
    player.SetVolume(volume);
    emit Changed();
}

void SongPlayer::Silence() {
    if (!playing)
        return;
    playing = false;
    player.Stop();
    emit Changed();
}

} // namespace tavlira
