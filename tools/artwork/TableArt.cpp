#include "TableArt.h"

#include "Canvas.h"
#include "ui/artwork/PictureNames.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <functional>
#include <random>

namespace tavlira {
namespace {

// "FonG", the gradient background of design 2 in green: a lit centre fading
// into darker edges with a faint felt grain. The grain comes from a fixed
// seed so every build makes the same picture.
QImage Background(QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    QRadialGradient light(QPointF(size.width() / 2.0, size.height() * 0.45), size.width() * 0.62);
    light.setColorAt(0, QColor(46, 150, 70));
    light.setColorAt(0.6, QColor(24, 112, 46));
    light.setColorAt(1, QColor(10, 66, 26));
    painter.fillRect(picture.rect(), light);
    painter.end();
    std::mt19937 grain(20250101);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const int shift = static_cast<int>(grain() % 7) - 3;
            const QRgb pixel = line[x];
            line[x] = qRgb(std::clamp(qRed(pixel) + shift, 0, 255),
                           std::clamp(qGreen(pixel) + shift, 0, 255),
                           std::clamp(qBlue(pixel) + shift, 0, 255));
        }
    }
    return picture;
}

// The light under a table slot: it is stretched over the card cell plus
// about 10 base pixels around it, so it is designed for the largest cell
// (146 x 198 with a 21-pixel margin). An empty slot shows it alone: a softly
// lit place with a bright rim where the card's edge lies.
QImage SlotGlow(const QColor& colour) {
    constexpr int kMargin = 21;
    const QSize size(146 + 2 * kMargin, 198 + 2 * kMargin);
    const QRectF cell(kMargin, kMargin, 146, 198);
    QImage picture(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double px = x + 0.5;
            const double py = y + 0.5;
            const double dx = std::max({cell.left() - px, 0.0, px - cell.right()});
            const double dy = std::max({cell.top() - py, 0.0, py - cell.bottom()});
            const double outside = std::hypot(dx, dy);
            const double inside = std::min(
                {px - cell.left(), cell.right() - px, py - cell.top(), cell.bottom() - py});
            double strength;
            if (outside > 0)
                strength = std::pow(std::max(0.0, 1 - outside / kMargin), 2);
            else
                strength = 0.12 + 0.88 * std::pow(std::max(0.0, 1 - inside / 14), 2);
            const int alpha = qRound(210 * strength);
            line[x] = qRgba(colour.red(), colour.green(), colour.blue(), alpha);
        }
    }
    return picture;
}

// A rounded plate with a gilt rim and a cream face: the frame of the game
// counter, the player panels and the chat panel, and the deck label.
QImage Plate(QSize base, double scale, const QColor& rim, const QColor& face) {
    QImage picture = Blank(base, scale);
    QPainter p(&picture);
    Begin(p, scale);
    const QRectF outer = QRectF(QPointF(0, 0), base).adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = std::min(8.0, base.height() / 3.0);
    QLinearGradient gilt(outer.topLeft(), outer.bottomLeft());
    gilt.setColorAt(0, rim.lighter(150));
    gilt.setColorAt(0.5, rim);
    gilt.setColorAt(1, rim.darker(160));
    p.setPen(QPen(rim.darker(220), 1));
    p.setBrush(gilt);
    p.drawRoundedRect(outer, radius, radius);
    const double border = base.height() > 40 ? 4 : 2.5;
    const QRectF inner = outer.adjusted(border, border, -border, -border);
    QLinearGradient paper(inner.topLeft(), inner.bottomLeft());
    paper.setColorAt(0, face.lighter(106));
    paper.setColorAt(1, face.darker(108));
    p.setPen(QPen(rim.darker(180), 0.8));
    p.setBrush(paper);
    p.drawRoundedRect(inner, radius - border / 2, radius - border / 2);
    p.end();
    return picture;
}

// A glossy ribbon for white banner text.
QImage Banner(const QColor& colour, double scale) {
    const QSize base(160, 20);
    QImage picture = Blank(base, scale);
    QPainter p(&picture);
    Begin(p, scale);
    const QRectF ribbon = QRectF(QPointF(0, 0), base).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient body(ribbon.topLeft(), ribbon.bottomLeft());
    body.setColorAt(0, colour.lighter(145));
    body.setColorAt(0.45, colour);
    body.setColorAt(1, colour.darker(150));
    p.setPen(QPen(colour.darker(230), 1));
    p.setBrush(body);
    p.drawRoundedRect(ribbon, 9.5, 9.5);
    QLinearGradient gloss(ribbon.topLeft(), QPointF(ribbon.left(), ribbon.center().y()));
    gloss.setColorAt(0, QColor(255, 255, 255, 110));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(ribbon.adjusted(6, 1.5, -6, -ribbon.height() / 2), 5, 5);
    p.end();
    return picture;
}

