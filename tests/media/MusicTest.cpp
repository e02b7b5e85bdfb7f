// The background song: the MIDI file built into the program, the loop that
// starts it again, and its stop at the table.

#include "media/BackgroundMusic.h"
#include "media/FluidMidiOutput.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

std::uint32_t BigEndian(const QByteArray& bytes, qsizetype at, int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

TEST(MusicTest, TheSongIsAWholeMidiFile) {
    const QByteArray song = BuiltInSong();
    ASSERT_GT(song.size(), 22);
    EXPECT_EQ(song.left(4), "MThd");
    EXPECT_EQ(BigEndian(song, 4, 4), 6u);
    EXPECT_EQ(BigEndian(song, 8, 2), 0u);  // format 0
    EXPECT_EQ(BigEndian(song, 10, 2), 1u); // one track
    EXPECT_EQ(song.mid(14, 4), "MTrk");
    // The track fills the rest of the file and ends with its end marker.
    EXPECT_EQ(BigEndian(song, 18, 4), static_cast<std::uint32_t>(song.size() - 22));
    EXPECT_EQ(song.right(3), QByteArray("\xFF\x2F\x00", 3));
    // Walking the events: every note that starts also ends, and the song
    // lasts a while.
    int open = 0;
    int notes = 0;
    std::uint32_t ticks = 0;
    qsizetype at = 22;
    const auto byte = [&song](qsizetype i) { return static_cast<std::uint8_t>(song[i]); };
    while (at < song.size()) {
        std::uint32_t delta = 0;
        do
            delta = (delta << 7) | (byte(at) & 0x7Fu);
        while (byte(at++) & 0x80u);
        ticks += delta;
        const std::uint8_t status = byte(at);
        ASSERT_TRUE(status & 0x80u) << "running status at " << at;
        if (status == 0xFF) {
            at += 3 + byte(at + 2);
            continue;
        }
        switch (status & 0xF0u) {
        case 0x90:
            ++open;
            ++notes;
            at += 3;
            break;
        case 0x80:
            --open;
            at += 3;
            break;
        case 0xC0:
            at += 2;
            break;
        default:
            FAIL() << "unexpected event " << int(status);
        }
    }
    EXPECT_EQ(at, song.size());
    EXPECT_EQ(open, 0);
    EXPECT_GT(notes, 100);
    EXPECT_GE(ticks / 480, 60u); // sixty beats and more
}

TEST(MusicTest, FluidSynthPlaysTheSongToAFile) {
    QTemporaryDir folder;
    // The "file" driver renders into fluidsynth.raw in the working folder.
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());
    {
        FluidMidiOutput output(BuiltInSong(), DefaultSoundfont, "file");
        ASSERT_TRUE(output.Ready());
        ASSERT_TRUE(output.Play());
        EXPECT_TRUE(output.Playing());
        output.Stop();
        EXPECT_FALSE(output.Playing());
    }
    QDir::setCurrent(before);
    FluidMidiOutput broken(QByteArray("not a song"), DefaultSoundfont, "file");
    EXPECT_FALSE(broken.Ready() && broken.Play());
    FluidMidiOutput noFont(BuiltInSong(), folder.filePath("missing.sf2"), "file");
    EXPECT_FALSE(noFont.Ready());
}

class CountingMidi final : public MidiOutput {
  public:
    bool Play() override {
        ++plays;
        playing = sounds;
        return sounds;
    }
    void Stop() override {
        ++stops;
        playing = false;
    }
    bool Playing() const override { return playing; }
    int plays = 0;
    int stops = 0;
    bool playing = false;
    bool sounds = true;
};

TEST(MusicTest, TheSongLoopsOnTitleAndMenuOnly) {
    CountingMidi midi;
    BackgroundMusic music(midi);
    music.SetScreenAllows(true);
    EXPECT_EQ(midi.plays, 0); // "Music" off
    music.SetEnabled(true);
    EXPECT_EQ(midi.plays, 1);
    music.Check();
    EXPECT_EQ(midi.plays, 1); // still playing
    midi.playing = false;     // the song ended
    music.Check();
    EXPECT_EQ(midi.plays, 2);

    music.SetScreenAllows(false); // a game starts
    EXPECT_FALSE(midi.playing);
    music.Check();
    EXPECT_EQ(midi.plays, 2);
    music.SetScreenAllows(true); // back at the menu
    EXPECT_EQ(midi.plays, 3);
    music.SetEnabled(false);
    EXPECT_FALSE(midi.playing);
}

TEST(MusicTest, AnOutputThatCannotSoundIsNotRetriedEverySecond) {
    CountingMidi midi;
    midi.sounds = false;
    BackgroundMusic music(midi);
    music.SetScreenAllows(true);
    music.SetEnabled(true);
    music.Check();
    music.Check();
    EXPECT_EQ(midi.plays, 1);
}

} // namespace
} // namespace tavlira
