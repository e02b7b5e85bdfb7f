#include "ui/artwork/ArtworkTables.h"

#include "i18n/words/Options.h"

#include <array>

namespace tavlira {
namespace {

using L = LanguageIndex;
constexpr const char* A = DeckLibraryA;
constexpr const char* B = DeckLibraryB;
constexpr const char* C = DeckLibraryC;

// Item = `DeckFace`. Decks 9 and 40 share the suffix "Fra" but live in
// different packs.
constexpr std::array<DeckDesign, DeckCount> kDecks = {{
    {words::DeckNames[0], "", "", "", "", true, L::English},
    {words::DeckNames[1], "Med", "Med", "Med", A, true, L::English},
    {words::DeckNames[2], "Mod", "Mod", "Mod", A, true, L::English},
    {words::DeckNames[3], "Anc", "Anc", "Anc", A, true, L::English},
    {words::DeckNames[4], "Bar", "Bar", "Bar", A, true, L::English},
    {words::DeckNames[5], "Cel", "Cel", "Cel", A, true, L::English},
    {words::DeckNames[6], "Cor", "Mod", "Cor", A, true, L::English},
    {words::DeckNames[7], "Cro", "Mod", "Mod", A, true, L::English},
    {words::DeckNames[8], "Eng", "Eng", "Eng", A, true, L::English},
    {words::DeckNames[9], "Fra", "Fra", "Fra", A, true, L::English},
    {words::DeckNames[10], "His", "Mod", "Mod", A, true, L::English},
    {words::DeckNames[11], "Nat", "Nat", "Nat", A, true, L::English},
    {words::DeckNames[12], "Old", "Old", "Old", A, true, L::English},
    {words::DeckNames[13], "Par", "Mod", "Mod", A, true, L::English},
    {words::DeckNames[14], "Roy", "Roy", "Roy", A, true, L::English},
    {words::DeckNames[15], "Sha", "Sha", "Sha", A, true, L::English},
    {words::DeckNames[16], "Big", "Big", "Big", A, true, L::English},
    {words::DeckNames[17], "004", "004", "004", A, true, L::English},
    {words::DeckNames[18], "Lon", "Lon", "Lon", A, true, L::English},
    {words::DeckNames[19], "Cl2", "Sea", "Sea", A, true, L::English},
    {words::DeckNames[20], "Hea", "Sea", "Sea", A, true, L::English},
    {words::DeckNames[21], "Sea", "Sea", "Sea", A, true, L::English},
    {words::DeckNames[22], "Rhi", "Rhi", "Rhi", A, true, L::English},
    {words::DeckNames[23], "Me2", "Me2", "Me2", A, true, L::English},
    {words::DeckNames[24], "Doo", "Doo", "Doo", A, true, L::English},
    {words::DeckNames[25], "Boy", "Rhi", "Boy", A, true, L::English},
    {words::DeckNames[26], "Epi", "Epi", "Epi", A, true, L::English},
    {words::DeckNames[27], "USR", "Big", "USR", A, true, L::English},
    {words::DeckNames[28], "Pla", "Pla", "Pla", A, false, L::English},
    {words::DeckNames[29], "SkN", "SkN", "SkN", A, false, L::German},
    {words::DeckNames[30], "SkT", "SkT", "SkT", A, false, L::German},
    {words::DeckNames[31], "SkF", "SkF", "SkF", A, false, L::German},
    {words::DeckNames[32], "Bel", "Bel", "Bel", B, false, L::Russian},
    {words::DeckNames[33], "Dia", "Dia", "Dia", B, false, L::Russian},
    {words::DeckNames[34], "Kny", "Kny", "Kny", B, false, L::Russian},
    {words::DeckNames[35], "Pas", "Pas", "Pas", B, false, L::Russian},
    {words::DeckNames[36], "Rus", "Rus", "Rus", B, false, L::Russian},
    {words::DeckNames[37], "Sla", "Sla", "Sla", B, false, L::Russian},
    {words::DeckNames[38], "May", "May", "May", B, false, L::Russian},
    {words::DeckNames[39], "Lub", "Lub", "Lub", B, false, L::Russian},
    {words::DeckNames[40], "Fra", "Fra", "Fra", C, true, L::French},
    {words::DeckNames[41], "Mus", "Mus", "Mus", C, false, L::Spanish},
    {words::DeckNames[42], "BS1", "BS1", "BS1", C, false, L::Spanish},
    {words::DeckNames[43], "BS2", "BS2", "BS2", C, false, L::Spanish},
    {words::DeckNames[44], "BS3", "BS3", "BS3", C, false, L::Spanish},
    {words::DeckNames[45], "Chi", "Chi", "Chi", C, true, L::Chinese},
    {words::DeckNames[46], "BIt", "BIt", "BIt", C, false, L::Italian},
    {words::DeckNames[47], "Cze", "Cze", "Cze", C, false, L::Czech},
}};

// Item = `DeckBack`.
constexpr std::array<BackDesign, BackDesignCount> kBacks = {{
    {words::BackDesignNames[0], "", 7},
    {words::BackDesignNames[1], "Cl1", 7},
    {words::BackDesignNames[2], "Cl2", 7},
    {words::BackDesignNames[3], "Car", 7},
    {words::BackDesignNames[4], "Cro", 7},
    {words::BackDesignNames[5], "Che", 7},
    {words::BackDesignNames[6], "Dia", 7},
    {words::BackDesignNames[7], "Kni", 7},
    {words::BackDesignNames[8], "Ani", 10},
    {words::BackDesignNames[9], "Flo", 10},
    {words::BackDesignNames[10], "Pla", 10},
    {words::BackDesignNames[11], "Oth", 10},
    {words::BackDesignNames[12], "Rus", 7},
}};

static_assert(std::size(words::DeckNames) == DeckCount);
static_assert(std::size(words::BackDesignNames) == BackDesignCount);
static_assert(std::size(words::BackgroundDesignNames) == BackgroundDesignCount);
static_assert(std::size(words::BackgroundColourNames) == BackgroundColourCount);

} // namespace

std::span<const DeckDesign> DeckDesigns() {
    return kDecks;
}

std::span<const BackDesign> BackDesigns() {
    return kBacks;
}

const DeckDesign* FindDeck(int deckFace) {
    return deckFace >= 0 && deckFace < DeckCount ? &kDecks[static_cast<size_t>(deckFace)] : nullptr;
}

const BackDesign* FindBackDesign(int deckBack) {
    return deckBack >= 0 && deckBack < BackDesignCount ? &kBacks[static_cast<size_t>(deckBack)]
                                                       : nullptr;
}

int BackPictureCount(int deckBack) {
    const BackDesign* design = FindBackDesign(deckBack);
    return design ? design->pictures : 7;
}

const WordTable* BackgroundDesignName(int design) {
    return design >= 1 && design <= BackgroundDesignCount ? words::BackgroundDesignNames[design - 1]
                                                          : nullptr;
}

const WordTable* BackgroundColourName(int colour) {
    return colour >= 0 && colour < BackgroundColourCount ? words::BackgroundColourNames[colour]
                                                         : nullptr;
}

DeckSuffixes SuffixesOf(int deckFace) {
    const DeckDesign* deck = FindDeck(deckFace);
    if (!deck)
        return {};
    return {std::string{deck->court}, std::string{deck->pip}, std::string{deck->ace}};
}

std::string IconSuffixOf(int deckFace) {
    if (deckFace == 11)
        return "Mod";
    const DeckDesign* deck = FindDeck(deckFace);
    return deck ? std::string{deck->pip} : std::string{};
}

std::string LibraryForDeck(int deckFace) {
    const DeckDesign* deck = FindDeck(deckFace);
    return deck ? std::string{deck->library} : std::string{};
}

std::string LibraryForBacks(int deckBack, bool wideDeck, SizeClass sizeClass) {
    if (deckBack == 0 && (wideDeck || sizeClass == SizeClass::Small))
        return {};
    return BackLibrary;
}

std::string LibraryForBackground(int design, int colour) {
    if (design == 0 || (design == 2 && colour == 0))
        return {};
    return BackgroundLibrary;
}

std::string DeckFaceName(int deckFace, CardCode card, SizeClass sizeClass) {
    return FaceName(card, SuffixesOf(deckFace), sizeClass);
}

std::string DeckBackName(int deckBack, int picture, SizeClass sizeClass, bool wideDeck) {
    const BackDesign* design = FindBackDesign(deckBack);
    if (!design || picture < 1 || picture > design->pictures)
        return {};
    return BackName(picture, design->suffix, sizeClass, wideDeck);
}

} // namespace tavlira
