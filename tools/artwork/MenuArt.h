#pragma once
// The pictures of the title and menu screens: the logo, the title plate, the
// captions in every picture language, the candelabrum and its flames, the
// clock and the statistics board, the icons, the account lamps and the wait
// banner.

#include "ResourceWriter.h"

namespace tavlira {

bool WriteMenuArt(ResourceWriter& out);

} // namespace tavlira
