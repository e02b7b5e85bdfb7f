#include "app/GraphPack.h"

#include "ui/artwork/ArtworkTables.h"

namespace tavlira {

GraphPack::GraphPack(const PackFolders& packFolders) : folders(packFolders) {}

QImage GraphPack::Picture(const std::string& name) {
    if (const auto known = read.find(name); known != read.end())
        return known->second;
    const std::unique_ptr<OpenPack> pack = OpenPack::Open(folders, GraphLibrary);
    if (!pack)
        return {};
    QImage picture = pack->Pictures().Data(name);
    if (picture.isNull())
        picture = pack->Pictures().Jpeg(name);
    if (!picture.isNull())
        read.emplace(name, picture);
    return picture;
}

} // namespace tavlira
