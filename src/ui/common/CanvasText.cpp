#include "ui/common/CanvasText.h"

#include <QFontMetrics>

namespace tavlira {

void DrawAligned(QPainter& painter, const QString& text, int left, int right, int top,
                 TextAlign align) {
    const QFontMetrics metrics(painter.font());
    const int width = metrics.horizontalAdvance(text);
    int x = left;
    if (align == TextAlign::Centre)
        x = left + (right - left - width) / 2;
    else if (align == TextAlign::Right)
        x = right - width;
    painter.drawText(QPoint(x, top + metrics.ascent()), text);
}

void DrawCentred(QPainter& painter, const QString& text, int left, int right, int top) {
    DrawAligned(painter, text, left, right, top, TextAlign::Centre);
}

void DrawRightAligned(QPainter& painter, const QString& text, int right, int top) {
    DrawAligned(painter, text, right, right, top, TextAlign::Right);
}

QColor HalfIntensity(const QColor& colour) {
    return QColor(colour.red() / 2, colour.green() / 2, colour.blue() / 2, colour.alpha());
}

void DrawWithShadow(QPainter& painter, const QString& text, const QColor& colour, int left,
                    int right, int top, TextAlign align) {
    painter.save();
    painter.setPen(HalfIntensity(colour));
    DrawAligned(painter, text, left + 1, right + 1, top + 1, align);
    painter.setPen(colour);
    DrawAligned(painter, text, left, right, top, align);
    painter.restore();
}

} // namespace tavlira
