#pragma once
// The shuffled deck as both deals carry it: the duel host's deal and the
// table server's deal write it behind their "b" the same way, in three blocks
// of 52 two-byte entries in deal order:
//   1..104    the card codes (rank, suit)
//   105..208  their rank orders, two digits ("01".."13")
//   209..312  their values, two digits; jack, queen and king carry "00"
//             unless court cards carry points

#include "game/GameState.h"
#include "net/DuelMessages.h"

#include <string>
#include <string_view>

namespace tavlira::net {

using DeckCards = OneBased<CardSlot, DeckSize>;

inline constexpr std::size_t DeckBlockSize = 3 * 2 * DeckSize;

std::string EncodeDeckBlock(const DeckCards& deck);

// How a reader takes the values block. A duel client checks every value
// against the deal's court-card rule; a table seat counts court cards as
// nothing whatever the server wrote, so it checks only that they are digits.
enum class DeckValues : std::uint8_t { Checked, DigitsOnly };

// The deck of `block` (exactly DeckBlockSize bytes), every card once, each
// with its rank order and its value under `figuresHavePoints`.
Decoded<DeckCards> DecodeDeckBlock(std::string_view block, bool figuresHavePoints,
                                   DeckValues values);

} // namespace tavlira::net
