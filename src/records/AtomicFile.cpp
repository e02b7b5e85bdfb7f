#include "records/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tavlira {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view TempMarker = ".tmp-";
constexpr std::size_t RandomTagLength = 16; // hex digits

// Opens a file without the wait for the other end that opening a FIFO means.
int OpenWithoutWaiting(const fs::path& path, int flags) {
    return ::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
}

bool IsRegularFile(int fd) {
    struct stat status {};
    return ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}

// Whether `path` still names the file open as `fd`: a starting copy may have
// removed a fresh temporary file before its writer locked it.
bool StillNamedBy(int fd, const fs::path& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

bool TakeLock(int fd, int operation) {
    int result;
    do {
        result = ::flock(fd, operation);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

FileBytes ReadOpenFile(int fd, std::size_t maxBytes) {
    if (!IsRegularFile(fd))
        return {FileState::Unreadable, {}};
    FileBytes file{FileState::Read, {}};
    char buffer[8192];
    while (true) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return {FileState::Unreadable, {}};
        if (count == 0)
            return file;
        file.bytes.append(buffer, static_cast<std::size_t>(count));
        if (file.bytes.size() > maxBytes)
            return {FileState::Unreadable, {}};
    }
}

class PosixFileSystem final : public FileSystem {
  public:
    FileBytes Read(const fs::path& path, std::size_t maxBytes) override {
        const int fd = OpenWithoutWaiting(path, O_RDONLY);
        if (fd < 0)
            return {errno == ENOENT || errno == ENOTDIR ? FileState::Missing
                                                        : FileState::Unreadable,
                    {}};
        FileBytes file = ReadOpenFile(fd, maxBytes);
        ::close(fd);
        return file;
    }

    int Create(const fs::path& path) override {
        const int unnamed = CreateLockedThenNamed(path);
        if (unnamed != NoUnnamedFiles)
            return unnamed;
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0)
            return -1;
        if (TakeLock(fd, LOCK_EX | LOCK_NB) && StillNamedBy(fd, path))
            return fd;
        ::close(fd);
        return -1;
    }

  private:
    static constexpr int NoUnnamedFiles = -2;

    // Creates the file without a name, locks it, and only then gives it its
    // name, so a starting copy's clean-up never sees it unlocked. Returns
    // NoUnnamedFiles where the file system or a missing /proc does not allow
    // it; the caller then creates the file by name.
    static int CreateLockedThenNamed(const fs::path& path) {
        const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
        const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0644);
        if (fd < 0)
            return errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL ? NoUnnamedFiles : -1;
        const std::string self = "/proc/self/fd/" + std::to_string(fd);
        if (!TakeLock(fd, LOCK_EX | LOCK_NB)) {
            ::close(fd);
            return -1;
        }
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return fd;
        const int failure = errno;
        ::close(fd);
        return failure == ENOENT && !fs::exists("/proc/self/fd") ? NoUnnamedFiles : -1;
    }

  public:
    bool Write(int fd, std::string_view bytes) override {
        while (!bytes.empty()) {
            const ssize_t written = ::write(fd, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return false;
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return true;
    }

    bool Flush(int fd) override { return ::fsync(fd) == 0; }

    void Close(int fd) override { ::close(fd); }

    bool Rename(const fs::path& from, const fs::path& to) override {
        if (::rename(from.c_str(), to.c_str()) != 0)
            return false;
        // The rename itself lives in the folder: sync it so that a power cut
        // cannot bring the old file back. A folder that refuses fsync (some
        // network file systems) still holds the new file.
        const fs::path folder = to.has_parent_path() ? to.parent_path() : fs::path(".");
        const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
        return true;
    }

    void Remove(const fs::path& path) override { ::unlink(path.c_str()); }

    bool MayReplace(const fs::path& path) override {
        const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
        return ::access(path.c_str(), W_OK) == 0 && ::access(folder.c_str(), W_OK) == 0;
    }
};

// 64 random bits as 16 hex digits. Drawn afresh for every temporary file, so
// that no two copies of the game, not even two with the same process id in
// different containers, pick the same name.
std::string RandomTag() {
    constexpr std::string_view HexDigits = "0123456789abcdef";
    std::random_device device;
    const std::uint64_t value = (std::uint64_t{device()} << 32) | device();
    std::string tag;
    for (std::size_t digit = 1; digit <= RandomTagLength; ++digit)
        tag += HexDigits[(value >> (64 - 4 * digit)) & 0xF];
    return tag;
}

fs::path TempPathFor(const fs::path& target) {
    fs::path temp = target;
    temp += std::string(TempMarker) + RandomTag();
    return temp;
}

fs::path LockPathFor(const fs::path& target) {
    fs::path lock = target;
    lock += ".lock";
    return lock;
}

bool AllDigits(std::string_view text, bool hex) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [hex](char c) {
        return (c >= '0' && c <= '9') || (hex && c >= 'a' && c <= 'f');
    });
}

