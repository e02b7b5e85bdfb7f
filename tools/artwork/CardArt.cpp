#include "CardArt.h"

#include "game/Card.h"
#include "ui/artwork/PictureNames.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <algorithm>
#include <array>
#include <cstdio>

namespace tavlira {
namespace {

// Element ids of the theme: "<suit>_<rank>" with ranks 1 (ace) .. 10, jack,
// queen, king; "back"; the large pips "hl" "dl" "cl" "sl".
// Each card carries a black rounded frame 1.5 units wide (corner radius 5)
// inside its 79 x 123 bounds.
constexpr QSizeF kThemeCard(79, 123);
constexpr double kThemeFrame = 1.5;
// Just over the frame's inner corner radius (4.25), so that no frame pixel is
// left in the corners when the frame is cut away.
constexpr double kThemeInnerRadius = 4.5;
// The colour of the back's pattern, replaced to make the seven back pictures.
const QColor kThemeBackInk(0x21, 0x21, 0x5E);

constexpr QSize kSmallCard(69, 94);
constexpr QSize kLargeCard(146, 198);
constexpr int kSmallIcon = 20;
constexpr int kLargeIcon = 40;
// Small bitmaps are drawn transparently with silver as the key colour.
const QColor kSilver(192, 192, 192);

struct SuitArt {
    char suit;
    const char* themeName;
    const char* pip;
};
constexpr std::array<SuitArt, 4> kSuits = {{
    {suit::Hearts, "heart", "hl"},
    {suit::Diamonds, "diamond", "dl"},
    {suit::Clubs, "club", "cl"},
    {suit::Spades, "spade", "sl"},
}};

// The back of each weekday, Monday first; picture 7 (also the "Always one"
// picture) keeps the theme's own navy.
const std::array<QColor, 7> kBackInks = {
    QColor(0x8B, 0x1A, 0x1A),
    QColor(0x1E, 0x5C, 0x2E),
    QColor(0x4E, 0x2A, 0x6E),
    QColor(0x6B, 0x3F, 0x14),
    QColor(0x14, 0x5A, 0x60),
    QColor(0x26, 0x26, 0x26),
    kThemeBackInk,
};

QString ThemeRank(char rankByte) {
    switch (rankByte) {
    case rank::Ten:
        return "10";
    case rank::Jack:
        return "jack";
    case rank::Queen:
        return "queen";
    case rank::King:
        return "king";
    case rank::Ace:
        return "1";
    default:
        return QString(QChar(rankByte));
    }
}

QString ThemeId(CardCode card) {
    for (const SuitArt& art : kSuits) {
        if (art.suit == card.suit)
            return QString(art.themeName) + '_' + ThemeRank(card.rank);
    }
    return {};
}

// The whole card with its own rounded frame; transparent outside it.
QImage RenderFramedCard(QSvgRenderer& theme, const QString& id) {
    QImage picture(kLargeCard, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    theme.render(&painter, id, QRectF(QPointF(0, 0), kLargeCard));
    return picture;
}

// Only the inside of the card: the table draws the outline of a small card
// itself, so the theme's frame is cut away and the corners are white.
QImage RenderCardInside(QSvgRenderer& theme, const QString& id) {
    QImage picture(kSmallCard, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const double unitX = kSmallCard.width() / (kThemeCard.width() - 2 * kThemeFrame);
    const double unitY = kSmallCard.height() / (kThemeCard.height() - 2 * kThemeFrame);
    const QRectF inside(QPointF(0, 0), kSmallCard);
    const QRectF whole = inside.adjusted(-kThemeFrame * unitX, -kThemeFrame * unitY,
                                         kThemeFrame * unitX, kThemeFrame * unitY);
    QPainter painter(&picture);
    QPainterPath clip;
    clip.addRoundedRect(inside, kThemeInnerRadius * unitX, kThemeInnerRadius * unitY);
    painter.setClipPath(clip);
    theme.render(&painter, id, whole);
    return picture;
}

// Replaces the back's ink by `ink`, keeping white and the black frame. Every
// pixel is a mix of white, the theme's ink and black; the mix is solved per
// pixel so that smoothed edges keep their shading.
QImage Reink(const QImage& back, const QColor& ink) {
    QImage result = back.convertToFormat(QImage::Format_ARGB32);
    const double blueLead = kThemeBackInk.blue() - kThemeBackInk.red();
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const QRgb pixel = line[x];
            const double inkShare = std::clamp((qBlue(pixel) - qRed(pixel)) / blueLead, 0.0, 1.0);
            const double whiteShare =
                std::clamp((qRed(pixel) - inkShare * kThemeBackInk.red()) / 255.0, 0.0, 1.0);
            auto channel = [&](int inkChannel) {
                return std::clamp(qRound(255 * whiteShare + inkChannel * inkShare), 0, 255);
            };
            line[x] =
                qRgba(channel(ink.red()), channel(ink.green()), channel(ink.blue()), qAlpha(pixel));
        }
    }
    return result;
}

QImage RenderIcon(QSvgRenderer& theme, const char* pip, int size, const QColor& background) {
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(background);
    const QRectF bounds = theme.boundsOnElement(pip);
    const double margin = size / 20.0;
    const double scale = (size - 2 * margin) / std::max(bounds.width(), bounds.height());
    const QSizeF drawn = bounds.size() * scale;
    QPainter painter(&icon);
    theme.render(&painter, pip,
                 QRectF(QPointF((size - drawn.width()) / 2, (size - drawn.height()) / 2), drawn));
    return icon;
}

bool Fail(const char* what, const QString& detail) {
    std::fprintf(stderr, "artwork: %s %s\n", what, qPrintable(detail));
    return false;
}

bool WriteFaces(QSvgRenderer& theme, ResourceWriter& out) {
    const DeckSuffixes builtIn;
    for (CardCode card : AllCards()) {
        const QString id = ThemeId(card);
        if (!theme.elementExists(id))
            return Fail("the theme has no card", id);
        const QString small = QString::fromStdString(FaceName(card, builtIn, SizeClass::Small));
        const QString large = QString::fromStdString(FaceName(card, builtIn, SizeClass::Large));
        if (!out.Add(ResourceType::Bitmap, small, RenderCardInside(theme, id)) ||
            !out.Add(ResourceType::RcData, large, RenderFramedCard(theme, id)))
            return Fail("cannot write the face", large);
    }
    return true;
}

bool WriteBacks(QSvgRenderer& theme, ResourceWriter& out) {
    if (!theme.elementExists("back"))
        return Fail("the theme has no card", "back");
    const QImage smallBack = RenderCardInside(theme, "back");
    const QImage largeBack = RenderFramedCard(theme, "back");
    for (int picture = 1; picture <= 7; ++picture) {
        const QColor& ink = kBackInks[static_cast<size_t>(picture - 1)];
        const auto name = [picture](SizeClass sizeClass) {
            return QString::fromStdString(BackName(picture, "", sizeClass, true));
        };
        if (!out.Add(ResourceType::Bitmap, name(SizeClass::Small),
                     Reink(smallBack, ink).convertToFormat(QImage::Format_RGB32)) ||
            !out.Add(ResourceType::RcData, name(SizeClass::Large), Reink(largeBack, ink)))
            return Fail("cannot write the back", name(SizeClass::Large));
    }
    return true;
}

bool WriteSuitIcons(QSvgRenderer& theme, ResourceWriter& out) {
    for (const SuitArt& art : kSuits) {
        if (!theme.elementExists(art.pip))
            return Fail("the theme has no pip", art.pip);
        const QString small = QString::fromStdString(SuitIconName(art.suit, "", false));
        const QString large = QString::fromStdString(SuitIconName(art.suit, "", true));
        if (!out.Add(ResourceType::Bitmap, small,
                     RenderIcon(theme, art.pip, kSmallIcon, kSilver)
                         .convertToFormat(QImage::Format_RGB32)) ||
            !out.Add(ResourceType::RcData, large,
                     RenderIcon(theme, art.pip, kLargeIcon, Qt::transparent)))
            return Fail("cannot write the suit icon", large);
    }
    return true;
}

} // namespace

bool WriteCardArt(const QString& themeFile, ResourceWriter& out) {
    QSvgRenderer theme(themeFile);
    if (!theme.isValid())
        return Fail("cannot read the card theme", themeFile);
    return WriteFaces(theme, out) && WriteBacks(theme, out) && WriteSuitIcons(theme, out);
}

} // namespace tavlira
