#pragma once
// Writes animated GIF files with giflib. All frames share one palette of at
// most 255 colours, made by median cut over the colours of every frame, so
// the palette is counted first (GifPalette) and the frames are encoded after
// (GifEncoder), each with its own display time; a recording never needs all
// its frames unpacked at once. After the first, an opaque frame is written
// as the rectangle in which it differs from the one before. A pixel less than half opaque becomes
// the transparent colour; the others are drawn without their alpha.

#include <QByteArray>
#include <QImage>
#include <array>
#include <cstdint>
#include <vector>

struct GifFileType;

namespace tavlira {

enum class GifLoop { Forever, Once };

// Counts the colours of frames, 6 bits a channel, keeping each cell's exact
// mean colour, and makes the palette from them.
class GifPalette {
  public:
    GifPalette();
    void Count(const QImage& frame);
    // True when some pixel counted is less than half opaque.
    bool HasTransparency() const { return transparent; }
    // At most 255 colours, the same for the same frames every run.
    std::vector<QRgb> Colours() const;

  private:
    struct Cell {
        std::int64_t count = 0;
        std::array<std::int64_t, 3> sum{};
    };
    std::vector<Cell> cells;
    bool transparent = false;
};

// Writes a GIF into memory, one frame at a time.
class GifEncoder {
  public:
    // Every frame must have `size`; the palette comes from a GifPalette that
    // counted every frame to be added.
    GifEncoder(QSize size, const GifPalette& palette, GifLoop loop);
    ~GifEncoder();
    GifEncoder(const GifEncoder&) = delete;
    GifEncoder& operator=(const GifEncoder&) = delete;

    // False when the frame has another size or giflib fails; the encoder
    // then stays failed. The delay is kept in steps of 10 ms, rounded.
    bool Add(const QImage& frame, int delayMs);
    // The finished file, or an empty array when anything failed.
    QByteArray Finish();

  private:
    QByteArray encoded;
    GifFileType* gif = nullptr;
    QSize size;
    std::vector<QRgb> colours;
    bool transparent = false;
    bool ok = false;
    std::vector<int> nearest; // palette index by colour cell, -1 until needed
    QImage previous;          // the last opaque frame, ARGB32
};

// A whole animation at once, every frame shown `delayMs`: the file, or an
// empty array when the frames differ in size or the encoder fails.
QByteArray EncodeGif(const std::vector<QImage>& frames, int delayMs, GifLoop loop);

} // namespace tavlira
