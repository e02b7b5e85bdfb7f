#pragma once
// A pack of pictures or sounds opened for Qt: the file is read and checked
// (IsWholeResourcePack), then Qt maps it into its resource tree under a root
// of its own, so that two packs, or the same pack opened twice, never meet.
// The mapping is Qt's own: a sound still loading on Qt's loader thread keeps
// it alive after the object has unmapped it, which a mapping of our own
// memory would not. Qt maps the file itself, so a pack is replaced by renaming
// a whole new file over it (as the pack downloads do), never rewritten in
// place.
//
// Only a regular file no larger than the caller's limit is read: a folder,
// a FIFO or a device under a pack's name is passed over without being opened
// (reading a FIFO would wait for a writer for ever).

#include <QString>
#include <cstdint>
#include <filesystem>
#include <memory>

namespace tavlira {

class MappedPack {
  public:
    // The pack in `file`, or null when there is none, it cannot be read, it
    // is larger than `largest` bytes or it is damaged.
    static std::unique_ptr<MappedPack> Open(const std::filesystem::path& file,
                                            std::uintmax_t largest);
    ~MappedPack();
    MappedPack(const MappedPack&) = delete;
    MappedPack& operator=(const MappedPack&) = delete;

    // The resource path of the pack's `inside` ("/RCDATA/GTourOn"):
    // ":/tavlira-pack-3/RCDATA/GTourOn".
    QString Path(const QString& inside) const { return QStringLiteral(":") + root + inside; }
    // The root the pack is mapped under ("/tavlira-pack-3").
    const QString& Root() const { return root; }

  private:
    MappedPack(QString file, QString root);

    QString file;
    QString root;
};

} // namespace tavlira
