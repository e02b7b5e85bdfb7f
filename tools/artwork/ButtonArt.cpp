#include "ButtonArt.h"

#include "ui/controls/ButtonSkin.h"

#include <QColor>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

namespace tavlira {
namespace {

// Pieces come in three heights (29, 44 and 59 rows, for buttons 30, 45 and
// 60 pixels high) with caps 8, 13 and 17 pixels wide and a 2-pixel middle.
struct PieceSize {
    int rows;
    int capWidth;
};
constexpr std::array<PieceSize, 3> kSizes = {{{29, 8}, {44, 13}, {59, 17}}};

using Rows = std::vector<QColor>;

void AddRamp(Rows& rows, int count, QColor from, QColor to) {
    for (int i = 0; i < count; ++i) {
        const double t = count == 1 ? 0 : double(i) / (count - 1);
        rows.push_back(QColor(qRound(from.red() + t * (to.red() - from.red())),
                              qRound(from.green() + t * (to.green() - from.green())),
                              qRound(from.blue() + t * (to.blue() - from.blue()))));
    }
}

// The classic set is shaded with the button's own gradient, one colour per
// row, so caps and the middle the button paints meet without a seam.
Rows ClassicRows(int rows) {
    const int classIndex = rows == 29 ? 0 : rows == 44 ? 1 : 2;
    Rows shade;
    for (int row = 0; row < rows; ++row)
        shade.push_back(QColor::fromRgb(GradientRow(classIndex, row)));
    return shade;
}

// The alternative ("new") set has a neutral grey rim, far from red, so it
// keeps its colour in every skin.
const QColor kNewRim(70, 70, 70);

// Its body is plain red, lighter at the top; every body colour is close
// enough to pure red to be recoloured with the skin.
Rows NewRows(int rows) {
    Rows shade = {kNewRim};
    AddRamp(shade, rows - 2, QColor(255, 86, 70), QColor(176, 0, 0));
    shade.push_back(kNewRim);
    return shade;
}

// Share of the pixel (x, y) covered by a rectangle rounded with `radius` at
// its left corners, reaching past the right edge; and how deep inside it
// the pixel's centre lies. Both come from 4 x 4 samples per pixel.
struct Coverage {
    double share;
    double depth;
};

Coverage LeftCapCoverage(int x, int y, int rows, double radius) {
    auto signedDepth = [&](double px, double py) {
        const double cy = std::clamp(py, radius, rows - radius);
        if (px >= radius)
            return std::min({py, rows - py, px});
        return radius - std::hypot(px - radius, py - cy);
    };
    int inside = 0;
    for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx)
            inside += signedDepth(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4) > 0 ? 1 : 0;
    return {inside / 16.0, signedDepth(x + 0.5, y + 0.5)};
}

// The left cap: the row shading inside a rounded end, a one-pixel rim in
// `rim` along the curve and the left edge, transparent outside.
QImage LeftCap(PieceSize size, const Rows& shade, QColor rim) {
    QImage cap(size.capWidth, size.rows, QImage::Format_ARGB32);
    const double radius = size.capWidth;
    for (int y = 0; y < size.rows; ++y) {
        for (int x = 0; x < size.capWidth; ++x) {
            const Coverage c = LeftCapCoverage(x, y, size.rows, radius);
            const QColor colour = c.depth < 1.2 ? rim : shade[static_cast<size_t>(y)];
            cap.setPixel(x, y,
                         qRgba(colour.red(), colour.green(), colour.blue(), qRound(255 * c.share)));
        }
    }
    return cap;
}

QImage Middle(PieceSize size, const Rows& shade) {
    QImage middle(2, size.rows, QImage::Format_ARGB32);
    for (int y = 0; y < size.rows; ++y)
        for (int x = 0; x < 2; ++x)
            middle.setPixel(x, y, shade[static_cast<size_t>(y)].rgb());
    return middle;
}

bool WriteSet(ResourceWriter& out, char prefix, const std::function<Rows(int)>& shading,
              QColor rim) {
    for (PieceSize size : kSizes) {
        const Rows shade = shading(size.rows);
        const QString stem = QString("%1%2_").arg(prefix).arg(size.rows);
        const QImage left = LeftCap(size, shade, rim);
        if (!out.Add(ResourceType::RcData, stem + 'L', left) ||
            !out.Add(ResourceType::RcData, stem + 'R', left.mirrored(true, false)) ||
            !out.Add(ResourceType::RcData, stem + '2', Middle(size, shade)))
            return false;
    }
    return true;
}

} // namespace

bool WriteButtonArt(ResourceWriter& out) {
    return WriteSet(out, 'R', ClassicRows, QColor(128, 0, 0)) &&
           WriteSet(out, 'Q', NewRows, kNewRim);
}

} // namespace tavlira
