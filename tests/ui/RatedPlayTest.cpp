// Rated play against the companion server: the match is charged before it
// starts and booked after it, a world cycle's score goes to the account
// players' board and its place earns club points once, and a server that is
// down is asked about again until it is back.

#include "online/RatedPlay.h"

#include "CompanionServer.h"
#include "online/Account.h"
#include "online/Answer.h"
#include "online/Request.h"
#include "ui/dialogs/online/OnlineAccount.h"
#include "ui/dialogs/online/RatedSeries.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

namespace tavlira::testing {
namespace {

using online::GameStats;

// A rated account of the club on `base`, logged in.
struct RatedPlayer {
    explicit RatedPlayer(const std::optional<QUrl>& base)
        : services(base), account(services, family.path().toStdString()) {
        online::Account created;
        created.Nick = "Eve";
        created.Pw = "secret1";
        created.City = "Rome";
        created.Country1 = "Italy";
        created.EMail = "eve@club";
        std::optional<online::CreateResult> result;
        account.Create(created, true, [&](online::CreateResult r) { result = r; });
        RunUntil([&] { return result.has_value() && services.Client().Pending() == 0; });
    }
    std::optional<GameStats> Start(RatedSeries& series) {
        std::optional<GameStats> before;
        bool answered = false;
        series.Start([&](const std::optional<GameStats>& stats) {
            before = stats;
            answered = true;
        });
        RunUntil([&] { return answered; });
        return before;
    }
    RatedSeries::Booking Finish(RatedSeries& series, int result, int score) {
        std::optional<RatedSeries::Booking> booking;
        series.Finish(result, score, [&](const RatedSeries::Booking& b) { booking = b; });
        RunUntil([&] { return booking.has_value() && services.Client().Pending() == 0; });
        return booking.value_or(RatedSeries::Booking{});
    }
    GameStats ServerStats() {
        bool read = false;
        account.ReadStats([&](bool) { read = true; });
        RunUntil([&] { return read; });
        return account.Stats().value_or(GameStats{});
    }

    QTemporaryDir family;
    WebServices services;
    OnlineAccount account;
};

// Eve, logged in to a club whose answers a test makes up.
struct LoggedInPlayer {
    explicit LoggedInPlayer(const FakeWebServer& server)
        : services(server.Base()), account(services, family.path().toStdString()) {
        bool done = false;
        account.LogIn("Eve", "secret1", true, [&](bool) { done = true; });
        RunUntil([&] { return done && services.Client().Pending() == 0; });
    }

