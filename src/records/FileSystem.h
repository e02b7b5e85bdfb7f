#pragma once
// The few file operations every rewrite of a settings, record or history file
// goes through. They sit behind an interface so that tests can make one step
// fail (a full disk at the write, at the flush, at the rename) without filling
// a real disk.

#include <filesystem>
#include <string_view>

namespace tavlira {

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Creates a new file that must not exist yet; returns a descriptor, or -1.
    virtual int Create(const std::filesystem::path& path) = 0;
    // Writes all of `bytes`; false when fewer could be written.
    virtual bool Write(int fd, std::string_view bytes) = 0;
    // Pushes the written bytes to the disk (fsync); false on failure.
    virtual bool Flush(int fd) = 0;
    virtual bool Close(int fd) = 0;
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
