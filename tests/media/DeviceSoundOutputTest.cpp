// The sounds on the audio device: the built-in effects, the voice pack
// beside the program, one sound at a time. The cases that listen need an
// audio output (scripts/test starts a PulseAudio null sink) and are skipped
// without one; the lengths and the pack need none.

#include "media/DeviceSoundOutput.h"

#include "media/CardVoice.h"

#include <QAudioDevice>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tavlira {
namespace {

bool WaitFor(const std::function<bool()>& condition, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < ms)
        QTest::qWait(1);
    return condition();
}

TEST(DeviceSoundOutput, EveryEffectIsBuiltInAndShort) {
    QTemporaryDir folder;
    DeviceSoundOutput output(folder.path().toStdString());
    for (int i = 0; i <= static_cast<int>(Effect::Success); ++i) {
        const std::string name(EffectResourceName(static_cast<Effect>(i)));
        const std::optional<int> length = output.Start(SoundLibrary::Effects, name);
        ASSERT_TRUE(length) << name;
        EXPECT_GT(*length, 0) << name;
        EXPECT_LE(*length, 1000) << name;
    }
    // A card lands for every dealt card: its sound paces the deal.
    EXPECT_LE(output.Start(SoundLibrary::Effects, "WHodsDo").value_or(0), 100);
    EXPECT_EQ(output.Start(SoundLibrary::Effects, "WNoSuch"), std::nullopt);
}

TEST(DeviceSoundOutput, WithoutAVoicePackCardsAreSilent) {
    QTemporaryDir family;
    ASSERT_TRUE(QDir(family.path()).mkdir("Tavlira-Duo"));
    DeviceSoundOutput output((family.path() + "/Tavlira-Duo").toStdString());
    EXPECT_EQ(output.Start(SoundLibrary::Voice, "Ch3QVoiceEng"), std::nullopt);
}

// A FIFO, a folder or a damaged copy under the pack's name is passed over:
// the cards are silent, and nothing waits for a writer or reads beyond the
// file.
TEST(DeviceSoundOutput, APackThatIsNoWholeFileLeavesCardsSilent) {
    QFile built(QStringLiteral(TAVLIRA_PROGRAM_DIR "/../") + VoicePackFileName);
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    const QByteArray pack = built.readAll();
    for (const char* what : {"fifo", "folder", "truncated", "bent offset"}) {
        QTemporaryDir family;
        const QString program = family.path() + "/Tavlira-Duo";
        ASSERT_TRUE(QDir(family.path()).mkdir("Tavlira-Duo"));
        const QString file = program + "/" + VoicePackFileName;
        const std::string kind = what;
        if (kind == "fifo") {
            ASSERT_EQ(mkfifo(file.toLocal8Bit().constData(), 0600), 0);
        } else if (kind == "folder") {
            ASSERT_TRUE(QDir(program).mkdir(VoicePackFileName));
        } else {
            QByteArray damaged = pack;
            if (kind == "truncated")
                damaged.truncate(damaged.size() / 2);
            else
                damaged[9] = '\x7f'; // the tree offset far past the end
            QFile out(file);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(damaged);
        }
        DeviceSoundOutput output(program.toStdString());
        EXPECT_EQ(output.Start(SoundLibrary::Voice, "Ch3QVoiceEng"), std::nullopt) << what;
    }
}

// The build puts the pack in the family folder, the parent of the program
// folder; every card is there in every language, each a spoken name.
TEST(DeviceSoundOutput, TheVoicePackInTheParentFolderSpeaksEveryCard) {
    DeviceSoundOutput output(TAVLIRA_PROGRAM_DIR);
    for (std::size_t i = 0; i < LanguageCount; ++i)
        for (const CardCode card : AllCards()) {
            const std::string name = VoiceResourceName(card, static_cast<LanguageIndex>(i));
            const std::optional<int> length = output.Start(SoundLibrary::Voice, name);
            ASSERT_TRUE(length) << name;
            EXPECT_GT(*length, 250) << name;
            EXPECT_LT(*length, 3000) << name;
        }
}

TEST(DeviceSoundOutput, ASoundCutsOffTheOneStillPlayingAndEnds) {
    if (QMediaDevices::audioOutputs().isEmpty())
        GTEST_SKIP() << "no audio output";
    QTemporaryDir folder;
    DeviceSoundOutput output(folder.path().toStdString());
    const QSoundEffect* shuffle = output.Loaded(SoundLibrary::Effects, "WTasoKo");
    const QSoundEffect* won = output.Loaded(SoundLibrary::Effects, "WKoGutX");
    ASSERT_TRUE(shuffle && won);
    ASSERT_TRUE(WaitFor([&] { return shuffle->isLoaded() && won->isLoaded(); }, 5000));

    output.Start(SoundLibrary::Effects, "WTasoKo");
    ASSERT_TRUE(WaitFor([&] { return shuffle->isPlaying(); }, 2000));
    output.Start(SoundLibrary::Effects, "WKoGutX");
    EXPECT_FALSE(shuffle->isPlaying());
    EXPECT_TRUE(WaitFor([&] { return won->isPlaying(); }, 2000));
    // The device reports the end of the sound.
    EXPECT_TRUE(WaitFor([&] { return !won->isPlaying(); }, 5000));
}

} // namespace
} // namespace tavlira
