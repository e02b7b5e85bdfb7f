#include "game/Random.h"

#include <chrono>

namespace tavlira {

std::uint32_t RandomSource::Below(std::uint32_t bound) {
    const std::uint32_t limit = UINT32_MAX - UINT32_MAX % bound;
    for (;;) {
        std::uint32_t x = Next32();
        if (x < limit)
            return x % bound;
    }
}

SeededRandom ClockSeededRandom() {
    auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return SeededRandom(static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
}

} // namespace tavlira
