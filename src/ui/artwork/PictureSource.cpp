#include "ui/artwork/PictureSource.h"

#include <QImageReader>

// The generated resources live in this static library; registering them from
// here also keeps the linker from dropping them.
static void RegisterBuiltInArtwork() {
    Q_INIT_RESOURCE(tavlira_artwork);
}

namespace tavlira {

PictureSource PictureSource::BuiltIn() {
    static const bool registered = (RegisterBuiltInArtwork(), true);
    (void)registered;
    return PictureSource(":");
}

PictureSource::PictureSource(QString resourceRoot) : root(std::move(resourceRoot)) {}

QImage PictureSource::Data(const std::string& name) const {
    return Read("RCDATA", name);
}
QImage PictureSource::Bitmap(const std::string& name) const {
    return Read("BITMAP", name);
}
QImage PictureSource::Jpeg(const std::string& name) const {
    return Read("JPEG", name);
}

QImage PictureSource::Read(const char* type, const std::string& name) const {
    // Resource names carry no file extension: the reader goes by content.
    QImageReader reader(root + '/' + type + '/' + QString::fromStdString(name));
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

} // namespace tavlira
