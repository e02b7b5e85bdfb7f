#include "Canvas.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>

namespace tavlira {

QImage Blank(QSize base, double scale) {
    QImage picture(base * scale, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    return picture;
}

void Begin(QPainter& painter, double scale) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
}

QImage OnColourKey(const QImage& picture) {
    const QImage straight = picture.convertToFormat(QImage::Format_ARGB32);
    QImage keyed(straight.size(), QImage::Format_RGB32);
    for (int y = 0; y < straight.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < straight.width(); ++x)
            to[x] = qAlpha(from[x]) >= 128 ? (from[x] | 0xff000000u) : kColourKey.rgb();
    }
    return keyed;
}

QPainterPath FitInBox(const QPainterPath& path, const QRectF& box) {
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty())
        return path;
    const double scale = std::min({1.0, box.width() / ink.width(), box.height() / ink.height()});
    QTransform place;
    place.translate(box.center().x(), box.center().y());
    place.scale(scale, scale);
    place.translate(-ink.center().x(), -ink.center().y());
    return place.map(path);
}

QPainterPath TextInBox(const QString& text, const QFont& font, const QRectF& box) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    return FitInBox(path, box);
}

QFont CaptionFont(const QString& text, int pixelSize) {
    // CJK ideographs and punctuation start at U+2E80.
    const bool ideographs =
        std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x2E80; });
    QFont font(ideographs ? "WenQuanYi Micro Hei" : "DejaVu Serif");
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

QLinearGradient Gilt(QPointF from, QPointF to, const QColor& metal) {
    QLinearGradient gilt(from, to);
    gilt.setColorAt(0, metal.lighter(150));
    gilt.setColorAt(0.45, metal);
    gilt.setColorAt(0.55, metal.darker(115));
    gilt.setColorAt(1, metal.darker(170));
    return gilt;
}

void DrawCardFace(QPainter& p, const QRectF& card, const QString& rank, QChar suit) {
    const bool red = suit == kHeart || suit == kDiamond;
    const QColor ink = red ? QColor(200, 20, 30) : QColor(20, 20, 30);
    const double radius = card.width() * 0.1;
    p.setPen(QPen(QColor(90, 90, 90), std::max(0.6, card.width() / 40)));
    p.setBrush(QColor(252, 250, 244));
    p.drawRoundedRect(card, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    QFont index("DejaVu Sans");
    index.setBold(true);
    index.setPixelSize(std::max(4, qRound(card.width() * 0.24)));
    const QRectF corner(card.left() + card.width() * 0.06, card.top() + card.height() * 0.04,
                        card.width() * 0.28, card.height() * 0.2);
    p.drawPath(TextInBox(rank, index, corner));
    p.drawPath(TextInBox(QString(suit), index,
                         corner.translated(0, corner.height() * 0.85).adjusted(0, 0, 0, -2)));
    QFont pip("DejaVu Sans");
    pip.setPixelSize(qRound(card.height() * 0.5));
    const QRectF middle(card.center().x() - card.width() * 0.3,
                        card.center().y() - card.height() * 0.22, card.width() * 0.6,
                        card.height() * 0.44);
    p.drawPath(TextInBox(QString(suit), pip, middle));
}

} // namespace tavlira
