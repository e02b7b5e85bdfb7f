#pragma once
// The pictures of the graph pack: the purple table and menu background, the
// salute burst and the pictures of the dialog designs.

#include "Jobs.h"

namespace tavlira {

bool GraphPictures(PackEntries& out);

} // namespace tavlira
