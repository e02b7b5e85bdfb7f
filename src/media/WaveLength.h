#pragma once
// The playing time of a WAV file image, read from its header.

#include <optional>
#include <string_view>

namespace tavlira {

// The length in milliseconds (rounded up) of a PCM WAV image; nothing when
// the bytes are not one.
std::optional<int> WaveLengthMs(std::string_view wave);

} // namespace tavlira
