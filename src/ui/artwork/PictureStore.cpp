#include "ui/artwork/PictureStore.h"

#include "ui/artwork/ArtworkTables.h"
#include "ui/artwork/FaceEllipse.h"
#include "ui/artwork/PictureNames.h"
#include "ui/artwork/PictureSource.h"

#include <QPainter>
#include <algorithm>

namespace tavlira {
namespace {

constexpr std::array<char, 4> kSuitOrder = {suit::Hearts, suit::Diamonds, suit::Clubs,
                                            suit::Spades};

// Small suit icons are bitmaps drawn with silver as the transparent colour.
constexpr QRgb kIconKey = qRgb(192, 192, 192);
// The surface of deck 26's small diamonds icon, flooded with silver.
constexpr QRgb kEpicSurface = qRgb(195, 195, 195);
constexpr int kEpicDeck = 26;

constexpr QSize kSmallFace(69, 94);
constexpr int kSmallIcon = 20;

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

// A pack picture copied into a bitmap of the small class: white where the
// picture is transparent, scaled when the pack's picture has another size.
QImage AsBitmap(const QImage& picture, QSize size, QColor surface = Qt::white) {
    QImage bitmap(size, QImage::Format_RGB32);
    bitmap.fill(surface);
    QPainter painter(&bitmap);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size), picture);
    return bitmap;
}

// Replaces the 4-connected area of `from` around (0, 0) with `to`.
void FloodFromCorner(QImage& bitmap, QRgb from, QRgb to) {
    if (bitmap.isNull() || (bitmap.pixel(0, 0) & RGB_MASK) != (from & RGB_MASK))
        return;
    std::vector<QPoint> open{{0, 0}};
    while (!open.empty()) {
        const QPoint p = open.back();
        open.pop_back();
        if (!bitmap.rect().contains(p) || (bitmap.pixel(p) & RGB_MASK) != (from & RGB_MASK))
            continue;
        bitmap.setPixel(p, to);
        open.insert(
            open.end(),
            {{p.x() + 1, p.y()}, {p.x() - 1, p.y()}, {p.x(), p.y() + 1}, {p.x(), p.y() - 1}});
    }
}

bool AllRead(const auto& pictures) {
    return std::none_of(std::begin(pictures), std::end(pictures),
                        [](const QImage& picture) { return picture.isNull(); });
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
    // A number outside the deck list names no pack; it falls back silently.
    deckFace = FindDeck(deck) ? deck : 0;
    const std::string library = LibraryForDeck(deckFace);
    if (!library.empty()) {
        const std::unique_ptr<OpenPack> pack = OpenPack::Open(packFolders, library);
        if (!pack || !LoadPackFaces(pack->Pictures())) {
            load.Missing(library);
            deckFace = 0;
        }
    }
    if (deckFace == 0)
        LoadBuiltInFaces();
    wideDeck = IsWideDeck(deckFace);
    load.Merge(LoadBacks(back));
    return load;
}

ArtworkLoad PictureStore::LoadBacks(int back) {
    ArtworkLoad load;
    deckBack = FindBackDesign(back) ? back : 0;
    const std::string library = LibraryForBacks(deckBack, wideDeck, sizeClass);
    if (library.empty()) {
        LoadBuiltInBacks();
        return load;
    }
    const std::unique_ptr<OpenPack> pack = OpenPack::Open(packFolders, library);
    if (pack && LoadPackBacks(pack->Pictures()))
        return load;
    load.Missing(library);
    // The built-in design has no pictures for narrow cells: a narrow deck
    // that needed the pack for design 0 gives way to the built-in deck.
    if (deckBack == 0)
        load.Merge(LoadDeckFaces(0, 0, sizeClass));
    deckBack = 0;
    LoadBuiltInBacks();
    return load;
}

