#pragma once
// The frames of a game being recorded: each picture that differs from the
// one before, at most 250, each with its display time. The frames are kept
// packed, and their colours are counted as they come, so a game's recording
// needs a fraction of its pictures' memory and the file is written in one
// pass at the end.

#include "media/GifWriter.h"

#include <QByteArray>
#include <QImage>
#include <vector>

namespace tavlira {

class GifRecording {
  public:
    static constexpr int MaxFrames = 250;

    // Removes every frame and forgets the last picture.
    void Clear();
    // Appends `picture` as a frame shown `delayMs`, unless 250 frames are
    // held or it equals the last picture added; true when it was added.
    bool Add(const QImage& picture, int delayMs);
    int FrameCount() const { return static_cast<int>(frames.size()); }
    // The GIF file, the last frame shown `lastDelayMs`, repeating forever;
    // an empty array with no frames or when the pictures differ in size.
    QByteArray Encode(int lastDelayMs) const;

  private:
    struct Frame {
        QByteArray packed; // the ARGB32 pixels, zlib-compressed
        QSize size;
        int delayMs = 0;
    };
    static QImage Unpack(const Frame& frame);

    std::vector<Frame> frames;
    QImage last; // ARGB32; null before the first frame
    GifPalette palette;
};

} // namespace tavlira
