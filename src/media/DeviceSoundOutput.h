#pragma once
// Plays sounds on the audio device with Qt Multimedia. The effects are the
// program's own resources (/WAVE/<name>); the voice pack "QelCVoice3.dll" is
// a resource pack (MappedPack) in the program folder or its parent, opened on
// the first spoken card and kept open. Each sound's length comes from its
// header: without a device, or while the device lags, the game is paced by
// that length and never by the device's "finished" signal.

#include "media/Sounds.h"
#include "util/qt/MappedPack.h"

#include <QSoundEffect>
#include <QString>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>

namespace tavlira {

inline constexpr const char* VoicePackFileName = "QelCVoice3.dll";

class DeviceSoundOutput final : public SoundOutput {
  public:
    // With no audio output the sounds are only measured, never played.
    explicit DeviceSoundOutput(std::filesystem::path programFolder);
    ~DeviceSoundOutput() override;

    std::optional<int> Start(SoundLibrary library, const std::string& name) override;

    // The effect loaded for a sound started before, for tests and for
    // measuring; nothing without a device or for a sound never started.
    const QSoundEffect* Loaded(SoundLibrary library, const std::string& name) const;

  private:
    struct Sound {
        int lengthMs = 0;
        std::unique_ptr<QSoundEffect> player; // none without a device
    };
    QString ResourcePath(SoundLibrary library, const std::string& name) const;
    bool LibraryOpen(SoundLibrary library);
    Sound* Find(SoundLibrary library, const std::string& name);

    std::filesystem::path programFolder;
    bool deviceFound = false;
    bool voicePackSought = false;
    std::unique_ptr<MappedPack> voicePack; // null when none was found
    std::map<QString, Sound> sounds;       // by resource path; a missing sound is not kept
    QSoundEffect* sounding = nullptr;
};

} // namespace tavlira
