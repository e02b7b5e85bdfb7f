#pragma once
// File names of the artwork packs and which pictures each one holds. The
// program's own pictures (deck 0, back design 0 for wide decks or small
// cards, background design 2 in colour 0) need none of them.

#include <string>

namespace tavlira {

inline constexpr const char* BackLibrary = "QelCards06B.dll";
inline constexpr const char* BackgroundLibrary = "QelBackG03.dll";
inline constexpr const char* GraphLibrary = "QelCGraph1.dll";

// The pack holding the faces of a deck: A for 1..31, B for 32..39, C for
// 40..47; empty for deck 0 and numbers outside the deck list.
std::string LibraryForDeck(int deckFace);

} // namespace tavlira
