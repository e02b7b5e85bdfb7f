#include "DeckPacks.h"

#include "ui/artwork/ArtworkTables.h"
#include "ui/artwork/FaceEllipse.h"

#include <QFont>
#include <QPainter>
#include <array>
#include <atomic>
#include <cstdio>
#include <map>

namespace tavlira {
namespace {

// Which theme each deck is rendered from, and the look that keeps it apart
// from every other deck. Where the themes run out a theme appears twice,
// recoloured, as are themes drawn from the same art as another (anglo and
// anglo_bitmap, the three atlasnye, the nicu decks). Themes that QtSvg draws blank
// (anglo_poker, simplistic, tango_nuevo's clubs) or wrongly (future) are not
// used, nor is gnome's paris, which is the built-in deck 0.
struct DeckArt {
    const char* theme;
    Look look{};
};

const QColor kIvory(255, 248, 228);
const QColor kSand(246, 232, 200);
const QColor kBirch(240, 236, 222);
const QColor kRice(255, 244, 236);
const QColor kMint(236, 248, 240);
const QColor kSky(234, 242, 255);

const std::array<DeckArt, DeckCount> kDeckArt = {{
    {""}, // deck 0: the program's own pictures
    {"ancient_french"},
    {"anglo_modern"},
    {"kde:svg-ancient-egyptians/Ancient_Egyptians.svgz"},
    {"bellot"},
    {"ornamental"},
    {"guyenne-classic"},
    {"kde:svg-jolly-royal/jolly-royal.svgz"},
    {"anglo"},
    {"berlin"},
    {"swiss-xvii"},
    {"gnomangelo", {200, kMint, 1.0}},
    {"tigullio"},
    {"kde:svg-penguins/penguins.svgz"},
    {"dondorf"},
    {"neoclassical"},
    {"kde:svg-standard/standard.svgz", {40, kIvory, 1.0}},
    {"anglo_bitmap", {120, kSand, 1.0}},
    {"kde:svg-nicu-ornamental/ornamental.svgz", {200, kSky, 1.0}},
    {"kde:svg-nicu-white/white.svgz", {100, kSand, 1.0}},
    {"gnomangelo_bitmap", {280, kRice, 1.0}},
    {"kde:svg-oxygen/oxygen.svgz"},
    {"rheinland"},
    {"tarocco"},
    {"tango"},
    {"kde:svg-oxygen-air/oxygen-air.svgz"},
    {"lattmann"},
    {"atlasnye"},
    {"plastic"},
    {"kde:svg-xskat-german/german.svgz"},
    {"anglo_modern_4_color", {90, kBirch, 1.0}},
    {"kde:svg-xskat-french/french.svgz"},
    {"orell"},
    {"kde:svg-tigullio-international/tigullio-international.svgz"},
    {"atlasnye_skat", {160, kSand, 1.0}},
    {"neoclassical_4_color", {60, kMint, 1.0}},
    {"Атласные", {240, kRice, 1.0}},
    {"slavic_costumes"},
    {"kde:svg-ancient-egyptians/Ancient_Egyptians.svgz", {150, kSand, 1.0}},
    {"kde:svg-gm-paris/paris.svgz", {60, kBirch, 0.8}},
    {"kde:svg-oxygen-white/oxygen-white.svgz"},
    {"tango", {120, kIvory, 1.0}},
    {"berlin", {200, kSky, 0.9}},
    {"rheinland", {90, kMint, 1.0}},
    {"lattmann", {240, kIvory, 1.0}},
    {"plastic", {30, kRice, 1.2}},
    {"tarocco", {180, kSky, 1.0}},
    {"dondorf", {110, kMint, 0.9}},
}};

constexpr QSize kSmallFace(69, 94);
constexpr QSize kWideFace(146, 198);
constexpr QSize kNarrowFace(126, 198);
constexpr int kSmallIcon = 20;
constexpr int kLargeIcon = 40;
// The small icons are keyed on silver. The diamonds icon of deck 26 keeps a
// lighter gray surface that the loader floods with silver.
const QColor kSilver(192, 192, 192);
const QColor kEpicSurface(195, 195, 195);

enum class Category { Court, Pip, Ace };

bool InCategory(CardCode card, Category category) {
    if (card.rank == rank::Ace)
        return category == Category::Ace;
    return card.IsCourt() ? category == Category::Court : category == Category::Pip;
}

std::string_view SuffixOf(const DeckDesign& deck, Category category) {
    switch (category) {
    case Category::Court:
        return deck.court;
    case Category::Pip:
        return deck.pip;
    case Category::Ace:
        break;
    }
    return deck.ace;
}

// The deck that draws the pictures of a suffix: the one whose courts carry
// it, else the first deck of the pack that uses it ("Mod" pips come from the
// "Modern" deck, "Sea" pips from "Seasons").
int OwnerOf(std::string_view library, std::string_view suffix) {
    int first = -1;
    for (int deck = 1; deck < DeckCount; ++deck) {
        const DeckDesign& d = *FindDeck(deck);
        if (d.library != library)
            continue;
        if (d.court == suffix)
            return deck;
        if (first < 0 && (d.pip == suffix || d.ace == suffix))
            first = deck;
    }
    return first;
}

QImage SuitIcon(char suitByte, int size, const Look& look, const QColor& surface) {
    static const std::map<char, std::pair<QChar, QColor>> kSigns = {
        {suit::Hearts, {QChar(0x2665), QColor(200, 16, 24)}},
        {suit::Diamonds, {QChar(0x2666), QColor(200, 16, 24)}},
        {suit::Clubs, {QChar(0x2663), QColor(24, 24, 24)}},
        {suit::Spades, {QChar(0x2660), QColor(24, 24, 24)}},
    };
    const auto& [sign, ink] = kSigns.at(suitByte);
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    {
        QPainter painter(&icon);
        painter.setRenderHint(QPainter::TextAntialiasing);
        QFont font("DejaVu Sans");
        font.setPixelSize(size);
        painter.setFont(font);
        painter.setPen(ink);
        painter.drawText(QRect(0, -size / 20, size, size), Qt::AlignCenter, QString(sign));
    }
    Look inkOnly = look;
    inkOnly.paper = Qt::white;
    QImage coloured = Recoloured(icon.convertToFormat(QImage::Format_ARGB32), inkOnly);
    if (!surface.isValid())
        return coloured;
    // A keyed bitmap: every pixel either the sign or the surface.
    QImage keyed(size, size, QImage::Format_RGB32);
    keyed.fill(surface);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb p = coloured.pixel(x, y);
            if (qAlpha(p) >= 128)
                keyed.setPixel(x, y, qRgb(qRed(p), qGreen(p), qBlue(p)));
        }
    }
    return keyed;
}

