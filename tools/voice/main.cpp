// tavlira-voice-names: prints what the voice pack holds, one recording a
// line: its resource name, the synthesiser's voice and the words to say,
// separated by tabs. make-voice-pack turns the lines into recordings.

#include "media/CardVoice.h"

#include <iostream>

int main() {
    using namespace tavlira;
    for (std::size_t language = 0; language < LanguageCount; ++language) {
        const auto index = static_cast<LanguageIndex>(language);
        for (const CardCode card : AllCards())
            std::cout << VoiceResourceName(card, index) << '\t' << SynthesiserVoice(index) << '\t'
                      << SpokenCardName(card, index) << '\n';
    }
    return 0;
}
