#pragma once
// A card is written as two code page 1251 bytes, rank then suit:
//   ranks "2".."9", "1" for ten, "В" jack, "Д" queen, "К" king, "Т" ace;
//   suits "ч" hearts, "б" diamonds, "к" clubs, "п" spades.
// "##" marks a place where no card lies. Beside every card lie its rank order
// (1 for two .. 13 for ace) and its value, the number capture sums use.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavlira {

namespace rank {
inline constexpr char Ten = '1';
inline constexpr char Jack = '\xC2';  // В
inline constexpr char Queen = '\xC4'; // Д
inline constexpr char King = '\xCA';  // К
inline constexpr char Ace = '\xD2';   // Т
} // namespace rank

namespace suit {
inline constexpr char Hearts = '\xF7';   // ч
inline constexpr char Diamonds = '\xE1'; // б
inline constexpr char Clubs = '\xEA';    // к
inline constexpr char Spades = '\xEF';   // п
} // namespace suit

// Rank order and value of an empty place after a deal; a take leaves 0 and 0.
inline constexpr std::uint8_t EmptyMark = 99;

struct CardCode {
    char rank = '#';
    char suit = '#';

    static constexpr CardCode Empty() { return {}; }
    // The card with the given rank and suit characters; nothing for bytes
    // that are not a card (the empty mark "##" included).
    static std::optional<CardCode> FromBytes(std::string_view twoBytes);

    constexpr bool IsEmpty() const { return rank == '#' && suit == '#'; }
    constexpr bool IsClub() const { return suit == suit::Clubs; }
    // The two bonus cards: the two of clubs and the ten of diamonds.
    constexpr bool IsTwoOfClubs() const { return rank == '2' && suit == suit::Clubs; }
    constexpr bool IsTenOfDiamonds() const { return rank == rank::Ten && suit == suit::Diamonds; }
    constexpr bool IsBonus() const { return IsTwoOfClubs() || IsTenOfDiamonds(); }
    constexpr bool IsCourt() const {
        return rank == rank::Jack || rank == rank::Queen || rank == rank::King;
    }

    // The two code page 1251 bytes, as they travel in files and messages.
    std::string Bytes() const { return std::string{rank, suit}; }

    friend constexpr bool operator==(CardCode, CardCode) = default;
};

// Card number n (1..52) of the shuffle: rank (n + 3) div 4 in rank order,
// suit (n - 1) mod 4 in the order hearts, diamonds, clubs, spades.
CardCode CardFromNumber(int n);
// Rank order 1..13 of a card (two lowest, ace highest).
std::uint8_t RankOrder(CardCode card);
// Value with court cards counting 11, 12, 13; the ace counts 1.
std::uint8_t FullValue(CardCode card);
// Value in a game dealt with or without "Figures has points": court cards
// count 0 when it is off.
std::uint8_t GameValue(CardCode card, bool figuresHavePoints);

// The 52 cards in card-number order.
const CardCode (&AllCards())[52];

} // namespace tavlira
