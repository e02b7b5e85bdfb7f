#include "ui/controls/FittedFont.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace tavlira {

QFont FittedFont(QFont font, const QString& text, int width, int flags) {
    const auto textWidth = [&](const QFont& f) {
        return QFontMetrics(f).size(flags | Qt::TextSingleLine, text).width();
    };
    const bool pixels = font.pixelSize() > 0;
    const double original = pixels ? font.pixelSize() : font.pointSizeF();
    const auto sized = [&](double size) {
        QFont f = font;
        if (pixels)
            f.setPixelSize(static_cast<int>(size));
        else
            f.setPointSizeF(size);
        return f;
    };
    // Text width grows about in step with the size: start from that guess,
    // step down while rounding still leaves the text too wide, and take back
    // a step the guess may have overshot.
    double size = original;
    for (int now = textWidth(font); now > width && size > 1; now = textWidth(sized(size)))
        size = std::max(1.0, std::min(size - 1, std::floor(size * std::max(width, 0) / now)));
    while (size + 1 < original && textWidth(sized(size + 1)) <= width)
        ++size;
    return size == original ? font : sized(size);
}

} // namespace tavlira
