#include "ui/artwork/PictureNames.h"

#include "ui/artwork/ArtworkTables.h"

#include <gtest/gtest.h>

namespace tavlira {
namespace {

CardCode Card(char rankByte, char suitByte) {
    return CardCode{rankByte, suitByte};
}

TEST(PictureNames, Faces) {
    const DeckSuffixes builtIn;
    const DeckSuffixes corona{"Cor", "Mod", "Cor"};
    struct Case {
        CardCode card;
        const DeckSuffixes& deck;
        SizeClass sizeClass;
        const char* name;
    };
    const Case cases[] = {
        {Card(rank::Queen, suit::Diamonds), builtIn, SizeClass::Small, "Bu3Q"},
        {Card(rank::Queen, suit::Diamonds), builtIn, SizeClass::Medium, "Bu3QB"},
        {Card('2', suit::Hearts), builtIn, SizeClass::Small, "Ch02"},
        {Card(rank::Ten, suit::Clubs), builtIn, SizeClass::Large, "Kr10B"},
        {Card(rank::Jack, suit::Spades), builtIn, SizeClass::Small, "Pi2J"},
        {Card(rank::King, suit::Hearts), builtIn, SizeClass::Small, "Ch4K"},
        {Card(rank::Ace, suit::Spades), corona, SizeClass::Small, "Pi5ACor"},
        {Card('2', suit::Hearts), corona, SizeClass::Small, "Ch02Mod"},
        {Card(rank::King, suit::Clubs), corona, SizeClass::Large, "Kr4KCorB"},
        {CardCode::Empty(), builtIn, SizeClass::Small, ""},
        {Card('1', '#'), builtIn, SizeClass::Small, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FaceName(c.card, c.deck, c.sizeClass), c.name);
}

TEST(PictureNames, Backs) {
    EXPECT_EQ(BackName(1, "", SizeClass::Small, true), "Ob01Mo");
    EXPECT_EQ(BackName(6, "", SizeClass::Small, true), "Ob06Su");
    EXPECT_EQ(BackName(7, "", SizeClass::Large, true), "Ob07SuB");
    EXPECT_EQ(BackName(7, "Car", SizeClass::Small, true), "Ob07SuCar");
    EXPECT_EQ(BackName(10, "Flo", SizeClass::Medium, true), "Ob10XXFloB");
    EXPECT_EQ(BackName(2, "Cl1", SizeClass::Medium, false), "Ob02TuCl1U");
    EXPECT_EQ(BackName(3, "", SizeClass::Small, false), "Ob03We");
    EXPECT_EQ(BackName(0, "", SizeClass::Small, true), "");
    EXPECT_EQ(BackName(11, "", SizeClass::Small, true), "");
    EXPECT_EQ(BackPictureCount(0), 7);
    EXPECT_EQ(BackPictureCount(7), 7);
    EXPECT_EQ(BackPictureCount(8), 10);
    EXPECT_EQ(BackPictureCount(11), 10);
    EXPECT_EQ(BackPictureCount(12), 7);
}

TEST(PictureNames, SuitIconsAndBackgrounds) {
    EXPECT_EQ(SuitIconName(suit::Hearts, "", false), "Cher");
    EXPECT_EQ(SuitIconName(suit::Diamonds, "", true), "BubiB");
    EXPECT_EQ(SuitIconName(suit::Clubs, "Mod", false), "KresMod");
    EXPECT_EQ(SuitIconName(suit::Spades, "Eng", true), "PikiEngB");
    EXPECT_EQ(SuitIconName('#', "", false), "");

    EXPECT_EQ(BackgroundName(2, 0, 1), "FonG");
    EXPECT_EQ(BackgroundName(2, 0, 2), "FonGB");
    EXPECT_EQ(BackgroundName(2, 1, 1), "Fon02Re");
    EXPECT_EQ(BackgroundName(1, 3, 1), "Fon01Ye");
    EXPECT_EQ(BackgroundName(10, 6, 5), "Fon10FiB");
    EXPECT_EQ(BackgroundName(4, 7, 1), "");
}

TEST(PictureNames, PackOfEachDeck) {
    EXPECT_EQ(LibraryForDeck(0), "");
    EXPECT_EQ(LibraryForDeck(1), "QelCards06A.dll");
    EXPECT_EQ(LibraryForDeck(31), "QelCards06A.dll");
    EXPECT_EQ(LibraryForDeck(32), "QelCards06B.dll");
    EXPECT_EQ(LibraryForDeck(39), "QelCards06B.dll");
    EXPECT_EQ(LibraryForDeck(40), "QelCards06C.dll");
    EXPECT_EQ(LibraryForDeck(47), "QelCards06C.dll");
    EXPECT_EQ(LibraryForDeck(48), "");
}

} // namespace
} // namespace tavlira
