#pragma once
// Shared helpers of the records tests: a private temporary folder per test
// and the fixture files.

#include "records/AtomicFile.h"
#include "records/FileSystem.h"

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tavlira::testing {

inline std::string ReadFixture(const std::string& name) {
    const auto bytes = ReadWholeFile(std::filesystem::path(RECORDS_FIXTURE_DIR) / name);
    EXPECT_TRUE(bytes.has_value()) << name;
    return bytes.value_or("");
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    return ReadWholeFile(path).value_or("<missing>");
}

// The whole file, however large.
inline std::string ReadAllBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A fresh folder for one test, removed afterwards.
class TempFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "-" + info->name();
        std::replace(name.begin(), name.end(), '/', '_');
        folder_ = std::filesystem::temp_directory_path() /
                  ("tavlira-records-" + std::to_string(::getpid()) + "-" + name);
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    const std::filesystem::path& Folder() const { return folder_; }

  private:
    std::filesystem::path folder_;
};

// Calls `read` on a thread of its own and fails the test when it has not
// returned within a few seconds. A reader that waits for a writer of the FIFO
// at `fifo` is then released by opening and closing the FIFO's writing end,
// so that a regression fails instead of hanging.
template <typename Read> auto WithinBound(const std::filesystem::path& fifo, Read read) {
    auto result = std::async(std::launch::async, read);
    while (result.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
        ADD_FAILURE() << "blocked on " << fifo;
        const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0)
            ::close(fd);
    }
    return result.get();
}

inline void MakeFifo(const std::filesystem::path& path) {
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0) << path;
}

// Delegates to the real files but fails one chosen step, as a full disk or a
// failing rename would. A failing write first writes half of the bytes.
class FaultyFileSystem final : public FileSystem {
  public:
    enum class Step { None, Read, Create, Write, Flush, Rename };

    explicit FaultyFileSystem(Step failing) : failing_(failing) {}

    FileBytes Read(const std::filesystem::path& path, std::size_t maxBytes) override {
        return failing_ == Step::Read ? FileBytes{FileState::Unreadable, {}}
                                      : real_.Read(path, maxBytes);
    }
    int Create(const std::filesystem::path& path) override {
        created.push_back(path);
        return failing_ == Step::Create ? -1 : real_.Create(path);
    }
    bool Write(int fd, std::string_view bytes) override {
        if (failing_ != Step::Write)
            return real_.Write(fd, bytes);
        real_.Write(fd, bytes.substr(0, bytes.size() / 2));
        return false;
    }
    bool Flush(int fd) override { return failing_ != Step::Flush && real_.Flush(fd); }
    void Close(int fd) override { real_.Close(fd); }
    bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        return failing_ != Step::Rename && real_.Rename(from, to);
    }
    void Remove(const std::filesystem::path& path) override { real_.Remove(path); }
    bool MayReplace(const std::filesystem::path& path) override {
        return path != readOnly && real_.MayReplace(path);
    }

    // A file this process may not replace, as a read-only file would be.
    std::filesystem::path readOnly;
    // Every temporary file a rewrite asked for, in order.
    std::vector<std::filesystem::path> created;

  private:
    Step failing_;
    FileSystem& real_ = RealFileSystem();
};

} // namespace tavlira::testing
