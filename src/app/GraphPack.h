#pragma once
// The pictures of the graph pack, "QelCGraph1.dll", that the dialogs and the
// festive burst show: the purple design's backdrops and icons, the burst's
// frames. A picture once read is kept; a missing one is looked for again
// next time, so a pack fetched meanwhile is found.

#include "ui/artwork/ArtworkPacks.h"

#include <QImage>
#include <map>
#include <string>

namespace tavlira {

class GraphPack {
  public:
    // `folders` are the pack folders of the picture store, read at each look.
    explicit GraphPack(const PackFolders& folders);

    // The picture of that name (PNG data or JPEG); null when the pack or the
    // picture is missing.
    QImage Picture(const std::string& name);

  private:
    const PackFolders& folders;
    std::map<std::string, QImage> read;
};

} // namespace tavlira
