#pragma once
// Resource names of the artwork pictures. A name is built from a prefix, a
// rank or picture part, a design suffix and a size suffix; the built-in
// artwork (deck 0, back design 0) has empty design suffixes.

#include "game/Card.h"
#include "ui/artwork/CardSize.h"

#include <string>
#include <string_view>

namespace tavlira {

// The design suffixes of a deck: court cards, ranks 2..10, aces.
struct DeckSuffixes {
    std::string court;
    std::string pip;
    std::string ace;
};

// Face of `card`: suit prefix "Ch" "Bu" "Kr" "Pi", rank part "02".."10",
// "2J" "3Q" "4K" "5A", design suffix, then "B" outside `Small`
// ("Bu3Q", "Bu3QB", "Pi5ACor"). Empty for a code that is no card.
std::string FaceName(CardCode card, const DeckSuffixes& deck, SizeClass sizeClass);

// Suit icon "Cher" "Bubi" "Kres" "Piki" + pip suffix, "B" for the large one.
// Empty for a byte that is no suit.
std::string SuitIconName(char suit, std::string_view pipSuffix, bool large);

// Back picture 1..10: "Ob01Mo".."Ob07Su", "Ob08XX".."Ob10XX", the design
// suffix, then nothing in `Small`, "B" for a wide deck and "U" for a narrow
// one. Empty outside 1..10.
std::string BackName(int picture, std::string_view designSuffix, SizeClass sizeClass,
                     bool wideDeck);

// Background "Fon" + two-digit design + colour code ("Gr" "Re" "Or" "Ye" "B1"
// "B2" "Fi"); design 2 in colour 0 is "FonG". "B" in every window size but 1.
std::string BackgroundName(int design, int colour, int windowSize);

} // namespace tavlira
