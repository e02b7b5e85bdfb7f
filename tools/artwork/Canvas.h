#pragma once
// Small helpers every picture of the generator is drawn with.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace tavlira {

// The colour that stands for "transparent" in pictures without an alpha
// channel (the candelabrum and its flames).
inline const QColor kColourKey(0, 128, 0);

// A transparent picture for artwork designed once in base pixels and drawn
// at `scale` times that size.
QImage Blank(QSize base, double scale = 1);

// Antialiased painting in base pixels.
void Begin(QPainter& painter, double scale = 1);

// The picture without alpha: pixels at least half opaque keep their colour,
// the others become the colour key. A threshold instead of a blend, so no
// greenish seam remains when the key is taken out again.
QImage OnColourKey(const QImage& picture);

// `path` scaled down where needed and centred in `box` by its ink.
QPainterPath FitInBox(const QPainterPath& path, const QRectF& box);

// `text` as an outline in `font`, fitted into `box` the same way (centred by
// its ink, not by the font's line box).
QPainterPath TextInBox(const QString& text, const QFont& font, const QRectF& box);

// The bold face captions are lettered in: a serif face, or a CJK face for a
// text with ideographs.
QFont CaptionFont(const QString& text, int pixelSize);

// The metals of frames, stands and medals.
inline const QColor kGold(212, 168, 60);
inline const QColor kBronze(176, 112, 48);
inline const QColor kSilver(196, 200, 210);

// A polished metal surface lit from `from`.
QLinearGradient Gilt(QPointF from, QPointF to, const QColor& metal);

// The suit signs, as characters of the card faces' font.
inline constexpr QChar kSpade(0x2660);
inline constexpr QChar kHeart(0x2665);
inline constexpr QChar kDiamond(0x2666);
inline constexpr QChar kClub(0x2663);

// A playing card face up: white with a rim, the rank and suit in the top
// corner and a large pip in the middle.
void DrawCardFace(QPainter& painter, const QRectF& card, const QString& rank, QChar suit);

} // namespace tavlira
