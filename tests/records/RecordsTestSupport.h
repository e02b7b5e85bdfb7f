#pragma once
// Shared helpers of the records tests: a private temporary folder per test
// and the fixture files.

#include "records/AtomicFile.h"
#include "records/FileSystem.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

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

// Delegates to the real files but fails one chosen step, as a full disk or a
// failing rename would. A failing write first writes half of the bytes.
class FaultyFileSystem final : public FileSystem {
  public:
    enum class Step { None, Create, Write, Flush, Rename };

    explicit FaultyFileSystem(Step failing) : failing_(failing) {}

    int Create(const std::filesystem::path& path) override {
        return failing_ == Step::Create ? -1 : real_.Create(path);
    }
    bool Write(int fd, std::string_view bytes) override {
        if (failing_ != Step::Write)
            return real_.Write(fd, bytes);
        real_.Write(fd, bytes.substr(0, bytes.size() / 2));
        return false;
    }
    bool Flush(int fd) override { return failing_ != Step::Flush && real_.Flush(fd); }
    bool Close(int fd) override { return real_.Close(fd); }
    bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        return failing_ != Step::Rename && real_.Rename(from, to);
    }
    void Remove(const std::filesystem::path& path) override { real_.Remove(path); }
    bool MayReplace(const std::filesystem::path& path) override {
        return path != readOnly && real_.MayReplace(path);
    }

    // A file this process may not replace, as a read-only file would be.
    std::filesystem::path readOnly;

  private:
    Step failing_;
    FileSystem& real_ = RealFileSystem();
};

} // namespace tavlira::testing
