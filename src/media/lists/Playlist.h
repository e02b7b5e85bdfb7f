#pragma once
// The music player's playlist: the server's playlist page, UTF-8, one song a
// line. Each line is the song's file name in the server's music folder,
// "Artist_Name~Song_Title.mp3": the artist is the part before the first '~',
// the title the part after it up to ".mp3", and '_' stands for a blank in
// both. A line without '~' has no artist.
//
// The page comes from the network: a line that is not a plain ".mp3" file
// name of the folder (a path, a control character, malformed UTF-8, an
// overlong line) is left out, and nothing past MaxPlaylistSongs is read.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavlira {

inline constexpr std::size_t MaxPlaylistSongs = 1000;
inline constexpr std::size_t MaxPlaylistLineLength = 300;
// The player is offered only for a playlist longer than this.
inline constexpr std::size_t PlayerMinimumSongs = 5;

struct Song {
    std::string file; // the line as it stands, the name in the music folder
    std::string artist;
    std::string title;
    friend bool operator==(const Song&, const Song&) = default;
};

std::vector<Song> ReadPlaylist(std::string_view text);

} // namespace tavlira
