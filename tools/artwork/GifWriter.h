#pragma once
// Encodes a list of equally sized frames as an animated GIF file: one palette
// for the whole animation, made by median cut over the colours of every
// frame, and a fixed delay between frames. A pixel less than half opaque
// becomes the transparent colour; the others are drawn without their alpha.

#include <QByteArray>
#include <QImage>
#include <vector>

namespace tavlira {

enum class GifLoop { Forever, Once };

// The encoded file, or an empty array when the frames differ in size or
// the encoder fails.
QByteArray EncodeGif(const std::vector<QImage>& frames, int delayMs, GifLoop loop);

} // namespace tavlira