std::atomic<bool> failed{false};

void Fail(const char* what, const QString& detail) {
    std::fprintf(stderr, "packs: %s %s\n", what, qPrintable(detail));
    failed = true;
}

// Everything one deck draws for its pack: the faces of the categories whose
// suffix it owns and, when it owns its pip suffix, the suit icons.
PackEntries DrawDeck(int deckFace, std::vector<Category> categories, bool icons,
                     const ThemeFolders& folders) {
    PackEntries out;
    const DeckArt& art = kDeckArt[static_cast<size_t>(deckFace)];
    const DeckDesign& deck = *FindDeck(deckFace);
    const ThemeCards theme(folders, QString::fromUtf8(art.theme));
    if (!theme.IsValid()) {
        Fail("cannot read the card theme", theme.File());
        return out;
    }
    const QSize largeSize = deck.wide ? kWideFace : kNarrowFace;
    for (CardCode card : AllCards()) {
        const bool wanted = std::any_of(categories.begin(), categories.end(),
                                        [card](Category c) { return InCategory(card, c); });
        if (!wanted)
            continue;
        const QImage face = theme.Face(card, largeSize);
        if (face.isNull()) {
            Fail("the theme has no card", theme.File() + ' ' + QString::fromLatin1(card.Bytes()));
            return out;
        }
        QImage large = Recoloured(face, art.look);
        QImage small =
            OnWhite(large.scaled(kSmallFace, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        InvertEllipse(large, FaceEllipseBox(false, deck.wide));
        InvertEllipse(small, FaceEllipseBox(true, deck.wide));
        const auto name = [&](SizeClass sizeClass) {
            return QString::fromStdString(DeckFaceName(deckFace, card, sizeClass));
        };
        out.push_back({PackFolder::RcData, name(SizeClass::Small), Png(small)});
        out.push_back({PackFolder::RcData, name(SizeClass::Large), Png(large)});
    }
    if (icons) {
        for (char suitByte : {suit::Hearts, suit::Diamonds, suit::Clubs, suit::Spades}) {
            const QColor surface =
                deckFace == 26 && suitByte == suit::Diamonds ? kEpicSurface : kSilver;
            const std::string pip{deck.pip};
            out.push_back({PackFolder::RcData,
                           QString::fromStdString(SuitIconName(suitByte, pip, false)),
                           Png(SuitIcon(suitByte, kSmallIcon, art.look, surface))});
            out.push_back({PackFolder::RcData,
                           QString::fromStdString(SuitIconName(suitByte, pip, true)),
                           Png(SuitIcon(suitByte, kLargeIcon, art.look, QColor()))});
        }
    }
    return out;
}

} // namespace

bool DeckPictures(std::string_view library, const ThemeFolders& folders, int threads,
                  PackEntries& out) {
    std::vector<std::function<PackEntries()>> jobs;
    for (int deckFace = 1; deckFace < DeckCount; ++deckFace) {
        const DeckDesign& deck = *FindDeck(deckFace);
        if (deck.library != library)
            continue;
        std::vector<Category> owned;
        for (Category category : {Category::Court, Category::Pip, Category::Ace}) {
            if (OwnerOf(library, SuffixOf(deck, category)) == deckFace)
                owned.push_back(category);
        }
        const bool icons = OwnerOf(library, deck.pip) == deckFace;
        if (owned.empty() && !icons)
            continue;
        jobs.push_back([=, &folders] { return DrawDeck(deckFace, owned, icons, folders); });
    }
    PackEntries drawn = RunJobs(jobs, threads);
    out.insert(out.end(), drawn.begin(), drawn.end());
    return !failed;
}

} // namespace tavlira
