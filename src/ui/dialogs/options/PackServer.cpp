#include "ui/dialogs/options/PackServer.h"

#include "online/Endpoints.h"
#include "util/ResourcePack.h"

#include <QResource>
#include <atomic>

namespace tavlira {

QUrl PackUrl(const QString& serverBase, std::string_view fileName) {
    QString base = serverBase;
    while (base.endsWith('/'))
        base.chop(1);
    return QUrl(base + QString::fromLatin1(online::PacksPath.data(), online::PacksPath.size()) +
                QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size())));
}

bool IsReadablePack(const QByteArray& bytes) {
    if (!IsWholeResourcePack(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
        return false;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    // Tried under a root of its own, so that no picture of the program or of
    // a pack in use is hidden meanwhile.
    static std::atomic<int> trials{0};
    const QString root = QStringLiteral("/pack-trial-%1").arg(++trials);
    if (!QResource::registerResource(data, root))
        return false;
    QResource::unregisterResource(data, root);
    return true;
}

} // namespace tavlira
