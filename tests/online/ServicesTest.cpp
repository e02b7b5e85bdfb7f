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
    const auto with = [&](auto change) {
        GameStats s = stored;
        change(s);
        return s;
    };
    const GameStats start = with([](GameStats& s) {
        s.Kon = 12;
        s.Rating = std::stod(FormatFraction(RatingBeforeMatch(1.5, 12)));
        s.KonL = 0;
        s.Score = 0;
    });
    const GameStats goesOn = with([](GameStats& s) {
        s.Rating = std::stod(FormatFraction(RatingAfterMatch(1.5, 10, -7)));
        s.KonL = 10;
        s.Score = 5;
    });
    GameStats closes = goesOn;
    closes.Sessions = 2;
    closes.Best = 40;
    closes.KonL = 0;
    closes.Score = 0;
    const auto changed = [](GameStats s, auto change) {
        change(s);
        return s;
    };
    const std::optional<int> none;
    const struct {
        const char* what;
        std::optional<int> open; // the cycle game of the match under way
        GameStats written;
        std::optional<std::optional<int>> opensAt; // nothing: refused
    } cases[] = {
        {"start", none, start, 8},
        {"start over a match never ended", 6, start, 8},
        {"end", 8, goesOn, none},
        {"end closing the cycle", 18, closes, none},
        {"the same again", 8, stored, 8},
        {"end without a start", none, goesOn, {}},
        {"end skipping games", 6, goesOn, {}},
        {"end closing a cycle too early", 8, closes, {}},
        {"end not closing a full cycle", 18, goesOn, {}},
        {"result 480", 8, changed(stored, [](GameStats& s) { s.Rating += 50; }), {}},
        {"start of two matches", none, changed(start, [](GameStats& s) { s.Kon = 14; }), {}},
        {"start not charged", none, changed(start, [](GameStats& s) { s.Rating += 0.01; }), {}},
        {"result not whole", 8, changed(goesOn, [](GameStats& s) { s.Rating += 0.05; }), {}},
        {"best raised mid-cycle", 8, changed(goesOn, [](GameStats& s) { s.Best = 99; }), {}},
        {"cycle closed unclear", 18, changed(closes, [](GameStats& s) { s.KonL = 4; }), {}},
        {"best beyond a cycle", 18, changed(closes, [](GameStats& s) { s.Best = 500; }), {}},
        {"score beyond a cycle", 8, changed(goesOn, [](GameStats& s) { s.Score = -500; }), {}},
    };
    for (const auto& c : cases) {
        const std::optional<RatedStanding> next = RatedPlayStep({stored, c.open}, c.written);
        ASSERT_EQ(next.has_value(), c.opensAt.has_value()) << c.what;
        if (next) {
            EXPECT_EQ(next->openCycleGame, *c.opensAt) << c.what;
            EXPECT_EQ(next->stats, c.written) << c.what;
        }
    }
}

} // namespace
} // namespace tavlira::online
