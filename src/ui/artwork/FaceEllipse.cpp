#include "ui/artwork/FaceEllipse.h"

#include <algorithm>

namespace tavlira {

QRect FaceEllipseBox(bool smallFace, bool wideDeck) {
    if (smallFace)
        return QRect(QPoint(10, 10), QPoint(83, 58));
    return QRect(QPoint(10, 10), QPoint(187, wideDeck ? 135 : 115));
}

void InvertEllipse(QImage& picture, const QRect& box) {
    if (picture.isNull() || box.isEmpty())
        return;
    // Straight (not premultiplied) colours, so that NOT of a colour is exact.
    if (picture.format() != QImage::Format_ARGB32 && picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                    : QImage::Format_RGB32);
    // Pixel centres are tested against the ellipse in doubles: the same
    // pixels every time, whichever side inverts.
    const double cx = box.x() + box.width() / 2.0;
    const double cy = box.y() + box.height() / 2.0;
    const double rx = box.width() / 2.0;
    const double ry = box.height() / 2.0;
    const int top = std::max(box.top(), 0);
    const int bottom = std::min(box.bottom(), picture.height() - 1);
    for (int y = top; y <= bottom; ++y) {
        const double dy = (y + 0.5 - cy) / ry;
        const double reach = 1.0 - dy * dy;
        if (reach < 0)
            continue;
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = std::max(box.left(), 0); x <= std::min(box.right(), picture.width() - 1);
             ++x) {
            const double dx = (x + 0.5 - cx) / rx;
            if (dx * dx <= reach)
                line[x] ^= RGB_MASK;
        }
    }
}

} // namespace tavlira
