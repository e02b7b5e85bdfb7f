#pragma once
// Safe reading and rewriting of the program's own files.
//
// A rewrite never touches the old file until the new content is complete on
// disk: the bytes go to a temporary file in the same folder
// ("<name>.tmp-<16 random hex digits>"), are flushed and synced, and the
// temporary file is then renamed over the old one. Any failure removes the
// temporary file and leaves the old file byte for byte. The writer holds a
// lock on its temporary file until the rename, which is how a starting copy
// tells a rewrite under way from the leftover of an interrupted one.
//
// Two copies of the game may update the same file. A read-modify-write holds
// `FileLock` on "<name>.lock" beside the file from the read to the rename, so
// neither update is lost; a write that cannot take the lock does not happen.
// Lock files stay in place (removing one would race with a copy waiting on
// it); they are empty.

#include "records/FileSystem.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tavlira {

// The largest file any reader accepts; the program's files are far smaller
// (a full history file is under 100 KB), so a bigger file is not ours.
inline constexpr std::size_t MaxOwnFileBytes = 1 << 20;

// The whole file, or nothing when it is missing, unreadable, not a regular
// file or larger than MaxOwnFileBytes.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path,
                                         FileSystem& fileSystem = RealFileSystem());

// Replaces the file at `path` (or creates it) with `bytes`, atomically.
// Returns false when any step failed; the old file is then unchanged.
bool ReplaceFile(const std::filesystem::path& path, std::string_view bytes,
                 FileSystem& fileSystem = RealFileSystem());

// An exclusive lock between processes (and between threads using separate
// locks) on "<path>.lock", held for the lifetime of the object.
class FileLock {
  public:
    // Waits for the lock. `Held()` is false when the lock file cannot be
    // opened (a folder that cannot be written, another user's lock file) or
    // is not a regular file; the caller must then not write.
    explicit FileLock(const std::filesystem::path& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

// Removes temporary files that an interrupted rewrite left in `folder`: those
// whose lock nobody holds. A rewrite under way in another running copy of the
// game holds it and is not disturbed. Returns the number of files removed.
int RemoveStrayTempFiles(const std::filesystem::path& folder);

} // namespace tavlira
