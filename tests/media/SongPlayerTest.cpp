// The menu's MP3 player through a fake stream player, and its playlist
// fetched from a local server.

#include "media/SongPlayer.h"

#include "FakeStreamPlayer.h"
#include "HttpFixture.h"

#include <QTest>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

std::vector<Song> Songs(std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += "Some_Artist~Song_" + std::to_string(i) + ".mp3\n";
    return ReadPlaylist(text);
}

const QUrl Folder("http://127.0.0.1:9/music/");

TEST(SongPlayerTest, FiveSongsMakeAPlayerFourDoNot) {
    FakeStreamPlayer stream;
    SongPlayer player(Folder, stream);
    player.SetPlaylist(Songs(4));
    EXPECT_FALSE(player.Created());
    player.PlayPause();
    player.Next();
    EXPECT_TRUE(stream.played.empty());
    player.SetPlaylist(Songs(5));
    EXPECT_TRUE(player.Created());
}

TEST(SongPlayerTest, PlayPauseNextVolumeAndTheEndOfASong) {
    FakeStreamPlayer stream;
    SongPlayer player(Folder, stream);
    player.SetRandomSeed(7);
    player.SetPlaylist(Songs(6));
    EXPECT_EQ(stream.volume, 50);
    EXPECT_FALSE(player.Playing());

    player.PlayPause();
    ASSERT_EQ(stream.played.size(), 1u);
    EXPECT_EQ(stream.played[0], player.AddressOf(player.Current()));
    EXPECT_TRUE(player.Playing());
    stream.Enter(StreamState::Playing);
    player.PlayPause();
    EXPECT_FALSE(player.Playing());
    EXPECT_EQ(stream.State(), StreamState::Paused);
    player.PlayPause(); // goes on where it was
    EXPECT_EQ(stream.played.size(), 1u);
    EXPECT_EQ(stream.State(), StreamState::Playing);

    player.Next();
    EXPECT_TRUE(player.Playing());
    EXPECT_EQ(stream.played.size(), 2u);
    // A song that ends is followed by another.
    stream.End();
    EXPECT_EQ(stream.played.size(), 3u);
    EXPECT_TRUE(player.Playing());
    // A song that cannot be streamed stays until "next".
    stream.Enter(StreamState::Failed);
    EXPECT_EQ(stream.played.size(), 3u);

    for (int i = 0; i < 12; ++i)
        player.StepVolume(+1);
    EXPECT_EQ(stream.volume, 100);
    for (int i = 0; i < 25; ++i)
        player.StepVolume(-1);
    EXPECT_EQ(player.Volume(), 0);
    EXPECT_EQ(stream.volume, 0);
}

TEST(SongPlayerTest, EverySongComesUpAndMayRepeat) {
    FakeStreamPlayer stream;
    SongPlayer player(Folder, stream);
    player.SetRandomSeed(1);
    player.SetPlaylist(Songs(5));
    std::set<std::size_t> seen;
    bool repeated = false;
    for (int i = 0; i < 200; ++i) {
        const std::size_t before = player.CurrentIndex();
        player.Next();
        repeated |= player.CurrentIndex() == before;
        seen.insert(player.CurrentIndex());
    }
    EXPECT_EQ(seen.size(), 5u);
    EXPECT_TRUE(repeated);
}

TEST(SongPlayerTest, SongAddressesAreEncodedInTheMusicFolder) {
    FakeStreamPlayer stream;
    SongPlayer player(Folder, stream);
    const std::vector<Song> songs =
        ReadPlaylist("Some_Artist~My_Song.mp3\nA b~C d.mp3\n\xD0\x9A~x.mp3\n");
    ASSERT_EQ(songs.size(), 3u);
    EXPECT_EQ(player.AddressOf(songs[0]).toString(),
              "http://127.0.0.1:9/music/Some_Artist~My_Song.mp3");
    EXPECT_EQ(player.AddressOf(songs[1]).toEncoded(), "http://127.0.0.1:9/music/A%20b~C%20d.mp3");
    EXPECT_EQ(player.AddressOf(songs[2]).toEncoded(), "http://127.0.0.1:9/music/%D0%9A~x.mp3");
}

TEST(SongPlayerTest, PlaylistIsFetchedFromTheMusicFolder) {
    HttpFixture server;
    server.Serve("/music/playlist.txt", "200 OK",
                 "A~1.mp3\r\nA~2.mp3\r\nA~3.mp3\r\nA~4.mp3\r\nA~5.mp3\r\n");
    FakeStreamPlayer stream;
    SongPlayer player(server.Address("/music/"), stream);
    player.FetchPlaylist();
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.Created(); }, 30000));
    EXPECT_EQ(player.Current().artist, "A");

    // An unreachable page leaves no player and nothing shown.
    SongPlayer missing(server.Address("/nothing/"), stream);
    missing.FetchPlaylist();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return server.Requests("/nothing/playlist.txt") == 1; }, 30000));
    QTest::qWait(50);
    EXPECT_FALSE(missing.Created());
}

} // namespace
} // namespace tavlira
