#pragma once
// Opening an artwork pack: the file is looked for in each folder of the
// search list in turn (the program folder, then its parent, the family
// folder), read into memory, checked, and mapped into the resource tree under
// a root of its own while pictures are copied out of it. Closing it (the
// object going away) unmaps it again.

#include "ui/artwork/PictureSource.h"
#include "util/qt/MappedPack.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tavlira {

using PackFolders = std::vector<std::filesystem::path>;

// Where the game looks for packs: the program folder and its parent; then,
// when the program runs from elsewhere (an installed copy, or a screenshot in
// a scratch folder), the program's own folder and its parent, and the packs
// an install placed in <prefix>/share/tavlira-duo/packs. Folders are listed
// once each.
PackFolders SearchFolders(const std::filesystem::path& programFolder,
                          const std::filesystem::path& applicationDir);

class OpenPack {
  public:
    // The pack `fileName` from the first folder that holds a sound copy of
    // it (MappedPack: a regular file that can be read, is no larger than any
    // pack and is whole). Null when no folder does.
    static std::unique_ptr<OpenPack> Open(const PackFolders& folders, const std::string& fileName);
    ~OpenPack();
    OpenPack(const OpenPack&) = delete;
    OpenPack& operator=(const OpenPack&) = delete;

    const PictureSource& Pictures() const { return source; }

  private:
    explicit OpenPack(std::unique_ptr<MappedPack> mapped);

    std::unique_ptr<MappedPack> mapped;
    PictureSource source;
};

enum class ResourceKind { Data, Bitmap, Jpeg };

// One picture from a pack (`library`), or from the program's own pictures
// when `library` is empty. False when the pack cannot be opened or holds no
// readable picture of that name and kind.
bool LoadPictureFromLibrary(const std::string& name, const std::string& library,
                            const PackFolders& folders, QImage& picture,
                            ResourceKind kind = ResourceKind::Data);

} // namespace tavlira
