#pragma once
// Size rules of the card pictures. Every table position is designed for a
// 760 x 500 window; `Scale` maps it to the real one and decides which picture
// set is loaded and how large one card cell is. Pure computation, usable
// without a window.

namespace tavlira {

// The picture set in use: 69 x 94 bitmaps in `Small`, the PNG pictures
// (scaled when drawn) in `Medium` and `Large`.
enum class SizeClass { Small, Medium, Large };

// `Small` below 1.3, `Medium` from 1.3 up to 2.0, `Large` from 2.0 on.
SizeClass PictureSizeClass(double scale);

// Decks 0..27, 40 and 45 are wide; the other decks' cards are narrower.
bool IsWideDeck(int deckFace);

// Width of one card cell in pixels: 71 in `Small`, the scaled 71 (wide) or
// 61 (narrow) in `Medium`, 146 or 126 in `Large`. Rounding is half to even.
int CardWidth(SizeClass sizeClass, double scale, bool wideDeck);

// Height of one card cell: 96, the scaled 96, or 198.
int CardHeight(SizeClass sizeClass, double scale);

// Base pixels added to every table slot x so that narrower cards stay
// centred in their slots; window mode 1 keeps the wide cell size.
int NarrowDeckOffset(bool wideDeck, int windowSize);

} // namespace tavlira
