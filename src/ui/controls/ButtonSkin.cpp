#include "ui/controls/ButtonSkin.h"

#include "ui/common/ToScreen.h"

#include <array>
#include <cmath>

namespace tavlira {
namespace {

// Pixels closer than this to pure red count as the red of the artwork.
constexpr double NearRedDistance = 180.0;

bool IsNearRed(int r, int g, int b) {
    return std::sqrt(double((r - 255) * (r - 255) + g * g + b * b)) < NearRedDistance;
}

QRgb Skinned(int r, int g, int b, TColorSB skin, bool alternativeSet, bool nearRed) {
    switch (skin) {
    case TColorSB::QRed:
        return qRgb(r, g, b);
    case TColorSB::QGreen:
        return qRgb(g, r, b);
    case TColorSB::QBlue:
        return qRgb(b, r, r);
    case TColorSB::QNavy:
        return qRgb(b, g, r);
    case TColorSB::QYellow:
        return qRgb(r, r, b);
    case TColorSB::QViolet:
        return qRgb(r, g, r);
    case TColorSB::QOrang:
        if (g < r && b < r) {
            const int blue = Round(0.7 * b);
            return qRgb(r, blue + Round(0.4 * (r - blue)), blue);
        }
        return qRgb(r, g, b);
    case TColorSB::QCards:
        if (!alternativeSet)
            return qRgb(Round(0.7 * r), 0, r);
        return nearRed ? qRgb(Round(0.6 * r), Round(0.7 * g), r) : qRgb(r, g, b);
    }
    return qRgb(r, g, b);
}

int Lightened(int channel, int percent) {
    return Round(percent / 100.0 * (255 - channel) + channel);
}

// The gradient of a standard height: a dark top edge, a highlight band, a
// darker seam, a band of reds growing brighter, and a dark bottom edge.
std::vector<QRgb> SmallGradient() {
    const std::array<std::array<int, 3>, 11> highlight{{{232, 173, 173},
                                                        {223, 163, 163},
                                                        {215, 153, 153},
                                                        {207, 145, 145},
                                                        {200, 136, 136},
                                                        {194, 127, 127},
                                                        {188, 117, 117},
                                                        {184, 108, 108},
                                                        {180, 99, 99},
                                                        {178, 89, 89},
                                                        {176, 80, 80}}};
    std::vector<QRgb> rows{qRgb(128, 0, 0), qRgb(17, 0, 0), qRgb(135, 91, 91)};
    for (const auto& c : highlight)
        rows.push_back(qRgb(c[0], c[1], c[2]));
    rows.push_back(qRgb(152, 36, 36));
    for (int red : {136, 144, 153, 161, 170, 178, 187, 195, 204, 212, 221, 229, 238})
        rows.push_back(qRgb(red, 0, 0));
    rows.push_back(qRgb(128, 0, 0));
    return rows;
}

struct GradientShape {
    int secondRow;
    QRgb seamAbove; // the row before the highlight band
    int highlightRows;
    std::array<int, 3> highlightFrom, highlightTo;
    QRgb seamBelow;
    int redRows;
    int redFrom, redTo;
};

// The larger gradients are given by their ends; the rows between are
// interpolated evenly.
std::vector<QRgb> InterpolatedGradient(const GradientShape& shape) {
    const auto between = [](int from, int to, int i, int count) {
        return Round(from + double(to - from) * i / (count - 1));
    };
    std::vector<QRgb> rows{qRgb(128, 0, 0), qRgb(shape.secondRow, 0, 0), shape.seamAbove};
    for (int i = 0; i < shape.highlightRows; ++i) {
        const auto& a = shape.highlightFrom;
        const auto& b = shape.highlightTo;
        rows.push_back(qRgb(between(a[0], b[0], i, shape.highlightRows),
                            between(a[1], b[1], i, shape.highlightRows),
                            between(a[2], b[2], i, shape.highlightRows)));
    }
    rows.push_back(shape.seamBelow);
    for (int i = 0; i < shape.redRows; ++i)
        rows.push_back(qRgb(between(shape.redFrom, shape.redTo, i, shape.redRows), 0, 0));
    rows.push_back(qRgb(128, 0, 0));
    return rows;
}

const std::array<std::vector<QRgb>, 3>& Gradients() {
    static const std::array<std::vector<QRgb>, 3> tables{
        SmallGradient(),
        InterpolatedGradient({11,
                              qRgb(132, 93, 93),
                              19,
                              {239, 180, 180},
                              {175, 74, 74},
                              qRgb(153, 34, 34),
                              20,
                              136,
                              244}),
        InterpolatedGradient({9,
                              qRgb(131, 94, 94),
                              27,
                              {243, 183, 183},
                              {172, 71, 71},
                              qRgb(150, 33, 33),
                              27,
                              132,
                              246}),
    };
    return tables;
}

} // namespace

int StandardHeight(THeightSB height) {
    switch (height) {
    case THeightSB::Q45:
        return 45;
    case THeightSB::Q60:
        return 60;
    case THeightSB::Q30:
        break;
    }
    return 30;
}

PieceClass PieceClassFor(int height) {
    if (height <= 30)
        return {0, 30, 8, 29};
    if (height <= 45)
        return {1, 45, 13, 44};
    return {2, 60, 17, 59};
}

QRgb Recolour(QRgb pixel, SkinTone tone) {
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    const bool nearRed = IsNearRed(r, g, b);
    QRgb out = Skinned(r, g, b, tone.skin, tone.alternativeSet, nearRed);
    if (tone.lighten > 0 && (!tone.alternativeSet || nearRed)) {
        out = qRgb(Lightened(qRed(out), tone.lighten), Lightened(qGreen(out), tone.lighten),
                   Lightened(qBlue(out), tone.lighten));
    }
    return qRgba(qRed(out), qGreen(out), qBlue(out), qAlpha(pixel));
}

QImage Recolour(const QImage& piece, SkinTone tone) {
    if (piece.isNull() || tone.IsIdentity())
        return piece;
    QImage out = piece.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] = Recolour(line[x], tone);
    }
    return out;
}

QImage Muted(const QImage& face) {
    QImage out = face.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            // Lightness 0..255 becomes 80..169.
            const int grey = 80 + Round(0.35 * qGray(line[x]));
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    return out;
}

QRgb GradientRow(int classIndex, int row) {
    const std::vector<QRgb>& table = Gradients().at(classIndex);
    return table.at(row);
}

QColor OutlineColour(TColorSB skin) {
    static const std::array<QColor, SkinCount> colours{
        QColor(255, 200, 200), QColor(200, 200, 255), QColor(200, 255, 200), QColor(200, 255, 200),
        QColor(255, 200, 200), QColor(255, 255, 200), QColor(255, 128, 64),  QColor(200, 175, 50)};
    return colours.at(static_cast<int>(skin));
}

QColor DotColour(TColorSB skin) {
    static const std::array<QColor, SkinCount> colours{
        QColor(255, 255, 0), QColor(0, 0, 255),     QColor(0, 0, 255),     QColor(0, 255, 0),
        QColor(255, 0, 0),   QColor(255, 255, 255), QColor(255, 255, 255), QColor(220, 180, 255)};
    return colours.at(static_cast<int>(skin));
}

} // namespace tavlira
