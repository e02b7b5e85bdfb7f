#pragma once
// The pictures of the options dialog and the program's own cursors: the flag
// of every language, and the red cursor set (a still arrow; the hand, the
// wait and the edit cursors as strips of 32 x 32 frames).

#include "ResourceWriter.h"

namespace tavlira {

bool WriteOptionsArt(ResourceWriter& out);

} // namespace tavlira
