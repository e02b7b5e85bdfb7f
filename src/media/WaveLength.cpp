#include "media/WaveLength.h"

#include <algorithm>
#include <cstdint>

namespace tavlira {
namespace {

std::uint32_t LittleEndian(std::string_view bytes, std::size_t at, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return value;
}

} // namespace

// A RIFF "WAVE" file is a list of chunks, each a four-letter id and a size;
// "fmt " gives the bytes per second and "data" the sound's bytes.
std::optional<int> WaveLengthMs(std::string_view wave) {
    if (wave.size() < 12 || wave.substr(0, 4) != "RIFF" || wave.substr(8, 4) != "WAVE")
        return std::nullopt;
    std::uint32_t bytesPerSecond = 0;
    for (std::size_t at = 12; at + 8 <= wave.size();) {
        const std::string_view id = wave.substr(at, 4);
        const std::uint32_t size = LittleEndian(wave, at + 4, 4);
        if (id == "fmt " && size >= 16 && at + 8 + 16 <= wave.size())
            bytesPerSecond = LittleEndian(wave, at + 8 + 8, 4);
        if (id == "data") {
            if (bytesPerSecond == 0)
                return std::nullopt;
            // A header written while streaming may claim more than the file holds.
            const std::uint64_t held = std::min<std::uint64_t>(size, wave.size() - at - 8);
            return static_cast<int>((held * 1000 + bytesPerSecond - 1) / bytesPerSecond);
        }
        at += 8 + std::uint64_t{size} + (size & 1); // chunks are padded to even sizes
    }
    return std::nullopt;
}

} // namespace tavlira