    QTemporaryDir family;
    WebServices services;
    OnlineAccount account;
};

TEST(RatedPlay, ChargedBeforeTheMatchBookedAfterAndTheCyclePostedOnce) {
    CompanionServer server;
    ASSERT_TRUE(server.Base()) << "the server did not start";
    RatedPlayer eve(server.Base());
    ASSERT_EQ(eve.account.State(), AccountState::RatedGame);
    int questions = 0;
    RatedSeries series(eve.account, {{}, [&](const QString&) {
                                         ++questions;
                                         return false;
                                     }});

    // The first match: the server's copy is charged as lost (formula A).
    const std::optional<GameStats> before = eve.Start(series);
    ASSERT_TRUE(before.has_value());
    EXPECT_EQ(*before, GameStats{});
    GameStats charged = eve.ServerStats();
    EXPECT_EQ(charged.Kon, 2);
    EXPECT_NEAR(charged.Rating, online::RatingBeforeMatch(0, 2), 1e-6);

    // Booked with its result (formula B), the cycle going on.
    RatedSeries::Booking booking = eve.Finish(series, 3, 3);
    ASSERT_TRUE(booking.rating.has_value());
    EXPECT_NEAR(*booking.rating, online::RatingAfterMatch(charged.Rating, 2, 3), 1e-6);
    EXPECT_FALSE(booking.cycleComplete);
    GameStats booked = eve.ServerStats();
    EXPECT_EQ(booked.KonL, 2);
    EXPECT_EQ(booked.Score, 3);
    // The series is over: the account plays for the rating no longer.
    EXPECT_EQ(eve.account.State(), AccountState::LoggedIn);

    // Nine more matches close the world cycle of 20 games.
    for (int match = 2; match <= 10; ++match) {
        eve.account.SetRated(true);
        ASSERT_TRUE(eve.Start(series).has_value()) << match;
        booking = eve.Finish(series, 1, 3 + match);
        ASSERT_TRUE(booking.rating.has_value()) << match;
    }
    EXPECT_TRUE(booking.cycleComplete);
    EXPECT_EQ(booking.place, 1);
    EXPECT_EQ(booking.pointsAwarded, 25);
    EXPECT_EQ(eve.account.Record().R04, 25);
    booked = eve.ServerStats();
    EXPECT_EQ(booked.Kon, 20);
    EXPECT_EQ(booked.Sessions, 1);
    EXPECT_EQ(booked.Best, 13);
    EXPECT_EQ(booked.KonL, 0);
    EXPECT_EQ(questions, 0);

    // The award is collected once: asking again adds nothing.
    const online::Account& record = eve.account.Record();
    std::optional<bool> again;
    eve.services.Send(
        online::AddPointsRequest{record.Nick, record.Pw, 25}, &eve.services,
        [&](const ServiceAnswer& a) { again = a.done && online::ReadDoneAnswer(a.text); });
    ASSERT_TRUE(RunUntil([&] { return again.has_value(); }));
    EXPECT_FALSE(*again);
    bool read = false;
    eve.account.ReadPoints([&](bool) { read = true; });
    ASSERT_TRUE(RunUntil([&] { return read; }));
    EXPECT_EQ(eve.account.Record().R04, 25);
}

TEST(RatedPlay, AServerThatIsDownIsAskedAboutUntilItIsBack) {
    CompanionServer server;
    ASSERT_TRUE(server.Base()) << "the server did not start";
    RatedPlayer eve(server.Base());
    QStringList questions;
    RatedSeries series(eve.account, {{}, [&](const QString& question) {
                                         questions << question;
                                         // Down at the first question, back at the second.
                                         return questions.size() == 1 || server.Restart();
                                     }});
    const std::optional<GameStats> before = eve.Start(series);
    ASSERT_TRUE(before.has_value());

    server.Stop();
    const RatedSeries::Booking booking = eve.Finish(series, -4, 0);
    ASSERT_EQ(questions.size(), 2);
    EXPECT_EQ(questions[0], "Could not connect to server!\nRepeat?");
    ASSERT_TRUE(booking.rating.has_value());
    EXPECT_EQ(eve.ServerStats().KonL, 2);

    // Down for good: No leaves the local statistics as they were.
    eve.account.SetRated(true);
    ASSERT_TRUE(eve.Start(series).has_value());
    const GameStats kept = *eve.account.Stats();
    server.Stop();
    questions.clear();
    RatedSeries giveUp(eve.account, {{}, [&](const QString& question) {
                                         questions << question;
                                         return false;
                                     }});
    EXPECT_FALSE(eve.Finish(giveUp, 2, 2).rating.has_value());
    EXPECT_EQ(questions.size(), 1);
    EXPECT_EQ(*eve.account.Stats(), kept);
    EXPECT_EQ(eve.account.State(), AccountState::LoggedIn);

    // A start against a server that is down logs the account out.
    eve.account.SetRated(true);
    EXPECT_FALSE(eve.Start(giveUp).has_value());
    EXPECT_FALSE(eve.account.LoggedIn());
}

// A match that was charged and never booked (the program ended in the
// middle) counts as lost; the next match starts and is booked as usual, and
// the server books each match once.
TEST(RatedPlay, AMatchNeverBookedLeavesTheNextOnePlayable) {
    CompanionServer server;
    ASSERT_TRUE(server.Base()) << "the server did not start";
    RatedPlayer eve(server.Base());
    RatedSeries series(eve.account, {{}, [](const QString&) { return false; }});
    ASSERT_TRUE(eve.Start(series).has_value());
    ASSERT_TRUE(eve.Finish(series, 1, 1).rating.has_value());
    eve.account.SetRated(true);
    ASSERT_TRUE(eve.Start(series).has_value()); // charged, never booked

    // The next start reads the cycle as the charge left it: cleared.
    eve.account.SetRated(true);
    ASSERT_TRUE(eve.Start(series).has_value());
    const RatedSeries::Booking booking = eve.Finish(series, 5, 5);
    ASSERT_TRUE(booking.rating.has_value());
    const GameStats booked = eve.ServerStats();
    EXPECT_EQ(booked.Kon, 6);
    EXPECT_EQ(booked.KonL, 2);

    // Booking the same match again is refused: the local statistics stay.
    EXPECT_FALSE(eve.Finish(series, 5, 5).rating.has_value());
    EXPECT_EQ(eve.ServerStats(), booked);
}

// The server booked the end but its answer was lost: asked again, the
// program finds the match booked and writes nothing new.
TEST(RatedPlay, AnEndWhoseAnswerWasLostIsNotBookedTwice) {
    GameStats stored{4, 9, 1.5, 0, 4, 9, 0, "#"};
    std::vector<GameStats> writes;
    FakeWebServer server([&](const ReceivedRequest& request) {
        const std::string body = request.body.toStdString();
        const auto parsed = online::ParseRequest(online::Endpoint::Account, body);
        if (const auto* write =
                parsed ? std::get_if<online::WriteGameStatsRequest>(&*parsed) : nullptr) {
            stored = write->stats;
            writes.push_back(stored);
            if (writes.size() == 2) // the end: written, then the answer lost
                return QByteArray("HTTP/1.1 500 Internal Server Error\r\nContent-Length: "
                                  "0\r\nConnection: close\r\n\r\n");
            return FakeWebServer::Ok("ok");
        }
        if (parsed && std::holds_alternative<online::ReadGameStatsRequest>(*parsed))
            return FakeWebServer::Ok(
                QByteArray::fromStdString(online::WriteGameStatsAnswer(stored)));
        return FakeWebServer::Ok(QByteArray::fromStdString(online::WriteAccountAnswer({})));
    });
    LoggedInPlayer eve(server);
    ASSERT_TRUE(eve.account.LoggedIn());
    OnlineAccount& account = eve.account;
    int questions = 0;
    RatedSeries series(account, {{}, [&](const QString&) { return ++questions == 1; }});
    std::optional<std::optional<GameStats>> started;
    series.Start([&](const std::optional<GameStats>& stats) { started = stats; });
    ASSERT_TRUE(RunUntil([&] { return started.has_value(); }));
    ASSERT_TRUE(started->has_value());

    std::optional<RatedSeries::Booking> booking;
    series.Finish(3, 7, [&](const RatedSeries::Booking& b) { booking = b; });
    ASSERT_TRUE(RunUntil([&] { return booking.has_value(); }));
    EXPECT_EQ(questions, 1);
    ASSERT_TRUE(booking->rating.has_value());
    ASSERT_EQ(writes.size(), 3u);
    EXPECT_EQ(writes[2], writes[1]);
    EXPECT_NEAR(*booking->rating, online::RatingAfterMatch(writes[0].Rating, 6, 3), 1e-6);
    EXPECT_EQ(account.Stats()->KonL, 6);
}

// The start's write is tried three times in all, with the failure sound
// before each new try, and the match starts once one of them is taken.
TEST(RatedPlay, TheStartWriteIsTriedThreeTimes) {
    for (const int refusals : {2, 3}) {
        int writes = 0;
        FakeWebServer server([&](const ReceivedRequest& request) {
            if (request.body.contains("crdtavl2best=0"))
                return FakeWebServer::Ok(QByteArray::fromStdString(
                    online::WriteGameStatsAnswer(GameStats{4, 9, 1.5, 0, 4, 9, 0, "#"})));
            if (request.body.contains("crdtavl2kon="))
                return FakeWebServer::Ok(++writes > refusals ? "ok" : "no");
            return FakeWebServer::Ok(QByteArray::fromStdString(online::WriteAccountAnswer({})));
        });
        LoggedInPlayer eve(server);
        ASSERT_TRUE(eve.account.LoggedIn());
        OnlineAccount& account = eve.account;
        int sounds = 0;
        RatedSeries series(account, {[&] { ++sounds; }, {}});
        series.SetRetryDelays(std::chrono::milliseconds(10), std::chrono::milliseconds(10));
        std::optional<std::optional<GameStats>> started;
        series.Start([&](const std::optional<GameStats>& stats) { started = stats; });
        ASSERT_TRUE(RunUntil([&] { return started.has_value(); }));
        EXPECT_EQ(writes, 3);
        EXPECT_EQ(sounds, refusals);
        EXPECT_EQ(started->has_value(), refusals < 3);
        EXPECT_EQ(account.LoggedIn(), refusals < 3);
    }
}

} // namespace
} // namespace tavlira::testing
