#include "ui/artwork/ArtworkPacks.h"

#include "ui/artwork/PackFile.h"

#include <QFile>
#include <QResource>
#include <algorithm>
#include <atomic>
#include <system_error>

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
    for (const std::filesystem::path& folder : folders) {
        const std::filesystem::path file = folder / fileName;
        std::error_code error;
        // A folder, FIFO or device under the pack's name is no pack: reading
        // a FIFO would wait for a writer for ever.
        if (!std::filesystem::is_regular_file(file, error))
            continue;
        const std::uintmax_t size = std::filesystem::file_size(file, error);
        if (error || size > kLargestPack)
            continue;
        QFile in(QString::fromStdString(file.string()));
        if (!in.open(QIODevice::ReadOnly))
            continue;
        QByteArray bytes = in.readAll();
        const auto* begin = reinterpret_cast<const unsigned char*>(bytes.constData());
        if (in.error() != QFileDevice::NoError ||
            !IsWellFormedPack({begin, static_cast<size_t>(bytes.size())}))
            continue;
        static std::atomic<int> opened{0};
        const QString root = QStringLiteral("/tavlira-pack-%1").arg(++opened);
        if (!QResource::registerResource(begin, root))
            continue;
        return std::unique_ptr<OpenPack>(new OpenPack(std::move(bytes), root));
    }
    return nullptr;
}

OpenPack::OpenPack(QByteArray data, QString mapRoot)
    : bytes(std::move(data)), root(std::move(mapRoot)), source(':' + root) {}

OpenPack::~OpenPack() {
    QResource::unregisterResource(reinterpret_cast<const uchar*>(bytes.constData()), root);
}

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
