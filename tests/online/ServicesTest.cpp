#include "online/Services.h"

#include "online/Answer.h"
#include "online/RatedPlay.h"
#include "util/TextCipher.h"

#include <gtest/gtest.h>

namespace tavlira::online {
namespace {

TEST(Services, DirectoryRoundTripsAndKeepsBuiltInsForMissingKeys) {
    ServiceDirectory directory;
    directory.statistics = "http://127.0.0.1:8066/stat/stat.php";
    directory.tournament = "http://127.0.0.1:8066/wt/games.php";
    EXPECT_EQ(ReadServiceDirectory(WriteServiceDirectory(directory)), directory);

    directory.worldTopTenPaused = true;
    EXPECT_EQ(ReadServiceDirectory(WriteServiceDirectory(directory)), directory);
    directory.chatPaused = true;
    EXPECT_EQ(ReadServiceDirectory(WriteServiceDirectory(directory)), directory);

    const std::string account = EncodeText("http://h/acc", CipherKey::ServiceAddress);
    const ServiceDirectory read = ReadServiceDirectory("AccPath:" + account + "#junk");
    EXPECT_EQ(read.account, "http://h/acc");
    EXPECT_FALSE(read.statistics);
    // A key inside another entry's value is no entry, nor is an entry cut
    // off before its "#".
    EXPECT_FALSE(ReadServiceDirectory("X=StatPath=abc#").statistics);
    const ServiceDirectory cut = ReadServiceDirectory("CTGamesPause#StatPath=" + account);
    EXPECT_FALSE(cut.statistics);
    EXPECT_TRUE(cut.chatPaused);
    EXPECT_FALSE(cut.worldTopTenPaused);
    EXPECT_EQ(ReadServiceDirectory(""), ServiceDirectory{});
}

TEST(Services, NewsNumber) {
    EXPECT_EQ(ReadNewsNumber("Hello\nQelNews00123 more"), 123);
    EXPECT_EQ(ReadNewsNumber(NewsMarker(7)), 7);
    EXPECT_EQ(ReadNewsNumber("no news here"), 0);
    EXPECT_EQ(ReadNewsNumber("QelNews12"), 0);
    EXPECT_EQ(ReadNewsNumber("QelNews1x345"), 0);
}

TEST(Services, PlaylistAndPublicAddress) {
    const std::vector<std::string> songs = {"Some_Artist~My_Song.mp3", "B~C.mp3"};
    EXPECT_EQ(ReadPlaylist(WritePlaylist(songs)), songs);
    EXPECT_EQ(ReadPlaylist("a.mp3\r\n\r\n b.mp3 \n"), (std::vector<std::string>{"a.mp3", "b.mp3"}));
    EXPECT_EQ(ReadPublicIp(WritePublicIp("203.0.113.5")), "203.0.113.5");
    EXPECT_EQ(ReadPublicIp(""), "");
}

TEST(Services, RatingFormulas) {
    // A: ((1.5 - 8/20) * 8 - 20) / 10 + 10/20 = -0.62
    EXPECT_NEAR(RatingBeforeMatch(1.5, 10), -0.62, 1e-12);
    // B: ((1.5 - 10/20) * 10 + 20 + 3) / 10 + 10/20 = 3.8
    EXPECT_NEAR(RatingAfterMatch(1.5, 10, 3), 3.8, 1e-12);
    // Without games there is nothing to average: the rating stays.
    EXPECT_EQ(RatingBeforeMatch(3.0, 0), 3.0);
    EXPECT_EQ(RatingAfterMatch(3.0, 0, 5), 3.0);
}

TEST(Services, OnlyStepsOfRatedPlayAreWritten) {
    const GameStats stored{10, 30, 1.5, 1, 8, 12, 0, "#"};
    GameStats start = stored;
    start.Kon = 12;
    start.Rating = std::stod(FormatFraction(RatingBeforeMatch(1.5, 12)));
    start.KonL = 0;
    start.Score = 0;
    GameStats goesOn = stored;
    goesOn.Rating = std::stod(FormatFraction(RatingAfterMatch(1.5, 10, -7)));
    goesOn.KonL = 10;
    goesOn.Score = 5;
    GameStats closes = goesOn;
    closes.Sessions = 2;
    closes.Best = 40;
    closes.KonL = 0;
    closes.Score = 0;
    const struct {
        GameStats written;
        bool step;
    } cases[] = {
        {start, true},
        {goesOn, true},
        {closes, true},
        {[&] {
             GameStats s = stored;
             s.Rating += 50;
             return s;
         }(),
         false}, // result 480
        {[&] {
             GameStats s = start;
             s.Kon = 14;
             return s;
         }(),
         false},
        {[&] {
             GameStats s = start;
             s.Rating += 0.01;
             return s;
         }(),
         false},
        {[&] {
             GameStats s = goesOn;
             s.Rating += 0.05;
             return s;
         }(),
         false},
        {[&] {
             GameStats s = goesOn;
             s.Best = 99;
             return s;
         }(),
         false},
        {[&] {
             GameStats s = closes;
             s.KonL = 4;
             return s;
         }(),
         false},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(IsRatedPlayStep(stored, cases[i].written), cases[i].step) << "case " << i;
}

} // namespace
} // namespace tavlira::online
