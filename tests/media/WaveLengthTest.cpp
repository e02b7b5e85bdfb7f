// The length of a WAV image from its header.

#include "media/WaveLength.h"

#include <gtest/gtest.h>
#include <string>

namespace tavlira {
namespace {

std::string Le(std::uint32_t value, int width) {
    std::string bytes;
    for (int i = 0; i < width; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xff);
    return bytes;
}

std::string Chunk(const std::string& id, const std::string& body, std::uint32_t claimed) {
    return id + Le(claimed, 4) + body + (body.size() % 2 ? std::string(1, '\0') : "");
}

// A 16-bit mono file at `rate` with `dataBytes` of sound, claiming `claimed`
// bytes of data; `extra` chunks lie between the format and the data.
std::string Wave(std::uint32_t rate, std::uint32_t dataBytes, std::uint32_t claimed,
                 const std::string& extra = "") {
    const std::string format =
        Le(1, 2) + Le(1, 2) + Le(rate, 4) + Le(rate * 2, 4) + Le(2, 2) + Le(16, 2);
    const std::string body = "WAVE" + Chunk("fmt ", format, 16) + extra +
                             Chunk("data", std::string(dataBytes, '\0'), claimed);
    return "RIFF" + Le(static_cast<std::uint32_t>(body.size()), 4) + body;
}

TEST(WaveLength, ReadsTheLengthFromTheHeader) {
    struct Case {
        std::string wave;
        std::optional<int> ms;
    };
    const Case cases[] = {
        {Wave(44100, 8820, 8820), 100},
        {Wave(22050, 22050, 22050), 500},
        {Wave(44100, 2, 2), 1}, // a partial millisecond counts whole
        // Chunks before the data are skipped, an odd one with its pad byte.
        {Wave(44100, 8820, 8820, Chunk("LIST", "abc", 3)), 100},
        // A streamed header claims more than the file holds.
        {Wave(44100, 4410, 0xffffffffu), 50},
        {"RIFF\x04\0\0\0WAVE", std::nullopt},
        {Wave(44100, 10, 10).replace(8, 4, "AVI "), std::nullopt},
        {"not a sound", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WaveLengthMs(c.wave), c.ms) << c.wave.size();
}

TEST(WaveLength, ADataChunkBeforeTheFormatIsRefused) {
    const std::string body = "WAVE" + Chunk("data", std::string(100, '\0'), 100);
    EXPECT_EQ(WaveLengthMs("RIFF" + Le(static_cast<std::uint32_t>(body.size()), 4) + body),
              std::nullopt);
}

} // namespace
} // namespace tavlira
