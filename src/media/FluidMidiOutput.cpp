#include "media/FluidMidiOutput.h"

#include <QFile>
#include <fluidsynth.h>

// The song lives in this static library; registering it from here also
// keeps the linker from dropping it.
static void RegisterSong() {
    Q_INIT_RESOURCE(tavlira_song);
}

namespace tavlira {
namespace {

// FluidSynth's default gain is quiet beside the effects.
constexpr double SynthGain = 0.8;

} // namespace

QByteArray BuiltInSong() {
    static const bool registered = (RegisterSong(), true);
    (void)registered;
    QFile file(QStringLiteral(":/RCDATA/MidiSong"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct FluidMidiOutput::Fluid {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    bool soundfontLoaded = false;

    void EndPlayer() {
        if (driver)
            delete_fluid_audio_driver(driver);
        driver = nullptr;
        if (player) {
            fluid_player_stop(player);
            delete_fluid_player(player);
        }
        player = nullptr;
        if (synth)
            fluid_synth_system_reset(synth);
    }
    ~Fluid() {
        EndPlayer();
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
    }
};

FluidMidiOutput::FluidMidiOutput(QByteArray midi, QString soundfont, const char* audioDriver)
    : fluid(std::make_unique<Fluid>()), song(std::move(midi)) {
    // FluidSynth prints its complaints (a missing audio server) itself; the
    // music then stays silent and the game goes on.
    fluid->settings = new_fluid_settings();
    if (!fluid->settings)
        return;
    fluid_settings_setstr(fluid->settings, "audio.driver", audioDriver);
    fluid_settings_setnum(fluid->settings, "synth.gain", SynthGain);
    // Larger audio blocks wake the synthesizer less often; the song needs no
    // quick answer to input. The effects units cost more than they add.
    fluid_settings_setint(fluid->settings, "audio.period-size", 1024);
    fluid_settings_setint(fluid->settings, "audio.periods", 4);
    fluid_settings_setint(fluid->settings, "synth.reverb.active", 0);
    fluid_settings_setint(fluid->settings, "synth.chorus.active", 0);
    fluid_settings_setint(fluid->settings, "synth.polyphony", 64);
    fluid->synth = new_fluid_synth(fluid->settings);
    if (fluid->synth)
        fluid->soundfontLoaded =
            fluid_synth_sfload(fluid->synth, soundfont.toLocal8Bit().constData(), 1) !=
            FLUID_FAILED;
}

FluidMidiOutput::~FluidMidiOutput() = default;

bool FluidMidiOutput::Ready() const {
    return fluid->synth && fluid->soundfontLoaded && song.startsWith("MThd");
}

// A fresh player each time: the song starts from its beginning.
bool FluidMidiOutput::Play() {
    if (!Ready())
        return false;
    fluid->EndPlayer();
    fluid->player = new_fluid_player(fluid->synth);
    if (!fluid->player || fluid_player_add_mem(fluid->player, song.constData(),
                                               static_cast<size_t>(song.size())) != FLUID_OK) {
        fluid->EndPlayer();
        return false;
    }
    fluid->driver = new_fluid_audio_driver(fluid->settings, fluid->synth);
    if (!fluid->driver || fluid_player_play(fluid->player) != FLUID_OK) {
        fluid->EndPlayer();
        return false;
    }
    return true;
}

void FluidMidiOutput::Stop() {
    fluid->EndPlayer();
}

bool FluidMidiOutput::Playing() const {
    return fluid->player && fluid_player_get_status(fluid->player) == FLUID_PLAYER_PLAYING;
}

} // namespace tavlira
