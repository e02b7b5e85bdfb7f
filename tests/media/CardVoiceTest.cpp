// The spoken card names: each card's recording name and its words in each
// of the ten languages.

#include "media/CardVoice.h"

#include <gtest/gtest.h>
#include <set>

namespace tavlira {
namespace {

CardCode Card(char rank, char suit) {
    return {rank, suit};
}

TEST(CardVoice, NamesTheRecordingBySuitRankAndLanguage) {
    struct Case {
        CardCode card;
        LanguageIndex language;
        const char* name;
    };
    const Case cases[] = {
        {Card(rank::Queen, suit::Hearts), LanguageIndex::German, "Ch3QVoiceDeu"},
        {Card(rank::Queen, suit::Hearts), LanguageIndex::Korean, "Ch3QVoiceKor"},
        {Card('2', suit::Diamonds), LanguageIndex::English, "Bu02VoiceEng"},
        {Card(rank::Ten, suit::Clubs), LanguageIndex::Japanese, "Kr10VoiceJap"},
        {Card(rank::Jack, suit::Spades), LanguageIndex::Czech, "Pi2JVoiceCze"},
        {Card(rank::King, suit::Hearts), LanguageIndex::Chinese, "Ch4KVoiceChi"},
        {Card(rank::Ace, suit::Spades), LanguageIndex::Russian, "Pi5AVoiceRus"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VoiceResourceName(c.card, c.language), c.name);
    EXPECT_EQ(VoiceResourceName(CardCode::Empty(), LanguageIndex::English), "");
    EXPECT_EQ(SpokenCardName(CardCode::Empty(), LanguageIndex::English), "");
}

// Each language in its own words and order; Czech suits agree with the
// rank's gender.
TEST(CardVoice, SaysTheCardAsASpeakerOfTheLanguage) {
    const CardCode queenOfHearts = Card(rank::Queen, suit::Hearts);
    const char* const queens[LanguageCount] = {
        "queen of hearts",    "дама червей", "Herz Dame",       "dame de cœur",
        "reina de corazones", "红桃皇后",    "regina di cuori", "srdcová dáma",
        "ハートのクイーン",   "하트 퀸"};
    for (std::size_t i = 0; i < LanguageCount; ++i)
        EXPECT_EQ(SpokenCardName(queenOfHearts, static_cast<LanguageIndex>(i)), queens[i]);

    EXPECT_EQ(SpokenCardName(Card(rank::Ten, suit::Diamonds), LanguageIndex::Russian),
              "десятка бубён");
    EXPECT_EQ(SpokenCardName(Card(rank::King, suit::Clubs), LanguageIndex::Czech), "křížový král");
    EXPECT_EQ(SpokenCardName(Card(rank::Ace, suit::Spades), LanguageIndex::Czech), "pikové eso");
    EXPECT_EQ(SpokenCardName(Card('7', suit::Spades), LanguageIndex::Chinese), "黑桃七");
    EXPECT_EQ(SpokenCardName(Card(rank::Jack, suit::Clubs), LanguageIndex::French),
              "valet de trèfle");
}

// 52 cards in 10 languages: 520 recordings, each with its own name and,
// within a language, its own words. No language borrows the English words.
TEST(CardVoice, ThePackHoldsEveryCardInEveryLanguage) {
    std::set<std::string> resources;
    for (std::size_t i = 0; i < LanguageCount; ++i) {
        const auto language = static_cast<LanguageIndex>(i);
        EXPECT_FALSE(SynthesiserVoice(language).empty());
        std::set<std::string> words;
        for (const CardCode card : AllCards()) {
            resources.insert(VoiceResourceName(card, language));
            const std::string said = SpokenCardName(card, language);
            words.insert(said);
            if (language != LanguageIndex::English) {
                EXPECT_NE(said, SpokenCardName(card, LanguageIndex::English)) << said;
            }
        }
        EXPECT_EQ(words.size(), 52u) << LanguageCodes[i];
    }
    EXPECT_EQ(resources.size(), 520u);
}

} // namespace
} // namespace tavlira
