#pragma once
// The table backgrounds of the background pack: ten designs in seven
// colours, at 760 x 500 and 1520 x 1000, as JPEG pictures.

#include "Jobs.h"

namespace tavlira {

bool BackgroundPictures(int threads, PackEntries& out);

} // namespace tavlira
