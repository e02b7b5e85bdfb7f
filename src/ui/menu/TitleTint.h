#pragma once
// The seven colour styles of the menu's two caption pictures. The pictures
// are drawn in red tones; every style but the first recolours each pixel so
// the red becomes orange, yellow, green, aqua, blue or violet.

#include <QImage>

namespace tavlira {

inline constexpr int TitleVariants = 7;

// A pixel in style `variant` (1..7); alpha is kept. Style 1, and any value
// outside 1..7, leaves the pixel as it is.
QRgb TintTitlePixel(QRgb pixel, int variant);
QImage TintTitle(const QImage& picture, int variant);

// The style after a click on the caption: the next one, 7 wrapping to 1.
constexpr int NextTitleVariant(int variant) {
    return variant >= 1 && variant < TitleVariants ? variant + 1 : 1;
}

} // namespace tavlira
