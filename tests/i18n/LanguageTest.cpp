#include "i18n/Words.h"

#include <gtest/gtest.h>

namespace tavlira {
namespace {

// Restores English after each case: the language is global.
class LanguageTest : public testing::Test {
  protected:
    void TearDown() override { SetLanguage(LanguageIndex::English); }
};

TEST_F(LanguageTest, TextReadsTheColumnOfTheCurrentLanguage) {
    EXPECT_EQ(Text(words::NewPlayer), "New Player");
    SetLanguage(LanguageIndex::Russian);
    EXPECT_EQ(CurrentLanguage(), LanguageIndex::Russian);
    EXPECT_EQ(Text(words::NewPlayer), "Новый Игрок");
    SetLanguage(LanguageIndex::Korean);
    EXPECT_EQ(Text(words::ExitToMenu), "메뉴로 나가기");
}

TEST_F(LanguageTest, ListIndexOrStoredDigitGivesTheLanguage) {
    EXPECT_EQ(LanguageAt(0), LanguageIndex::English);
    EXPECT_EQ(LanguageAt(5), LanguageIndex::Chinese);
    EXPECT_EQ(LanguageAt(9), LanguageIndex::Korean);
    EXPECT_EQ(LanguageAt(-1), std::nullopt);
    EXPECT_EQ(LanguageAt(10), std::nullopt);
}

TEST_F(LanguageTest, JapaneseAndKoreanUseEnglishPicturesButOwnVoices) {
    const auto japanese = static_cast<std::size_t>(LanguageIndex::Japanese);
    const auto korean = static_cast<std::size_t>(LanguageIndex::Korean);
    EXPECT_EQ(LanguageSuffix[japanese], "Eng");
    EXPECT_EQ(LanguageSuffix[korean], "Eng");
    EXPECT_EQ(LanguageCodes[japanese], "Jap");
    EXPECT_EQ(LanguageCodes[korean], "Kor");
    EXPECT_EQ(LanguageSuffix[static_cast<std::size_t>(LanguageIndex::Czech)], "Cze");
}

TEST_F(LanguageTest, ClubHeadingFollowsTheDisplayMode) {
    EXPECT_EQ(Text(words::ClubListHeading(1)), " The members of club    Games    Score ");
    EXPECT_EQ(Text(words::ClubListHeading(2)), " The members of club    Games   Rating ");
}

} // namespace
} // namespace tavlira
