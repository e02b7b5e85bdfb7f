#pragma once
// The pieces of the skinned button, drawn in red so that swapping colour
// channels gives every other skin.

#include "ResourceWriter.h"

namespace tavlira {

bool WriteButtonArt(ResourceWriter& out);

} // namespace tavlira
