#pragma once
// Where pictures are read from. The program's own pictures are compiled-in
// resources; an artwork pack is a resource file mapped into the same tree
// under a root of its own while pictures are copied out of it. Either way a
// picture is found by resource type and name:
//   <root>/RCDATA/<name>  PNG data
//   <root>/BITMAP/<name>  bitmap
//   <root>/JPEG/<name>    JPEG picture

#include <QImage>
#include <QString>
#include <string>

namespace tavlira {

class PictureSource {
  public:
    // The program's own artwork (registered on first use).
    static PictureSource BuiltIn();
    // Pictures under `resourceRoot`: a mapped pack or a folder laid out the
    // same way.
    explicit PictureSource(QString resourceRoot);

    // A null picture when the resource is missing or unreadable.
    QImage Data(const std::string& name) const;
    QImage Bitmap(const std::string& name) const;
    QImage Jpeg(const std::string& name) const;

  private:
    QImage Read(const char* type, const std::string& name) const;

    QString root;
};

} // namespace tavlira
