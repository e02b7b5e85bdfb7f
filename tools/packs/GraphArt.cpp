#include "GraphArt.h"

#include "../artwork/Lettering.h"
#include "i18n/words/Menu.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cmath>

namespace tavlira {
namespace {

constexpr double kPi = 3.14159265358979323846;
const QColor kGoldInk(240, 200, 80);

// Soft folds of purple silk under a faint lattice of diamonds.
QImage PurpleSilk(QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double fold = std::sin(x / 110.0 + 2.5 * std::sin(y / 170.0)) *
                                std::cos(y / 230.0 + std::sin(x / 260.0));
            const double u = std::fmod(x + y + 10000.0, 120) / 120;
            const double v = std::fmod(x - y + 10000.0, 120) / 120;
            const double lattice = std::min({u, 1 - u, v, 1 - v}) < 0.015 ? 0.12 : 0;
            const double t = std::clamp(0.45 + 0.22 * fold + lattice, 0.0, 1.0);
            line[x] = qRgb(static_cast<int>(40 + 140 * t), static_cast<int>(0 + 60 * t * t),
                           static_cast<int>(90 + 160 * t));
        }
    }
    return picture;
}

// 30 frames of 100 x 100 side by side: sparks fly out from the middle, fall
// a little and fade.
QImage SaluteStrip() {
    constexpr int kFrames = 30;
    QImage strip(100 * kFrames, 100, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    QRandomGenerator random(1606);
    struct Spark {
        double angle, speed;
        QColor colour;
    };
    std::vector<Spark> sparks;
    const QColor colours[] = {QColor(255, 220, 80), QColor(255, 90, 90), QColor(120, 200, 255),
                              QColor(200, 130, 255), QColor(140, 255, 140)};
    for (int i = 0; i < 48; ++i)
        sparks.push_back(
            {random.bounded(2 * kPi), 0.6 + random.bounded(0.6), colours[random.bounded(5)]});
    for (int frame = 0; frame < kFrames; ++frame) {
        const double t = (frame + 1) / static_cast<double>(kFrames);
        const QPointF centre(100 * frame + 50, 50);
        for (const Spark& spark : sparks) {
            const double reach = 44 * spark.speed * std::sqrt(t);
            const QPointF at = centre + QPointF(std::cos(spark.angle) * reach,
                                                std::sin(spark.angle) * reach + 12 * t * t);
            QColor colour = spark.colour;
            colour.setAlphaF(std::clamp(1.2 - t, 0.0, 1.0));
            painter.setBrush(colour);
            painter.drawEllipse(at, 2.6 - 1.6 * t, 2.6 - 1.6 * t);
        }
        if (frame < 6) {
            QRadialGradient flash(centre, 18);
            flash.setColorAt(0, QColor(255, 255, 220, 220 - frame * 35));
            flash.setColorAt(1, Qt::transparent);
            painter.setBrush(flash);
            painter.drawEllipse(centre, 18, 18);
        }
    }
    painter.end();
    return strip.convertToFormat(QImage::Format_ARGB32);
}

// Ten 48 x 48 frames of a gear turning a tenth of its tooth step each.
QImage GearStrip() {
    QImage strip(480, 48, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int frame = 0; frame < 10; ++frame) {
        painter.save();
        painter.translate(48 * frame + 24, 24);
        painter.rotate(frame * 4.5);
        QPainterPath gear;
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-4, -21, 8, 10), 2, 2);
        for (int n = 0; n < 8; ++n)
            gear.addPath(QTransform().rotate(n * 45).map(tooth));
        gear.addEllipse(QPointF(0, 0), 15, 15);
        gear = gear.simplified();
        QPainterPath hole;
        hole.addEllipse(QPointF(0, 0), 6, 6);
        gear = gear.subtracted(hole);
        QLinearGradient gold(QPointF(-20, -20), QPointF(20, 20));
        gold.setColorAt(0, QColor(255, 236, 150));
        gold.setColorAt(1, QColor(176, 120, 30));
        painter.setPen(QPen(QColor(90, 50, 10), 1.2));
        painter.setBrush(gold);
        painter.drawPath(gear);
        painter.restore();
    }
    painter.end();
    return strip.convertToFormat(QImage::Format_ARGB32);
}

QImage Lettering(QSize size, const QString& text, const QColor& outline) {
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawGoldLettering(painter, QRectF(QPointF(0, 0), size).adjusted(8, 6, -8, -6), text, outline);
    painter.end();
    return picture.convertToFormat(QImage::Format_ARGB32);
}

// The purple options dialog: silk with a lighter pane where the tabs lie.
QImage PurpleDialog(QSize size) {
    QImage picture = PurpleSilk(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient pane(QPointF(0, 0), QPointF(0, size.height()));
    pane.setColorAt(0, QColor(200, 180, 255, 90));
    pane.setColorAt(1, QColor(240, 220, 255, 60));
    painter.setPen(QPen(kGoldInk, 2));
    painter.setBrush(pane);
    painter.drawRoundedRect(QRectF(5, 5, size.width() - 10, size.height() - 10), 12, 12);
    return picture;
}

} // namespace

bool GraphPictures(PackEntries& out) {
    out.push_back({PackFolder::Jpeg, "BGLilu", Jpeg(PurpleSilk(QSize(1520, 1000)), 85)});
    out.push_back({PackFolder::RcData, "GTouch", Png(SaluteStrip())});
    out.push_back({PackFolder::Jpeg, "GFormOpt", Jpeg(PurpleDialog(QSize(500, 400)), 90)});
    out.push_back({PackFolder::RcData, "GIcon48Opt", Png(GearStrip())});
    for (const PictureLanguage& language : PictureLanguages()) {
        const QString title = Lettered(words::Options, language.language);
        // The title over the red ribbon and on the purple dialog, and the
        // header picture of the gray concise design.
        out.push_back({PackFolder::RcData, "GFormOpt" + language.suffix,
                       Png(Lettering(QSize(290, 100), title, QColor(90, 0, 40)))});
        out.push_back({PackFolder::RcData, "Options" + language.suffix,
                       Png(Lettering(QSize(265, 48), title, QColor(40, 40, 40)))});
    }
    return true;
}

} // namespace tavlira
