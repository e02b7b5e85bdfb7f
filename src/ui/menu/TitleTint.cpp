#include "ui/menu/TitleTint.h"

#include "ui/common/ToScreen.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace tavlira {

QRgb TintTitlePixel(QRgb pixel, int variant) {
    int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    switch (variant) {
    case 2: // orange: only the reddish pixels, the lettering's shadows stay
        if (g < r && b < r) {
            b = Round(0.7 * std::min(b, g));
            g = b + Round(0.4 * std::abs(r - b));
        }
        break;
    case 3: // yellow
        g = r;
        break;
    case 4: // green
        std::swap(r, g);
        break;
    case 5: // aqua
        g = b = std::exchange(r, b);
        break;
    case 6: // blue
        std::swap(r, b);
        break;
    case 7: // violet
        b = r;
        break;
    default:
        break;
    }
    return qRgba(r, g, b, qAlpha(pixel));
}

QImage TintTitle(const QImage& picture, int variant) {
    if (picture.isNull() || variant < 2 || variant > TitleVariants)
        return picture;
    QImage tinted = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < tinted.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(tinted.scanLine(y));
        std::transform(line, line + tinted.width(), line,
                       [variant](QRgb pixel) { return TintTitlePixel(pixel, variant); });
    }
    return tinted;
}

} // namespace tavlira
