#pragma once
// The spoken card names: what each card is called aloud in each language,
// the voice that says it, and the name of its recording in the voice pack.

#include "game/Card.h"
#include "i18n/WordTable.h"

#include <string>
#include <string_view>

namespace tavlira {

// The recording of `card` in `language`: suit prefix, rank part, "Voice" and
// the language code, e.g. "Ch3QVoiceDeu" for the queen of hearts in German.
// Empty for an empty place.
std::string VoiceResourceName(CardCode card, LanguageIndex language);

// The card's name as a speaker of the language says it ("queen of hearts",
// "дама червей"), UTF-8. Empty for an empty place.
std::string SpokenCardName(CardCode card, LanguageIndex language);

// The speech synthesiser's voice for the language. Mandarin uses the voice
// that reads Chinese characters with their tones; the plain one reads the
// characters as Latin letters.
std::string_view SynthesiserVoice(LanguageIndex language);

} // namespace tavlira
