#include "ui/artwork/ArtworkTables.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace tavlira {
namespace {

std::string English(const WordTable* table) {
    return table ? std::string{(*table)[LanguageIndex::English]} : std::string{"(none)"};
}

TEST(ArtworkTables, ListsHoldEveryChoiceWithItsEnglishName) {
    ASSERT_EQ(DeckDesigns().size(), 48u);
    ASSERT_EQ(BackDesigns().size(), 13u);
    EXPECT_EQ(English(FindDeck(0)->name), "Classical-1");
    EXPECT_EQ(English(FindDeck(17)->name), "Four Reigns of English History");
    EXPECT_EQ(English(FindDeck(47)->name), "Czech");
    EXPECT_EQ(English(FindBackDesign(8)->name), "Animals");
    EXPECT_EQ(English(FindBackDesign(12)->name), "Russian");
    EXPECT_EQ(English(BackgroundDesignName(1)), "Sun");
    EXPECT_EQ(English(BackgroundDesignName(10)), "Ornament");
    EXPECT_EQ(English(BackgroundColourName(0)), "Green");
    EXPECT_EQ(English(BackgroundColourName(6)), "Violet");
    for (int outside : {-1, 48})
        EXPECT_EQ(FindDeck(outside), nullptr);
    EXPECT_EQ(FindBackDesign(13), nullptr);
    EXPECT_EQ(BackgroundDesignName(0), nullptr);
    EXPECT_EQ(BackgroundDesignName(11), nullptr);
    EXPECT_EQ(BackgroundColourName(7), nullptr);
}

TEST(ArtworkTables, DeckFlagsFollowTheirOrigin) {
    const std::pair<int, LanguageIndex> cases[] = {
        {0, LanguageIndex::English},  {28, LanguageIndex::English}, {29, LanguageIndex::German},
        {31, LanguageIndex::German},  {32, LanguageIndex::Russian}, {39, LanguageIndex::Russian},
        {40, LanguageIndex::French},  {41, LanguageIndex::Spanish}, {44, LanguageIndex::Spanish},
        {45, LanguageIndex::Chinese}, {46, LanguageIndex::Italian}, {47, LanguageIndex::Czech},
    };
    for (const auto& [deck, flag] : cases)
        EXPECT_EQ(FindDeck(deck)->flag, flag) << deck;
}

TEST(ArtworkTables, EveryLibraryDeckHasItsOwnSuffixesInItsPack) {
    // Two decks may share a suffix set only when they live in different packs
    // (9 and 40, "Fra"); otherwise their pictures would overwrite each other.
    std::set<std::string> seen;
    for (int deck = 1; deck < DeckCount; ++deck) {
        const DeckDesign& d = *FindDeck(deck);
        EXPECT_FALSE(d.court.empty() || d.pip.empty() || d.ace.empty()) << deck;
        EXPECT_FALSE(d.library.empty()) << deck;
        const std::string key = std::string{d.library} + '/' + std::string{d.court} + '/' +
                                std::string{d.pip} + '/' + std::string{d.ace};
        EXPECT_TRUE(seen.insert(key).second) << deck;
    }
    EXPECT_TRUE(FindDeck(0)->library.empty());
}

TEST(ArtworkTables, ResourceNamesOfADeckAtEachSize) {
    const CardCode aceOfSpades{rank::Ace, suit::Spades};
    const CardCode twoOfHearts{'2', suit::Hearts};
    const CardCode queenOfClubs{rank::Queen, suit::Clubs};
    struct Case {
        int deck;
        CardCode card;
        SizeClass sizeClass;
        const char* name;
    };
    const Case cases[] = {
        {0, queenOfClubs, SizeClass::Small, "Kr3Q"},
        {0, aceOfSpades, SizeClass::Large, "Pi5AB"},
        {6, aceOfSpades, SizeClass::Small, "Pi5ACor"},
        {6, twoOfHearts, SizeClass::Medium, "Ch02ModB"},
        {6, queenOfClubs, SizeClass::Small, "Kr3QCor"},
        {7, queenOfClubs, SizeClass::Large, "Kr3QCroB"},
        {7, aceOfSpades, SizeClass::Small, "Pi5AMod"},
        {19, queenOfClubs, SizeClass::Small, "Kr3QCl2"},
        {19, twoOfHearts, SizeClass::Small, "Ch02Sea"},
        {29, twoOfHearts, SizeClass::Large, "Ch02SkNB"},
        {47, aceOfSpades, SizeClass::Medium, "Pi5ACzeB"},
        {48, aceOfSpades, SizeClass::Small, "Pi5A"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DeckFaceName(c.deck, c.card, c.sizeClass), c.name) << c.deck;

    EXPECT_EQ(IconSuffixOf(11), "Mod");
    EXPECT_EQ(IconSuffixOf(6), "Mod");
    EXPECT_EQ(IconSuffixOf(12), "Old");
    EXPECT_EQ(IconSuffixOf(0), "");
}

TEST(ArtworkTables, BackNamesAndTheirPack) {
    EXPECT_EQ(DeckBackName(0, 1, SizeClass::Small, true), "Ob01Mo");
    EXPECT_EQ(DeckBackName(3, 7, SizeClass::Small, true), "Ob07SuCar");
    EXPECT_EQ(DeckBackName(9, 10, SizeClass::Large, true), "Ob10XXFloB");
    EXPECT_EQ(DeckBackName(0, 4, SizeClass::Medium, false), "Ob04ThU");
    EXPECT_EQ(DeckBackName(12, 7, SizeClass::Medium, false), "Ob07SuRusU");
    EXPECT_EQ(DeckBackName(3, 8, SizeClass::Small, true), "") << "design 3 has 7 pictures";
    EXPECT_EQ(DeckBackName(13, 1, SizeClass::Small, true), "");
    EXPECT_EQ(BackPictureCount(7), 7);
    EXPECT_EQ(BackPictureCount(8), 10);
    EXPECT_EQ(BackPictureCount(11), 10);
    EXPECT_EQ(BackPictureCount(12), 7);

    EXPECT_EQ(LibraryForBacks(0, true, SizeClass::Large), "");
    EXPECT_EQ(LibraryForBacks(0, false, SizeClass::Small), "");
    EXPECT_EQ(LibraryForBacks(0, false, SizeClass::Medium), "QelCards06B.dll");
    EXPECT_EQ(LibraryForBacks(5, true, SizeClass::Small), "QelCards06B.dll");
}

TEST(ArtworkTables, BackgroundPack) {
    EXPECT_EQ(LibraryForBackground(2, 0), "") << "the built-in background";
    EXPECT_EQ(LibraryForBackground(0, 3), "") << "design 0 loads nothing";
    EXPECT_EQ(LibraryForBackground(2, 1), "QelBackG03.dll");
    EXPECT_EQ(LibraryForBackground(10, 6), "QelBackG03.dll");
}

} // namespace
} // namespace tavlira
