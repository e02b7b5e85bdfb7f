#include "ui/artwork/ArtworkLibraries.h"

namespace tavlira {

std::string LibraryForDeck(int deckFace) {
    if (deckFace >= 1 && deckFace <= 31)
        return "QelCards06A.dll";
    if (deckFace >= 32 && deckFace <= 39)
        return "QelCards06B.dll";
    if (deckFace >= 40 && deckFace <= 47)
        return "QelCards06C.dll";
    return {};
}

} // namespace tavlira
