#pragma once
// The MIDI song through FluidSynth and a General MIDI soundfont. The song is
// handed to the synthesizer from memory, so no file is written for it. The
// audio device is opened only while the song plays: a silent program keeps
// no audio thread busy.

#include "media/BackgroundMusic.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace tavlira {

// The soundfont Debian's timgm6mb-soundfont package installs.
inline constexpr const char* DefaultSoundfont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

class FluidMidiOutput final : public MidiOutput {
  public:
    // `song` is a standard MIDI file; `audioDriver` the FluidSynth driver
    // name ("pulseaudio"; "file" writes the sound to a file, for tests).
    FluidMidiOutput(QByteArray song, QString soundfont = DefaultSoundfont,
                    const char* audioDriver = "pulseaudio");
    ~FluidMidiOutput() override;

    // The synthesizer, its soundfont and the song were loaded; false means
    // the music stays silent.
    bool Ready() const;

    bool Play() override;
    void Stop() override;
    bool Playing() const override;

  private:
    struct Fluid;
    std::unique_ptr<Fluid> fluid;
    QByteArray song;
};

// The game's own song, a compiled-in resource.
QByteArray BuiltInSong();

} // namespace tavlira