// A right-pointing hand in a cuff, on a 30 x 20 design grid.
QImage PointingHand(double scale) {
    QImage picture = Blank(QSize(30, 20), scale);
    QPainter p(&picture);
    Begin(p, scale);
    const QColor skin(255, 214, 170);
    const QPen outline(QColor(110, 60, 30), 0.9);
    p.setPen(outline);
    p.setBrush(QColor(40, 80, 170));
    p.drawRoundedRect(QRectF(0.8, 5.5, 6.5, 12), 1.5, 1.5);
    p.setBrush(QColor(245, 245, 245));
    p.drawRect(QRectF(6.2, 6.5, 2.2, 10));
    QPainterPath hand;
    hand.setFillRule(Qt::WindingFill);
    hand.addRoundedRect(QRectF(8, 8, 10.5, 10.5), 3, 3);
    hand.addRoundedRect(QRectF(12, 8, 17, 3.6), 1.8, 1.8);
    p.setBrush(skin);
    p.drawPath(hand.simplified());
    // The thumb is tucked under the pointing finger, the other fingers curled
    // below it.
    p.drawRoundedRect(QRectF(9.2, 11.2, 7.5, 2.6), 1.3, 1.3);
    for (double y : {13.9, 16.1})
        p.drawRoundedRect(QRectF(14.2, y, 4.8, 2.2), 1.1, 1.1);
    p.end();
    return picture;
}

// The face of a move clock: a disc with twelve ticks; the digits are written
// over it in a contrasting colour.
QImage ClockFace(const QColor& colour) {
    QImage picture = Blank(QSize(50, 50), 1);
    QPainter p(&picture);
    Begin(p, 1);
    QRadialGradient body(QPointF(20, 18), 30);
    body.setColorAt(0, colour.lighter(135));
    body.setColorAt(1, colour.darker(125));
    p.setPen(QPen(colour.darker(250), 2));
    p.setBrush(body);
    p.drawEllipse(QRectF(2, 2, 46, 46));
    p.setPen(QPen(colour.darker(250), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.translate(25, 25);
    for (int tick = 0; tick < 12; ++tick) {
        p.drawLine(QPointF(0, -19.5), QPointF(0, tick % 3 == 0 ? -15.5 : -17.5));
        p.rotate(30);
    }
    p.end();
    return picture;
}

bool AddBothSizes(ResourceWriter& out, const QString& small, const QString& large,
                  const std::function<QImage(double scale)>& draw) {
    return out.Add(ResourceType::RcData, small, draw(1)) &&
           out.Add(ResourceType::RcData, large, draw(2));
}

} // namespace

bool WriteTableArt(ResourceWriter& out) {
    const QColor gold(196, 150, 40);
    const QColor cream(250, 243, 218);
    struct Frame {
        const char* stem;
        QSize base;
        QColor rim;
    };
    // Game counter, player panels, chat panel: "Sm" at base size, "Bg" doubled.
    const std::array<Frame, 3> frames = {{{"RamkaCB", {130, 60}, gold},
                                          {"RamkaCG", {130, 60}, QColor(60, 130, 70)},
                                          {"RamkaER", {130, 90}, QColor(150, 60, 50)}}};
    for (const Frame& frame : frames) {
        if (!AddBothSizes(out, QString(frame.stem) + "Sm", QString(frame.stem) + "Bg",
                          [&](double scale) { return Plate(frame.base, scale, frame.rim, cream); }))
            return false;
    }
    const std::array<std::pair<const char*, QColor>, 5> banners = {{
        {"SPBlue", QColor(30, 80, 200)},
        {"SPGreen", QColor(20, 140, 50)},
        {"SPRed", QColor(200, 30, 30)},
        {"SPYellow", QColor(205, 150, 0)},
        {"SPFiolet", QColor(130, 40, 170)},
    }};
    for (const auto& [name, colour] : banners) {
        if (!AddBothSizes(out, name, QString(name) + 'B',
                          [&shade = colour](double scale) { return Banner(shade, scale); }))
            return false;
    }
    const bool tableDone =
        AddBothSizes(out, "GKolodaSmall", "GKolodaSmallB",
                     [&](double scale) {
                         return Plate(QSize(58, 25), scale, gold, QColor(255, 250, 200));
                     }) &&
        out.Add(ResourceType::RcData, "LightY", SlotGlow(QColor(255, 226, 60))) &&
        out.Add(ResourceType::RcData, "LightR", SlotGlow(QColor(255, 60, 40))) &&
        out.Add(ResourceType::RcData, "Hand_Right", PointingHand(2)) &&
        // The 30 x 20 hand of the smallest window, as a bitmap of the same name.
        out.Add(ResourceType::Bitmap, "Hand_Right", PointingHand(1)) &&
        out.Add(ResourceType::RcData, "GTimerY", ClockFace(QColor(250, 206, 40))) &&
        out.Add(ResourceType::RcData, "GTimerR", ClockFace(QColor(214, 36, 30)));
    if (!tableDone)
        return false;
    for (int windowSize : {1, 5}) {
        const QSize size = windowSize == 1 ? QSize(760, 500) : QSize(1520, 1000);
        const QString name = QString::fromStdString(BackgroundName(2, 0, windowSize));
        if (!out.Add(ResourceType::Jpeg, name, Background(size)))
            return false;
    }
    return true;
}

} // namespace tavlira
