#include "ui/artwork/PictureStore.h"

#include "ui/artwork/ArtworkTables.h"
#include "ui/artwork/PictureNames.h"
#include "ui/artwork/PictureSource.h"

#include <algorithm>

namespace tavlira {
namespace {

constexpr std::array<char, 4> kSuitOrder = {suit::Hearts, suit::Diamonds, suit::Clubs,
                                            suit::Spades};

// Small suit icons are bitmaps drawn with silver as the transparent colour.
constexpr QRgb kIconKey = qRgb(192, 192, 192);

int CardIndex(std::string_view code) {
    if (code.size() < 2)
        return -1;
    const CardCode* cards = AllCards();
    for (int i = 0; i < 52; ++i) {
        if (cards[i].rank == code[0] && cards[i].suit == code[1])
            return i;
    }
    return -1;
}

int SuitIndex(char suitByte) {
    const auto* found = std::find(kSuitOrder.begin(), kSuitOrder.end(), suitByte);
    return found == kSuitOrder.end() ? -1 : static_cast<int>(found - kSuitOrder.begin());
}

QImage KeyedTransparent(const QImage& bitmap) {
    QImage icon = bitmap.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < icon.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(icon.scanLine(y));
        for (int x = 0; x < icon.width(); ++x) {
            if ((line[x] & RGB_MASK) == (kIconKey & RGB_MASK))
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return icon;
}

} // namespace

void ArtworkLoad::Missing(const std::string& library) {
    ok = false;
    if (std::find(missingLibraries.begin(), missingLibraries.end(), library) ==
        missingLibraries.end())
        missingLibraries.push_back(library);
}

void ArtworkLoad::Merge(const ArtworkLoad& other) {
    for (const std::string& library : other.missingLibraries)
        Missing(library);
    ok = ok && other.ok;
}

ArtworkLoad PictureStore::LoadDeckFaces(int deck, int back, SizeClass pictureClass) {
    ArtworkLoad load;
    sizeClass = pictureClass;
    deckFace = deck;
    if (deckFace != 0) {
        // A number outside the deck list names no pack; it falls back silently.
        const std::string library = LibraryForDeck(deckFace);
        if (!library.empty())
            load.Missing(library);
        deckFace = 0;
    }
    LoadBuiltInFaces();
    wideDeck = IsWideDeck(deckFace);
    load.Merge(LoadBacks(back));
    return load;
}

ArtworkLoad PictureStore::LoadBacks(int back) {
    ArtworkLoad load;
    deckBack = back;
    if (deckBack == 0 && (wideDeck || sizeClass == SizeClass::Small)) {
        LoadBuiltInBacks();
        return load;
    }
    load.Missing(BackLibrary);
    if (deckBack == 0)
        load.Merge(LoadDeckFaces(0, 0, sizeClass));
    deckBack = 0;
    LoadBuiltInBacks();
    return load;
}

ArtworkLoad PictureStore::LoadBackground(bool purple, int design, int colour, int windowSize,
                                         QSize clientSize) {
    ArtworkLoad load;
    if (purple)
        load.Missing(GraphLibrary);
    if (design == 0)
        return load;
    backgroundDesign = design;
    backgroundColour = colour;
    if (design != 2 || colour != 0) {
        load.Missing(BackgroundLibrary);
        backgroundDesign = 2;
        backgroundColour = 0;
    }
    const QImage picture = PictureSource::BuiltIn().Jpeg(BackgroundName(2, 0, windowSize));
    background = windowSize == 1 || clientSize.isEmpty()
                     ? picture
                     : picture.scaled(clientSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return load;
}

void PictureStore::ChooseBackPicture(int isoWeekday, bool alwaysOne, const RandomBelow& random) {
    backPicture = tavlira::ChooseBackPicture(isoWeekday, alwaysOne, deckBack, random);
}

QImage PictureStore::FaceBitmap(std::string_view code) const {
    return Face(code, true);
}
QImage PictureStore::FacePicture(std::string_view code) const {
    return Face(code, false);
}

QImage PictureStore::Face(std::string_view code, bool smallClass) const {
    const int index = CardIndex(code);
    if (index < 0 || smallClass != (sizeClass == SizeClass::Small))
        return {};
    return faces[static_cast<size_t>(index)];
}

QImage PictureStore::Back() const {
    if (backs.empty())
        return {};
    // A design with fewer pictures than the game's choice (the design was
    // changed during the game) shows its last picture.
    const int picture = std::clamp(backPicture, 1, static_cast<int>(backs.size()));
    return backs[static_cast<size_t>(picture - 1)];
}

QImage PictureStore::SuitIcon(char suitByte) const {
    const int index = SuitIndex(suitByte);
    return index < 0 ? QImage() : suitIcons[static_cast<size_t>(index)];
}

QImage PictureStore::LargeSuitIcon(char suitByte) const {
    const int index = SuitIndex(suitByte);
    return index < 0 ? QImage() : largeSuitIcons[static_cast<size_t>(index)];
}

void PictureStore::LoadBuiltInFaces() {
    const PictureSource source = PictureSource::BuiltIn();
    const DeckSuffixes builtIn;
    const bool small = sizeClass == SizeClass::Small;
    const CardCode* cards = AllCards();
    for (size_t i = 0; i < faces.size(); ++i) {
        const std::string name = FaceName(cards[i], builtIn, sizeClass);
        faces[i] = small ? source.Bitmap(name) : source.Data(name);
    }
    for (size_t i = 0; i < kSuitOrder.size(); ++i) {
        suitIcons[i] = KeyedTransparent(source.Bitmap(SuitIconName(kSuitOrder[i], "", false)));
        largeSuitIcons[i] = source.Data(SuitIconName(kSuitOrder[i], "", true));
    }
}

void PictureStore::LoadBuiltInBacks() {
    const PictureSource source = PictureSource::BuiltIn();
    backs.clear();
    for (int picture = 1; picture <= BackPictureCount(0); ++picture) {
        const std::string name = BackName(picture, "", sizeClass, true);
        backs.push_back(sizeClass == SizeClass::Small ? source.Bitmap(name) : source.Data(name));
    }
}

} // namespace tavlira
