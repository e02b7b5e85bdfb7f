#pragma once
// The program's own deck ("Classical-1"), its seven card backs and the suit
// icons, rendered from a vector card theme.

#include "ResourceWriter.h"

#include <QString>

namespace tavlira {

// Renders every face, back and suit icon of deck 0 / back design 0 at both
// picture sizes from the theme file and adds them to `out`. False (with the
// reason on stderr) when the theme cannot be read or lacks a card.
bool WriteCardArt(const QString& themeFile, ResourceWriter& out);

} // namespace tavlira
