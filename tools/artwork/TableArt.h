#pragma once
// The pictures of the game table drawn by hand: the built-in background, the
// slot glows, the deck label, the panel frames, the banners, the turn hand
// and the move clocks.

#include "ResourceWriter.h"

namespace tavlira {

bool WriteTableArt(ResourceWriter& out);

} // namespace tavlira
