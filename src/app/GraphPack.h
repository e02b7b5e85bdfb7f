#pragma once
// The pictures of the graph pack, "QelCGraph1.dll": the purple designs, the
// festive burst. The pack is looked for in the program folder, then in its
// parent; it is checked to be whole, mapped only while a picture is copied
// out, and a picture once read is kept.

#include <QImage>
#include <filesystem>
#include <map>
#include <string>

namespace tavlira {

class GraphPack {
  public:
    explicit GraphPack(std::filesystem::path programFolder);

    // The picture of that name (PNG data or JPEG); null when the pack or
    // the picture is missing.
    QImage Picture(const std::string& name);

  private:
    std::filesystem::path programFolder;
    std::map<std::string, QImage> read;
};

} // namespace tavlira
