#include "ResourceWriter.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

namespace tavlira {
namespace {

const char* FolderOf(ResourceType type) {
    switch (type) {
    case ResourceType::RcData:
        return "RCDATA";
    case ResourceType::Bitmap:
        return "BITMAP";
    case ResourceType::Jpeg:
        break;
    }
    return "JPEG";
}

} // namespace

ResourceWriter::ResourceWriter(const QDir& dir) : outputDir(dir) {}

bool ResourceWriter::Add(ResourceType type, const QString& name, const QImage& picture) {
    QStringList& names = entries[static_cast<int>(type)];
    if (picture.isNull() || names.contains(name))
        return false;
    const QString folder = FolderOf(type);
    if (!outputDir.mkpath(folder))
        return false;
    const bool jpeg = type == ResourceType::Jpeg;
    const QString path = outputDir.filePath(folder + '/' + name + (jpeg ? ".jpg" : ".png"));
    if (!picture.save(path, jpeg ? "JPEG" : "PNG", jpeg ? 90 : -1))
        return false;
    names.append(name);
    return true;
}

bool ResourceWriter::WriteCollection(const QString& fileName) const {
    QSaveFile file(outputDir.filePath(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out << "<!DOCTYPE RCC><RCC version=\"1.0\">\n";
    for (ResourceType type : {ResourceType::RcData, ResourceType::Bitmap, ResourceType::Jpeg}) {
        const QString folder = FolderOf(type);
        const QString extension = type == ResourceType::Jpeg ? ".jpg" : ".png";
        out << "<qresource prefix=\"/" << folder << "\">\n";
        for (const QString& name : entries[static_cast<int>(type)])
            out << "  <file alias=\"" << name << "\">" << folder << '/' << name << extension
                << "</file>\n";
        out << "</qresource>\n";
    }
    out << "</RCC>\n";
    out.flush();
    // commit() alone can report success after a failed write; check first.
    return out.status() == QTextStream::Ok && file.error() == QFileDevice::NoError && file.commit();
}

} // namespace tavlira
