#pragma once
// The pictures of the dialogs around the game: the parchment scroll, the
// medals and place numbers, and the headers of the three gray dialog designs
// (concise plates with the caption, aristocratic ribbons, red ribbons with
// their lettering).

#include "ResourceWriter.h"

namespace tavlira {

bool WriteDialogArt(ResourceWriter& out);

} // namespace tavlira
