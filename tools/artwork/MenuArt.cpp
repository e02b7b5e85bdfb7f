#include "MenuArt.h"

#include "Canvas.h"
#include "Lettering.h"
#include "i18n/Words.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>

namespace tavlira {
namespace {

// "Logo": a gilt medallion with two cards leaning on each other, the two
// players of the game.
QImage Logo() {
    QImage picture = Blank({64, 64});
    QPainter p(&picture);
    Begin(p);
    p.setPen(QPen(QColor(90, 60, 10), 1));
    p.setBrush(Gilt({0, 0}, {0, 64}, kGold));
    p.drawEllipse(QRectF(1, 1, 62, 62));
    QRadialGradient felt(QPointF(28, 24), 30);
    felt.setColorAt(0, QColor(40, 130, 70));
    felt.setColorAt(1, QColor(10, 60, 30));
    p.setBrush(felt);
    p.setPen(QPen(QColor(110, 80, 20), 1));
    p.drawEllipse(QRectF(6, 6, 52, 52));
    const std::array<std::tuple<double, double, QString, QChar>, 2> cards = {
        {{-16, 24.5, "A", kSpade}, {14, 39.5, "A", kHeart}}};
    for (const auto& [angle, x, rank, suit] : cards) {
        p.save();
        p.translate(x, 36);
        p.rotate(angle);
        DrawCardFace(p, QRectF(-10, -14, 20, 28), rank, suit);
        p.restore();
    }
    return picture;
}

// "GTitle": a framed plate of dark red velvet with a gilt moulding and
// rosettes in the corners.
QImage TitlePlate() {
    const QSize size(600, 160);
    QImage picture = Blank(size);
    QPainter p(&picture);
    Begin(p);
    const QRectF outer(1, 1, 598, 158);
    p.setPen(QPen(QColor(80, 50, 10), 2));
    p.setBrush(Gilt(outer.topLeft(), outer.bottomLeft(), kGold));
    p.drawRoundedRect(outer, 14, 14);
    const QRectF velvet = outer.adjusted(14, 14, -14, -14);
    QRadialGradient cloth(velvet.center(), velvet.width() * 0.55);
    cloth.setColorAt(0, QColor(150, 24, 36));
    cloth.setColorAt(1, QColor(70, 6, 16));
    p.setPen(QPen(QColor(90, 60, 10), 2));
    p.setBrush(cloth);
    p.drawRoundedRect(velvet, 8, 8);
    // A faint diamond pattern woven into the velvet.
    p.save();
    p.setClipRect(velvet.adjusted(2, 2, -2, -2));
    p.setPen(QPen(QColor(255, 200, 120, 26), 1));
    for (double x = velvet.left() - velvet.height(); x < velvet.right(); x += 16) {
        p.drawLine(QPointF(x, velvet.top()), QPointF(x + velvet.height(), velvet.bottom()));
        p.drawLine(QPointF(x, velvet.bottom()), QPointF(x + velvet.height(), velvet.top()));
    }
    p.restore();
    p.setPen(QPen(QColor(255, 230, 150, 140), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(velvet.adjusted(5, 5, -5, -5), 5, 5);
    for (QPointF corner :
         {velvet.topLeft(), velvet.topRight(), velvet.bottomLeft(), velvet.bottomRight()}) {
        QRadialGradient boss(corner - QPointF(2, 2), 9);
        boss.setColorAt(0, QColor(255, 240, 180));
        boss.setColorAt(1, kGold.darker(140));
        p.setPen(QPen(QColor(90, 60, 10), 1));
        p.setBrush(boss);
        p.drawEllipse(corner, 8, 8);
    }
    return picture;
}

// A caption of the menu in red (the menu tints it), with a thin flourish
// under the text.
QImage RedCaption(QSize size, const QString& text) {
    QImage picture = Blank(size);
    QPainter p(&picture);
    Begin(p);
    const double h = size.height();
    const double w = size.width();
    DrawRedLettering(p, QRectF(w * 0.04, 2, w * 0.92, h * 0.78), text);
    QPainterPath flourish;
    flourish.moveTo(w * 0.18, h * 0.88);
    flourish.cubicTo(w * 0.35, h * 0.80, w * 0.42, h * 0.96, w * 0.5, h * 0.86);
    flourish.cubicTo(w * 0.58, h * 0.96, w * 0.65, h * 0.80, w * 0.82, h * 0.88);
    p.setPen(QPen(QColor(92, 0, 0), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(flourish);
    p.setPen(QPen(QColor(230, 40, 30), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(flourish);
    p.setBrush(QColor(220, 30, 20));
    p.setPen(QPen(QColor(92, 0, 0), 1.5));
    p.drawEllipse(QPointF(w * 0.5, h * 0.9), h * 0.04, h * 0.04);
    return picture;
}

// The candelabrum: three candles on a bronze stand. The flames burn at
// (16, 15), (41, 1) and (66, 15), 20 x 30 each, so the wicks stand at the
// bottom middle of those places.
QImage Candelabrum() {
    QImage picture = Blank({100, 200});
    QPainter p(&picture);
    Begin(p);
    const QPen rim(QColor(70, 40, 10), 1.2);
    const QLinearGradient bronze = Gilt({0, 0}, {100, 0}, kBronze);
    // The arms sweep from the stem up to the outer cups.
    QPainterPath arms;
    arms.moveTo(26, 76);
    arms.cubicTo(26, 110, 50, 112, 50, 100);
    arms.cubicTo(50, 112, 74, 110, 74, 76);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 40, 10), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arms);
    p.setPen(QPen(bronze, 4.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arms);
    p.setPen(rim);
    p.setBrush(bronze);
    // The stem with its knops and the base.
    p.drawRect(QRectF(46, 62, 8, 112));
    for (double y : {96.0, 126.0, 150.0})
        p.drawEllipse(QRectF(41, y, 18, 10));
    QPainterPath base;
    base.moveTo(50, 166);
    base.cubicTo(60, 176, 80, 182, 82, 192);
    base.lineTo(18, 192);
    base.cubicTo(20, 182, 40, 176, 50, 166);
    p.drawPath(base);
    p.drawRoundedRect(QRectF(14, 190, 72, 8), 3, 3);
    // Cups and candles.
    struct Candle {
        double x;
        double top;
    };
    for (const Candle candle : {Candle{26, 44}, Candle{51, 30}, Candle{76, 44}}) {
        const double bottom = candle.x == 51 ? 66 : 78;
        QLinearGradient wax(candle.x - 5, 0, candle.x + 5, 0);
        wax.setColorAt(0, QColor(236, 224, 196));
        wax.setColorAt(0.4, QColor(255, 250, 236));
        wax.setColorAt(1, QColor(200, 184, 150));
        p.setPen(QPen(QColor(150, 130, 100), 0.8));
        p.setBrush(wax);
        p.drawRect(QRectF(candle.x - 5, candle.top, 10, bottom - candle.top));
        // A drip of wax down the side.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 244, 226));
        p.drawRoundedRect(QRectF(candle.x + 1.5, candle.top, 2.6, 9), 1.3, 1.3);
        p.setPen(rim);
        p.setBrush(bronze);
        QPainterPath cup;
        cup.moveTo(candle.x - 10, bottom - 2);
        cup.lineTo(candle.x + 10, bottom - 2);
        cup.cubicTo(candle.x + 9, bottom + 6, candle.x + 3, bottom + 8, candle.x + 3, bottom + 10);
        cup.lineTo(candle.x - 3, bottom + 10);
        cup.cubicTo(candle.x - 3, bottom + 8, candle.x - 9, bottom + 6, candle.x - 10, bottom - 2);
        p.drawPath(cup);
    }
    p.end();
    return OnColourKey(picture);
}

// One flame frame: a teardrop leaning and stretching by the frame's phase,
// orange outside, yellow inside, a white heart and a blue foot on the wick.
QImage Flame(int frame) {
    QImage picture = Blank({20, 30});
    QPainter p(&picture);
    Begin(p);
    constexpr std::array<double, 6> kLean = {0, 1.6, 2.4, 0.8, -1.2, -2.2};
    constexpr std::array<double, 6> kHeight = {21, 23, 20, 24, 22, 21.5};
    constexpr std::array<double, 6> kWidth = {6.6, 6.2, 7.0, 6.0, 6.4, 6.8};
    const auto f = static_cast<size_t>(frame);
    const double baseY = 28.5;
    auto drop = [&](double scale) {
        const double w = kWidth[f] * scale;
        const double tipY = baseY - kHeight[f] * scale;
        const double lean = kLean[f] * scale;
        QPainterPath path;
        path.moveTo(10 + lean, tipY);
        path.cubicTo(10 + lean * 0.4 + w * 0.5, tipY + (baseY - tipY) * 0.45, 10 + w * 1.05,
                     baseY - w * 1.2, 10, baseY);
        path.cubicTo(10 - w * 1.05, baseY - w * 1.2, 10 + lean * 0.4 - w * 0.5,
                     tipY + (baseY - tipY) * 0.45, 10 + lean, tipY);
        return path;
    };
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(238, 110, 20));
    p.drawPath(drop(1));
    p.setBrush(QColor(255, 196, 40));
    p.drawPath(drop(0.72).translated(0, -0.4));
    p.setBrush(QColor(255, 250, 214));
    p.drawPath(drop(0.42).translated(0, -1));
    p.setBrush(QColor(70, 110, 230));
    p.drawEllipse(QRectF(8.2, 26.2, 3.6, 2.6));
    p.setPen(QPen(QColor(40, 30, 20), 1.2));
    p.drawLine(QPointF(10, 27.5), QPointF(10, 30));
    p.end();
    return OnColourKey(picture);
}

// "GClockBG": a dark glass face in a brushed steel bezel.
QImage ClockBackground() {
    QImage picture = Blank({115, 64});
    QPainter p(&picture);
    Begin(p);
    QLinearGradient steel(0, 0, 0, 64);
    steel.setColorAt(0, QColor(220, 224, 230));
    steel.setColorAt(0.5, QColor(140, 146, 156));
    steel.setColorAt(1, QColor(80, 84, 92));
    p.setPen(QPen(QColor(40, 40, 46), 1));
    p.setBrush(steel);
    p.drawRoundedRect(QRectF(0.5, 0.5, 114, 63), 9, 9);
    QLinearGradient glass(0, 5, 0, 59);
    glass.setColorAt(0, QColor(30, 36, 52));
    glass.setColorAt(1, QColor(6, 8, 14));
    p.setBrush(glass);
    p.setPen(QPen(QColor(20, 20, 24), 1));
    p.drawRoundedRect(QRectF(5, 5, 105, 54), 6, 6);
    QLinearGradient gloss(0, 5, 0, 30);
    gloss.setColorAt(0, QColor(255, 255, 255, 60));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(QRectF(8, 6.5, 99, 22), 5, 5);
    return picture;
}

// The seven segments of an LED digit in an 18 x 40 cell, in the usual order
// a (top), b, c (right), d (bottom), e, f (left), g (middle).
QPolygonF Segment(int segment) {
    const double t = 3.2; // thickness
    const double l = 2.5, r = 15.5, top = 3.5, mid = 20, bottom = 36.5;
    auto horizontal = [&](double y) {
        return QPolygonF({{l + 1.2, y},
                          {l + t, y - t / 2},
                          {r - t, y - t / 2},
                          {r - 1.2, y},
                          {r - t, y + t / 2},
                          {l + t, y + t / 2}});
    };
    auto vertical = [&](double x, double y0, double y1) {
        return QPolygonF({{x, y0 + 1.2},
                          {x + t / 2, y0 + t},
                          {x + t / 2, y1 - t},
                          {x, y1 - 1.2},
                          {x - t / 2, y1 - t},
                          {x - t / 2, y0 + t}});
    };
    switch (segment) {
    case 0:
        return horizontal(top);
    case 1:
        return vertical(r, top, mid);
    case 2:
        return vertical(r, mid, bottom);
    case 3:
        return horizontal(bottom);
    case 4:
        return vertical(l, mid, bottom);
    case 5:
        return vertical(l, top, mid);
    default:
        return horizontal(mid);
    }
}

// Lit segments of the digits 0..9 and of the minus sign (index 10).
constexpr std::array<const char*, 11> kLitSegments = {
    "abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg", "abcdfg", "g"};

QImage LedDigit(int digit, const QColor& colour) {
    QImage picture = Blank({18, 40});
    QPainter p(&picture);
    Begin(p);
    const QString lit = kLitSegments[static_cast<size_t>(digit)];
    for (int segment = 0; segment < 7; ++segment) {
        const bool on = lit.contains(QChar('a' + segment));
        const QPolygonF shape = Segment(segment);
        if (on) {
            // A soft glow round the lit segment, then the segment with a
            // light core.
            QColor glow = colour;
            glow.setAlpha(70);
            p.setPen(QPen(glow, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(glow);
            p.drawPolygon(shape);
            p.setPen(Qt::NoPen);
            p.setBrush(colour.lighter(125));
        } else {
            QColor off = colour;
            off.setAlpha(28);
            p.setPen(Qt::NoPen);
            p.setBrush(off);
        }
        p.drawPolygon(shape);
    }
    return picture;
}

// The blinking colon of the clock, 3 x 27.
QImage LedColon(const QColor& colour) {
    QImage picture = Blank({3, 27});
    QPainter p(&picture);
    Begin(p);
    p.setPen(Qt::NoPen);
    p.setBrush(colour.lighter(125));
    // Drawn at y = 24 of the clock, the dots sit round the digits' middle.
    p.drawEllipse(QRectF(0, 3, 3, 3));
    p.drawEllipse(QRectF(0, 17, 3, 3));
    return picture;
}

// A glossy round lamp.
QImage Lamp(const QColor& colour) {
    QImage picture = Blank({24, 24});
    QPainter p(&picture);
    Begin(p);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(120, 120, 126));
    p.drawEllipse(QRectF(1, 1, 22, 22));
    QRadialGradient bulb(QPointF(10, 9), 11);
    bulb.setColorAt(0, colour.lighter(160));
    bulb.setColorAt(0.6, colour);
    bulb.setColorAt(1, colour.darker(180));
    p.setPen(Qt::NoPen);
    p.setBrush(bulb);
    p.drawEllipse(QRectF(3, 3, 18, 18));
    QLinearGradient gloss(0, 4, 0, 12);
    gloss.setColorAt(0, QColor(255, 255, 255, 200));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawEllipse(QRectF(7, 4.2, 10, 6.5));
    return picture;
}

// A rounded tile behind an icon, lit from the top.
void Tile(QPainter& p, const QColor& colour) {
    QLinearGradient face(0, 2, 0, 46);
    face.setColorAt(0, colour.lighter(140));
    face.setColorAt(1, colour.darker(140));
    p.setPen(QPen(colour.darker(220), 1.2));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(2, 2, 44, 44), 9, 9);
}

QImage Icon(const std::function<void(QPainter&)>& draw) {
    QImage picture = Blank({48, 48});
    QPainter p(&picture);
    Begin(p);
    draw(p);
    return picture;
}

// A gift box with a ribbon and a bow, for the more-games and support icons.
QImage Gift(const QColor& box, const QColor& ribbon) {
    return Icon([&](QPainter& p) {
        p.setPen(QPen(box.darker(200), 1.2));
        QLinearGradient side(0, 18, 0, 46);
        side.setColorAt(0, box.lighter(130));
        side.setColorAt(1, box.darker(130));
        p.setBrush(side);
        p.drawRect(QRectF(7, 20, 34, 25));
        p.setBrush(box.lighter(115));
        p.drawRect(QRectF(4, 14, 40, 8));
        p.setPen(QPen(ribbon.darker(170), 1));
        p.setBrush(ribbon);
        p.drawRect(QRectF(21, 14, 6, 31));
        for (int side2 : {-1, 1}) {
            QPainterPath loop;
            loop.moveTo(24, 14);
            loop.cubicTo(24 + side2 * 4, 2, 24 + side2 * 18, 4, 24 + side2 * 4, 14);
            p.drawPath(loop);
        }
        p.drawEllipse(QRectF(21.5, 11, 5, 5));
    });
}

void DrawSilhouette(QPainter& p, const QRectF& area, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const double w = area.width();
    p.drawEllipse(QRectF(area.left() + w * 0.34, area.top() + w * 0.1, w * 0.32, w * 0.34));
    QPainterPath shoulders;
    shoulders.moveTo(area.left() + w * 0.16, area.bottom());
    shoulders.cubicTo(area.left() + w * 0.16, area.top() + w * 0.5, area.right() - w * 0.16,
                      area.top() + w * 0.5, area.right() - w * 0.16, area.bottom());
    p.drawPath(shoulders);
}

// A gold coin "Qels": the club's currency. The plain coin carries a number
// written over it at run time.
QImage Coin(bool embossed) {
    QImage picture = Blank({128, 128});
    QPainter p(&picture);
    Begin(p);
    p.setPen(QPen(QColor(110, 70, 0), 2));
    p.setBrush(Gilt({0, 6}, {0, 122}, QColor(226, 176, 40)));
    p.drawEllipse(QRectF(6, 6, 116, 116));
    QRadialGradient field(QPointF(54, 48), 60);
    field.setColorAt(0, QColor(255, 230, 120));
    field.setColorAt(1, QColor(200, 140, 20));
    p.setBrush(field);
    p.setPen(QPen(QColor(150, 100, 10), 1.5));
    p.drawEllipse(QRectF(18, 18, 92, 92));
    // A ring of beads along the rim.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 150));
    for (int bead = 0; bead < 36; ++bead) {
        const double angle = bead * 10 * M_PI / 180;
        p.drawEllipse(QPointF(64 + 52 * std::cos(angle), 64 + 52 * std::sin(angle)), 1.6, 1.6);
    }
    if (embossed) {
        QFont font("DejaVu Serif");
        font.setBold(true);
        font.setPixelSize(64);
        const QPainterPath letter = TextInBox("Q", font, QRectF(34, 30, 60, 66));
        p.setBrush(QColor(150, 96, 0));
        p.drawPath(letter.translated(1.5, 2));
        p.setBrush(QColor(255, 240, 170));
        p.drawPath(letter);
    }
    return picture;
}

// "AdvBar3": the plate of the "Please, wait..." banner, a cream card in a
// gilt frame so the red text on it reads well.
QImage WaitBanner() {
    QImage picture = Blank({350, 80});
    QPainter p(&picture);
    Begin(p);
    p.setPen(QPen(QColor(90, 60, 10), 1.5));
    p.setBrush(Gilt({0, 0}, {0, 80}, kGold));
    p.drawRoundedRect(QRectF(1, 1, 348, 78), 12, 12);
    QLinearGradient paper(0, 8, 0, 72);
    paper.setColorAt(0, QColor(255, 250, 232));
    paper.setColorAt(1, QColor(236, 222, 188));
    p.setBrush(paper);
    p.setPen(QPen(QColor(150, 110, 30), 1));
    p.drawRoundedRect(QRectF(8, 8, 334, 64), 7, 7);
    p.setPen(QPen(QColor(190, 150, 70), 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(12, 12, 326, 56), 5, 5);
    return picture;
}

bool WriteIcons(ResourceWriter& out) {
    const QImage windowIcon = Icon([](QPainter& p) {
        Tile(p, QColor(60, 110, 190));
        p.setPen(QPen(QColor(20, 40, 80), 1));
        p.setBrush(QColor(245, 248, 252));
        p.drawRoundedRect(QRectF(8, 11, 32, 26), 2, 2);
        p.setBrush(QColor(40, 80, 170));
        p.drawRect(QRectF(8, 11, 32, 6));
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 3; ++i) {
            p.setBrush(i == 2 ? QColor(230, 70, 60) : QColor(220, 230, 245));
            p.drawEllipse(QRectF(29 + i * 3.6, 12.6, 2.6, 2.6));
        }
        p.setBrush(QColor(170, 190, 220));
        for (int row = 0; row < 3; ++row)
            p.drawRect(QRectF(11, 20.5 + row * 4.6, row == 2 ? 14 : 24, 2.2));
        p.setPen(QPen(QColor(20, 40, 80), 1));
        p.setBrush(QColor(200, 205, 215));
        p.drawRect(QRectF(20, 37, 8, 4));
        p.drawRoundedRect(QRectF(14, 40.5, 20, 3), 1, 1);
    });
    const QImage robot = Icon([](QPainter& p) {
        Tile(p, QColor(60, 70, 84));
        const QColor green(150, 200, 60);
        p.setPen(QPen(green, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 10), QPointF(19, 15));
        p.drawLine(QPointF(32, 10), QPointF(29, 15));
        p.setPen(QPen(green.darker(160), 1));
        p.setBrush(green);
        p.drawChord(QRectF(10, 13, 28, 26), 0, 180 * 16);
        p.drawRoundedRect(QRectF(10, 28, 28, 13), 3, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 70, 84));
        p.drawEllipse(QRectF(17, 19, 3.6, 3.6));
        p.drawEllipse(QRectF(28, 19, 3.6, 3.6));
        p.drawRect(QRectF(14, 33, 20, 2));
    });
    const QImage account = Icon([](QPainter& p) {
        QRadialGradient disc(QPointF(20, 16), 28);
        disc.setColorAt(0, QColor(120, 170, 240));
        disc.setColorAt(1, QColor(30, 70, 150));
        p.setPen(QPen(QColor(20, 40, 90), 1.2));
        p.setBrush(disc);
        p.drawEllipse(QRectF(2, 2, 44, 44));
        p.save();
        QPainterPath clip;
        clip.addEllipse(QRectF(3, 3, 42, 42));
        p.setClipPath(clip);
        DrawSilhouette(p, QRectF(6, 6, 36, 40), QColor(240, 244, 252));
        p.restore();
    });
    const QImage earth = Icon([](QPainter& p) {
        QRadialGradient sea(QPointF(18, 16), 30);
        sea.setColorAt(0, QColor(110, 180, 250));
        sea.setColorAt(1, QColor(20, 70, 170));
        p.setPen(QPen(QColor(10, 40, 100), 1.2));
        p.setBrush(sea);
        p.drawEllipse(QRectF(3, 3, 42, 42));
        p.save();
        QPainterPath globe;
        globe.addEllipse(QRectF(3, 3, 42, 42));
        p.setClipPath(globe);
        p.setPen(QPen(QColor(30, 100, 30), 0.8));
        p.setBrush(QColor(80, 170, 70));
        QPainterPath land;
        land.moveTo(8, 14);
        land.cubicTo(14, 6, 24, 8, 22, 16);
        land.cubicTo(20, 22, 26, 24, 22, 30);
        land.cubicTo(18, 36, 12, 26, 8, 24);
        land.closeSubpath();
        land.moveTo(28, 22);
        land.cubicTo(34, 18, 42, 20, 42, 28);
        land.cubicTo(40, 38, 32, 42, 30, 36);
        land.cubicTo(28, 32, 32, 28, 28, 22);
        land.closeSubpath();
        p.drawPath(land);
        p.setPen(QPen(QColor(255, 255, 255, 90), 0.8));
        p.setBrush(Qt::NoBrush);
        for (double w : {10.0, 24.0, 38.0})
            p.drawEllipse(QRectF(24 - w / 2, 3, w, 42));
        for (double y : {14.0, 24.0, 34.0})
            p.drawLine(QPointF(3, y), QPointF(45, y));
        p.restore();
    });
    const QImage stats = Icon([](QPainter& p) {
        p.setPen(QPen(QColor(90, 90, 100), 1));
        p.setBrush(QColor(250, 250, 246));
        p.drawRoundedRect(QRectF(3, 4, 42, 40), 4, 4);
        p.setPen(QPen(QColor(80, 80, 90), 1.2));
        p.drawLine(QPointF(9, 10), QPointF(9, 38));
        p.drawLine(QPointF(9, 38), QPointF(40, 38));
        const std::array<std::pair<double, QColor>, 4> bars = {{{12, QColor(220, 60, 50)},
                                                                {20, QColor(240, 180, 30)},
                                                                {16, QColor(60, 160, 70)},
                                                                {25, QColor(50, 110, 200)}}};
        for (size_t i = 0; i < bars.size(); ++i) {
            p.setPen(QPen(bars[i].second.darker(150), 0.8));
            p.setBrush(bars[i].second);
            p.drawRect(QRectF(12 + 7 * double(i), 37 - bars[i].first, 5, bars[i].first));
        }
    });
    const QImage store = Icon([](QPainter& p) {
        Tile(p, QColor(236, 236, 240));
        // A play triangle of four coloured facets.
        const QPointF a(15, 9), b(15, 39), c(38, 24), m(22, 24);
        const std::array<std::pair<QPolygonF, QColor>, 4> facets = {{
            {QPolygonF({a, m, QPointF(15, 24)}), QColor(40, 170, 230)},
            {QPolygonF({QPointF(15, 24), m, b}), QColor(40, 180, 90)},
            {QPolygonF({a, c, m}), QColor(250, 190, 20)},
            {QPolygonF({m, c, b}), QColor(230, 60, 70)},
        }};
        p.setPen(Qt::NoPen);
        for (const auto& [facet, colour] : facets) {
            p.setBrush(colour);
            p.drawPolygon(facet);
        }
    });
    const QImage help = Icon([](QPainter& p) {
        QRadialGradient disc(QPointF(18, 16), 30);
        disc.setColorAt(0, QColor(110, 170, 250));
        disc.setColorAt(1, QColor(20, 60, 170));
        p.setPen(QPen(QColor(10, 30, 90), 1.2));
        p.setBrush(disc);
        p.drawEllipse(QRectF(3, 3, 42, 42));
        QFont font("DejaVu Serif");
        font.setBold(true);
        font.setPixelSize(34);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255));
        p.drawPath(TextInBox("?", font, QRectF(14, 10, 20, 28)));
    });
    const QImage tournament = Icon([](QPainter& p) {
        // A cup on a card table: the online tournament.
        p.setPen(QPen(QColor(30, 70, 30), 1));
        p.setBrush(QColor(40, 130, 60));
        p.drawEllipse(QRectF(3, 30, 42, 14));
        p.setPen(QPen(QColor(110, 70, 0), 1));
        p.setBrush(Gilt({12, 0}, {36, 0}, kGold));
        QPainterPath cup;
        cup.moveTo(13, 5);
        cup.lineTo(35, 5);
        cup.cubicTo(35, 18, 29, 22, 26, 23);
        cup.lineTo(26, 29);
        cup.lineTo(31, 31);
        cup.lineTo(31, 35);
        cup.lineTo(17, 35);
        cup.lineTo(17, 31);
        cup.lineTo(22, 29);
        cup.lineTo(22, 23);
        cup.cubicTo(19, 22, 13, 18, 13, 5);
        p.drawPath(cup);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kGold.darker(130), 2.2));
        p.drawArc(QRectF(6, 7, 10, 10), 90 * 16, 180 * 16);
        p.drawArc(QRectF(32, 7, 10, 10), -90 * 16, 180 * 16);
    });
    return out.Add(ResourceType::RcData, "Windows", windowIcon) &&
           out.Add(ResourceType::RcData, "Android", robot) &&
           out.Add(ResourceType::RcData, "Account48", account) &&
           out.Add(ResourceType::RcData, "AdvGiftR", Gift(QColor(200, 30, 40), kGold)) &&
           out.Add(ResourceType::RcData, "AdvGiftG", Gift(QColor(30, 140, 60), kGold)) &&
           out.Add(ResourceType::RcData, "Earth48", earth) &&
           out.Add(ResourceType::RcData, "Stats", stats) &&
           out.Add(ResourceType::RcData, "GooglePlay", store) &&
           out.Add(ResourceType::RcData, "IconHelp", help) &&
           out.Add(ResourceType::RcData, "IconTour", tournament) &&
           out.Add(ResourceType::RcData, "GQels128", Coin(true)) &&
           out.Add(ResourceType::RcData, "GQelsT128", Coin(false));
}

// The digit sets of the clock (blue) and of the statistics board (one colour
// per variant), each with the minus sign "M"; the clock has the colon.
bool WriteClockArt(ResourceWriter& out) {
    const std::array<std::pair<char, QColor>, 8> sets = {{
        {'B', QColor(40, 150, 255)},
        {'R', QColor(255, 40, 36)},
        {'A', QColor(0, 230, 230)},
        {'G', QColor(40, 235, 70)},
        {'Y', QColor(255, 215, 0)},
        {'V', QColor(160, 60, 255)},
        {'L', QColor(220, 150, 255)},
        {'N', QColor(60, 90, 255)},
    }};
    if (!out.Add(ResourceType::RcData, "GClockBG", ClockBackground()))
        return false;
    for (const auto& [letter, colour] : sets) {
        const QString stem = QString("G%1Clock").arg(letter);
        for (int digit = 0; digit <= 9; ++digit)
            if (!out.Add(ResourceType::RcData, stem + QString::number(digit),
                         LedDigit(digit, colour)))
                return false;
        if (letter == 'B' ? !out.Add(ResourceType::RcData, "GBClockP", LedColon(colour))
                          : !out.Add(ResourceType::RcData, stem + 'M', LedDigit(10, colour)))
            return false;
    }
    return true;
}

} // namespace

