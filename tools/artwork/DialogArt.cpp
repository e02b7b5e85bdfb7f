#include "DialogArt.h"

#include "Canvas.h"
#include "Lettering.h"
#include "i18n/Words.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <random>

namespace tavlira {
namespace {

// A rolled end of the scroll: a cylinder of paper across the top or bottom.
void DrawRoll(QPainter& p, const QRectF& roll) {
    QLinearGradient shade(roll.topLeft(), roll.bottomLeft());
    shade.setColorAt(0, QColor(196, 160, 100));
    shade.setColorAt(0.35, QColor(250, 232, 186));
    shade.setColorAt(0.7, QColor(214, 180, 120));
    shade.setColorAt(1, QColor(140, 100, 50));
    p.setPen(QPen(QColor(110, 76, 36), 1.2));
    p.setBrush(shade);
    p.drawRoundedRect(roll, roll.height() / 2, roll.height() / 2);
    // The spiral end of the roll on either side.
    for (double x : {roll.left() + roll.height() / 2, roll.right() - roll.height() / 2}) {
        p.setBrush(QColor(226, 196, 140));
        p.drawEllipse(QPointF(x, roll.center().y()), roll.height() / 2 - 1, roll.height() / 2 - 1);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(150, 110, 60), 1));
        p.drawEllipse(QPointF(x, roll.center().y()), roll.height() / 4, roll.height() / 4);
        p.setPen(QPen(QColor(110, 76, 36), 1.2));
    }
}

// "GSvitok": the parchment scroll behind the top ten and the general count,
// aged paper with darker edges between two rolls.
QImage Scroll() {
    QImage paper = Blank({450, 700});
    QPainter p(&paper);
    Begin(p);
    const QRectF sheet(22, 28, 406, 644);
    QRadialGradient age(sheet.center(), 380);
    age.setColorAt(0, QColor(252, 240, 206));
    age.setColorAt(0.7, QColor(240, 218, 170));
    age.setColorAt(1, QColor(204, 166, 106));
    p.setPen(QPen(QColor(150, 110, 60), 1));
    p.setBrush(age);
    // The sheet's sides bow a little, as paper does between rolls.
    QPainterPath edge;
    edge.moveTo(sheet.topLeft());
    edge.lineTo(sheet.topRight());
    edge.cubicTo(sheet.right() - 8, 250, sheet.right() + 4, 450, sheet.right(), sheet.bottom());
    edge.lineTo(sheet.bottomLeft());
    edge.cubicTo(sheet.left() - 4, 450, sheet.left() + 8, 250, sheet.left(), sheet.top());
    p.drawPath(edge);
    // Fibres and stains of old paper, from a fixed seed. (No grain per pixel:
    // it would make the picture ten times larger.)
    p.save();
    p.setClipPath(edge);
    std::mt19937 random(70201);
    p.setPen(QPen(QColor(150, 110, 60, 28), 0.8));
    for (int fibre = 0; fibre < 160; ++fibre) {
        const QPointF from(30 + random() % 390, 40 + random() % 620);
        const double length = 6 + random() % 18;
        const double angle = (random() % 360) * M_PI / 180;
        p.drawLine(from, from + QPointF(length * std::cos(angle), length * std::sin(angle)));
    }
    p.setPen(Qt::NoPen);
    for (int stain = 0; stain < 7; ++stain) {
        const QPointF at(40 + random() % 370, 60 + random() % 580);
        const double radius = 14 + random() % 30;
        QRadialGradient blot(at, radius);
        blot.setColorAt(0, QColor(170, 120, 60, 34));
        blot.setColorAt(1, QColor(170, 120, 60, 0));
        p.setBrush(blot);
        p.drawEllipse(at, radius, radius);
    }
    p.restore();
    p.setPen(QPen(QColor(170, 130, 70), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(40, 52, 370, 596));
    DrawRoll(p, QRectF(4, 6, 442, 36));
    DrawRoll(p, QRectF(4, 658, 442, 36));
    return paper;
}

// "GMedal": a gold medal on a ribbon; its middle stays plain for the place
// number drawn over it (32 x 32 at the disc's centre).
QImage Medal() {
    QImage picture = Blank({64, 80});
    QPainter p(&picture);
    Begin(p);
    // The ribbon: two bands in a V from the top edge to the disc.
    p.setPen(QPen(QColor(60, 10, 20), 1));
    for (const auto& [band, colour] :
         {std::pair{QPolygonF({{6, 0}, {26, 0}, {38, 32}, {26, 36}}), QColor(40, 70, 170)},
          std::pair{QPolygonF({{58, 0}, {38, 0}, {26, 32}, {38, 36}}), QColor(190, 30, 40)}}) {
        p.setBrush(colour);
        p.drawPolygon(band);
    }
    p.setPen(QPen(QColor(110, 70, 0), 1.2));
    p.setBrush(Gilt({0, 30}, {0, 79}, kGold));
    p.drawEllipse(QPointF(32, 55), 24, 24);
    QRadialGradient field(QPointF(28, 50), 22);
    field.setColorAt(0, QColor(255, 238, 150));
    field.setColorAt(1, QColor(206, 150, 30));
    p.setBrush(field);
    p.setPen(QPen(QColor(150, 100, 10), 1));
    p.drawEllipse(QPointF(32, 55), 19, 19);
    return picture;
}

// "GPlace01".."GPlace10": the place number, transparent around.
QImage PlaceNumber(int place) {
    QImage picture = Blank({32, 32});
    QPainter p(&picture);
    Begin(p);
    QFont font("DejaVu Serif");
    font.setBold(true);
    font.setPixelSize(28);
    const QPainterPath number = TextInBox(QString::number(place), font, QRectF(3, 3, 26, 26));
    p.setPen(QPen(QColor(255, 246, 214), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 246, 214));
    p.drawPath(number);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 10, 20));
    p.drawPath(number);
    return picture;
}

