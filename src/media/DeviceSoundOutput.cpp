#include "media/DeviceSoundOutput.h"

#include "media/WaveLength.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QResource>
#include <QUrl>
#include <array>

// The effects live in this static library; registering them from here also
// keeps the linker from dropping them.
static void RegisterBuiltInEffects() {
    Q_INIT_RESOURCE(tavlira_effects);
}

namespace tavlira {
namespace {

// Where the voice pack's resources appear once it is registered.
const QString VoiceRoot = QStringLiteral("/voice");

QString ResourcePath(SoundLibrary library, const std::string& name) {
    const QString wave = QStringLiteral("/WAVE/") + QString::fromStdString(name);
    return QStringLiteral(":") + (library == SoundLibrary::Voice ? VoiceRoot + wave : wave);
}

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
    sounds.clear();
    if (voicePackOpen.value_or(false))
        QResource::unregisterResource(voicePackFile, VoiceRoot);
}

// The voice pack is looked for once, on the first spoken card.
bool DeviceSoundOutput::LibraryOpen(SoundLibrary library) {
    if (library == SoundLibrary::Effects)
        return true;
    if (!voicePackOpen) {
        voicePackOpen = false;
        for (const std::filesystem::path& file :
             std::array{programFolder / VoicePackFileName,
                        programFolder.parent_path() / VoicePackFileName}) {
            const QString path = QString::fromStdString(file.string());
            if (QFile::exists(path) && QResource::registerResource(path, VoiceRoot)) {
                voicePackFile = path;
                voicePackOpen = true;
                break;
            }
        }
    }
    return *voicePackOpen;
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
    const auto known = sounds.find(ResourcePath(library, name));
    return known == sounds.end() ? nullptr : known->second.player.get();
}

} // namespace tavlira
