#pragma once
// The menu's MP3 player: songs from the companion server's music folder,
// listed on its playlist page (see media/lists/Playlist.h), played one at a
// time in random order. The playlist is fetched in the background; the
// player exists only when it lists more than PlayerMinimumSongs - 1 songs.

#include "media/StreamPlayer.h"
#include "media/lists/Playlist.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <functional>
#include <random>
#include <vector>

class QNetworkReply;

namespace tavlira {

inline constexpr int SongVolumeStep = 5;
inline constexpr int DefaultSongVolume = 50;

class SongPlayer : public QObject {
    Q_OBJECT

  public:
    // `musicFolder` holds the songs and the page "playlist.txt", in which
    // the server lists the folder's songs. The stream player belongs to the
    // caller and outlives this one.
    SongPlayer(QUrl musicFolder, StreamPlayer& player, QObject* parent = nullptr);
    ~SongPlayer() override;

    // Fetches the playlist; an unreachable page leaves no player.
    void FetchPlaylist();
    // Takes `songs` as the playlist and picks a random first song.
    void SetPlaylist(std::vector<Song> songs);
    // The random source for the choice of songs (tests fix it).
    void SetRandomSeed(std::uint32_t seed) { random.seed(seed); }

    bool Created() const { return songs.size() >= PlayerMinimumSongs; }
    bool Playing() const { return playing; }
    int Volume() const { return volume; }
    // The current song; only while `Created`.
    const Song& Current() const { return songs[current]; }
    std::size_t CurrentIndex() const { return current; }
    QUrl AddressOf(const Song& song) const;
    StreamState State() const { return player.State(); }

    // Pauses a playing song, or plays: a paused song goes on where it was.
    void PlayPause();
    // A random song, which may be the same one again, starts playing.
    void Next();
    // One step of 5 up (+1) or down (-1), within 0..100, heard at once.
    void StepVolume(int direction);
    // Stops whatever plays; the player keeps its song.
    void Silence();

  signals:
    void Changed();

  private:
    void PickSong();

    QUrl musicFolder;
    StreamPlayer& player;
    QNetworkAccessManager network;
    QPointer<QNetworkReply> fetching;
    std::vector<Song> songs;
    std::size_t current = 0;
    bool playing = false;
    int volume = DefaultSongVolume;
    std::mt19937 random{std::random_device{}()};
};

} // namespace tavlira
