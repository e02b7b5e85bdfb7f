#include "OptionsArt.h"

#include "Canvas.h"

#include <QPainterPath>
#include <cmath>
#include <functional>
#include <numbers>

namespace tavlira {
namespace {

constexpr QSize FlagSize(100, 68);
constexpr int CursorSize = 32;
const QColor CursorRed(220, 20, 20);
const QColor CursorRim(60, 0, 0);

QImage Flag(const std::function<void(QPainter&, QRectF)>& draw) {
    QImage picture(FlagSize, QImage::Format_RGB32);
    QPainter p(&picture);
    Begin(p);
    const QRectF area(QPointF(0, 0), FlagSize);
    draw(p, area);
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area.adjusted(1, 1, -1, -1));
    return picture;
}

// Bands across (`across`) or down the flag, in order.
QImage Bands(std::initializer_list<QColor> colours, bool across) {
    return Flag([colours, across](QPainter& p, QRectF area) {
        const double n = static_cast<double>(colours.size());
        int i = 0;
        for (const QColor& colour : colours) {
            const QRectF band =
                across ? QRectF(0, area.height() * i / n, area.width(), area.height() / n + 1)
                       : QRectF(area.width() * i / n, 0, area.width() / n + 1, area.height());
            p.fillRect(band, colour);
            ++i;
        }
    });
}

QPainterPath Star(QPointF centre, double radius) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? radius : radius * 0.4;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF point(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    return star;
}

QImage English() {
    return Flag([](QPainter& p, QRectF area) {
        p.fillRect(area, QColor(1, 33, 105));
        p.setPen(QPen(Qt::white, 14));
        p.drawLine(area.topLeft(), area.bottomRight());
        p.drawLine(area.bottomLeft(), area.topRight());
        p.setPen(QPen(QColor(200, 16, 46), 5));
        p.drawLine(area.topLeft(), area.bottomRight());
        p.drawLine(area.bottomLeft(), area.topRight());
        const QPointF c = area.center();
        p.fillRect(QRectF(c.x() - 11, 0, 22, area.height()), Qt::white);
        p.fillRect(QRectF(0, c.y() - 11, area.width(), 22), Qt::white);
        p.fillRect(QRectF(c.x() - 7, 0, 14, area.height()), QColor(200, 16, 46));
        p.fillRect(QRectF(0, c.y() - 7, area.width(), 14), QColor(200, 16, 46));
    });
}

QImage Chinese() {
    return Flag([](QPainter& p, QRectF area) {
        p.fillRect(area, QColor(222, 41, 16));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 222, 0));
        p.drawPath(Star({17, 17}, 11));
        for (const QPointF& small :
             {QPointF(34, 7), QPointF(40, 14), QPointF(40, 24), QPointF(34, 31)})
            p.drawPath(Star(small, 4));
    });
}

QImage Czech() {
    return Flag([](QPainter& p, QRectF area) {
        p.fillRect(QRectF(0, 0, area.width(), area.height() / 2), Qt::white);
        p.fillRect(QRectF(0, area.height() / 2, area.width(), area.height() / 2),
                   QColor(215, 20, 26));
        QPainterPath wedge;
        wedge.moveTo(0, 0);
        wedge.lineTo(area.width() / 2, area.height() / 2);
        wedge.lineTo(0, area.height());
        wedge.closeSubpath();
        p.fillPath(wedge, QColor(17, 69, 126));
    });
}

QImage Japanese() {
    return Flag([](QPainter& p, QRectF area) {
        p.fillRect(area, Qt::white);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(188, 0, 45));
        p.drawEllipse(area.center(), 20, 20);
    });
}

QImage Korean() {
    return Flag([](QPainter& p, QRectF area) {
        p.fillRect(area, Qt::white);
        const QPointF c = area.center();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(205, 46, 58));
        p.drawPie(QRectF(c.x() - 17, c.y() - 17, 34, 34), 0, 180 * 16);
        p.setBrush(QColor(0, 71, 160));
        p.drawPie(QRectF(c.x() - 17, c.y() - 17, 34, 34), 180 * 16, 180 * 16);
        p.setPen(QPen(Qt::black, 3));
        for (const QPointF& corner :
             {QPointF(14, 12), QPointF(86, 12), QPointF(14, 56), QPointF(86, 56)})
            for (int bar = -4; bar <= 4; bar += 4)
                p.drawLine(corner + QPointF(-6, bar), corner + QPointF(6, bar));
    });
}

