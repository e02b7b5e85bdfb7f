#include "ui/artwork/BackChoice.h"

#include "ui/artwork/ArtworkTables.h"

namespace tavlira {

int ChooseBackPicture(int isoWeekday, bool alwaysOne, int deckBack, const RandomBelow& random) {
    int pictures = BackPictureCount(deckBack);
    if (pictures == 10)
        return 1 + random(pictures);
    if (alwaysOne || isoWeekday < 1 || isoWeekday > 7)
        return 7;
    return isoWeekday;
}

} // namespace tavlira
