#pragma once
// The decks, card back designs and backgrounds the player can choose: their
// list names, the suffixes their pictures are named with and the artwork pack
// that holds them. The options lists, the loaders and the pack builder all
// read these tables; nothing else spells a suffix or a pack name.

#include "i18n/WordTable.h"
#include "ui/artwork/CardSize.h"
#include "ui/artwork/PictureNames.h"

#include <span>
#include <string>
#include <string_view>

namespace tavlira {

// The artwork packs: Qt binary resource files looked for in the program
// folder, then in its parent (the family folder).
inline constexpr const char* DeckLibraryA = "QelCards06A.dll";
inline constexpr const char* DeckLibraryB = "QelCards06B.dll";
inline constexpr const char* DeckLibraryC = "QelCards06C.dll";
inline constexpr const char* BackLibrary = DeckLibraryB;
inline constexpr const char* BackgroundLibrary = "QelBackG03.dll";
inline constexpr const char* GraphLibrary = "QelCGraph1.dll";

inline constexpr int DeckCount = 48;             // decks 0..47
inline constexpr int BackDesignCount = 13;       // back designs 0..12
inline constexpr int BackgroundDesignCount = 10; // designs 1..10 (0 keeps the picture)
inline constexpr int BackgroundColourCount = 7;  // colours 0..6

struct DeckDesign {
    const WordTable* name;
    // Design suffixes of the court cards, ranks 2..10 and aces; empty for the
    // built-in deck 0.
    std::string_view court;
    std::string_view pip;
    std::string_view ace;
    std::string_view library; // empty: the program's own pictures
    bool wide;                // false: a narrow deck (61 / 126 pixel cells)
    LanguageIndex flag;       // the flag shown before the name in the deck list
};

struct BackDesign {
    const WordTable* name;
    std::string_view suffix; // empty for the built-in design 0
    int pictures;            // 7, or 10 for designs 8..11
};

// Every deck, item = `DeckFace`.
std::span<const DeckDesign> DeckDesigns();
// Every back design, item = `DeckBack`.
std::span<const BackDesign> BackDesigns();

// The deck or back design of a setting value; null outside the lists.
const DeckDesign* FindDeck(int deckFace);
const BackDesign* FindBackDesign(int deckBack);

// The number of back pictures of a design: 10 for designs 8..11, 7 for the
// others (and for a number outside the list).
int BackPictureCount(int deckBack);

// List names of the background designs (1..10) and colours (0..6); null
// outside the lists.
const WordTable* BackgroundDesignName(int design);
const WordTable* BackgroundColourName(int colour);

// The suffixes a deck's faces are named with (empty for deck 0 or a number
// outside the list).
DeckSuffixes SuffixesOf(int deckFace);
// The suffix of a deck's suit icons: its pip suffix, except deck 11, which
// uses the icons of "Mod".
std::string IconSuffixOf(int deckFace);

// The pack holding a deck's faces: A for 1..31, B for 32..39, C for 40..47;
// empty for deck 0 and numbers outside the deck list.
std::string LibraryForDeck(int deckFace);

// The pack the back pictures come from: none (the program's own) for design 0
// with a wide deck or in class `Small`; `QelCards06B.dll` otherwise, since
// the built-in design has no pictures for narrow cells.
std::string LibraryForBacks(int deckBack, bool wideDeck, SizeClass sizeClass);

// The pack a background comes from: none for design 2 in colour 0 (and for
// design 0, which loads nothing), `QelBackG03.dll` otherwise.
std::string LibraryForBackground(int design, int colour);

// Resource names of one deck, back design or background at one size, as the
// loaders look them up.
std::string DeckFaceName(int deckFace, CardCode card, SizeClass sizeClass);
std::string DeckBackName(int deckBack, int picture, SizeClass sizeClass, bool wideDeck);

} // namespace tavlira
