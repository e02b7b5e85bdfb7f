#include "app/GraphPack.h"

#include "ui/artwork/ArtworkLibraries.h"
#include "ui/artwork/PictureSource.h"
#include "ui/dialogs/options/PackFile.h"

#include <QFile>
#include <QResource>

namespace tavlira {
namespace {

// The root the pack is mapped under while a picture is copied out.
const QString MapRoot = QStringLiteral("/graph-pack");
constexpr qint64 MaxPackBytes = qint64{256} << 20;

QByteArray ReadPack(const std::filesystem::path& programFolder) {
    for (const std::filesystem::path& folder : {programFolder, programFolder.parent_path()}) {
        QFile file(QString::fromStdString((folder / GraphLibrary).string()));
        if (file.open(QIODevice::ReadOnly) && file.size() <= MaxPackBytes)
            return file.readAll();
    }
    return {};
}

} // namespace

GraphPack::GraphPack(std::filesystem::path folder) : programFolder(std::move(folder)) {}

QImage GraphPack::Picture(const std::string& name) {
    if (const auto known = read.find(name); known != read.end())
        return known->second;
    const QByteArray pack = ReadPack(programFolder);
    if (pack.isEmpty() || !IsWholePack(pack))
        return {};
    const auto* data = reinterpret_cast<const uchar*>(pack.constData());
    if (!QResource::registerResource(data, MapRoot))
        return {};
    const PictureSource source(':' + MapRoot);
    QImage picture = source.Data(name);
    if (picture.isNull())
        picture = source.Jpeg(name);
    QResource::unregisterResource(data, MapRoot);
    if (!picture.isNull())
        read.emplace(name, picture); // a pack fetched later may hold a picture still missing
    return picture;
}

} // namespace tavlira
