#include "CalendarArt.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <array>
#include <map>

namespace tavlira {
namespace {

constexpr QSize PictureSize(CalendarPictureWidth, CalendarPictureHeight);
// The page inside the frame, where headings and emblems go.
constexpr QRect Inside(5, 9, 50, 86);
// Where a holiday's emblem stands: below the band of its category.
constexpr QRectF EmblemBox(8, 32, 44, 56);

enum class Emblem {
    Star,
    Tree,
    Heart,
    Flower,
    Globe,
    Book,
    Pumpkin,
    Firework,
    Cross,
    Candle,
    Sun,
    Leaf,
    Egg,
    Dome,
    Crown,
    Rocket,
    Note,
    Flag,
    Bits,
};

QImage Blank() {
    QImage image(PictureSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Every colour of a family of pictures differs a little, from its name, so
// that two holidays with the same emblem are told apart.
QColor Shade(QColor base, std::string_view name) {
    unsigned hash = 2166136261u;
    for (char c : name)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return base.lighter(85 + static_cast<int>(hash % 40));
}

QPainterPath StarPath(QPointF centre, double outer, double inner, int points) {
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / points;
        const double r = i % 2 == 0 ? outer : inner;
        const QPointF p(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QPainterPath HeartPath(QPointF c, double size) {
    QPainterPath path;
    path.moveTo(c.x(), c.y() + size * 0.8);
    path.cubicTo(c.x() - size * 1.2, c.y(), c.x() - size * 0.6, c.y() - size, c.x(),
                 c.y() - size * 0.35);
    path.cubicTo(c.x() + size * 0.6, c.y() - size, c.x() + size * 1.2, c.y(), c.x(),
                 c.y() + size * 0.8);
    return path;
}

void Flower(QPainter& p, QPointF c, double r, QColor petals) {
    p.setPen(Qt::NoPen);
    p.setBrush(petals);
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3;
        p.drawEllipse(QPointF(c.x() + r * 0.6 * std::cos(a), c.y() + r * 0.6 * std::sin(a)),
                      r * 0.45, r * 0.45);
    }
    p.setBrush(QColor(250, 210, 40));
    p.drawEllipse(c, r * 0.35, r * 0.35);
}

void Sun(QPainter& p, QPointF c, double r, QColor colour) {
    p.setPen(QPen(colour, 2));
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        p.drawLine(QPointF(c.x() + r * 1.2 * std::cos(a), c.y() + r * 1.2 * std::sin(a)),
                   QPointF(c.x() + r * 1.6 * std::cos(a), c.y() + r * 1.6 * std::sin(a)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(c, r, r);
}

void Leaf(QPainter& p, QPointF c, double size, QColor colour) {
    QPainterPath leaf;
    leaf.moveTo(c.x(), c.y() - size);
    leaf.quadTo(c.x() + size * 0.9, c.y(), c.x(), c.y() + size);
    leaf.quadTo(c.x() - size * 0.9, c.y(), c.x(), c.y() - size);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(leaf);
    p.setPen(QPen(colour.darker(160), 1));
    p.drawLine(QPointF(c.x(), c.y() - size * 0.8), QPointF(c.x(), c.y() + size * 1.3));
}

void Snowflake(QPainter& p, QPointF c, double r, QColor colour) {
    p.setPen(QPen(colour, 1.6));
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3;
        const QPointF tip(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        p.drawLine(c, tip);
        const QPointF mid(c.x() + r * 0.6 * std::cos(a), c.y() + r * 0.6 * std::sin(a));
        for (double side : {-0.6, 0.6})
            p.drawLine(mid, QPointF(mid.x() + r * 0.3 * std::cos(a + side),
                                    mid.y() + r * 0.3 * std::sin(a + side)));
    }
}

// The colours of a country, as three stripes; the churches and the days
// kept everywhere get a sign instead.
void CategoryBand(QPainter& p, std::string_view category) {
    const QRectF band(Inside.left(), Inside.top(), Inside.width(), 18);
    const auto stripes = [&](std::initializer_list<QColor> colours, bool vertical) {
        const int n = static_cast<int>(colours.size());
        int i = 0;
        for (const QColor& colour : colours) {
            const QRectF part = vertical ? QRectF(band.left() + band.width() * i / n, band.top(),
                                                  band.width() / n, band.height())
                                         : QRectF(band.left(), band.top() + band.height() * i / n,
                                                  band.width(), band.height() / n);
            p.fillRect(part, colour);
            ++i;
        }
    };
    p.setPen(Qt::NoPen);
    if (category == "RUS") {
        stripes({Qt::white, QColor(0, 57, 166), QColor(213, 43, 30)}, false);
    } else if (category == "DEU") {
        stripes({Qt::black, QColor(221, 0, 0), QColor(255, 206, 0)}, false);
    } else if (category == "FRA") {
        stripes({QColor(0, 85, 164), Qt::white, QColor(239, 65, 53)}, true);
    } else if (category == "ISP") {
        p.fillRect(band, QColor(198, 11, 30));
        p.fillRect(band.adjusted(0, band.height() / 4, 0, -band.height() / 4), QColor(255, 196, 0));
    } else if (category == "ENG") {
        p.fillRect(band, QColor(1, 33, 105));
        p.setPen(QPen(Qt::white, 5));
        p.drawLine(band.topLeft(), band.bottomRight());
        p.drawLine(band.bottomLeft(), band.topRight());
        p.setPen(QPen(QColor(200, 16, 46), 3));
        p.drawLine(QPointF(band.center().x(), band.top()),
                   QPointF(band.center().x(), band.bottom()));
        p.drawLine(QPointF(band.left(), band.center().y()),
                   QPointF(band.right(), band.center().y()));
    } else if (category == "USA") {
        for (int i = 0; i < 7; ++i)
            p.fillRect(QRectF(band.left(), band.top() + i * band.height() / 7, band.width(),
                              band.height() / 7),
                       i % 2 == 0 ? QColor(178, 34, 52) : Qt::white);
        p.fillRect(QRectF(band.left(), band.top(), band.width() * 0.45, band.height() * 4 / 7),
                   QColor(60, 59, 110));
    } else if (category == "PRA" || category == "KAT") {
        p.fillRect(band, category == "PRA" ? QColor(120, 40, 130) : QColor(40, 70, 150));
        const QPointF c = band.center();
        p.setPen(QPen(QColor(250, 215, 90), 2.2));
        p.drawLine(QPointF(c.x(), band.top() + 2), QPointF(c.x(), band.bottom() - 2));
        p.drawLine(QPointF(c.x() - 5, band.top() + 6), QPointF(c.x() + 5, band.top() + 6));
        if (category == "PRA") // the slanted foot bar of the Orthodox cross
            p.drawLine(QPointF(c.x() - 4, band.bottom() - 6),
                       QPointF(c.x() + 4, band.bottom() - 3));
    } else {
        p.fillRect(band, QColor(30, 110, 60));
        p.setBrush(QColor(250, 215, 90));
        p.drawPath(StarPath(band.center(), 7, 3, 5));
    }
}

void DrawEmblem(QPainter& p, Emblem emblem, std::string_view name) {
    const QRectF box = EmblemBox;
    const QPointF c = box.center();
    p.setPen(Qt::NoPen);
    switch (emblem) {
    case Emblem::Star:
        p.setBrush(Shade(QColor(230, 170, 20), name));
        p.drawPath(StarPath(c, 19, 8, 5));
        break;
    case Emblem::Tree: {
        p.setBrush(Shade(QColor(30, 120, 50), name));
        for (int tier = 0; tier < 3; ++tier) {
            const double top = box.top() + 4 + tier * 12;
            const double half = 8 + tier * 5;
            p.drawPolygon(QPolygonF({QPointF(c.x(), top), QPointF(c.x() + half, top + 16),
                                     QPointF(c.x() - half, top + 16)}));
        }
        p.fillRect(QRectF(c.x() - 3, box.top() + 44, 6, 8), QColor(110, 70, 30));
        p.setBrush(QColor(240, 200, 30));
        p.drawPath(StarPath(QPointF(c.x(), box.top() + 4), 5, 2, 5));
        break;
    }
    case Emblem::Heart:
        p.setBrush(Shade(QColor(210, 30, 60), name));
        p.drawPath(HeartPath(c, 18));
        break;
    case Emblem::Flower:
        p.setPen(QPen(QColor(40, 130, 40), 2));
        p.drawLine(c, QPointF(c.x(), box.bottom() - 2));
        Flower(p, QPointF(c.x(), c.y() - 6), 16, Shade(QColor(220, 60, 120), name));
        break;
    case Emblem::Globe:
        p.setBrush(QColor(40, 110, 200));
        p.drawEllipse(c, 19, 19);
        p.setBrush(QColor(60, 160, 70));
        p.drawEllipse(QPointF(c.x() - 6, c.y() - 5), 8, 6);
        p.drawEllipse(QPointF(c.x() + 7, c.y() + 7), 7, 8);
        p.setPen(QPen(QColor(255, 255, 255, 120), 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, 9, 19);
        p.drawLine(QPointF(c.x() - 19, c.y()), QPointF(c.x() + 19, c.y()));
        break;
    case Emblem::Book:
        p.setBrush(Shade(QColor(140, 40, 40), name));
        p.drawRect(QRectF(c.x() - 18, c.y() - 14, 36, 28));
        p.setBrush(QColor(250, 245, 230));
        p.drawRect(QRectF(c.x() - 16, c.y() - 12, 15, 24));
        p.drawRect(QRectF(c.x() + 1, c.y() - 12, 15, 24));
        p.setPen(QPen(QColor(120, 120, 120), 1));
        for (int line = 0; line < 4; ++line)
            for (double x : {c.x() - 14, c.x() + 3})
                p.drawLine(QPointF(x, c.y() - 8 + line * 5), QPointF(x + 11, c.y() - 8 + line * 5));
        break;
    case Emblem::Pumpkin:
        p.setBrush(Shade(QColor(235, 120, 20), name));
        for (double dx : {-8.0, 8.0, 0.0})
            p.drawEllipse(QPointF(c.x() + dx, c.y() + 4), 11, 15);
        p.fillRect(QRectF(c.x() - 2, c.y() - 16, 4, 7), QColor(60, 110, 30));
        p.setBrush(QColor(60, 30, 0));
        p.drawPolygon(QPolygonF({QPointF(c.x() - 9, c.y()), QPointF(c.x() - 4, c.y()),
                                 QPointF(c.x() - 6.5, c.y() - 5)}));
        p.drawPolygon(QPolygonF({QPointF(c.x() + 9, c.y()), QPointF(c.x() + 4, c.y()),
                                 QPointF(c.x() + 6.5, c.y() - 5)}));
        p.drawRect(QRectF(c.x() - 8, c.y() + 7, 16, 3));
        break;
    case Emblem::Firework: {
        const std::array<QColor, 3> colours{Shade(QColor(230, 40, 40), name), QColor(250, 200, 40),
                                            QColor(60, 120, 230)};
        const std::array<QPointF, 3> centres{QPointF(c.x() - 6, c.y() - 8),
                                             QPointF(c.x() + 9, c.y() + 2),
                                             QPointF(c.x() - 5, c.y() + 14)};
        for (std::size_t i = 0; i < centres.size(); ++i) {
            p.setPen(QPen(colours[i], 1.5));
            for (int ray = 0; ray < 10; ++ray) {
                const double a = ray * M_PI / 5;
                const double r = 10 - 2.0 * static_cast<double>(i);
                p.drawLine(
                    QPointF(centres[i].x() + 3 * std::cos(a), centres[i].y() + 3 * std::sin(a)),
                    QPointF(centres[i].x() + r * std::cos(a), centres[i].y() + r * std::sin(a)));
            }
        }
        break;
    }
    case Emblem::Cross:
        p.setBrush(Shade(QColor(150, 110, 40), name));
        p.drawRect(QRectF(c.x() - 4, box.top() + 4, 8, 48));
        p.drawRect(QRectF(c.x() - 15, box.top() + 16, 30, 8));
        break;
    case Emblem::Candle:
        p.setBrush(Shade(QColor(240, 235, 210), name));
        p.setPen(QPen(QColor(170, 160, 130), 1));
        p.drawRect(QRectF(c.x() - 6, c.y() - 4, 12, 30));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 170, 30));
        p.drawEllipse(QPointF(c.x(), c.y() - 13), 5, 9);
        p.setBrush(QColor(255, 240, 140));
        p.drawEllipse(QPointF(c.x(), c.y() - 11), 2.5, 5);
        break;
    case Emblem::Sun:
        Sun(p, c, 11, Shade(QColor(245, 180, 20), name));
        break;
    case Emblem::Leaf:
        Leaf(p, QPointF(c.x() - 6, c.y() - 4), 14, Shade(QColor(60, 150, 50), name));
        Leaf(p, QPointF(c.x() + 8, c.y() + 6), 11, Shade(QColor(90, 170, 40), name));
        break;
    case Emblem::Egg: {
        const QRectF egg(c.x() - 15, c.y() - 20, 30, 40);
        p.setBrush(Shade(QColor(200, 30, 40), name));
        p.drawEllipse(egg);
        p.setPen(QPen(QColor(250, 215, 90), 2));
        p.drawLine(QPointF(egg.left() + 2, c.y() - 4), QPointF(egg.right() - 2, c.y() - 4));
        p.drawLine(QPointF(egg.left() + 2, c.y() + 5), QPointF(egg.right() - 2, c.y() + 5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 215, 90));
        for (double dx : {-7.0, 0.0, 7.0})
            p.drawEllipse(QPointF(c.x() + dx, c.y() + 0.5), 2, 2);
        break;
    }
    case Emblem::Dome:
        p.setBrush(QColor(235, 230, 215));
        p.drawRect(QRectF(c.x() - 14, c.y() + 2, 28, 22));
        p.setBrush(Shade(QColor(230, 180, 40), name));
        p.drawEllipse(QRectF(c.x() - 11, c.y() - 16, 22, 24));
        p.drawPolygon(QPolygonF({QPointF(c.x() - 11, c.y() - 4), QPointF(c.x(), c.y() - 24),
                                 QPointF(c.x() + 11, c.y() - 4)}));
        p.fillRect(QRectF(c.x() - 1, c.y() - 32, 2, 9), QColor(230, 180, 40));
        p.fillRect(QRectF(c.x() - 4, c.y() - 29, 8, 2), QColor(230, 180, 40));
        p.fillRect(QRectF(c.x() - 4, c.y() + 10, 8, 14), QColor(90, 60, 40));
        break;
    case Emblem::Crown:
        p.setBrush(Shade(QColor(230, 180, 30), name));
        p.drawPolygon(QPolygonF({QPointF(c.x() - 18, c.y() + 10), QPointF(c.x() - 18, c.y() - 10),
                                 QPointF(c.x() - 9, c.y()), QPointF(c.x(), c.y() - 14),
                                 QPointF(c.x() + 9, c.y()), QPointF(c.x() + 18, c.y() - 10),
                                 QPointF(c.x() + 18, c.y() + 10)}));
        p.setBrush(QColor(200, 30, 50));
        p.drawEllipse(QPointF(c.x(), c.y() + 4), 3, 3);
        break;
    case Emblem::Rocket:
        p.setBrush(QColor(255, 150, 30));
        p.drawPolygon(QPolygonF({QPointF(c.x() - 5, c.y() + 16), QPointF(c.x(), c.y() + 27),
                                 QPointF(c.x() + 5, c.y() + 16)}));
        p.setBrush(Shade(QColor(200, 200, 210), name));
        p.drawEllipse(QRectF(c.x() - 7, c.y() - 24, 14, 42));
        p.setBrush(QColor(200, 30, 40));
        p.drawPolygon(QPolygonF({QPointF(c.x() - 7, c.y() + 6), QPointF(c.x() - 14, c.y() + 18),
                                 QPointF(c.x() - 5, c.y() + 14)}));
        p.drawPolygon(QPolygonF({QPointF(c.x() + 7, c.y() + 6), QPointF(c.x() + 14, c.y() + 18),
                                 QPointF(c.x() + 5, c.y() + 14)}));
        p.setBrush(QColor(60, 120, 220));
        p.drawEllipse(QPointF(c.x(), c.y() - 8), 3.5, 3.5);
        break;
    case Emblem::Note:
        p.setBrush(Shade(QColor(40, 40, 90), name));
        p.drawEllipse(QPointF(c.x() - 10, c.y() + 14), 7, 5);
        p.drawEllipse(QPointF(c.x() + 10, c.y() + 9), 7, 5);
        p.drawRect(QRectF(c.x() - 5, c.y() - 16, 3, 30));
        p.drawRect(QRectF(c.x() + 15, c.y() - 21, 3, 30));
        p.drawPolygon(QPolygonF({QPointF(c.x() - 5, c.y() - 16), QPointF(c.x() + 18, c.y() - 21),
                                 QPointF(c.x() + 18, c.y() - 14), QPointF(c.x() - 5, c.y() - 9)}));
        break;
    case Emblem::Flag:
        p.fillRect(QRectF(c.x() - 14, c.y() - 20, 2, 44), QColor(90, 70, 50));
        p.setBrush(Shade(QColor(200, 40, 40), name));
        p.drawPolygon(QPolygonF({QPointF(c.x() - 12, c.y() - 20), QPointF(c.x() + 16, c.y() - 16),
                                 QPointF(c.x() + 16, c.y() + 2), QPointF(c.x() - 12, c.y() - 2)}));
        p.setBrush(QColor(250, 215, 90));
        p.drawPath(StarPath(QPointF(c.x() + 2, c.y() - 9), 5, 2, 5));
        break;
    case Emblem::Bits: {
        QFont font(QStringLiteral("DejaVu Sans Mono"));
        font.setPixelSize(13);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(30, 140, 60));
        p.drawText(box.adjusted(0, 0, 0, -24), Qt::AlignCenter, QStringLiteral("0x100"));
        p.setPen(QColor(40, 40, 40));
        p.drawText(box.adjusted(0, 24, 0, 0), Qt::AlignCenter, QStringLiteral("{ }"));
        break;
    }
    }
}

Emblem EmblemOf(std::string_view picture) {
    static const std::map<std::string_view, Emblem> emblems = {
        {"R_NEWYEAR", Emblem::Tree},     {"R_VALENTN", Emblem::Heart},
        {"R_WOMEN08", Emblem::Flower},   {"R_FOOLS01", Emblem::Star},
        {"R_EARTH00", Emblem::Globe},    {"R_MAYDAY0", Emblem::Flower},
        {"R_CHILDRN", Emblem::Sun},      {"R_TEACHER", Emblem::Book},
        {"R_HALLOWN", Emblem::Pumpkin},  {"R_NEWEVE0", Emblem::Firework},
        {"R_XMASPRA", Emblem::Star},     {"R_BAPTISM", Emblem::Cross},
        {"R_SRETENI", Emblem::Candle},   {"R_MASLEN0", Emblem::Sun},
        {"R_BLAGOVE", Emblem::Flower},   {"R_VERBAPR", Emblem::Leaf},
        {"R_PASHAPR", Emblem::Egg},      {"R_VOZNPRA", Emblem::Dome},
        {"R_TROICA0", Emblem::Leaf},     {"R_SPASPRA", Emblem::Sun},
        {"R_USPENIE", Emblem::Dome},     {"R_ROZHDBO", Emblem::Flower},
        {"R_POKROV0", Emblem::Dome},     {"R_VVEDENI", Emblem::Candle},
        {"R_KINGS00", Emblem::Crown},    {"R_PATRICK", Emblem::Leaf},
        {"R_ANNUNCI", Emblem::Flower},   {"R_ASHWEDN", Emblem::Cross},
        {"R_PALMSUN", Emblem::Leaf},     {"R_GOODFRI", Emblem::Cross},
        {"R_PASHAKT", Emblem::Egg},      {"R_EASTMON", Emblem::Egg},
        {"R_ASCENSI", Emblem::Sun},      {"R_PENTECO", Emblem::Candle},
        {"R_WHITMON", Emblem::Candle},   {"R_CORPUSC", Emblem::Cross},
        {"R_ASSUMPT", Emblem::Star},     {"R_ALLSAIN", Emblem::Candle},
        {"R_IMMACUL", Emblem::Flower},   {"R_XMASEVE", Emblem::Candle},
        {"R_XMASKAT", Emblem::Tree},     {"R_STUDENT", Emblem::Book},
        {"R_DEFENDR", Emblem::Star},     {"R_COSMOS0", Emblem::Rocket},
        {"R_RADIO00", Emblem::Note},     {"R_VICTORY", Emblem::Firework},
        {"R_RUSSIA0", Emblem::Flag},     {"R_NAVY000", Emblem::Star},
        {"R_SCHOOL0", Emblem::Book},     {"R_PROGDAY", Emblem::Bits},
        {"R_UNITY00", Emblem::Flag},     {"R_MOTHRRU", Emblem::Heart},
        {"R_CONSTRU", Emblem::Book},     {"R_MLKING0", Emblem::Star},
        {"R_PRESDNT", Emblem::Star},     {"R_MOTHRUS", Emblem::Heart},
        {"R_MEMORIA", Emblem::Flower},   {"R_FATHERS", Emblem::Crown},
        {"R_JUNETEE", Emblem::Star},     {"R_INDEPUS", Emblem::Firework},
        {"R_LABORUS", Emblem::Sun},      {"R_COLUMBS", Emblem::Globe},
        {"R_VETERAN", Emblem::Star},     {"R_THANKSG", Emblem::Pumpkin},
        {"R_GEORGE0", Emblem::Cross},    {"R_MAYBANK", Emblem::Flower},
        {"R_SPRBANK", Emblem::Flower},   {"R_SUMBANK", Emblem::Sun},
        {"R_BONFIRE", Emblem::Firework}, {"R_REMEMBR", Emblem::Flower},
        {"R_ANDREW0", Emblem::Cross},    {"R_BOXING0", Emblem::Star},
        {"R_REFORMA", Emblem::Book},     {"R_EINHEIT", Emblem::Flag},
        {"R_MARTIN0", Emblem::Candle},   {"R_NIKOLAU", Emblem::Star},
        {"R_MARDIGR", Emblem::Firework}, {"R_VICTFRA", Emblem::Firework},
        {"R_MUSIQUE", Emblem::Note},     {"R_BASTILL", Emblem::Firework},
        {"R_ARMISTI", Emblem::Flower},   {"R_JOSEPH0", Emblem::Flower},
        {"R_SANTIAG", Emblem::Star},     {"R_HISPANI", Emblem::Flag},
        {"R_CONSTES", Emblem::Book},     {"R_INOCENT", Emblem::Star},
    };
    const auto found = emblems.find(picture);
    return found == emblems.end() ? Emblem::Star : found->second;
}

} // namespace

QImage CalendarFrame() {
    QImage image = Blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF page(0.5, 0.5, CalendarPictureWidth - 1, CalendarPictureHeight - 1);
    QLinearGradient paper(page.topLeft(), page.bottomLeft());
    paper.setColorAt(0, QColor(255, 252, 240));
    paper.setColorAt(1, QColor(238, 230, 205));
    p.setBrush(paper);
    p.setPen(QPen(QColor(120, 90, 60), 1));
    p.drawRoundedRect(page, 5, 5);
    p.setPen(QPen(QColor(200, 185, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(Inside).adjusted(-1.5, -1.5, 1.5, 1.5), 3, 3);
    // The rings the page hangs on.
    p.setPen(QPen(QColor(90, 90, 100), 1.5));
    for (double x : {17.0, 43.0}) {
        p.setBrush(QColor(60, 50, 40));
        p.drawEllipse(QPointF(x, 5), 2, 2);
    }
    return image;
}

QImage MonthHeading(int month) {
    QImage image = Blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int season = month % 12 / 3; // winter, spring, summer, autumn
    const std::array<QColor, 4> colours{QColor(60, 110, 190), QColor(70, 160, 70),
                                        QColor(235, 160, 30), QColor(190, 80, 30)};
    const QRectF band(Inside.left(), Inside.top(), Inside.width(), 24);
    QLinearGradient fill(band.topLeft(), band.bottomLeft());
    fill.setColorAt(0, colours[static_cast<std::size_t>(season)].lighter(130));
    fill.setColorAt(1, colours[static_cast<std::size_t>(season)]);
    p.fillRect(band, fill);
    // One emblem per month of the season, so that each month looks its own.
    const int inSeason = (month % 12) % 3;
    for (int i = 0; i <= inSeason; ++i) {
        const QPointF at(band.center().x() + (i - inSeason / 2.0) * 15, band.center().y());
        switch (season) {
        case 0:
            Snowflake(p, at, 7, Qt::white);
            break;
        case 1:
            Flower(p, at, 7, QColor(250, 250, 250));
            break;
        case 2:
            Sun(p, at, 4, QColor(255, 245, 150));
            break;
        default:
            Leaf(p, at, 7, QColor(250, 200, 60));
            break;
        }
    }
    return image;
}

QImage YearSign(int yearMod12) {
    // The Monkey, Rooster, Dog, Pig, Rat, Ox, Tiger, Rabbit, Dragon, Snake,
    // Horse and Goat.
    static const std::array<QString, 12> characters{
        QStringLiteral("猴"), QStringLiteral("雞"), QStringLiteral("狗"), QStringLiteral("豬"),
        QStringLiteral("鼠"), QStringLiteral("牛"), QStringLiteral("虎"), QStringLiteral("兔"),
        QStringLiteral("龍"), QStringLiteral("蛇"), QStringLiteral("馬"), QStringLiteral("羊")};
    QImage image = Blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(CalendarPictureWidth / 2.0, CalendarPictureHeight / 2.0 + 4);
    p.setPen(QPen(QColor(230, 180, 40), 2));
    p.setBrush(QColor(180, 20, 30));
    p.drawEllipse(c, 23, 23);
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(30);
    p.setFont(font);
    p.setPen(QColor(250, 215, 90));
    p.drawText(QRectF(c.x() - 23, c.y() - 23, 46, 46), Qt::AlignCenter,
               characters[static_cast<std::size_t>(yearMod12 % 12)]);
    // A small cloud scroll above and below.
    p.setPen(QPen(QColor(180, 20, 30), 1.5));
    p.setBrush(Qt::NoBrush);
    for (double y : {Inside.top() + 6.0, Inside.bottom() - 6.0})
        for (double dx : {-8.0, 0.0, 8.0})
            p.drawArc(QRectF(c.x() + dx - 4, y - 4, 8, 8), 0, 180 * 16);
    return image;
}

QImage HolidayPicture(std::string_view picture, std::string_view category) {
    QImage image = Blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    CategoryBand(p, category);
    DrawEmblem(p, EmblemOf(picture), picture);
    return image;
}

} // namespace tavlira