// "GMEDAL01".."GMEDAL03": small gold, silver and bronze medals of the top
// three places.
QImage SmallMedal(int place) {
    const QColor metal = place == 1 ? kGold : place == 2 ? kSilver : kBronze;
    QImage picture = Blank({24, 24});
    QPainter p(&picture);
    Begin(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 30, 40));
    p.drawPolygon(QPolygonF({{5, 0}, {11, 0}, {14, 9}, {10, 10}}));
    p.setBrush(QColor(40, 70, 170));
    p.drawPolygon(QPolygonF({{19, 0}, {13, 0}, {10, 9}, {14, 10}}));
    p.setPen(QPen(metal.darker(220), 1));
    p.setBrush(Gilt({0, 7}, {0, 23}, metal));
    p.drawEllipse(QPointF(12, 15), 8, 8);
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(11);
    p.setPen(Qt::NoPen);
    p.setBrush(metal.darker(250));
    p.drawPath(TextInBox(QString::number(place), font, QRectF(8, 10.5, 8, 9)));
    return picture;
}

// The header of the gray concise design: a brushed steel plate with an
// engraved caption.
QImage GrayPlate(QSize size, const QString& caption) {
    QImage picture = Blank(size);
    QPainter p(&picture);
    Begin(p);
    const QRectF plate = QRectF(QPointF(0, 0), size).adjusted(1, 1, -1, -2);
    QLinearGradient steel(plate.topLeft(), plate.bottomLeft());
    steel.setColorAt(0, QColor(236, 236, 238));
    steel.setColorAt(0.5, QColor(196, 196, 200));
    steel.setColorAt(1, QColor(150, 150, 156));
    p.setPen(QPen(QColor(90, 90, 96), 1));
    p.setBrush(steel);
    p.drawRoundedRect(plate, 8, 8);
    p.setPen(QPen(QColor(255, 255, 255, 160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(plate.adjusted(3, 3, -3, -3), 6, 6);
    for (double x : {plate.left() + 10, plate.right() - 10}) {
        p.setPen(QPen(QColor(90, 90, 96), 0.8));
        p.setBrush(QColor(170, 170, 176));
        p.drawEllipse(QPointF(x, plate.center().y()), 3.2, 3.2);
    }
    const QRectF textBox = plate.adjusted(22, 7, -22, -7);
    const QPainterPath text =
        TextInBox(caption, CaptionFont(caption, qRound(textBox.height())), textBox);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 190));
    p.drawPath(text.translated(0.8, 1));
    p.setBrush(QColor(130, 10, 20));
    p.drawPath(text);
    return picture;
}

// The ribbon of the gray aristocratic design: a burgundy velvet band with
// gilt edges and forked ends folded behind; the caption is written over it
// at run time in yellow.
QImage AristocraticRibbon(QSize size) {
    QImage picture = Blank(size);
    QPainter p(&picture);
    Begin(p);
    const double w = size.width();
    const double h = size.height();
    const QPen edge(QColor(60, 0, 10), 1);
    // The folded ends, darker, behind the band.
    p.setPen(edge);
    p.setBrush(QColor(96, 10, 26));
    for (int side : {0, 1}) {
        const double x0 = side == 0 ? 1 : w - 1;
        const double dir = side == 0 ? 1 : -1;
        p.drawPolygon(QPolygonF({{x0, h * 0.22},
                                 {x0 + dir * 44, h * 0.22},
                                 {x0 + dir * 44, h * 0.97},
                                 {x0, h * 0.97},
                                 {x0 + dir * 12, h * 0.6}}));
    }
    QLinearGradient velvet(0, 0, 0, h);
    velvet.setColorAt(0, QColor(176, 30, 50));
    velvet.setColorAt(0.5, QColor(130, 14, 32));
    velvet.setColorAt(1, QColor(90, 6, 20));
    p.setBrush(velvet);
    const QRectF band(30, 2, w - 60, h * 0.78);
    p.drawRect(band);
    p.setPen(QPen(Gilt(band.topLeft(), band.bottomLeft(), kGold), 2.4));
    p.drawLine(band.topLeft() + QPointF(0, 2.5), band.topRight() + QPointF(0, 2.5));
    p.drawLine(band.bottomLeft() - QPointF(0, 2.5), band.bottomRight() - QPointF(0, 2.5));
    return picture;
}

// How far the tails of a red ribbon reach in from its sides.
double RibbonTail(QSize size) {
    return std::min(size.width() * 0.11, size.height() * 0.5);
}

// A red ribbon of the third gray design: a band across the picture that
// curls at both ends, with tails hanging behind it.
QImage RedRibbon(QSize size) {
    QImage picture = Blank(size);
    QPainter p(&picture);
    Begin(p);
    const double w = size.width();
    const double h = size.height();
    const double top = h * 0.08;
    const double bandHeight = h * 0.66;
    const double tail = RibbonTail(size);
    p.setPen(QPen(QColor(80, 0, 0), 1));
    // Tails behind the band, lower and with a notch.
    p.setBrush(QColor(150, 10, 14));
    for (int side : {0, 1}) {
        const double x0 = side == 0 ? 1 : w - 1;
        const double dir = side == 0 ? 1 : -1;
        p.drawPolygon(QPolygonF({{x0 + dir * tail * 0.3, top + bandHeight * 0.35},
                                 {x0 + dir * tail * 1.3, top + bandHeight * 0.35},
                                 {x0 + dir * tail * 1.3, h - 2},
                                 {x0, h - 2},
                                 {x0 + dir * tail * 0.35,
                                  top + bandHeight * 0.35 + (h - 2 - top - bandHeight * 0.35) / 2},
                                 {x0, top + bandHeight * 0.35}}));
        // The fold where the band turns back into its tail.
        p.setBrush(QColor(90, 0, 4));
        p.drawPolygon(QPolygonF({{x0 + dir * tail, top + bandHeight},
                                 {x0 + dir * tail * 1.3, top + bandHeight},
                                 {x0 + dir * tail * 1.3, h - 2 - (h - top - bandHeight) * 0.2}}));
        p.setBrush(QColor(150, 10, 14));
    }
    // The band bows slightly upwards in the middle.
    QPainterPath band;
    band.moveTo(tail, top + 4);
    band.quadTo(w / 2, top - 4, w - tail, top + 4);
    band.lineTo(w - tail, top + bandHeight);
    band.quadTo(w / 2, top + bandHeight - 8, tail, top + bandHeight);
    band.closeSubpath();
    QLinearGradient silk(0, top, 0, top + bandHeight);
    silk.setColorAt(0, QColor(250, 70, 60));
    silk.setColorAt(0.45, QColor(214, 20, 24));
    silk.setColorAt(1, QColor(140, 0, 8));
    p.setBrush(silk);
    p.drawPath(band);
    p.setPen(QPen(QColor(255, 200, 120, 150), 1.2));
    p.setBrush(Qt::NoBrush);
    QPainterPath shine;
    shine.moveTo(tail + 2, top + 7);
    shine.quadTo(w / 2, top - 1, w - tail - 2, top + 7);
    p.drawPath(shine);
    return picture;
}

// "GTourOn" / "GTourOff": the tournament server's state, a globe with a
// lamp, green while the server is on and red while it is off.
QImage ServerState(bool on) {
    QImage picture = Blank({48, 48});
    QPainter p(&picture);
    Begin(p);
    QRadialGradient sea(QPointF(18, 16), 26);
    sea.setColorAt(0, QColor(150, 200, 250));
    sea.setColorAt(1, QColor(20, 70, 150));
    p.setPen(QPen(QColor(10, 40, 90), 1.2));
    p.setBrush(sea);
    p.drawEllipse(QPointF(22, 22), 19, 19);
    // Meridians and parallels.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(220, 240, 255, 150), 1));
    p.drawEllipse(QPointF(22, 22), 8, 19);
    p.drawLine(QPointF(22, 3), QPointF(22, 41));
    for (double y : {13.0, 22.0, 31.0}) {
        const double half = std::sqrt(19.0 * 19.0 - (y - 22) * (y - 22));
        p.drawLine(QPointF(22 - half, y), QPointF(22 + half, y));
    }
    const QColor lamp = on ? QColor(40, 220, 60) : QColor(230, 40, 30);
    QRadialGradient glow(QPointF(35, 34), 11);
    glow.setColorAt(0, lamp.lighter(170));
    glow.setColorAt(0.6, lamp);
    glow.setColorAt(1, lamp.darker(160));
    p.setPen(QPen(QColor(30, 30, 30), 1.2));
    p.setBrush(glow);
    p.drawEllipse(QPointF(36, 36), 10, 10);
    return picture;
}

// The lettering laid over a red ribbon of the same size: gold letters on the
// band.
QImage RibbonLettering(QSize size, const QString& caption) {
    QImage picture = Blank(size);
    QPainter p(&picture);
    Begin(p);
    const double w = size.width();
    const double h = size.height();
    const double tail = RibbonTail(size);
    const QRectF band(tail + 3, h * 0.08 + 3, w - 2 * tail - 6, h * 0.66 - 8);
    DrawGoldLettering(p, band, caption, QColor(70, 0, 0));
    return picture;
}

} // namespace

