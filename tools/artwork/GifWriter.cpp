#include "GifWriter.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <gif_lib.h>
#include <map>
#include <unordered_map>

namespace tavlira {
namespace {

// Index 255 is kept for the transparent colour, so a palette has at most 255
// visible colours.
constexpr int kVisibleColours = 255;
constexpr int kTransparentIndex = 255;

bool Opaque(QRgb pixel) {
    return qAlpha(pixel) >= 128;
}

struct ColourCount {
    std::array<int, 3> channels;
    long count;
};

using Box = std::vector<ColourCount>;

// The channel along which the box's colours spread most, and that spread.
std::pair<int, int> WidestChannel(const Box& box) {
    std::pair<int, int> widest{0, -1};
    for (int channel = 0; channel < 3; ++channel) {
        const auto [low, high] = std::minmax_element(
            box.begin(), box.end(), [channel](const ColourCount& a, const ColourCount& b) {
                return a.channels[channel] < b.channels[channel];
            });
        const int spread = high->channels[channel] - low->channels[channel];
        if (spread > widest.second)
            widest = {channel, spread};
    }
    return widest;
}

QRgb MeanOf(const Box& box) {
    std::array<double, 3> sum{};
    long total = 0;
    for (const ColourCount& colour : box) {
        for (int channel = 0; channel < 3; ++channel)
            sum[channel] += double(colour.channels[channel]) * colour.count;
        total += colour.count;
    }
    return qRgb(qRound(sum[0] / total), qRound(sum[1] / total), qRound(sum[2] / total));
}

// Median cut: the box with the widest spread is split at the median pixel
// along that spread until there are enough boxes; each box gives its mean.
std::vector<QRgb> MedianCutPalette(const std::vector<QImage>& frames) {
    std::map<QRgb, long> histogram; // ordered, so the palette is the same every run
    for (const QImage& frame : frames)
        for (int y = 0; y < frame.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            for (int x = 0; x < frame.width(); ++x)
                if (Opaque(line[x]))
                    ++histogram[line[x] | 0xff000000u];
        }
    std::vector<Box> boxes(1);
    for (const auto& [rgb, count] : histogram)
        boxes.front().push_back({{qRed(rgb), qGreen(rgb), qBlue(rgb)}, count});
    if (boxes.front().empty())
        return {qRgb(0, 0, 0)};
    while (static_cast<int>(boxes.size()) < kVisibleColours) {
        int widestBox = -1;
        std::pair<int, int> widest{0, 0};
        for (size_t i = 0; i < boxes.size(); ++i) {
            const auto spread = WidestChannel(boxes[i]);
            if (spread.second > widest.second) {
                widest = spread;
                widestBox = static_cast<int>(i);
            }
        }
        if (widestBox < 0)
            break; // every box holds a single colour
        Box& box = boxes[static_cast<size_t>(widestBox)];
        const int channel = widest.first;
        std::sort(box.begin(), box.end(), [channel](const ColourCount& a, const ColourCount& b) {
            return a.channels[channel] < b.channels[channel];
        });
        long total = 0;
        for (const ColourCount& colour : box)
            total += colour.count;
        // The lower part takes colours until it holds half the pixels; both
        // parts keep at least one colour.
        long seen = box.front().count;
        size_t cut = 1;
        while (cut < box.size() - 1 && seen < total / 2)
            seen += box[cut++].count;
        Box upper(box.begin() + static_cast<long>(cut), box.end());
        box.erase(box.begin() + static_cast<long>(cut), box.end());
        boxes.push_back(std::move(upper));
    }
    std::vector<QRgb> palette;
    for (const Box& box : boxes)
        palette.push_back(MeanOf(box));
    return palette;
}

int NearestIndex(const std::vector<QRgb>& palette, QRgb rgb) {
    int best = 0;
    int bestDistance = 1 << 30;
    for (size_t i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(rgb);
        const int dg = qGreen(palette[i]) - qGreen(rgb);
        const int db = qBlue(palette[i]) - qBlue(rgb);
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
        }
    }
    return best;
}

int AppendToArray(GifFileType* gif, const GifByteType* bytes, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
    return length;
}

// The application block that makes a player repeat the animation forever.
bool PutLoopForever(GifFileType* gif) {
    static const GifByteType kName[] = "NETSCAPE2.0";
    static const GifByteType kForever[] = {1, 0, 0}; // sub-block 1, repeat count 0
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, 11, kName) == GIF_OK &&
           EGifPutExtensionBlock(gif, 3, kForever) == GIF_OK &&
           EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool PutFrame(GifFileType* gif, const QImage& frame, int delayMs, bool transparent,
              const std::vector<QRgb>& palette, std::unordered_map<QRgb, int>& nearest) {
    GraphicsControlBlock control{};
    // Each frame is whole, so with transparency the previous one is cleared
    // first instead of showing through.
    control.DisposalMode = transparent ? DISPOSE_BACKGROUND : DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = (delayMs + 5) / 10;
    control.TransparentColor = transparent ? kTransparentIndex : NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) != GIF_OK ||
        EGifPutImageDesc(gif, 0, 0, frame.width(), frame.height(), false, nullptr) != GIF_OK)
        return false;
    std::vector<GifPixelType> indices(static_cast<size_t>(frame.width()));
    for (int y = 0; y < frame.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
        for (int x = 0; x < frame.width(); ++x) {
            int index = kTransparentIndex;
            if (Opaque(line[x])) {
                const QRgb rgb = line[x] | 0xff000000u;
                auto found = nearest.find(rgb);
                if (found == nearest.end())
                    found = nearest.emplace(rgb, NearestIndex(palette, rgb)).first;
                index = found->second;
            }
            indices[static_cast<size_t>(x)] = static_cast<GifPixelType>(index);
        }
        if (EGifPutLine(gif, indices.data(), frame.width()) != GIF_OK)
            return false;
    }
    return true;
}

} // namespace

