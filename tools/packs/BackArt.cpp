#include "BackArt.h"

#include "ui/artwork/ArtworkTables.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdio>

namespace tavlira {
namespace {

constexpr QSize kSmall(69, 94);
constexpr QSize kWide(146, 198);
constexpr QSize kNarrow(126, 198);

// One ink per picture, Monday first; pictures 8..10 of the larger designs
// take the last three.
const std::array<QColor, 10> kInks = {
    QColor(150, 24, 30),  QColor(26, 104, 52), QColor(86, 40, 126), QColor(120, 70, 24),
    QColor(20, 100, 110), QColor(36, 36, 40),  QColor(28, 36, 110), QColor(104, 110, 28),
    QColor(120, 20, 80),  QColor(60, 80, 100),
};

QColor Ink(int picture) {
    return kInks[static_cast<size_t>((picture - 1) % 10)];
}

QColor Lighter(const QColor& colour, int percent) {
    return QColor(colour.red() + (255 - colour.red()) * percent / 100,
                  colour.green() + (255 - colour.green()) * percent / 100,
                  colour.blue() + (255 - colour.blue()) * percent / 100);
}

// Dark parts of `picture` take `dark`, light parts `light`; alpha is kept.
QImage Duotone(const QImage& picture, const QColor& dark, const QColor& light) {
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const double t = qGray(line[x]) / 255.0;
            auto mix = [t](int a, int b) { return static_cast<int>(a + (b - a) * t + 0.5); };
            line[x] = qRgba(mix(dark.red(), light.red()), mix(dark.green(), light.green()),
                            mix(dark.blue(), light.blue()), qAlpha(line[x]));
        }
    }
    return result;
}

// A white card with rounded corners and the inner panel the pattern fills;
// the painter is left clipped to the panel, in a 146 x 198 base.
QRectF BeginCard(QPainter& painter, QSize size) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / 146.0, size.height() / 198.0);
    QPainterPath card;
    card.addRoundedRect(QRectF(0.5, 0.5, 145, 197), 9, 9);
    painter.fillPath(card, Qt::white);
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.drawPath(card);
    const QRectF panel(8, 8, 130, 182);
    QPainterPath clip;
    clip.addRoundedRect(panel, 5, 5);
    painter.setClipPath(clip);
    return panel;
}

void Glyph(QPainter& painter, const QRectF& box, QChar sign, const QColor& colour) {
    QFont font("DejaVu Sans");
    font.setPixelSize(static_cast<int>(box.height()));
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, QString(sign));
}

void Medallion(QPainter& painter, const QPointF& centre, double radius, const QColor& ink) {
    painter.setPen(QPen(Lighter(ink, 70), 3));
    painter.setBrush(Lighter(ink, 92));
    painter.drawEllipse(centre, radius, radius);
}

void Carpet(QPainter& painter, const QRectF& panel, const QColor& ink) {
    painter.fillRect(panel, ink);
    painter.setPen(Qt::NoPen);
    const double step = 18;
    for (double y = panel.top(); y < panel.bottom() + step; y += step) {
        for (double x = panel.left(); x < panel.right() + step; x += step) {
            QPolygonF diamond({{x, y - 8}, {x + 8, y}, {x, y + 8}, {x - 8, y}});
            painter.setBrush(Lighter(ink, 35));
            painter.drawPolygon(diamond);
            painter.setBrush(Lighter(ink, 80));
            painter.drawEllipse(QPointF(x, y), 2.5, 2.5);
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Lighter(ink, 85), 4));
    painter.drawRect(panel.adjusted(6, 6, -6, -6));
}

void Crosses(QPainter& painter, const QRectF& panel, const QColor& ink) {
    painter.fillRect(panel, Lighter(ink, 88));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    for (int row = 0; row < 11; ++row) {
        for (int col = 0; col < 8; ++col) {
            const double x = panel.left() + 8 + col * 17 + (row % 2) * 8.5;
            const double y = panel.top() + 8 + row * 17;
            painter.drawRect(QRectF(x - 5, y - 1.5, 10, 3));
            painter.drawRect(QRectF(x - 1.5, y - 5, 3, 10));
        }
    }
    const QPointF centre = panel.center();
    painter.setBrush(Lighter(ink, 88));
    painter.drawEllipse(centre, 34, 34);
    painter.setBrush(ink);
    painter.drawRect(QRectF(centre.x() - 24, centre.y() - 6, 48, 12));
    painter.drawRect(QRectF(centre.x() - 6, centre.y() - 24, 12, 48));
}

