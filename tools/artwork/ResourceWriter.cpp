#include "ResourceWriter.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

namespace tavlira {
namespace {

constexpr ResourceType kAllTypes[] = {ResourceType::RcData, ResourceType::Bitmap,
                                      ResourceType::Jpeg, ResourceType::Gif};

const char* FolderOf(ResourceType type) {
    switch (type) {
    case ResourceType::RcData:
        return "RCDATA";
    case ResourceType::Bitmap:
        return "BITMAP";
    case ResourceType::Jpeg:
        return "JPEG";
    case ResourceType::Gif:
        break;
    }
    return "GIF";
}

const char* ExtensionOf(ResourceType type) {
    switch (type) {
    case ResourceType::Jpeg:
        return ".jpg";
    case ResourceType::Gif:
        return ".gif";
    case ResourceType::RcData:
    case ResourceType::Bitmap:
        break;
    }
    return ".png";
}

} // namespace

ResourceWriter::ResourceWriter(const QDir& dir) : outputDir(dir) {}

QString ResourceWriter::PathFor(ResourceType type, const QString& name) {
    const QString folder = FolderOf(type);
    if (entries[static_cast<int>(type)].contains(name) || !outputDir.mkpath(folder))
        return {};
    return outputDir.filePath(folder + '/' + name + ExtensionOf(type));
}

bool ResourceWriter::Add(ResourceType type, const QString& name, const QImage& picture) {
    if (picture.isNull() || type == ResourceType::Gif)
        return false;
    const QString path = PathFor(type, name);
    const bool jpeg = type == ResourceType::Jpeg;
    if (path.isEmpty() || !picture.save(path, jpeg ? "JPEG" : "PNG", jpeg ? 90 : -1))
        return false;
    entries[static_cast<int>(type)].append(name);
    return true;
}

bool ResourceWriter::AddEncoded(ResourceType type, const QString& name, const QByteArray& data) {
    const QString path = PathFor(type, name);
    if (data.isEmpty() || path.isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        return false;
    entries[static_cast<int>(type)].append(name);
    return true;
}

bool ResourceWriter::WriteCollection(const QString& fileName) const {
    QSaveFile file(outputDir.filePath(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out << "<!DOCTYPE RCC><RCC version=\"1.0\">\n";
    for (ResourceType type : kAllTypes) {
        const QString folder = FolderOf(type);
        out << "<qresource prefix=\"/" << folder << "\">\n";
        for (const QString& name : entries[static_cast<int>(type)])
            out << "  <file alias=\"" << name << "\">" << folder << '/' << name << ExtensionOf(type)
                << "</file>\n";
        out << "</qresource>\n";
    }
    out << "</RCC>\n";
    out.flush();
    // commit() alone can report success after a failed write; check first.
    return out.status() == QTextStream::Ok && file.error() == QFileDevice::NoError && file.commit();
}

} // namespace tavlira
