#pragma once
// The card backs of the back pack: designs 1..12 at the three picture
// sizes, and the narrow pictures of the built-in design.

#include "Jobs.h"
#include "ThemeCards.h"

namespace tavlira {

// `builtInPictures` is the folder the built-in artwork was rendered into;
// the narrow backs of design 0 are its larger backs drawn narrower.
bool BackPictures(const ThemeFolders& folders, const QString& builtInPictures, int threads,
                  PackEntries& out);

} // namespace tavlira
