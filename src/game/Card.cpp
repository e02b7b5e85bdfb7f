#include "game/Card.h"

#include <array>

namespace tavlira {
namespace {

constexpr std::array<char, 13> kRanks = {'2',         '3',        '4',      '5',       '6',
                                         '7',         '8',        '9',      rank::Ten, rank::Jack,
                                         rank::Queen, rank::King, rank::Ace};
constexpr std::array<char, 4> kSuits = {suit::Hearts, suit::Diamonds, suit::Clubs, suit::Spades};

int RankIndex(char r) {
    for (size_t i = 0; i < kRanks.size(); ++i)
        if (kRanks[i] == r)
            return static_cast<int>(i);
    return -1;
}

bool IsSuit(char s) {
    for (char known : kSuits)
        if (known == s)
            return true;
    return false;
}

struct Deck52 {
    CardCode cards[52];
    Deck52() {
        for (int n = 1; n <= 52; ++n)
            cards[n - 1] = CardCode{kRanks[static_cast<size_t>((n + 3) / 4 - 1)],
                                    kSuits[static_cast<size_t>((n - 1) % 4)]};
    }
};

} // namespace

std::optional<CardCode> CardCode::FromBytes(std::string_view twoBytes) {
    if (twoBytes.size() != 2 || RankIndex(twoBytes[0]) < 0 || !IsSuit(twoBytes[1]))
        return std::nullopt;
    return CardCode{twoBytes[0], twoBytes[1]};
}

CardCode CardFromNumber(int n) {
    return AllCards()[n - 1];
}

std::uint8_t RankOrder(CardCode card) {
    int index = RankIndex(card.rank);
    return index < 0 ? EmptyMark : static_cast<std::uint8_t>(index + 1);
}

std::uint8_t FullValue(CardCode card) {
    std::uint8_t order = RankOrder(card);
    if (order == EmptyMark)
        return EmptyMark;
    return card.rank == rank::Ace ? 1 : static_cast<std::uint8_t>(order + 1);
}

std::uint8_t GameValue(CardCode card, bool figuresHavePoints) {
    return card.IsCourt() && !figuresHavePoints ? 0 : FullValue(card);
}

const CardCode (&AllCards())[52] {
    static const Deck52 deck;
    return deck.cards;
}

} // namespace tavlira