void Chess(QPainter& painter, const QRectF& panel, const QColor& ink) {
    const double cell = panel.width() / 8;
    for (int row = 0; row * cell < panel.height(); ++row) {
        for (int col = 0; col < 8; ++col)
            painter.fillRect(
                QRectF(panel.left() + col * cell, panel.top() + row * cell, cell, cell),
                (row + col) % 2 ? ink : Lighter(ink, 85));
    }
    Medallion(painter, panel.center(), 30, ink);
    Glyph(painter, QRectF(panel.center() - QPointF(25, 27), QSizeF(50, 50)), QChar(0x265E), ink);
}

void Diamonds(QPainter& painter, const QRectF& panel, const QColor& ink) {
    painter.fillRect(panel, ink);
    painter.setPen(QPen(Lighter(ink, 60), 1.6));
    for (double d = -panel.height(); d < panel.width() + panel.height(); d += 13) {
        painter.drawLine(QPointF(panel.left() + d, panel.top()),
                         QPointF(panel.left() + d + panel.height(), panel.bottom()));
        painter.drawLine(QPointF(panel.left() + d, panel.bottom()),
                         QPointF(panel.left() + d + panel.height(), panel.top()));
    }
    const QPointF c = panel.center();
    painter.setPen(QPen(Lighter(ink, 90), 3));
    painter.setBrush(Lighter(ink, 25));
    painter.drawPolygon(QPolygonF(
        {{c.x(), c.y() - 56}, {c.x() + 38, c.y()}, {c.x(), c.y() + 56}, {c.x() - 38, c.y()}}));
}

void Knightly(QPainter& painter, const QRectF& panel, const QColor& ink) {
    painter.fillRect(panel, Lighter(ink, 15));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Lighter(ink, 40));
    for (double y = panel.top() + 6; y < panel.bottom(); y += 14)
        for (double x = panel.left() + 6 + (static_cast<int>(y) / 14 % 2) * 7; x < panel.right();
             x += 14)
            painter.drawEllipse(QPointF(x, y), 2, 2);
    const QPointF c = panel.center();
    QPainterPath shield;
    shield.moveTo(c.x() - 40, c.y() - 50);
    shield.lineTo(c.x() + 40, c.y() - 50);
    shield.lineTo(c.x() + 40, c.y() + 5);
    shield.quadTo(c.x() + 40, c.y() + 45, c.x(), c.y() + 62);
    shield.quadTo(c.x() - 40, c.y() + 45, c.x() - 40, c.y() + 5);
    shield.closeSubpath();
    painter.setPen(QPen(QColor(212, 170, 60), 4));
    painter.setBrush(Lighter(ink, 90));
    painter.drawPath(shield);
    Glyph(painter, QRectF(c - QPointF(30, 40), QSizeF(60, 70)), QChar(0x269C), ink);
}

void Flowers(QPainter& painter, const QRectF& panel, const QColor& ink, int picture) {
    painter.fillRect(panel, Lighter(ink, 90));
    const int petals = 4 + picture % 5;
    const double step = 30 + (picture % 3) * 6;
    painter.setPen(Qt::NoPen);
    int n = 0;
    for (double y = panel.top() + step / 2; y < panel.bottom() + step / 2; y += step) {
        for (double x = panel.left() + step / 2 + (n % 2) * step / 2; x < panel.right() + step;
             x += step) {
            painter.save();
            painter.translate(x, y);
            painter.setBrush(n % 3 ? ink : Lighter(ink, 40));
            for (int p = 0; p < petals; ++p) {
                painter.rotate(360.0 / petals);
                painter.drawEllipse(QRectF(-3.5, -12, 7, 11));
            }
            painter.setBrush(QColor(240, 200, 60));
            painter.drawEllipse(QPointF(0, 0), 3.5, 3.5);
            painter.restore();
        }
        ++n;
    }
}

