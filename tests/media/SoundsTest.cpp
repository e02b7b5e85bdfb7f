// Which sound plays when: effects only while sound is on, spoken cards
// always and in the current language, and a waiting effect's length.

#include "media/Sounds.h"

#include "i18n/WordTable.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace tavlira {
namespace {

// A sound output that records what was started; sounds it lacks are missing.
class RecordingOutput : public SoundOutput {
  public:
    std::optional<int> Start(SoundLibrary library, const std::string& name) override {
        const auto& lengths = library == SoundLibrary::Effects ? effects : voice;
        const auto found = lengths.find(name);
        if (found == lengths.end())
            return std::nullopt;
        started.push_back(name);
        return found->second;
    }
    std::map<std::string, int> effects{{"WHodsDo", 70}, {"WTasoKo", 500}};
    std::map<std::string, int> voice{{"Ch3QVoiceEng", 900}, {"Ch3QVoiceKor", 800}};
    std::vector<std::string> started;
};

struct LanguageGuard {
    ~LanguageGuard() { SetLanguage(LanguageIndex::English); }
};

TEST(Sounds, AnEffectWaitsForItsLengthOnlyWhenAskedTo) {
    RecordingOutput output;
    Sounds sounds(output, [] { return true; });
    EXPECT_EQ(sounds.PlayEffect(Effect::CardLands, true), 70);
    EXPECT_EQ(sounds.PlayEffect(Effect::Shuffle, false), 0);
    // A missing effect is silent and takes no time.
    EXPECT_EQ(sounds.PlayEffect(Effect::Failure, true), 0);
    EXPECT_EQ(output.started, (std::vector<std::string>{"WHodsDo", "WTasoKo"}));
}

TEST(Sounds, SoundOffSilencesEffectsButNotSpokenCards) {
    LanguageGuard guard;
    RecordingOutput output;
    bool soundOn = false;
    Sounds sounds(output, [&soundOn] { return soundOn; });
    EXPECT_EQ(sounds.PlayEffect(Effect::CardLands, true), 0);
    SetLanguage(LanguageIndex::Korean);
    EXPECT_TRUE(sounds.SpeakCard({rank::Queen, suit::Hearts}));
    soundOn = true;
    sounds.PlayEffect(Effect::Shuffle, false);
    EXPECT_EQ(output.started, (std::vector<std::string>{"Ch3QVoiceKor", "WTasoKo"}));
}

TEST(Sounds, ACardWithoutARecordingIsSilent) {
    RecordingOutput output;
    output.voice.clear(); // no voice pack
    Sounds sounds(output, [] { return true; });
    EXPECT_FALSE(sounds.SpeakCard({rank::Queen, suit::Hearts}));
    EXPECT_FALSE(sounds.SpeakCard(CardCode::Empty()));
    EXPECT_TRUE(output.started.empty());
}

} // namespace
} // namespace tavlira
