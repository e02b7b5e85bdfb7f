#include "AnimationArt.h"

#include "Canvas.h"
#include "media/GifWriter.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <functional>

namespace tavlira {
namespace {

constexpr double kTurn = 2 * M_PI;

// Frames of `count` pictures of `size`, each drawn by `draw` with the frame's
// number on a transparent picture.
std::vector<QImage> Frames(QSize size, int count, const std::function<void(QPainter&, int)>& draw) {
    std::vector<QImage> frames;
    for (int frame = 0; frame < count; ++frame) {
        QImage picture = Blank(size);
        QPainter p(&picture);
        Begin(p);
        draw(p, frame);
        p.end();
        frames.push_back(picture);
    }
    return frames;
}

// The menu animations' ground: green felt in a gilt frame.
void FramedFelt(QPainter& p, QSize size) {
    const QRectF outer = QRectF(QPointF(0, 0), size);
    p.setPen(Qt::NoPen);
    p.setBrush(Gilt(outer.topLeft(), outer.bottomLeft(), kGold));
    p.drawRect(outer);
    const QRectF felt = outer.adjusted(7, 7, -7, -7);
    QRadialGradient light(felt.center() - QPointF(0, 20), felt.height() * 0.7);
    light.setColorAt(0, QColor(40, 140, 70));
    light.setColorAt(1, QColor(10, 64, 30));
    p.setPen(QPen(QColor(90, 60, 10), 1.5));
    p.setBrush(light);
    p.drawRect(felt);
    p.setPen(QPen(QColor(255, 236, 160, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(outer.adjusted(3, 3, -3, -3));
}

// The back of a card: a red lattice in a white border.
void DrawCardBack(QPainter& p, const QRectF& card) {
    const double radius = card.width() * 0.1;
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(252, 250, 244));
    p.drawRoundedRect(card, radius, radius);
    const QRectF field = card.adjusted(card.width() * 0.1, card.width() * 0.1, -card.width() * 0.1,
                                       -card.width() * 0.1);
    p.save();
    p.setBrush(QColor(170, 20, 30));
    p.setPen(Qt::NoPen);
    p.drawRect(field);
    p.setClipRect(field);
    p.setPen(QPen(QColor(240, 170, 150), 1));
    const double step = std::max(4.0, field.width() / 6);
    for (double x = field.left() - field.height(); x < field.right(); x += step) {
        p.drawLine(QPointF(x, field.top()), QPointF(x + field.height(), field.bottom()));
        p.drawLine(QPointF(x, field.bottom()), QPointF(x + field.height(), field.top()));
    }
    p.restore();
}

// A four-pointed twinkle of `radius` at `centre`.
void DrawSparkle(QPainter& p, QPointF centre, double radius, const QColor& colour) {
    if (radius <= 0.5)
        return;
    const double waist = radius * 0.22;
    QPainterPath star;
    star.moveTo(centre.x(), centre.y() - radius);
    star.quadTo(centre.x() + waist, centre.y() - waist, centre.x() + radius, centre.y());
    star.quadTo(centre.x() + waist, centre.y() + waist, centre.x(), centre.y() + radius);
    star.quadTo(centre.x() - waist, centre.y() + waist, centre.x() - radius, centre.y());
    star.quadTo(centre.x() - waist, centre.y() - waist, centre.x(), centre.y() - radius);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(star);
}

void DrawStar(QPainter& p, QPointF centre, double radius, const QColor& colour) {
    QPolygonF star;
    for (int point = 0; point < 10; ++point) {
        const double r = point % 2 == 0 ? radius : radius * 0.45;
        const double angle = -M_PI / 2 + point * M_PI / 5;
        star << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    p.setPen(QPen(colour.darker(170), 0.8));
    p.setBrush(colour);
    p.drawPolygon(star);
}

// "GifMenu1": a hand holding a fan of cards that opens and closes.
std::vector<QImage> CardFan() {
    constexpr int kFrames = 16;
    return Frames({160, 200}, kFrames, [](QPainter& p, int frame) {
        FramedFelt(p, {160, 200});
        const double open = (1 - std::cos(kTurn * frame / kFrames)) / 2;
        const std::array<std::pair<const char*, QChar>, 5> cards = {
            {{"10", kHeart}, {"J", kClub}, {"Q", kDiamond}, {"K", kHeart}, {"A", kSpade}}};
        const QPointF pivot(80, 150);
        for (size_t i = 0; i < cards.size(); ++i) {
            p.save();
            p.translate(pivot);
            p.rotate((double(i) - 2) * (4 + 15 * open));
            DrawCardFace(p, QRectF(-23, -96, 46, 66), cards[i].first, cards[i].second);
            p.restore();
        }
        // The hand: a sleeve, the palm under the cards and the thumb over
        // their corners.
        const QColor skin(246, 204, 160);
        const QPen outline(QColor(120, 70, 40), 1);
        p.setPen(QPen(QColor(20, 30, 70), 1));
        p.setBrush(QColor(40, 60, 130));
        p.drawRoundedRect(QRectF(58, 172, 44, 24), 4, 4);
        p.setBrush(QColor(240, 240, 240));
        p.drawRect(QRectF(60, 168, 40, 6));
        p.setPen(outline);
        p.setBrush(skin);
        p.drawEllipse(QRectF(60, 134, 42, 38));
        QPainterPath thumb;
        thumb.moveTo(66, 150);
        thumb.cubicTo(62, 136, 70, 124, 80, 122);
        thumb.cubicTo(88, 121, 90, 128, 84, 132);
        thumb.cubicTo(78, 136, 76, 144, 76, 152);
        thumb.closeSubpath();
        p.drawPath(thumb);
        p.setPen(QPen(QColor(200, 150, 120), 1));
        p.drawArc(QRectF(78, 123, 8, 6), 0, 180 * 16);
    });
}

// "GifMenu2": a card turning over and over, the ace of hearts on its face.
std::vector<QImage> TurningCard() {
    constexpr int kFrames = 24;
    return Frames({160, 200}, kFrames, [](QPainter& p, int frame) {
        FramedFelt(p, {160, 200});
        const double angle = kTurn * frame / kFrames;
        const double width = std::cos(angle);
        p.save();
        p.translate(80, 100);
        p.scale(std::max(0.04, std::abs(width)), 1);
        const QRectF card(-40, -56, 80, 112);
        if (width >= 0)
            DrawCardFace(p, card, "A", kHeart);
        else
            DrawCardBack(p, card);
        p.restore();
        // Sparkles round the face while it looks at the player.
        if (width > 0.8) {
            const double glow = (width - 0.8) / 0.2;
            DrawSparkle(p, {36, 50}, 9 * glow, QColor(255, 250, 200));
            DrawSparkle(p, {126, 64}, 7 * glow, QColor(255, 250, 200));
            DrawSparkle(p, {122, 152}, 10 * glow, QColor(255, 250, 200));
            DrawSparkle(p, {40, 146}, 6 * glow, QColor(255, 250, 200));
        }
    });
}

// "GTopTen": a gold "10" on a medallion over a red banner, with stars that
// twinkle in turn.
std::vector<QImage> TopTenBanner() {
    constexpr int kFrames = 12;
    return Frames({240, 120}, kFrames, [](QPainter& p, int frame) {
        p.setPen(QPen(QColor(80, 0, 0), 1));
        for (int side : {-1, 1}) {
            p.setBrush(QColor(140, 8, 14));
            const double x = 120 + side * 112;
            p.drawPolygon(QPolygonF(
                {{x, 52}, {x - side * 40, 52}, {x - side * 40, 92}, {x, 92}, {x - side * 12, 72}}));
        }
        QLinearGradient silk(0, 44, 0, 84);
        silk.setColorAt(0, QColor(250, 70, 60));
        silk.setColorAt(1, QColor(150, 0, 10));
        p.setBrush(silk);
        p.drawRect(QRectF(36, 44, 168, 38));
        p.setPen(QPen(QColor(110, 70, 0), 1.5));
        p.setBrush(Gilt({0, 14}, {0, 106}, kGold));
        p.drawEllipse(QPointF(120, 60), 46, 46);
        QRadialGradient field(QPointF(112, 50), 40);
        field.setColorAt(0, QColor(160, 20, 30));
        field.setColorAt(1, QColor(90, 0, 10));
        p.setBrush(field);
        p.drawEllipse(QPointF(120, 60), 37, 37);
        QFont font("DejaVu Serif");
        font.setBold(true);
        font.setPixelSize(44);
        const QPainterPath ten = TextInBox("10", font, QRectF(96, 40, 48, 40));
        p.setPen(QPen(QColor(90, 50, 0), 1));
        p.setBrush(Gilt({0, 40}, {0, 80}, QColor(240, 200, 80)));
        p.drawPath(ten);
        const std::array<QPointF, 7> stars = {
            {{18, 24}, {56, 14}, {184, 14}, {222, 24}, {30, 104}, {210, 104}, {120, 8}}};
        for (size_t i = 0; i < stars.size(); ++i) {
            const double phase = kTurn * (double(frame) / kFrames + double(i) * 3 / 7);
            const double size = 5 + 3 * std::sin(phase);
            DrawStar(p, stars[i], size, QColor(255, 220, 60));
            DrawSparkle(p, stars[i], size * 1.8 * std::max(0.0, std::sin(phase)),
                        QColor(255, 255, 230));
        }
    });
}

// A club emblem: a shield with a sign on it and a light that sweeps over it
// now and then.
std::vector<QImage> ClubEmblem(const QColor& field, QChar sign) {
    constexpr int kFrames = 16;
    return Frames({60, 75}, kFrames, [&](QPainter& p, int frame) {
        QPainterPath shield;
        shield.moveTo(4, 6);
        shield.lineTo(56, 6);
        shield.lineTo(56, 36);
        shield.cubicTo(56, 56, 40, 66, 30, 72);
        shield.cubicTo(20, 66, 4, 56, 4, 36);
        shield.closeSubpath();
        p.setPen(QPen(QColor(90, 60, 10), 1.2));
        p.setBrush(Gilt({0, 4}, {0, 72}, kGold));
        p.drawPath(shield);
        const QPainterPath inner =
            QTransform::fromTranslate(30, 39).scale(0.82, 0.84).translate(-30, -39).map(shield);
        QLinearGradient colour(0, 8, 0, 70);
        colour.setColorAt(0, field.lighter(135));
        colour.setColorAt(1, field.darker(150));
        p.setBrush(colour);
        p.drawPath(inner);
        QFont font("DejaVu Sans");
        font.setPixelSize(40);
        const QPainterPath mark = TextInBox(QString(sign), font, QRectF(16, 16, 28, 32));
        p.setPen(QPen(QColor(90, 60, 10), 1));
        p.setBrush(Gilt({0, 16}, {0, 48}, QColor(245, 210, 100)));
        p.drawPath(mark);
        // The sweep crosses the shield in the first half of the loop.
        const double sweep = -30 + 130 * frame / (kFrames / 2.0);
        if (sweep < 90) {
            p.save();
            p.setClipPath(inner);
            QLinearGradient light(sweep - 12, 0, sweep + 12, 0);
            light.setColorAt(0, QColor(255, 255, 255, 0));
            light.setColorAt(0.5, QColor(255, 255, 240, 150));
            light.setColorAt(1, QColor(255, 255, 255, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(light);
            p.drawPolygon(
                QPolygonF({{sweep - 22, 80}, {sweep - 2, 0}, {sweep + 22, 0}, {sweep + 2, 80}}));
            p.restore();
        }
    });
}

// A gold cup.
void DrawCup(QPainter& p, QPointF base) {
    p.save();
    p.translate(base);
    p.setPen(QPen(QColor(110, 70, 0), 1.2));
    p.setBrush(Gilt({-32, 0}, {32, 0}, kGold));
    QPainterPath cup;
    cup.moveTo(-30, -90);
    cup.lineTo(30, -90);
    cup.cubicTo(30, -52, 16, -42, 6, -38);
    cup.lineTo(6, -22);
    cup.lineTo(18, -14);
    cup.lineTo(18, -4);
    cup.lineTo(-18, -4);
    cup.lineTo(-18, -14);
    cup.lineTo(-6, -22);
    cup.lineTo(-6, -38);
    cup.cubicTo(-16, -42, -30, -52, -30, -90);
    p.drawPath(cup);
    p.drawRoundedRect(QRectF(-26, -6, 52, 8), 2, 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 100, 10), 4.2));
    p.drawArc(QRectF(-46, -86, 26, 26), 90 * 16, 180 * 16);
    p.drawArc(QRectF(20, -86, 26, 26), -90 * 16, 180 * 16);
    p.setPen(QPen(QColor(255, 232, 140), 2));
    p.drawArc(QRectF(-46, -86, 26, 26), 90 * 16, 180 * 16);
    p.drawArc(QRectF(20, -86, 26, 26), -90 * 16, 180 * 16);
    p.setPen(QPen(QColor(255, 250, 220), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-18, -82), QPointF(-14, -58));
    p.restore();
}

// "GEndBest": the cup rises from below, then rays open behind it and it
// shines; the last frame is the still picture.
std::vector<QImage> CupRising() {
    constexpr int kFrames = 26;
    return Frames({150, 150}, kFrames, [](QPainter& p, int frame) {
        const double rise = std::min(1.0, frame / 12.0);
        const double eased = 1 - std::pow(1 - rise, 3);
        const double shine = std::clamp((frame - 10) / 15.0, 0.0, 1.0);
        if (shine > 0) {
            p.save();
            p.translate(75, 62);
            p.rotate(frame * 3.0);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 226, 110));
            const double length = 30 + 28 * shine;
            for (int ray = 0; ray < 12; ++ray) {
                p.drawPolygon(QPolygonF({{0, 0}, {-5, -length}, {5, -length}}));
                p.rotate(30);
            }
            p.restore();
        }
        DrawCup(p, QPointF(75, 138 + 120 * (1 - eased)));
        if (shine > 0) {
            const std::array<QPointF, 4> glints = {{{52, 40}, {98, 32}, {104, 84}, {46, 92}}};
            for (size_t i = 0; i < glints.size(); ++i) {
                const double pulse = std::sin(M_PI * std::fmod(frame / 6.0 + i * 0.25, 1.0));
                DrawSparkle(p, glints[i], 10 * shine * pulse, QColor(255, 255, 240));
            }
            DrawSparkle(p, {62, 60}, 12 * shine, QColor(255, 255, 255));
        }
    });
}

// "GEndGood": a medal on its ribbon swings and comes to rest; the last frame
// hangs straight.
std::vector<QImage> SwingingMedal() {
    constexpr int kFrames = 25;
    return Frames({150, 150}, kFrames, [](QPainter& p, int frame) {
        const double t = frame;
        const double angle = frame == kFrames - 1 ? 0 : 22 * std::exp(-t / 7) * std::cos(t * 0.75);
        p.save();
        p.translate(75, 6);
        p.rotate(angle);
        p.setPen(QPen(QColor(60, 10, 20), 1));
        p.setBrush(QColor(40, 70, 170));
        p.drawPolygon(QPolygonF({{-14, 0}, {0, 0}, {0, 78}, {-12, 74}}));
        p.setBrush(QColor(190, 30, 40));
        p.drawPolygon(QPolygonF({{14, 0}, {0, 0}, {0, 78}, {12, 74}}));
        p.setBrush(QColor(240, 240, 240));
        p.drawRect(QRectF(-2.5, 0, 5, 78));
        p.setPen(QPen(QColor(110, 70, 0), 1.2));
        p.setBrush(Gilt({0, 70}, {0, 140}, kGold));
        p.drawEllipse(QPointF(0, 104), 34, 34);
        QRadialGradient field(QPointF(-6, 96), 30);
        field.setColorAt(0, QColor(255, 238, 150));
        field.setColorAt(1, QColor(206, 150, 30));
        p.setBrush(field);
        p.drawEllipse(QPointF(0, 104), 27, 27);
        DrawStar(p, QPointF(0, 105), 19, QColor(230, 180, 40));
        p.restore();
        if (frame == kFrames - 1)
            DrawSparkle(p, {58, 90}, 9, QColor(255, 255, 240));
    });
}

// "GEndBads": a rain cloud drifting a little while its drops fall.
std::vector<QImage> RainCloud() {
    constexpr int kFrames = 8;
    constexpr double kFall = 96; // a drop falls this far in one loop
    return Frames({150, 150}, kFrames, [](QPainter& p, int frame) {
        const double drift = 2 * std::sin(kTurn * frame / kFrames);
        const std::array<std::pair<double, double>, 7> drops = {
            {{38, 0}, {54, 40}, {70, 18}, {86, 62}, {102, 30}, {116, 76}, {62, 84}}};
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(80, 140, 230));
        for (const auto& [x, offset] : drops) {
            const double y = 56 + std::fmod(offset + kFall * frame / kFrames, kFall);
            QPainterPath drop;
            drop.moveTo(x, y - 7);
            drop.cubicTo(x + 3.5, y - 1, x + 3.5, y + 3, x, y + 3);
            drop.cubicTo(x - 3.5, y + 3, x - 3.5, y - 1, x, y - 7);
            p.drawPath(drop);
        }
        p.setBrush(QColor(70, 120, 200));
        p.drawEllipse(QRectF(30, 138, 90, 8));
        QLinearGradient body(0, 14, 0, 64);
        body.setColorAt(0, QColor(170, 176, 190));
        body.setColorAt(1, QColor(90, 96, 112));
        p.setPen(QPen(QColor(60, 64, 76), 1.2));
        p.setBrush(body);
        QPainterPath cloud;
        cloud.setFillRule(Qt::WindingFill);
        for (const auto& [cx, cy, r] : std::array<std::tuple<double, double, double>, 5>{
                 {{44, 44, 18}, {66, 32, 22}, {92, 34, 20}, {112, 46, 16}, {78, 50, 18}}})
            cloud.addEllipse(QPointF(cx + drift, cy), r, r);
        cloud.addRect(QRectF(44 + drift, 46, 68, 16));
        p.drawPath(cloud.simplified());
    });
}

// "GGenCount": an abacus whose beads slide across in turn.
std::vector<QImage> Abacus() {
    constexpr int kFrames = 16;
    return Frames({100, 100}, kFrames, [](QPainter& p, int frame) {
        const QColor wood(150, 90, 40);
        p.setPen(QPen(wood.darker(180), 1));
        p.setBrush(Gilt({0, 0}, {0, 100}, wood));
        p.drawRoundedRect(QRectF(4, 8, 92, 84), 5, 5);
        p.setBrush(QColor(250, 236, 200));
        p.drawRect(QRectF(12, 16, 76, 68));
        const std::array<QColor, 4> beads = {QColor(200, 30, 40), QColor(40, 90, 190),
                                             QColor(40, 150, 60), QColor(230, 170, 20)};
        for (int rod = 0; rod < 4; ++rod) {
            const double y = 26 + rod * 16;
            p.setPen(QPen(QColor(120, 100, 80), 1.5));
            p.drawLine(QPointF(12, y), QPointF(88, y));
            const double slide =
                (1 - std::cos(kTurn * frame / kFrames + rod * M_PI / 2)) / 2; // 0 left, 1 right
            const QColor colour = beads[static_cast<size_t>(rod)];
            p.setPen(QPen(colour.darker(170), 0.8));
            for (int bead = 0; bead < 4; ++bead) {
                const double x = bead < 3 ? 18 + bead * 9 : 45 + slide * 36;
                QRadialGradient ball(QPointF(x - 1.5, y - 2), 6);
                ball.setColorAt(0, colour.lighter(160));
                ball.setColorAt(1, colour.darker(120));
                p.setBrush(ball);
                p.drawEllipse(QPointF(x, y), 5, 5.5);
            }
        }
    });
}

bool AddGif(ResourceWriter& out, const QString& name, const std::vector<QImage>& frames,
            int delayMs, GifLoop loop) {
    return out.AddEncoded(ResourceType::Gif, name, EncodeGif(frames, delayMs, loop));
}

} // namespace

bool WriteAnimationArt(ResourceWriter& out) {
    // Club emblems: A and B online, C and F against the computer, E the
    // tournament, G the network duel.
    const std::array<std::tuple<const char*, QColor, QChar>, 6> clubs = {{
        {"GClubA", QColor(40, 80, 170), kDiamond},
        {"GClubB", QColor(120, 20, 40), QChar(0x265B)}, // a crowned queen
        {"GClubC", QColor(30, 120, 60), kClub},
        {"GClubE", QColor(100, 40, 140), QChar(0x265C)}, // a rook
        {"GClubF", QColor(180, 24, 30), kHeart},
        {"GClubG", QColor(20, 110, 120), kSpade},
    }};
    for (const auto& [name, field, sign] : clubs)
        if (!AddGif(out, name, ClubEmblem(field, sign), 90, GifLoop::Forever))
            return false;
    return AddGif(out, "GifMenu1", CardFan(), 90, GifLoop::Forever) &&
           AddGif(out, "GifMenu2", TurningCard(), 70, GifLoop::Forever) &&
           AddGif(out, "GTopTen", TopTenBanner(), 90, GifLoop::Forever) &&
           AddGif(out, "GEndBest", CupRising(), 80, GifLoop::Once) &&
           AddGif(out, "GEndGood", SwingingMedal(), 80, GifLoop::Once) &&
           AddGif(out, "GEndBads", RainCloud(), 100, GifLoop::Forever) &&
           AddGif(out, "GGenCount", Abacus(), 80, GifLoop::Forever);
}

} // namespace tavlira
