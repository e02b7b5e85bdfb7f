#pragma once
// The random source of the shuffle. It is injectable so tests and the
// engine tool can replay a game from a seed; the game itself seeds from the
// clock. Only the 32-bit engine output is used — never a standard library
// distribution, whose results differ between library implementations — so a
// seed gives the same deck with every compiler.

#include <cstdint>
#include <random>

namespace tavlira {

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual std::uint32_t Next32() = 0;

    // A whole number uniformly drawn from 0 to bound - 1 (bound > 0), by
    // rejecting the top remainder of the 32-bit range.
    std::uint32_t Below(std::uint32_t bound);
};

// Mersenne twister: its output sequence for a seed is fixed by the C++ standard.
class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
    std::uint32_t Next32() override { return static_cast<std::uint32_t>(engine_()); }

  private:
    std::mt19937 engine_;
};

// Seeded from the clock when made; the game makes one per shuffle.
SeededRandom ClockSeededRandom();

} // namespace tavlira
