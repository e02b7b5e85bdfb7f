#include "media/Sounds.h"

#include "i18n/WordTable.h"
#include "media/CardVoice.h"

namespace tavlira {

Sounds::Sounds(SoundOutput& soundOutput, std::function<bool()> effectsOn)
    : output(soundOutput), soundOn(std::move(effectsOn)) {}

int Sounds::PlayEffect(Effect effect, bool wait) {
    if (!soundOn())
        return 0;
    const std::optional<int> length =
        output.Start(SoundLibrary::Effects, std::string(EffectResourceName(effect)));
    return wait ? length.value_or(0) : 0;
}

// Spoken names ignore the sound setting: the player asked for this one.
bool Sounds::SpeakCard(CardCode card) {
    const std::string name = VoiceResourceName(card, CurrentLanguage());
    return !name.empty() && output.Start(SoundLibrary::Voice, name).has_value();
}

} // namespace tavlira
