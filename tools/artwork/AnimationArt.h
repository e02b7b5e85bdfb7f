#pragma once
// The animated pictures, written as GIF files: the two menu animations, the
// top-ten banner, the club emblems, the three end-of-game outcomes and the
// general count's abacus.

#include "ResourceWriter.h"

namespace tavlira {

bool WriteAnimationArt(ResourceWriter& out);

} // namespace tavlira
