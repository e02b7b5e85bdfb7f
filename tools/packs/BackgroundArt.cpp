#include "BackgroundArt.h"

#include "ui/artwork/ArtworkTables.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace tavlira {
namespace {

constexpr QSize kLarge(1520, 1000);
constexpr QSize kSmall(760, 500);
constexpr double kPi = 3.14159265358979323846;
constexpr int kJpegQuality = 85;

// The seven colours, as the middle tone of a texture.
const std::array<QColor, BackgroundColourCount> kColours = {
    QColor(20, 110, 44),  QColor(130, 24, 24), QColor(196, 104, 28), QColor(186, 160, 40),
    QColor(40, 140, 190), QColor(24, 40, 120), QColor(104, 40, 140),
};

// Smooth lattice noise in 0..1, the same on every machine.
double Lattice(int x, int y, std::uint32_t seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return ((h ^ (h >> 16)) & 0xFFFF) / 65535.0;
}

double Noise(double x, double y, std::uint32_t seed) {
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0;
    const double fy = y - y0;
    const double sx = fx * fx * (3 - 2 * fx);
    const double sy = fy * fy * (3 - 2 * fy);
    const double top = Lattice(x0, y0, seed) * (1 - sx) + Lattice(x0 + 1, y0, seed) * sx;
    const double bottom = Lattice(x0, y0 + 1, seed) * (1 - sx) + Lattice(x0 + 1, y0 + 1, seed) * sx;
    return top * (1 - sy) + bottom * sy;
}

double Fractal(double x, double y, std::uint32_t seed, int octaves) {
    double sum = 0;
    double weight = 0.5;
    double total = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += weight * Noise(x, y, seed + static_cast<std::uint32_t>(octave));
        total += weight;
        x *= 2;
        y *= 2;
        weight /= 2;
    }
    return sum / total;
}

// The brightness of a design at a point of the 1520 x 1000 picture, about
// 0..1 around a middle of 0.5.
double Tone(int design, double x, double y) {
    const double cx = x - kLarge.width() / 2.0;
    const double cy = y - kLarge.height() / 2.0;
    const double radius = std::hypot(cx / kLarge.width(), cy / kLarge.height());
    const double grain = Fractal(x / 3, y / 3, 11, 2) - 0.5;
    switch (design) {
    case 1: { // sun: rays from the middle, a glow
        const double angle = std::atan2(cy, cx);
        return 0.55 + 0.12 * std::cos(angle * 36) * std::min(1.0, radius * 4) +
               0.35 * std::exp(-radius * 5) - 0.3 * radius + 0.05 * grain;
    }
    case 2: // felt: fine fibres
        return 0.5 + 0.25 * (Fractal(x / 6, y / 6, 3, 4) - 0.5) + 0.12 * grain - 0.2 * radius;
    case 3: // gradient: light at the top, dark at the bottom
        return 0.85 - 0.6 * y / kLarge.height() + 0.03 * grain;
    case 4: { // cloth: a plain weave
        const double warp = std::sin(x * kPi / 4) * std::sin(y * kPi / 4);
        return 0.5 + 0.12 * warp + 0.15 * (Fractal(x / 40, y / 40, 5, 3) - 0.5) + 0.08 * grain;
    }
    case 5: { // carpet: a lattice of diamonds in a border
        const double u = std::fmod(std::abs(cx) + std::abs(cy) * 1.0, 80) / 80;
        const double v = std::fmod(std::abs(cx) - std::abs(cy) + 4000, 80) / 80;
        const double edge = std::min({u, 1 - u, v, 1 - v});
        const double border =
            std::min({x, y, kLarge.width() - x, kLarge.height() - y}) < 60 ? -0.15 : 0;
        return 0.45 + (edge < 0.08 ? 0.25 : 0) + border + 0.1 * grain;
    }
    case 6: { // tree: grain of wood
        const double wobble = 30 * Fractal(x / 200, y / 60, 9, 3);
        return 0.5 + 0.18 * std::sin((y + wobble) * kPi / 14) +
               0.1 * (Fractal(x / 80, y / 4, 13, 2) - 0.5);
    }
    case 7: { // casino: felt with a lit table in the middle
        const double table = std::hypot(cx / 700, cy / 420);
        return 0.45 + 0.2 * (Fractal(x / 5, y / 5, 17, 3) - 0.5) + (table < 1 ? 0.18 : -0.05) -
               (std::abs(table - 1) < 0.012 ? 0.3 : 0);
    }
    case 8: { // pattern: rings in a grid
        const double gx = std::fmod(x, 100) - 50;
        const double gy = std::fmod(y, 100) - 50;
        const double ring = std::abs(std::hypot(gx, gy) - 30);
        return 0.45 + (ring < 4 ? 0.25 : 0) + ((std::abs(gx) < 2 || std::abs(gy) < 2) ? -0.15 : 0) +
               0.05 * grain;
    }
    case 9: // silk: soft folds
        return 0.5 +
               0.25 * std::sin(x / 90 + 3 * std::sin(y / 140)) *
                   std::cos(y / 200 + std::sin(x / 300)) +
               0.02 * grain;
    default: { // ornament: a four-leaf motif in every tile
        const double gx = std::fmod(x, 160) - 80;
        const double gy = std::fmod(y, 160) - 80;
        const double angle = std::atan2(gy, gx);
        const double r = std::hypot(gx, gy);
        const double petal = 55 * std::abs(std::cos(2 * angle));
        return 0.45 + (r < petal && r > 12 ? 0.2 : 0) + (r < 8 ? 0.3 : 0) + 0.06 * grain;
    }
    }
}

