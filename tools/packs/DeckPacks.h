#pragma once
// The faces and suit icons of the decks in one card pack.

#include "Jobs.h"
#include "ThemeCards.h"

#include <string_view>

namespace tavlira {

// Every face (both sizes, ellipse inverted) and suit icon of the decks whose
// pack is `library`. Stops with a message when a theme cannot be read or
// lacks a card.
bool DeckPictures(std::string_view library, const ThemeFolders& folders, int threads,
                  PackEntries& out);

} // namespace tavlira
