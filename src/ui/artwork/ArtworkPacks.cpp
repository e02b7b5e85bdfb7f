#include "ui/artwork/ArtworkPacks.h"

#include <algorithm>

namespace tavlira {
namespace {

// No pack comes near this; a larger file is not read into memory.
constexpr std::uintmax_t kLargestPack = 512ull * 1024 * 1024;

// The folder without "." and ".." parts or a trailing separator.
std::filesystem::path Clean(const std::filesystem::path& folder) {
    std::filesystem::path normal = folder.lexically_normal();
    if (!normal.has_filename() && normal.has_parent_path() && normal != normal.root_path())
        normal = normal.parent_path();
    return normal;
}

void AddOnce(PackFolders& folders, const std::filesystem::path& folder) {
    if (folder.empty())
        return;
    const std::filesystem::path normal = Clean(folder);
    if (std::find(folders.begin(), folders.end(), normal) == folders.end())
        folders.push_back(normal);
}

QImage Read(const PictureSource& source, const std::string& name, ResourceKind kind) {
    switch (kind) {
    case ResourceKind::Data:
        return source.Data(name);
    case ResourceKind::Bitmap:
        return source.Bitmap(name);
    case ResourceKind::Jpeg:
        break;
    }
    return source.Jpeg(name);
}

} // namespace

PackFolders SearchFolders(const std::filesystem::path& programFolder,
                          const std::filesystem::path& applicationDir) {
    PackFolders folders;
    for (const std::filesystem::path& folder : {programFolder, applicationDir}) {
        if (folder.empty())
            continue;
        AddOnce(folders, folder);
        AddOnce(folders, Clean(folder).parent_path());
    }
    if (!applicationDir.empty())
        AddOnce(folders, Clean(applicationDir).parent_path() / "share" / "tavlira-duo" / "packs");
    return folders;
}

std::unique_ptr<OpenPack> OpenPack::Open(const PackFolders& folders, const std::string& fileName) {
    for (const std::filesystem::path& folder : folders)
        if (auto mapped = MappedPack::Open(folder / fileName, kLargestPack))
            return std::unique_ptr<OpenPack>(new OpenPack(std::move(mapped)));
    return nullptr;
}

OpenPack::OpenPack(std::unique_ptr<MappedPack> mappedPack)
    : mapped(std::move(mappedPack)), source(':' + mapped->Root()) {}

OpenPack::~OpenPack() = default;

bool LoadPictureFromLibrary(const std::string& name, const std::string& library,
                            const PackFolders& folders, QImage& picture, ResourceKind kind) {
    if (library.empty()) {
        picture = Read(PictureSource::BuiltIn(), name, kind);
        return !picture.isNull();
    }
    const std::unique_ptr<OpenPack> pack = OpenPack::Open(folders, library);
    if (!pack)
        return false;
    picture = Read(pack->Pictures(), name, kind);
    return !picture.isNull();
}

} // namespace tavlira