// A landscape per picture: sky, sun or moon, mountains or a town, water.
void Place(QPainter& painter, const QRectF& panel, const QColor& ink, int picture) {
    QRandomGenerator random(static_cast<quint32>(7919 * picture));
    QLinearGradient sky(panel.topLeft(), panel.bottomLeft());
    sky.setColorAt(0, Lighter(ink, 30));
    sky.setColorAt(0.6, Lighter(ink, 85));
    painter.fillRect(panel, sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(picture % 2 ? QColor(255, 214, 90) : QColor(245, 245, 230));
    painter.drawEllipse(QPointF(panel.left() + 30 + random.bounded(70), panel.top() + 36), 13, 13);
    const double horizon = panel.top() + 110 + random.bounded(20);
    if (picture % 3 == 0) {
        // A town: houses, towers and domes.
        for (double x = panel.left() - 4; x < panel.right();) {
            const double w = 10 + random.bounded(14);
            const double h = 20 + random.bounded(50);
            painter.setBrush(ink.darker(110 + random.bounded(60)));
            painter.drawRect(QRectF(x, horizon - h, w, h + 80));
            if (random.bounded(3) == 0)
                painter.drawEllipse(QRectF(x, horizon - h - w / 2, w, w));
            x += w;
        }
    } else {
        // Two ranges of mountains.
        for (int range = 0; range < 2; ++range) {
            QPainterPath ridge(QPointF(panel.left(), panel.bottom()));
            double y = horizon - 30 + range * 20;
            for (double x = panel.left(); x <= panel.right() + 10; x += 10) {
                y = std::clamp(y + random.bounded(24) - 12.0, horizon - 70, horizon + 10);
                ridge.lineTo(x, y);
            }
            ridge.lineTo(panel.right() + 10, panel.bottom());
            painter.setBrush(range ? ink : Lighter(ink, 45));
            painter.drawPath(ridge);
        }
    }
    painter.setBrush(Lighter(ink, 55));
    painter.drawRect(QRectF(panel.left(), horizon + 25, panel.width(), panel.height()));
    painter.setPen(QPen(Lighter(ink, 85), 1.2));
    for (int wave = 0; wave < 6; ++wave) {
        const double y = horizon + 32 + wave * 8;
        const double x = panel.left() + 10 + random.bounded(80);
        painter.drawLine(QPointF(x, y), QPointF(x + 20 + random.bounded(20), y));
    }
}

// The themes whose own backs stand for the "Other" design, as they are.
const std::array<const char*, 10> kOtherThemes = {
    "dondorf",
    "bellot",
    "kde:svg-oxygen/oxygen.svgz",
    "lattmann",
    "orell",
    "rheinland",
    "swiss-xvii",
    "tigullio",
    "neoclassical",
    "kde:svg-standard/standard.svgz",
};

std::atomic<bool> failed{false};

QImage ThemeBack(const ThemeFolders& folders, const QString& theme, QSize size) {
    const ThemeCards cards(folders, theme);
    QImage back = cards.IsValid() ? cards.Back(size) : QImage();
    if (back.isNull()) {
        std::fprintf(stderr, "packs: no card back in %s\n", qPrintable(cards.File()));
        failed = true;
    }
    return back;
}

// A court of the penguins theme in a medallion over a quiet pattern.
QImage Animal(const ThemeFolders& folders, int picture, QSize size) {
    static const std::array<CardCode, 10> kCourts = {{
        {rank::Jack, suit::Hearts},
        {rank::Queen, suit::Diamonds},
        {rank::King, suit::Clubs},
        {rank::Jack, suit::Spades},
        {rank::Queen, suit::Hearts},
        {rank::King, suit::Diamonds},
        {rank::Jack, suit::Clubs},
        {rank::Queen, suit::Spades},
        {rank::King, suit::Hearts},
        {rank::Jack, suit::Diamonds},
    }};
    const ThemeCards penguins(folders, "kde:svg-penguins/penguins.svgz");
    const QImage court = penguins.Face(kCourts[static_cast<size_t>(picture - 1)], QSize(146, 198));
    if (court.isNull()) {
        std::fprintf(stderr, "packs: no court in %s\n", qPrintable(penguins.File()));
        failed = true;
        return {};
    }
    QImage back(size, QImage::Format_ARGB32_Premultiplied);
    back.fill(Qt::transparent);
    QPainter painter(&back);
    const QRectF panel = BeginCard(painter, size);
    const QColor ink = Ink(picture);
    Knightly(painter, panel, ink);
    painter.setClipping(false);
    QPainterPath round;
    round.addEllipse(panel.center(), 48, 62);
    painter.setPen(QPen(QColor(212, 170, 60), 4));
    painter.setBrush(Qt::white);
    painter.drawPath(round);
    painter.setClipPath(round);
    // The upper half of the court, where the figure is.
    painter.drawImage(QRectF(panel.center().x() - 50, panel.center().y() - 64, 100, 136), court,
                      QRectF(18, 14, 110, 150));
    return back.convertToFormat(QImage::Format_ARGB32);
}

QImage Back(int design, int picture, QSize size, const ThemeFolders& folders) {
    const QColor ink = Ink(picture);
    switch (design) {
    case 1:
        return Duotone(ThemeBack(folders, "ancient_french", size), ink.darker(150),
                       Lighter(ink, 92));
    case 2:
        return Duotone(ThemeBack(folders, "tarocco", size), ink.darker(130), Lighter(ink, 80));
    case 8:
        return Animal(folders, picture, size);
    case 11:
        return ThemeBack(folders, kOtherThemes[static_cast<size_t>(picture - 1)], size);
    case 12:
        return Duotone(ThemeBack(folders, "slavic_costumes", size), ink.darker(160),
                       QColor(250, 236, 200));
    default:
        break;
    }
    QImage back(size, QImage::Format_ARGB32_Premultiplied);
    back.fill(Qt::transparent);
    QPainter painter(&back);
    const QRectF panel = BeginCard(painter, size);
    switch (design) {
    case 3:
        Carpet(painter, panel, ink);
        break;
    case 4:
        Crosses(painter, panel, ink);
        break;
    case 5:
        Chess(painter, panel, ink);
        break;
    case 6:
        Diamonds(painter, panel, ink);
        break;
    case 7:
        Knightly(painter, panel, ink);
        break;
    case 9:
        Flowers(painter, panel, ink, picture);
        break;
    default:
        Place(painter, panel, ink, picture);
        break;
    }
    painter.end();
    return back.convertToFormat(QImage::Format_ARGB32);
}

PackEntries DrawDesign(int design, const ThemeFolders& folders) {
    PackEntries out;
    for (int picture = 1; picture <= BackPictureCount(design); ++picture) {
        const auto name = [&](SizeClass sizeClass, bool wide) {
            return QString::fromStdString(DeckBackName(design, picture, sizeClass, wide));
        };
        const QImage wide = Back(design, picture, kWide, folders);
        const QImage narrow = Back(design, picture, kNarrow, folders);
        if (wide.isNull() || narrow.isNull())
            return out;
        const QImage small =
            OnWhite(wide.scaled(kSmall, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        out.push_back({PackFolder::RcData, name(SizeClass::Small, true), Png(small)});
        out.push_back({PackFolder::RcData, name(SizeClass::Large, true), Png(wide)});
        out.push_back({PackFolder::RcData, name(SizeClass::Large, false), Png(narrow)});
    }
    return out;
}

PackEntries NarrowBuiltInBacks(const QString& builtInPictures) {
    PackEntries out;
    for (int picture = 1; picture <= BackPictureCount(0); ++picture) {
        const QString wideName =
            QString::fromStdString(DeckBackName(0, picture, SizeClass::Large, true));
        const QImage wide(builtInPictures + "/RCDATA/" + wideName + ".png");
        if (wide.isNull()) {
            std::fprintf(stderr, "packs: cannot read the built-in back %s\n", qPrintable(wideName));
            failed = true;
            return out;
        }
        out.push_back({PackFolder::RcData,
                       QString::fromStdString(DeckBackName(0, picture, SizeClass::Large, false)),
                       Png(wide.scaled(kNarrow, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))});
    }
    return out;
}

} // namespace

bool BackPictures(const ThemeFolders& folders, const QString& builtInPictures, int threads,
                  PackEntries& out) {
    std::vector<std::function<PackEntries()>> jobs;
    jobs.push_back([&] { return NarrowBuiltInBacks(builtInPictures); });
    for (int design = 1; design < BackDesignCount; ++design)
        jobs.push_back([design, &folders] { return DrawDesign(design, folders); });
    PackEntries drawn = RunJobs(jobs, threads);
    out.insert(out.end(), drawn.begin(), drawn.end());
    return !failed;
}

} // namespace tavlira
