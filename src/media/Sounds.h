#pragma once
// When and which sound plays: effects only while sound is on, card names
// always, in the current language, each recording found by its resource
// name. The sounds themselves come from a SoundOutput: the device, or a
// recording of what would have played in tests.

#include "media/MediaOutput.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tavlira {

// The two collections of sounds: the effects built into the program and the
// voice pack beside it.
enum class SoundLibrary : std::uint8_t { Effects, Voice };

class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    // Starts the named sound of the library, cutting off any sound still
    // playing, and returns its length in milliseconds; nothing, and nothing
    // changes, when the library or the sound in it is missing.
    virtual std::optional<int> Start(SoundLibrary library, const std::string& name) = 0;
};

class Sounds final : public MediaOutput {
  public:
    // `soundOn` tells whether effects are on at the moment of each effect.
    Sounds(SoundOutput& output, std::function<bool()> soundOn);

    int PlayEffect(Effect effect, bool wait) override;
    bool SpeakCard(CardCode card) override;

  private:
    SoundOutput& output;
    std::function<bool()> soundOn;
};

} // namespace tavlira
