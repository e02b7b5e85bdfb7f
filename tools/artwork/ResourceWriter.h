#pragma once
// Writes the generated pictures into the build tree, one file per resource in
// a folder per resource type, and the resource collection file that lists
// them under the names the program looks them up by:
//   :/RCDATA/<name>  PNG data (larger card pictures, icons, table pictures)
//   :/BITMAP/<name>  small bitmaps, kept as PNG files
//   :/JPEG/<name>    JPEG backgrounds
//   :/GIF/<name>     GIF animations, played with QMovie

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>

namespace tavlira {

enum class ResourceType { RcData, Bitmap, Jpeg, Gif };

class ResourceWriter {
  public:
    explicit ResourceWriter(const QDir& outputDir);

    // Saves the picture and remembers it for the collection file; false when
    // it could not be written or the name was already used for that type.
    bool Add(ResourceType type, const QString& name, const QImage& picture);

    // Saves an already encoded file (a GIF animation) the same way.
    bool AddEncoded(ResourceType type, const QString& name, const QByteArray& data);

    // Writes the collection file (.qrc) of every picture added so far.
    bool WriteCollection(const QString& fileName) const;

  private:
    // The path of a new resource file, or an empty string when the name was
    // already used for that type or its folder cannot be made.
    QString PathFor(ResourceType type, const QString& name);

    QDir outputDir;
    QStringList entries[4];
};

} // namespace tavlira