// Whether a file name has the form of a temporary file: "<name>.tmp-<tag>"
// with the tag of TempPathFor, or the "<process>-<sequence>" of earlier
// versions.
bool IsTempFileName(std::string_view name) {
    const std::size_t marker = name.rfind(TempMarker);
    if (marker == std::string_view::npos || marker == 0)
        return false;
    const std::string_view tag = name.substr(marker + TempMarker.size());
    const std::size_t hyphen = tag.find('-');
    if (hyphen == std::string_view::npos)
        return tag.size() == RandomTagLength && AllDigits(tag, true);
    return AllDigits(tag.substr(0, hyphen), false) && AllDigits(tag.substr(hyphen + 1), false);
}

// Removes the temporary file at `path` when it is a regular file whose lock
// nobody holds.
bool RemoveIfStale(const fs::path& path) {
    const int fd = OpenWithoutWaiting(path, O_RDONLY | O_NOFOLLOW);
    if (fd < 0)
        return false;
    const bool removed =
        IsRegularFile(fd) && TakeLock(fd, LOCK_EX | LOCK_NB) && ::unlink(path.c_str()) == 0;
    ::close(fd);
    return removed;
}

// Writes, syncs and renames the temporary file over `path`, then closes it:
// the lock on it lasts until its name is gone. False at the first failing
// step; the temporary file is then removed.
bool CompleteRewrite(FileSystem& fileSystem, int fd, const fs::path& temp, const fs::path& path,
                     std::string_view bytes) {
    const bool replaced =
        fileSystem.Write(fd, bytes) && fileSystem.Flush(fd) && fileSystem.Rename(temp, path);
    fileSystem.Close(fd);
    if (!replaced)
        fileSystem.Remove(temp);
    return replaced;
}

} // namespace

FileSystem& RealFileSystem() {
    static PosixFileSystem instance;
    return instance;
}

std::optional<std::string> ReadWholeFile(const fs::path& path, FileSystem& fileSystem) {
    FileBytes file = fileSystem.Read(path, MaxOwnFileBytes);
    if (file.state != FileState::Read)
        return std::nullopt;
    return std::move(file.bytes);
}

bool ReplaceFile(const fs::path& path, std::string_view bytes, FileSystem& fileSystem) {
    // A second name serves when a starting copy removed the first temporary
    // file in the instant between its creation and its lock.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const fs::path temp = TempPathFor(path);
        const int fd = fileSystem.Create(temp);
        if (fd >= 0)
            return CompleteRewrite(fileSystem, fd, temp, path, bytes);
    }
    return false;
}

FileLock::FileLock(const fs::path& path) {
    fd_ = OpenWithoutWaiting(LockPathFor(path), O_RDWR | O_CREAT);
    if (fd_ < 0)
        return;
    if (!IsRegularFile(fd_) || !TakeLock(fd_, LOCK_EX)) {
        ::close(fd_);
        fd_ = -1;
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0)
        ::close(fd_); // closing releases the lock
}

int RemoveStrayTempFiles(const fs::path& folder) {
    std::error_code error;
    int removed = 0;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (IsTempFileName(entry.path().filename().string()) && RemoveIfStale(entry.path()))
            ++removed;
    return removed;
}

} // namespace tavlira