bool WriteDialogArt(ResourceWriter& out) {
    if (!out.Add(ResourceType::RcData, "GSvitok", Scroll()) ||
        !out.Add(ResourceType::RcData, "GMedal", Medal()) ||
        !out.Add(ResourceType::RcData, "GTourOn", ServerState(true)) ||
        !out.Add(ResourceType::RcData, "GTourOff", ServerState(false)) ||
        !out.Add(ResourceType::RcData, "GCap550", AristocraticRibbon({550, 64})) ||
        !out.Add(ResourceType::RcData, "GCap300", AristocraticRibbon({300, 64})) ||
        !out.Add(ResourceType::RcData, "GLenta380x120", RedRibbon({380, 120})) ||
        !out.Add(ResourceType::RcData, "GLenta280x090", RedRibbon({280, 90})) ||
        !out.Add(ResourceType::RcData, "GLenta200x100", RedRibbon({200, 100})) ||
        !out.Add(ResourceType::RcData, "CountInfo",
                 GrayPlate({300, 48}, Lettered(words::Info, LanguageIndex::English))))
        return false;
    for (int place = 1; place <= 10; ++place)
        if (!out.Add(ResourceType::RcData, QString("GPlace%1").arg(place, 2, 10, QChar('0')),
                     PlaceNumber(place)))
            return false;
    for (int place = 1; place <= 3; ++place)
        if (!out.Add(ResourceType::RcData, QString("GMEDAL%1").arg(place, 2, 10, QChar('0')),
                     SmallMedal(place)))
            return false;
    for (const PictureLanguage& language : PictureLanguages()) {
        const QString completion = Lettered(words::CompletionOfGame, language.language);
        if (!out.Add(ResourceType::RcData, "EndGame" + language.suffix,
                     GrayPlate({400, 48}, completion)) ||
            !out.Add(ResourceType::RcData, "GFormEndG" + language.suffix,
                     RibbonLettering({380, 120}, completion)) ||
            !out.Add(ResourceType::RcData, "GFormCountL" + language.suffix,
                     RibbonLettering({200, 100}, Lettered(words::Info, language.language))))
            return false;
    }
    return true;
}

} // namespace tavlira
