#include "media/GifRecording.h"

#include <cstring>

namespace tavlira {

void GifRecording::Clear() {
    frames.clear();
    last = QImage();
    palette = GifPalette();
}

bool GifRecording::Add(const QImage& picture, int delayMs) {
    if (FrameCount() >= MaxFrames)
        return false;
    QImage straight = picture.convertToFormat(QImage::Format_ARGB32);
    if (!last.isNull() && straight == last)
        return false;
    // Level 1: a table picture packs to a small part of its size at once.
    frames.push_back(
        Frame{qCompress(straight.constBits(), static_cast<int>(straight.sizeInBytes()), 1),
              straight.size(), delayMs});
    palette.Count(straight);
    last = std::move(straight);
    return true;
}

QImage GifRecording::Unpack(const Frame& frame) {
    const QByteArray pixels = qUncompress(frame.packed);
    QImage image(frame.size, QImage::Format_ARGB32);
    if (pixels.size() != image.sizeInBytes())
        return {};
    std::memcpy(image.bits(), pixels.constData(), static_cast<std::size_t>(pixels.size()));
    return image;
}

QByteArray GifRecording::Encode(int lastDelayMs) const {
    if (frames.empty())
        return {};
    GifEncoder encoder(frames.front().size, palette, GifLoop::Forever);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const int delay = i + 1 == frames.size() ? lastDelayMs : frames[i].delayMs;
        if (!encoder.Add(Unpack(frames[i]), delay))
            return {};
    }
    return encoder.Finish();
}

} // namespace tavlira
