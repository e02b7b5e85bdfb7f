#pragma once
// A fixed array numbered from 1, as the game numbers seats, hand places,
// table places and deck positions; these numbers travel in messages, so the
// code keeps them rather than translating to 0-based indices everywhere.

#include <array>
#include <cassert>
#include <type_traits>

namespace tavlira {

template <class T, int N> class OneBased {
  public:
    constexpr T& operator[](int i) {
        assert(i >= 1 && i <= N);
        return items_[static_cast<size_t>(i - 1)];
    }
    constexpr const T& operator[](int i) const {
        assert(i >= 1 && i <= N);
        return items_[static_cast<size_t>(i - 1)];
    }
    // Typed numbers index by their value: a seat, for one.
    template <class E>
    requires std::is_enum_v<E>
    constexpr T& operator[](E e) { return (*this)[static_cast<int>(e)]; }
    template <class E>
    requires std::is_enum_v<E>
    constexpr const T& operator[](E e) const { return (*this)[static_cast<int>(e)]; }
    static constexpr int Size() { return N; }
    constexpr void Fill(const T& value) { items_.fill(value); }
    constexpr auto begin() { return items_.begin(); }
    constexpr auto end() { return items_.end(); }
    constexpr auto begin() const { return items_.begin(); }
    constexpr auto end() const { return items_.end(); }

    friend constexpr bool operator==(const OneBased&, const OneBased&) = default;

  private:
    std::array<T, static_cast<size_t>(N)> items_{};
};

} // namespace tavlira
