#include "ui/artwork/CardSize.h"

#include "ui/artwork/ArtworkTables.h"
#include "util/NumberFormat.h"

namespace tavlira {

SizeClass PictureSizeClass(double scale) {
    if (scale < 1.3)
        return SizeClass::Small;
    return scale < 2.0 ? SizeClass::Medium : SizeClass::Large;
}

bool IsWideDeck(int deckFace) {
    const DeckDesign* deck = FindDeck(deckFace);
    return deck && deck->wide;
}

int CardWidth(SizeClass sizeClass, double scale, bool wideDeck) {
    switch (sizeClass) {
    case SizeClass::Small:
        return 71;
    case SizeClass::Medium:
        return static_cast<int>(RoundHalfEven((wideDeck ? 71 : 61) * scale));
    case SizeClass::Large:
        break;
    }
    return wideDeck ? 146 : 126;
}

int CardHeight(SizeClass sizeClass, double scale) {
    switch (sizeClass) {
    case SizeClass::Small:
        return 96;
    case SizeClass::Medium:
        return static_cast<int>(RoundHalfEven(96 * scale));
    case SizeClass::Large:
        break;
    }
    return 198;
}

int NarrowDeckOffset(bool wideDeck, int windowSize) {
    return wideDeck || windowSize == 1 ? 0 : 5;
}

} // namespace tavlira
