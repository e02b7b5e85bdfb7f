#include "media/GifWriter.h"

#include <algorithm>
#include <gif_lib.h>

namespace tavlira {
namespace {

// Index 255 is kept for the transparent colour, so a palette has at most 255
// visible colours.
constexpr int kVisibleColours = 255;
constexpr int kTransparentIndex = 255;
constexpr int kCellBits = 6;

bool Opaque(QRgb pixel) {
    return qAlpha(pixel) >= 128;
}

// The colour cell of a pixel: the top six bits of each channel.
int CellOf(QRgb pixel) {
    constexpr int drop = 8 - kCellBits;
    return ((qRed(pixel) >> drop) << (2 * kCellBits)) | ((qGreen(pixel) >> drop) << kCellBits) |
           (qBlue(pixel) >> drop);
}

struct ColourCount {
    std::array<int, 3> channels;
    std::int64_t count;
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
    double total = 0;
    for (const ColourCount& colour : box) {
        for (int channel = 0; channel < 3; ++channel)
            sum[channel] += double(colour.channels[channel]) * double(colour.count);
        total += double(colour.count);
    }
    return qRgb(qRound(sum[0] / total), qRound(sum[1] / total), qRound(sum[2] / total));
}

// Median cut: the box with the widest spread is split at the median pixel
// along that spread until there are enough boxes; each box gives its mean.
std::vector<QRgb> MedianCut(Box all) {
    if (all.empty())
        return {qRgb(0, 0, 0)};
    std::vector<Box> boxes{std::move(all)};
    std::vector<std::pair<int, int>> spreads{WidestChannel(boxes.front())};
    while (static_cast<int>(boxes.size()) < kVisibleColours) {
        const auto widest =
            std::max_element(spreads.begin(), spreads.end(),
                             [](const auto& a, const auto& b) { return a.second < b.second; });
        if (widest->second <= 0)
            break; // every box holds a single colour
        const auto index = static_cast<std::size_t>(widest - spreads.begin());
        Box& box = boxes[index];
        const int channel = widest->first;
        std::sort(box.begin(), box.end(), [channel](const ColourCount& a, const ColourCount& b) {
            return a.channels[channel] < b.channels[channel];
        });
        std::int64_t total = 0;
        for (const ColourCount& colour : box)
            total += colour.count;
        // The lower part takes colours until it holds half the pixels; both
        // parts keep at least one colour.
        std::int64_t seen = box.front().count;
        std::size_t cut = 1;
        while (cut < box.size() - 1 && seen < total / 2)
            seen += box[cut++].count;
        Box upper(box.begin() + static_cast<long>(cut), box.end());
        box.erase(box.begin() + static_cast<long>(cut), box.end());
        spreads[index] = WidestChannel(box);
        spreads.push_back(WidestChannel(upper));
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
    for (std::size_t i = 0; i < palette.size(); ++i) {
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

} // namespace

GifPalette::GifPalette() : cells(std::size_t{1} << (3 * kCellBits)) {}

void GifPalette::Count(const QImage& frame) {
    const QImage straight = frame.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < straight.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        for (int x = 0; x < straight.width(); ++x) {
            if (!Opaque(line[x])) {
                transparent = true;
                continue;
            }
            Cell& cell = cells[static_cast<std::size_t>(CellOf(line[x]))];
            ++cell.count;
            cell.sum[0] += qRed(line[x]);
            cell.sum[1] += qGreen(line[x]);
            cell.sum[2] += qBlue(line[x]);
        }
    }
}

std::vector<QRgb> GifPalette::Colours() const {
    Box all;
    for (const Cell& cell : cells)
        if (cell.count > 0) {
            const auto mean = [&cell](int channel) {
                return static_cast<int>(
                    (cell.sum[static_cast<std::size_t>(channel)] + cell.count / 2) / cell.count);
            };
            all.push_back({{mean(0), mean(1), mean(2)}, cell.count});
        }
    return MedianCut(std::move(all));
}

GifEncoder::GifEncoder(QSize frameSize, const GifPalette& palette, GifLoop loop)
    : size(frameSize), colours(palette.Colours()), transparent(palette.HasTransparency()),
      nearest(std::size_t{1} << (3 * kCellBits), -1) {
    int error = 0;
    gif = EGifOpen(&encoded, AppendToArray, &error);
    if (gif == nullptr)
        return;
    EGifSetGifVersion(gif, true);
    std::array<GifColorType, 256> entries{};
    for (std::size_t i = 0; i < colours.size(); ++i)
        entries[i] = {static_cast<GifByteType>(qRed(colours[i])),
                      static_cast<GifByteType>(qGreen(colours[i])),
                      static_cast<GifByteType>(qBlue(colours[i]))};
    ColorMapObject* map = GifMakeMapObject(256, entries.data());
    ok = map != nullptr &&
         EGifPutScreenDesc(gif, size.width(), size.height(), 8, 0, map) == GIF_OK &&
         (loop == GifLoop::Once || PutLoopForever(gif));
    GifFreeMapObject(map);
}

GifEncoder::~GifEncoder() {
    if (gif != nullptr)
        EGifCloseFile(gif, nullptr);
}

namespace {

// The smallest rectangle holding every pixel in which the two pictures
// differ; at least one pixel, so that a frame is always written.
QRect ChangedArea(const QImage& before, const QImage& after) {
    int top = after.height(), bottom = -1, left = after.width(), right = -1;
    for (int y = 0; y < after.height(); ++y) {
        const auto* was = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        const auto* is = reinterpret_cast<const QRgb*>(after.constScanLine(y));
        if (std::equal(is, is + after.width(), was))
            continue;
        top = std::min(top, y);
        bottom = y;
        for (int x = 0; x < after.width(); ++x)
            if (is[x] != was[x]) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    }
    return bottom < 0 ? QRect(0, 0, 1, 1) : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

bool GifEncoder::Add(const QImage& image, int delayMs) {
    ok = ok && image.size() == size;
    if (!ok)
        return false;
    QImage frame = image.convertToFormat(QImage::Format_ARGB32);
    // An opaque frame is drawn over the one before, so only what changed is
    // written; with transparency every frame is whole, the previous one
    // cleared first instead of showing through.
    const QRect area =
        transparent || previous.isNull() ? frame.rect() : ChangedArea(previous, frame);
    GraphicsControlBlock control{};
    control.DisposalMode = transparent ? DISPOSE_BACKGROUND : DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = (delayMs + 5) / 10;
    control.TransparentColor = transparent ? kTransparentIndex : NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_OK &&
         EGifPutImageDesc(gif, area.x(), area.y(), area.width(), area.height(), false, nullptr) ==
             GIF_OK;
    std::vector<GifPixelType> indices(static_cast<std::size_t>(area.width()));
    for (int y = area.top(); ok && y <= area.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            int index = kTransparentIndex;
            if (Opaque(line[x])) {
                int& found = nearest[static_cast<std::size_t>(CellOf(line[x]))];
                if (found < 0)
                    found = NearestIndex(colours, line[x]);
                index = found;
            }
            indices[static_cast<std::size_t>(x - area.left())] = static_cast<GifPixelType>(index);
        }
        ok = EGifPutLine(gif, indices.data(), area.width()) == GIF_OK;
    }
    if (!transparent)
        previous = std::move(frame);
    return ok;
}

QByteArray GifEncoder::Finish() {
    int error = 0;
    const bool closed = gif != nullptr && EGifCloseFile(gif, &error) == GIF_OK;
    gif = nullptr;
    return closed && ok ? encoded : QByteArray();
}

QByteArray EncodeGif(const std::vector<QImage>& frames, int delayMs, GifLoop loop) {
    if (frames.empty())
        return {};
    GifPalette palette;
    for (const QImage& frame : frames)
        palette.Count(frame);
    GifEncoder encoder(frames.front().size(), palette, loop);
    for (const QImage& frame : frames)
        if (!encoder.Add(frame, delayMs))
            return {};
    return encoder.Finish();
}

} // namespace tavlira
