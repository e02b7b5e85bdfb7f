#include "media/DeviceSoundOutput.h"

#include "media/WaveLength.h"
#include "util/qt/MappedPack.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QUrl>
#include <array>

// The effects live in this static library; registering them from here also
// keeps the linker from dropping them.
static void RegisterBuiltInEffects() {
    Q_INIT_RESOURCE(tavlira_effects);
}

namespace tavlira {
namespace {

// Far larger than the voice pack we make; a larger file is not read.
constexpr std::uintmax_t LargestVoicePack = 256 * 1024 * 1024;

} // namespace

DeviceSoundOutput::DeviceSoundOutput(std::filesystem::path folder)
    : programFolder(std::move(folder)), deviceFound(!QMediaDevices::audioOutputs().isEmpty()) {
    static const bool registered = (RegisterBuiltInEffects(), true);
    (void)registered;
    // Every effect is loaded before it is first needed, so that a click is
    // heard at once.
    if (deviceFound)
        for (int effect = 0; effect <= static_cast<int>(Effect::Success); ++effect)
            Find(SoundLibrary::Effects,
                 std::string(EffectResourceName(static_cast<Effect>(effect))));
}

DeviceSoundOutput::~DeviceSoundOutput() {
    sounds.clear(); // before the voice pack they may play from is unmapped
}

QString DeviceSoundOutput::ResourcePath(SoundLibrary library, const std::string& name) const {
    const QString wave = QStringLiteral("/WAVE/") + QString::fromStdString(name);
    if (library == SoundLibrary::Voice)
        return voicePack ? voicePack->Path(wave) : QString();
    return QStringLiteral(":") + wave;
}

// The voice pack is looked for once, on the first spoken card.
bool DeviceSoundOutput::LibraryOpen(SoundLibrary library) {
    if (library == SoundLibrary::Effects)
        return true;
    if (!voicePackSought) {
        voicePackSought = true;
        for (const std::filesystem::path& file :
             std::array{programFolder / VoicePackFileName,
                        programFolder.parent_path() / VoicePackFileName})
            if ((voicePack = MappedPack::Open(file, LargestVoicePack)))
                break;
    }
    return voicePack != nullptr;
}

DeviceSoundOutput::Sound* DeviceSoundOutput::Find(SoundLibrary library, const std::string& name) {
    if (!LibraryOpen(library))
        return nullptr;
    const QString path = ResourcePath(library, name);
    if (const auto known = sounds.find(path); known != sounds.end())
        return &known->second;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    const QByteArray wave = file.readAll();
    const std::optional<int> length =
        WaveLengthMs(std::string_view(wave.constData(), static_cast<std::size_t>(wave.size())));
    if (!length)
        return nullptr;
    Sound sound{*length, nullptr};
    if (deviceFound) {
        sound.player = std::make_unique<QSoundEffect>();
        sound.player->setSource(QUrl(QStringLiteral("qrc") + path));
    }
    return &sounds.emplace(path, std::move(sound)).first->second;
}

std::optional<int> DeviceSoundOutput::Start(SoundLibrary library, const std::string& name) {
    Sound* sound = Find(library, name);
    if (!sound)
        return std::nullopt;
    if (sound->player) {
        // One sound at a time, as the game's sounds were made to be heard.
        if (sounding && sounding->isPlaying())
            sounding->stop();
        sounding = sound->player.get();
        sounding->play();
    }
    return sound->lengthMs;
}

const QSoundEffect* DeviceSoundOutput::Loaded(SoundLibrary library, const std::string& name) const {
    const QString path = ResourcePath(library, name);
    const auto known = path.isEmpty() ? sounds.end() : sounds.find(path);
    return known == sounds.end() ? nullptr : known->second.player.get();
}

} // namespace tavlira