// --- Cursors

QImage Frames(int count, const std::function<void(QPainter&, int frame)>& draw) {
    QImage strip = Blank(QSize(CursorSize * count, CursorSize));
    QPainter p(&strip);
    Begin(p);
    for (int frame = 0; frame < count; ++frame) {
        p.save();
        p.translate(frame * CursorSize, 0);
        draw(p, frame);
        p.restore();
    }
    return strip;
}

void Arrow(QPainter& p, QColor body) {
    QPainterPath arrow;
    arrow.moveTo(1, 1);
    arrow.lineTo(1, 23);
    arrow.lineTo(7, 18);
    arrow.lineTo(11, 28);
    arrow.lineTo(15, 26);
    arrow.lineTo(11, 17);
    arrow.lineTo(19, 17);
    arrow.closeSubpath();
    p.setPen(QPen(CursorRim, 1.5));
    p.setBrush(body);
    p.drawPath(arrow);
}

// A pointing hand whose finger taps: the hot spot is the fingertip at
// (12, 1) in the resting frame.
void Hand(QPainter& p, int frame) {
    const double dip = frame == 1 || frame == 3 ? 1 : frame == 2 ? 2 : 0;
    p.setPen(QPen(CursorRim, 1.5));
    p.setBrush(CursorRed);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(9, 1 + dip, 6, 16), 3, 3);
    hand.addRoundedRect(QRectF(6, 13, 20, 17), 5, 5);
    p.drawPath(hand.simplified());
    p.setPen(QPen(CursorRim, 1));
    for (double x : {15.0, 19.0, 23.0})
        p.drawLine(QPointF(x, 14), QPointF(x, 19));
}

// A ring of eight dots, the bright one going round.
void Wait(QPainter& p, int frame) {
    p.setPen(Qt::NoPen);
    for (int dot = 0; dot < 8; ++dot) {
        const double a = dot * std::numbers::pi / 4;
        const int age = (frame - dot + 8) % 8;
        QColor colour = CursorRed;
        colour.setAlpha(255 - age * 28);
        p.setBrush(colour);
        p.drawEllipse(QPointF(16 + 11 * std::cos(a), 16 + 11 * std::sin(a)), 3.5, 3.5);
    }
}

// A text bar that glows and fades.
void Edit(QPainter& p, int frame) {
    QColor colour = CursorRed;
    colour.setAlpha(frame == 0 ? 255 : 150);
    p.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 6), QPointF(16, 26));
    p.drawLine(QPointF(11, 5), QPointF(21, 5));
    p.drawLine(QPointF(11, 27), QPointF(21, 27));
}

} // namespace

bool WriteOptionsArt(ResourceWriter& out) {
    const std::pair<const char*, QImage> flags[] = {
        {"FlagOEng", English()},
        {"FlagORus", Bands({Qt::white, QColor(0, 57, 166), QColor(213, 43, 30)}, true)},
        {"FlagODeu", Bands({Qt::black, QColor(221, 0, 0), QColor(255, 206, 0)}, true)},
        {"FlagOFra", Bands({QColor(0, 35, 149), Qt::white, QColor(237, 41, 57)}, false)},
        {"FlagOSpa",
         Bands({QColor(170, 21, 27), QColor(241, 191, 0), QColor(241, 191, 0), QColor(170, 21, 27)},
               true)},
        {"FlagOChi", Chinese()},
        {"FlagOIta", Bands({QColor(0, 146, 70), Qt::white, QColor(206, 43, 55)}, false)},
        {"FlagOCze", Czech()},
        {"FlagOJap", Japanese()},
        {"FlagOKor", Korean()},
    };
    for (const auto& [name, picture] : flags)
        if (!out.Add(ResourceType::RcData, name, picture))
            return false;
    return out.Add(ResourceType::RcData, "CURARROW",
                   Frames(1, [](QPainter& p, int) { Arrow(p, CursorRed); })) &&
           out.Add(ResourceType::RcData, "CURHAND", Frames(4, Hand)) &&
           out.Add(ResourceType::RcData, "CURWAIT", Frames(8, Wait)) &&
           out.Add(ResourceType::RcData, "CUREDIT", Frames(2, Edit));
}

} // namespace tavlira
