#include "records/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sys/file.h>
#include <system_error>
#include <unistd.h>

namespace tavlira {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view TempMarker = ".tmp-";

class PosixFileSystem final : public FileSystem {
  public:
    int Create(const fs::path& path) override {
        return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    }

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

    bool Close(int fd) override { return ::close(fd) == 0; }

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

fs::path TempPathFor(const fs::path& target) {
    static std::atomic<unsigned> sequence{0};
    fs::path temp = target;
    temp += std::string(TempMarker) + std::to_string(::getpid()) + "-" +
            std::to_string(sequence.fetch_add(1));
    return temp;
}

fs::path LockPathFor(const fs::path& target) {
    fs::path lock = target;
    lock += ".lock";
    return lock;
}

// The process id in a temporary file name "<name>.tmp-<process>-<sequence>",
// or nothing for a name of another form.
std::optional<pid_t> WriterOfTempFile(std::string_view name) {
    const std::size_t marker = name.rfind(TempMarker);
    if (marker == std::string_view::npos || marker == 0)
        return std::nullopt;
    const std::string_view rest = name.substr(marker + TempMarker.size());
    pid_t pid = 0;
    const auto [end, failure] = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
    if (failure != std::errc() || pid <= 0 || end == rest.data() + rest.size() || *end != '-')
        return std::nullopt;
    return pid;
}

// A process that exists, even one we may not signal, counts as running.
bool IsRunning(pid_t pid) {
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

// Writes, syncs and closes; false at the first failing step. The descriptor
// is closed in every case.
bool WriteAndSync(FileSystem& fileSystem, int fd, std::string_view bytes) {
    const bool complete = fileSystem.Write(fd, bytes) && fileSystem.Flush(fd);
    const bool closed = fileSystem.Close(fd);
    return complete && closed;
}

} // namespace

FileSystem& RealFileSystem() {
    static PosixFileSystem instance;
    return instance;
}

std::optional<std::string> ReadWholeFile(const fs::path& path, std::size_t maxBytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes;
    char buffer[8192];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > maxBytes)
            return std::nullopt;
    }
    if (in.bad())
        return std::nullopt;
    return bytes;
}

bool ReplaceFile(const fs::path& path, std::string_view bytes, FileSystem& fileSystem) {
    const fs::path temp = TempPathFor(path);
    const int fd = fileSystem.Create(temp);
    if (fd < 0)
        return false;
    if (WriteAndSync(fileSystem, fd, bytes) && fileSystem.Rename(temp, path))
        return true;
    fileSystem.Remove(temp);
    return false;
}

FileLock::FileLock(const fs::path& path) {
    const fs::path lockPath = LockPathFor(path);
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0)
        return;
    int result;
    do {
        result = ::flock(fd_, LOCK_EX);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
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
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        const auto writer = WriterOfTempFile(name);
        if (!writer || IsRunning(*writer) || !entry.is_regular_file(error))
            continue;
        if (fs::remove(entry.path(), error))
            ++removed;
    }
    return removed;
}

} // namespace tavlira
