#include "net/DeckBlock.h"

namespace tavlira::net {
namespace {

constexpr std::size_t CodesAt = 0;
constexpr std::size_t OrdersAt = CodesAt + 2 * DeckSize;
constexpr std::size_t ValuesAt = OrdersAt + 2 * DeckSize;

std::string_view EntryAt(std::string_view block, std::size_t at, int position) {
    return block.substr(at + 2 * static_cast<std::size_t>(position - 1), 2);
}

std::string AsTwoDigits(int number) {
    return {static_cast<char>('0' + number / 10 % 10), static_cast<char>('0' + number % 10)};
}

std::optional<int> TwoDigits(std::string_view two) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (!digit(two[0]) || !digit(two[1]))
        return std::nullopt;
    return (two[0] - '0') * 10 + (two[1] - '0');
}

} // namespace

std::string EncodeDeckBlock(const DeckCards& deck) {
    std::string bytes;
    bytes.reserve(DeckBlockSize);
    for (const CardSlot& card : deck)
        bytes += card.code.Bytes();
    for (const CardSlot& card : deck)
        bytes += AsTwoDigits(card.order);
    for (const CardSlot& card : deck)
        bytes += AsTwoDigits(card.value);
    return bytes;
}

Decoded<DeckCards> DecodeDeckBlock(std::string_view block, bool figuresHavePoints,
                                   DeckValues values) {
    if (block.size() != DeckBlockSize)
        return DuelFault::Malformed;
    DeckCards deck;
    for (int position = 1; position <= DeckSize; ++position) {
        const auto card = CardCode::FromBytes(EntryAt(block, CodesAt, position));
        if (!card)
            return DuelFault::BadCardCode;
        for (int earlier = 1; earlier < position; ++earlier)
            if (deck[earlier].code == *card)
                return DuelFault::DuplicateCard;
        if (TwoDigits(EntryAt(block, OrdersAt, position)) != RankOrder(*card))
            return DuelFault::WrongRankOrder;
        const std::uint8_t value = GameValue(*card, figuresHavePoints);
        const auto written = TwoDigits(EntryAt(block, ValuesAt, position));
        if (values == DeckValues::Checked && written != value)
            return DuelFault::WrongValue;
        if (!written)
            return DuelFault::Malformed;
        deck[position] = {*card, RankOrder(*card), value};
    }
    return deck;
}

} // namespace tavlira::net
