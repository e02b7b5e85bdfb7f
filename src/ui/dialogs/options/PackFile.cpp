#include "ui/dialogs/options/PackFile.h"

#include <QResource>
#include <QtEndian>
#include <atomic>
#include <cstdint>
#include <vector>

namespace tavlira {
namespace {

// No pack of ours holds more pictures than this; a larger tree is damage.
constexpr std::uint32_t MaxNodes = 100000;
constexpr std::uint16_t FolderFlag = 0x02;

class PackReader {
  public:
    explicit PackReader(const QByteArray& packBytes) : bytes(packBytes) {}

    bool Check() {
        if (bytes.size() < 20 || !bytes.startsWith("qres"))
            return false;
        const std::uint32_t version = U32(4);
        if (version < 1 || version > 3)
            return false;
        tree = U32(8);
        data = U32(12);
        names = U32(16);
        nodeSize = version == 1 ? 14 : 22;
        const std::uint64_t header = version >= 3 ? 24 : 20;
        if (!Inside(header, 0) || tree < header || data < header || names < header ||
            !Inside(tree, nodeSize))
            return false;
        nodeCount = static_cast<std::uint32_t>(
            std::min<std::uint64_t>(MaxNodes, (Size() - tree) / nodeSize));
        return CheckFolder(0, 0);
    }

  private:
    std::uint64_t Size() const { return static_cast<std::uint64_t>(bytes.size()); }
    bool Inside(std::uint64_t offset, std::uint64_t length) const {
        return offset <= Size() && length <= Size() - offset;
    }
    std::uint32_t U32(std::uint64_t at) const {
        return qFromBigEndian<quint32>(bytes.constData() + at);
    }
    std::uint16_t U16(std::uint64_t at) const {
        return qFromBigEndian<quint16>(bytes.constData() + at);
    }

    bool CheckName(std::uint32_t offset) const {
        const std::uint64_t at = std::uint64_t{names} + offset;
        return Inside(at, 6) && Inside(at + 6, std::uint64_t{U16(at)} * 2);
    }

    bool CheckData(std::uint32_t offset) const {
        const std::uint64_t at = std::uint64_t{data} + offset;
        return Inside(at, 4) && Inside(at + 4, U32(at));
    }

    // Children always follow their folder in the tree, so the walk cannot
    // loop, and every node is visited once.
    bool CheckFolder(std::uint32_t node, int depth) {
        if (depth > 64)
            return false;
        const std::uint64_t at = tree + std::uint64_t{node} * nodeSize;
        if (node != 0 && !CheckName(U32(at)))
            return false;
        const std::uint32_t count = U32(at + 6);
        const std::uint32_t first = U32(at + 10);
        if (count > nodeCount || first <= node || first > nodeCount - count)
            return false;
        for (std::uint32_t child = first; child < first + count; ++child) {
            const std::uint64_t c = tree + std::uint64_t{child} * nodeSize;
            if (U16(c + 4) & FolderFlag) {
                if (!CheckFolder(child, depth + 1))
                    return false;
            } else if (!CheckName(U32(c)) || !CheckData(U32(c + 10))) {
                return false;
            }
        }
        return true;
    }

    const QByteArray& bytes;
    std::uint32_t tree = 0;
    std::uint32_t data = 0;
    std::uint32_t names = 0;
    std::uint64_t nodeSize = 22;
    std::uint32_t nodeCount = 0;
};

} // namespace

bool IsWholePack(const QByteArray& bytes) {
    if (!PackReader(bytes).Check())
        return false;
    // Mapped under a root of its own, so that no picture of the program or
    // of a pack in use is hidden while it is tried.
    static std::atomic<int> trials{0};
    const QString root = QStringLiteral("/pack-check-%1").arg(++trials);
    const auto* rcc = reinterpret_cast<const uchar*>(bytes.constData());
    if (!QResource::registerResource(rcc, root))
        return false;
    QResource::unregisterResource(rcc, root);
    return true;
}

QUrl PackUrl(const QString& serverBase, std::string_view fileName) {
    QString base = serverBase;
    while (base.endsWith('/'))
        base.chop(1);
    return QUrl(base + QStringLiteral("/packs/") +
                QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size())));
}

} // namespace tavlira