bool WriteMenuArt(ResourceWriter& out) {
    if (!out.Add(ResourceType::RcData, "Logo", Logo()) ||
        !out.Add(ResourceType::RcData, "GTitle", TitlePlate()) ||
        !out.Add(ResourceType::RcData, "GSvSv", Candelabrum()) ||
        !out.Add(ResourceType::RcData, "AdvBar3", WaitBanner()) ||
        !out.Add(ResourceType::RcData, "LampR24", Lamp(QColor(230, 30, 30))) ||
        !out.Add(ResourceType::RcData, "LampY24", Lamp(QColor(245, 200, 0))) ||
        !out.Add(ResourceType::RcData, "LampG24", Lamp(QColor(30, 200, 50))) || !WriteIcons(out) ||
        !WriteClockArt(out))
        return false;
    for (int frame = 0; frame < 6; ++frame)
        if (!out.Add(ResourceType::RcData, QString("GFlame%1").arg(frame), Flame(frame)))
            return false;
    for (const PictureLanguage& language : PictureLanguages()) {
        const auto text = [&](const WordTable& table) {
            return Lettered(table, language.language);
        };
        if (!out.Add(ResourceType::RcData, "Cap" + language.suffix,
                     RedCaption({800, 140}, text(words::GameTitle))) ||
            !out.Add(ResourceType::RcData, "Elite" + language.suffix,
                     RedCaption({700, 80}, text(words::EliteClubCaption))) ||
            !out.Add(ResourceType::RcData, "Net__" + language.suffix,
                     RedCaption({700, 80}, text(words::NetworkClubCaption))))
            return false;
    }
    return true;
}

} // namespace tavlira
