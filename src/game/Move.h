#pragma once
// One change of the game made by a seat. Every move — the person's clicks,
// the computer's choice, a network peer's message — is one of these and
// reaches the game through `ApplyMove` (game/Play.h), which refuses an
// illegal one. Codecs turn moves into bytes and back; the rules never see
// bytes.

#include <cstdint>

namespace tavlira {

struct Move {
    enum class Kind : std::uint8_t {
        Begin,  // "To Begin": the dealt game gets under way
        Play,   // a hand card to an empty table place (9, the capture area, to capture)
        Toggle, // select or deselect a table card for the waiting capture
        Take,   // take the selected cards with the card in the capture area
    };
    Kind kind = Kind::Begin;
    std::uint8_t handPlace = 0;  // Play: 1..4
    std::uint8_t tablePlace = 0; // Play: 1..9; Toggle: 1..8

    static constexpr Move Begin() { return {Kind::Begin, 0, 0}; }
    static constexpr Move Play(int handPlace, int tablePlace) {
        return {Kind::Play, static_cast<std::uint8_t>(handPlace),
                static_cast<std::uint8_t>(tablePlace)};
    }
    static constexpr Move Toggle(int tablePlace) {
        return {Kind::Toggle, 0, static_cast<std::uint8_t>(tablePlace)};
    }
    static constexpr Move Take() { return {Kind::Take, 0, 0}; }
    friend constexpr bool operator==(const Move&, const Move&) = default;
};

} // namespace tavlira