ArtworkLoad PictureStore::LoadBackground(bool purple, int design, int colour, int windowSize,
                                         QSize clientSize) {
    ArtworkLoad load;
    const auto keep = [&](const QImage& picture, bool stretch) {
        background =
            !stretch || clientSize.isEmpty()
                ? picture
                : picture.scaled(clientSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    if (purple) {
        QImage picture;
        if (LoadPictureFromLibrary("BGLilu", GraphLibrary, packFolders, picture,
                                   ResourceKind::Jpeg)) {
            keep(picture, true);
            purpleBackground = true;
            return load;
        }
        load.Missing(GraphLibrary);
    }
    purpleBackground = false;
    if (design == 0 && !background.isNull())
        return load;
    // A design or colour outside the lists is the built-in picture; design 0
    // with no picture yet (the purple design was missing) as well.
    const bool listed = BackgroundDesignName(design) && BackgroundColourName(colour);
    backgroundDesign = listed ? design : 2;
    backgroundColour = listed ? colour : 0;
    const std::string library = LibraryForBackground(backgroundDesign, backgroundColour);
    QImage picture;
    if (!LoadPictureFromLibrary(BackgroundName(backgroundDesign, backgroundColour, windowSize),
                                library, packFolders, picture, ResourceKind::Jpeg)) {
        load.Missing(library);
        backgroundDesign = 2;
        backgroundColour = 0;
        LoadPictureFromLibrary(BackgroundName(2, 0, windowSize), {}, packFolders, picture,
                               ResourceKind::Jpeg);
    }
    keep(picture, windowSize != 1);
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

// Reads every face and icon first and keeps them only when all are there:
// a damaged pack leaves the store as it was and the caller falls back.
bool PictureStore::LoadPackFaces(const PictureSource& pack) {
    const DeckSuffixes suffixes = SuffixesOf(deckFace);
    const std::string iconSuffix = IconSuffixOf(deckFace);
    const bool small = sizeClass == SizeClass::Small;
    const bool wide = IsWideDeck(deckFace);
    std::array<QImage, 52> read;
    const CardCode* cards = AllCards();
    for (size_t i = 0; i < read.size(); ++i)
        read[i] = pack.Data(FaceName(cards[i], suffixes, sizeClass));
    std::array<QImage, 4> icons;
    std::array<QImage, 4> largeIcons;
    for (size_t i = 0; i < kSuitOrder.size(); ++i) {
        icons[i] = pack.Data(SuitIconName(kSuitOrder[i], iconSuffix, false));
        largeIcons[i] = pack.Data(SuitIconName(kSuitOrder[i], iconSuffix, true));
    }
    if (!AllRead(read) || !AllRead(icons) || !AllRead(largeIcons))
        return false;
    const QRect ellipse = FaceEllipseBox(small, wide);
    for (size_t i = 0; i < read.size(); ++i) {
        faces[i] = small ? AsBitmap(read[i], kSmallFace) : read[i];
        InvertEllipse(faces[i], ellipse);
    }
    for (size_t i = 0; i < kSuitOrder.size(); ++i) {
        QImage icon = AsBitmap(icons[i], QSize(kSmallIcon, kSmallIcon), QColor::fromRgb(kIconKey));
        if (deckFace == kEpicDeck && kSuitOrder[i] == suit::Diamonds)
            FloodFromCorner(icon, kEpicSurface, kIconKey);
        suitIcons[i] = KeyedTransparent(icon);
        largeSuitIcons[i] = largeIcons[i];
    }
    return true;
}

bool PictureStore::LoadPackBacks(const PictureSource& pack) {
    std::vector<QImage> read;
    for (int picture = 1; picture <= BackPictureCount(deckBack); ++picture) {
        QImage back = pack.Data(DeckBackName(deckBack, picture, sizeClass, wideDeck));
        if (back.isNull())
            return false;
        read.push_back(sizeClass == SizeClass::Small ? AsBitmap(back, kSmallFace) : back);
    }
    backs = std::move(read);
    return true;
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
