#pragma once
// A set of places: hand places 1..4 or table places 1..9 (9 is the capture
// area). Only the first sixteen members can ever be used.

#include <bit>
#include <cstdint>

namespace tavlira {

class PlaceSet {
  public:
    constexpr PlaceSet() = default;
    static constexpr PlaceSet FromMask(std::uint16_t mask) { return PlaceSet(mask); }

    constexpr bool Contains(int place) const { return (mask_ >> place) & 1u; }
    constexpr void Add(int place) { mask_ = static_cast<std::uint16_t>(mask_ | Bit(place)); }
    constexpr void Remove(int place) { mask_ = static_cast<std::uint16_t>(mask_ & ~Bit(place)); }
    constexpr void Toggle(int place) { mask_ = static_cast<std::uint16_t>(mask_ ^ Bit(place)); }
    constexpr void Clear() { mask_ = 0; }
    constexpr bool IsEmpty() const { return mask_ == 0; }
    constexpr int Count() const { return std::popcount(mask_); }
    constexpr std::uint16_t Mask() const { return mask_; }

    // Calls f(place) for every member in ascending order.
    template <class F> constexpr void ForEach(F&& f) const {
        for (std::uint16_t rest = mask_; rest != 0;
             rest = static_cast<std::uint16_t>(rest & (rest - 1)))
            f(std::countr_zero(rest));
    }

    friend constexpr bool operator==(PlaceSet, PlaceSet) = default;

  private:
    constexpr explicit PlaceSet(std::uint16_t mask) : mask_(mask) {}
    static constexpr std::uint16_t Bit(int place) {
        return static_cast<std::uint16_t>(1u << place);
    }
    std::uint16_t mask_ = 0;
};

} // namespace tavlira
