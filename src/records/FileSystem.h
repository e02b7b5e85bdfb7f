#pragma once
// The few file operations every read and every rewrite of a settings, record
// or history file goes through. They sit behind an interface so that tests
// can make one step fail (an unreadable file, a full disk at the write, at the
// flush, at the rename) without filling a real disk.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace tavlira {

enum class FileState {
    Read,
    Missing,
    // There, but not readable as ours: no permission, too large, or not a
    // regular file at all (a folder, a FIFO, a device).
    Unreadable,
};

struct FileBytes {
    FileState state = FileState::Missing;
    std::string bytes; // the whole file when `state` is Read
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // The whole content of a regular file of at most `maxBytes` bytes. Never
    // waits for a writer, as opening a FIFO for reading would.
    virtual FileBytes Read(const std::filesystem::path& path, std::size_t maxBytes) = 0;
    // Creates a new file that must not exist yet and holds a lock on it until
    // it is closed, which tells a starting copy of the game that the file is
    // in use; returns a descriptor, or -1.
    virtual int Create(const std::filesystem::path& path) = 0;
    // Writes all of `bytes`; false when fewer could be written.
    virtual bool Write(int fd, std::string_view bytes) = 0;
    // Pushes the written bytes to the disk (fsync); false on failure.
    virtual bool Flush(int fd) = 0;
    // Closes the file and so ends its lock. Nothing that matters can fail
    // here: by then the bytes are synced and renamed into place, or the
    // rewrite has failed already.
    virtual void Close(int fd) = 0;
    // Replaces `to` by `from` in one step and makes the change durable.
    virtual bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    virtual void Remove(const std::filesystem::path& path) = 0;
    // Whether this process may replace the file: the file and its folder
    // (where the temporary file and the rename happen) are both writable.
    virtual bool MayReplace(const std::filesystem::path& path) = 0;
};

// The operating system's files (POSIX calls).
FileSystem& RealFileSystem();

} // namespace tavlira