QByteArray EncodeGif(const std::vector<QImage>& frames, int delayMs, GifLoop loop) {
    if (frames.empty())
        return {};
    std::vector<QImage> straight;
    bool transparent = false;
    for (const QImage& frame : frames) {
        if (frame.size() != frames.front().size())
            return {};
        straight.push_back(frame.convertToFormat(QImage::Format_ARGB32));
        const QImage& added = straight.back();
        for (int y = 0; y < added.height() && !transparent; ++y)
            for (int x = 0; x < added.width() && !transparent; ++x)
                transparent = !Opaque(added.pixel(x, y));
    }
    const std::vector<QRgb> palette = MedianCutPalette(straight);

    QByteArray encoded;
    int error = 0;
    GifFileType* gif = EGifOpen(&encoded, AppendToArray, &error);
    if (gif == nullptr)
        return {};
    EGifSetGifVersion(gif, true);
    std::array<GifColorType, 256> colours{};
    for (size_t i = 0; i < palette.size(); ++i)
        colours[i] = {static_cast<GifByteType>(qRed(palette[i])),
                      static_cast<GifByteType>(qGreen(palette[i])),
                      static_cast<GifByteType>(qBlue(palette[i]))};
    ColorMapObject* map = GifMakeMapObject(256, colours.data());
    const QSize size = frames.front().size();
    bool written = map != nullptr &&
                   EGifPutScreenDesc(gif, size.width(), size.height(), 8, 0, map) == GIF_OK &&
                   (loop == GifLoop::Once || PutLoopForever(gif));
    GifFreeMapObject(map);
    std::unordered_map<QRgb, int> nearest;
    for (size_t i = 0; written && i < straight.size(); ++i)
        written = PutFrame(gif, straight[i], delayMs, transparent, palette, nearest);
    if (EGifCloseFile(gif, &error) != GIF_OK || !written)
        return {};
    return encoded;
}

} // namespace tavlira