QImage Colourised(const std::vector<float>& tone, const QColor& colour) {
    QImage picture(kLarge, QImage::Format_RGB32);
    for (int y = 0; y < kLarge.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < kLarge.width(); ++x) {
            const double t =
                std::clamp<double>(tone[static_cast<size_t>(y * kLarge.width() + x)], 0, 1);
            // Dark tones go toward black, light ones toward a pale tint.
            auto channel = [t](int c) {
                const double value = t < 0.5 ? c * t * 2 : c + (255 - c) * (t - 0.5) * 1.2;
                return std::clamp(static_cast<int>(value), 0, 255);
            };
            line[x] = qRgb(channel(colour.red()), channel(colour.green()), channel(colour.blue()));
        }
    }
    return picture;
}

PackEntries DrawDesign(int design) {
    std::vector<float> tone(static_cast<size_t>(kLarge.width() * kLarge.height()));
    for (int y = 0; y < kLarge.height(); ++y)
        for (int x = 0; x < kLarge.width(); ++x)
            tone[static_cast<size_t>(y * kLarge.width() + x)] =
                static_cast<float>(Tone(design, x, y));
    PackEntries out;
    for (int colour = 0; colour < BackgroundColourCount; ++colour) {
        if (LibraryForBackground(design, colour).empty())
            continue; // the program's own picture
        const QImage large = Colourised(tone, kColours[static_cast<size_t>(colour)]);
        const QImage small = large.scaled(kSmall, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        out.push_back({PackFolder::Jpeg, QString::fromStdString(BackgroundName(design, colour, 1)),
                       Jpeg(small, kJpegQuality)});
        out.push_back({PackFolder::Jpeg, QString::fromStdString(BackgroundName(design, colour, 2)),
                       Jpeg(large, kJpegQuality)});
    }
    return out;
}

} // namespace

bool BackgroundPictures(int threads, PackEntries& out) {
    std::vector<std::function<PackEntries()>> jobs;
    for (int design = 1; design <= BackgroundDesignCount; ++design)
        jobs.push_back([design] { return DrawDesign(design); });
    PackEntries drawn = RunJobs(jobs, threads);
    out.insert(out.end(), drawn.begin(), drawn.end());
    return true;
}

} // namespace tavlira
