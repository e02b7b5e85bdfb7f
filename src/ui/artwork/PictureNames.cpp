#include "ui/artwork/PictureNames.h"

#include <array>
#include <cstdio>

namespace tavlira {
namespace {

std::string_view SuitPrefix(char suitByte) {
    switch (suitByte) {
    case suit::Hearts:
        return "Ch";
    case suit::Diamonds:
        return "Bu";
    case suit::Clubs:
        return "Kr";
    case suit::Spades:
        return "Pi";
    default:
        return {};
    }
}

std::string_view RankPart(char rankByte) {
    static constexpr std::array<std::string_view, 8> kPips = {"02", "03", "04", "05",
                                                              "06", "07", "08", "09"};
    if (rankByte >= '2' && rankByte <= '9')
        return kPips[static_cast<size_t>(rankByte - '2')];
    switch (rankByte) {
    case rank::Ten:
        return "10";
    case rank::Jack:
        return "2J";
    case rank::Queen:
        return "3Q";
    case rank::King:
        return "4K";
    case rank::Ace:
        return "5A";
    default:
        return {};
    }
}

std::string_view DesignSuffix(CardCode card, const DeckSuffixes& deck) {
    if (card.rank == rank::Ace)
        return deck.ace;
    return card.IsCourt() ? deck.court : deck.pip;
}

std::string TwoDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

} // namespace

std::string FaceName(CardCode card, const DeckSuffixes& deck, SizeClass sizeClass) {
    std::string_view prefix = SuitPrefix(card.suit);
    std::string_view rankPart = RankPart(card.rank);
    if (prefix.empty() || rankPart.empty())
        return {};
    std::string name{prefix};
    name += rankPart;
    name += DesignSuffix(card, deck);
    if (sizeClass != SizeClass::Small)
        name += 'B';
    return name;
}

std::string SuitIconName(char suitByte, std::string_view pipSuffix, bool large) {
    static constexpr std::array<std::pair<char, std::string_view>, 4> kIcons = {{
        {suit::Hearts, "Cher"},
        {suit::Diamonds, "Bubi"},
        {suit::Clubs, "Kres"},
        {suit::Spades, "Piki"},
    }};
    for (const auto& [iconSuit, stem] : kIcons) {
        if (iconSuit == suitByte)
            return std::string{stem} + std::string{pipSuffix} + (large ? "B" : "");
    }
    return {};
}

std::string BackName(int picture, std::string_view designSuffix, SizeClass sizeClass,
                     bool wideDeck) {
    // One picture per weekday, Monday first; the sixth reads "Su" as well.
    static constexpr std::array<std::string_view, 10> kDays = {"Mo", "Tu", "We", "Th", "Fr",
                                                               "Su", "Su", "XX", "XX", "XX"};
    if (picture < 1 || picture > 10)
        return {};
    std::string name = "Ob" + TwoDigits(picture);
    name += kDays[static_cast<size_t>(picture - 1)];
    name += designSuffix;
    if (sizeClass != SizeClass::Small)
        name += wideDeck ? 'B' : 'U';
    return name;
}

std::string BackgroundName(int design, int colour, int windowSize) {
    static constexpr std::array<std::string_view, 7> kColours = {"Gr", "Re", "Or", "Ye",
                                                                 "B1", "B2", "Fi"};
    std::string name = "Fon";
    if (design == 2 && colour == 0)
        name += 'G';
    else if (colour >= 0 && colour < 7)
        name += TwoDigits(design) + std::string{kColours[static_cast<size_t>(colour)]};
    else
        return {};
    if (windowSize != 1)
        name += 'B';
    return name;
}

} // namespace tavlira
