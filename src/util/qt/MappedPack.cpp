#include "util/qt/MappedPack.h"

#include "util/ResourcePack.h"

#include <QFile>
#include <QResource>
#include <atomic>
#include <string_view>

namespace tavlira {

std::unique_ptr<MappedPack> MappedPack::Open(const std::filesystem::path& file,
                                             std::uintmax_t largest) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return nullptr;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size > largest)
        return nullptr;
    QString path = QString::fromStdString(file.string());
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return nullptr;
    // The file may have grown since its size was asked: read at most one
    // byte past the limit to tell.
    const QByteArray bytes = in.read(static_cast<qint64>(largest) + 1);
    if (in.error() != QFileDevice::NoError || static_cast<std::uintmax_t>(bytes.size()) > largest ||
        !IsWholeResourcePack(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
        return nullptr;
    static std::atomic<int> opened{0};
    QString root = QStringLiteral("/tavlira-pack-%1").arg(++opened);
    if (!QResource::registerResource(path, root))
        return nullptr;
    return std::unique_ptr<MappedPack>(new MappedPack(std::move(path), std::move(root)));
}

MappedPack::MappedPack(QString packFile, QString mapRoot)
    : file(std::move(packFile)), root(std::move(mapRoot)) {}

MappedPack::~MappedPack() {
    QResource::unregisterResource(file, root);
}

} // namespace tavlira
