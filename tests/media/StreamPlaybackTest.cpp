// The stream player on the real media backend: the radio's test stream
// served over HTTP from 127.0.0.1 plays, and dead addresses fail or wait in
// the background without holding up the caller. The cases that listen need
// an audio output (scripts/test starts a PulseAudio null sink) and are
// skipped without one.

#include "HttpFixture.h"
#include "media/MediaStreamPlayer.h"
#include "support/ReservedPort.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QTest>
#include <cstdio>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

QByteArray TestStream() {
    QFile file(QStringLiteral(TAVLIRA_SERVER_FILES "/radio/test.mp3"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Listening() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

TEST(StreamPlaybackTest, TheTestStationPlaysOverHttp) {
    if (!Listening())
        GTEST_SKIP() << "no audio output";
    const QByteArray stream = TestStream();
    ASSERT_FALSE(stream.isEmpty());
    HttpFixture server;
    server.Serve("/radio/test.mp3", "200 OK", stream, "audio/mpeg");
    MediaStreamPlayer player;
    player.SetVolume(0);
    std::vector<StreamState> states;
    QObject::connect(&player, &StreamPlayer::StateChanged,
                     [&](StreamState state) { states.push_back(state); });

    QElapsedTimer clock;
    clock.start();
    player.Play(server.Address("/radio/test.mp3"));
    const qint64 callMs = clock.elapsed();
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.State() == StreamState::Playing; }, 30000))
        << "state " << static_cast<int>(player.State());
    const qint64 playingMs = clock.elapsed();
    // The figures of the report; nothing asserts them.
    std::printf("stream figures: Play() returned after %lld ms, playing after %lld ms\n",
                static_cast<long long>(callMs), static_cast<long long>(playingMs));
    EXPECT_EQ(states.front(), StreamState::Connecting);
    player.Pause();
    EXPECT_EQ(player.State(), StreamState::Paused);
    QTest::qWait(100);
    EXPECT_EQ(player.State(), StreamState::Paused);
    player.Resume();
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.State() == StreamState::Playing; }, 30000));
    player.Stop();
    EXPECT_EQ(player.State(), StreamState::Stopped);
}

TEST(StreamPlaybackTest, DeadAddressesFailOrWaitInTheBackground) {
    if (!Listening())
        GTEST_SKIP() << "no audio output";
    // A port nobody listens on: connection refused.
    const quint16 port = test_support::ReservedPort();
    ASSERT_NE(port, 0);
    MediaStreamPlayer player;
    player.Play(QUrl(QStringLiteral("http://127.0.0.1:%1/none.mp3").arg(port)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.State() == StreamState::Failed; }, 30000));

    // A server that takes the connection and says nothing: the player
    // connects in the background while the caller goes on.
    HttpFixture server;
    QElapsedTimer clock;
    clock.start();
    player.Play(server.Address("/silent"));
    const qint64 callMs = clock.elapsed();
    EXPECT_EQ(player.State(), StreamState::Connecting);
    QTest::qWait(300);
    EXPECT_NE(player.State(), StreamState::Playing);
    std::printf("stream figures: Play() of a silent server returned after %lld ms\n",
                static_cast<long long>(callMs));
    player.Stop();
    EXPECT_EQ(player.State(), StreamState::Stopped);

    // A page that is not a stream fails.
    server.Serve("/page", "200 OK", "<html>not sound</html>", "text/html");
    player.Play(server.Address("/page"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.State() == StreamState::Failed; }, 30000));
}

} // namespace
} // namespace tavlira
