#include "media/lists/Playlist.h"

#include <gtest/gtest.h>

namespace tavlira {
namespace {

TEST(PlaylistTest, NamesComeFromTheFileName) {
    const std::vector<Song> songs =
        ReadPlaylist("Some_Artist~My_Song.mp3\r\n"
                     "\r\n"
                     "  Trio_~_Long~Tail.MP3  \n"
                     "Solo.mp3\n"
                     "\xD0\x9A\xD0\xB8\xD0\xBD\xD0\xBE~\xD0\x93\xD1\x80\xD1\x83\xD0\xBF\xD0\xBF\xD0"
                     "\xB0.mp3");
    ASSERT_EQ(songs.size(), 4u);
    EXPECT_EQ(songs[0], (Song{"Some_Artist~My_Song.mp3", "Some Artist", "My Song"}));
    // The first '~' divides; blanks at the ends of a part are dropped.
    EXPECT_EQ(songs[1], (Song{"Trio_~_Long~Tail.MP3", "Trio", "Long~Tail"}));
    EXPECT_EQ(songs[2], (Song{"Solo.mp3", "", "Solo"}));
    EXPECT_EQ(songs[3].artist, "\xD0\x9A\xD0\xB8\xD0\xBD\xD0\xBE");
}

TEST(PlaylistTest, LinesThatAreNotSongFilesAreLeftOut) {
    const std::vector<Song> songs = ReadPlaylist("../secret.mp3\n"
                                                 "a/b.mp3\n"
                                                 "a\\b.mp3\n"
                                                 ".mp3\n"
                                                 "x.mp3?y\n"
                                                 "tab\there.mp3\n"
                                                 "bad\xC3(.mp3\n"
                                                 "over\xC0\xAFlong.mp3\n"
                                                 "song.ogg\n" +
                                                 std::string(400, 'a') + ".mp3\n");
    EXPECT_TRUE(songs.empty());
}

TEST(PlaylistTest, StopsAtTheLargestPlaylist) {
    std::string text;
    for (std::size_t i = 0; i < MaxPlaylistSongs + 50; ++i)
        text += "A~S" + std::to_string(i) + ".mp3\n";
    EXPECT_EQ(ReadPlaylist(text).size(), MaxPlaylistSongs);
}

} // namespace
} // namespace tavlira
