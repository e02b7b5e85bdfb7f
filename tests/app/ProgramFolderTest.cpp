// Where the game keeps its files: its own folder when it may write there,
// else the user's data folder, which gets the shipped record files once.

#include "app/ProgramFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace tavlira {
namespace {

namespace fs = std::filesystem;

class TempFolder {
  public:
    TempFolder() {
        std::random_device random;
        path = fs::temp_directory_path() / ("tavlira-app-" + std::to_string(random()));
        fs::create_directories(path);
    }
    ~TempFolder() { fs::remove_all(path); }
    fs::path path;
};

void Write(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(ProgramFolder, APortableProgramFolderIsUsedAsItIs) {
    const FolderChoice choice =
        ChooseProgramFolder("/opt/run/Tavlira/Tavlira-Duo", true, "/home/a/.local/share");
    EXPECT_EQ(choice.programFolder, "/opt/run/Tavlira/Tavlira-Duo");
    EXPECT_FALSE(choice.shippedRecords);
}

TEST(ProgramFolder, AnInstalledCopyUsesTheDataFolderAndItsShippedRecords) {
    const FolderChoice choice = ChooseProgramFolder("/usr/bin", false, "/home/a/.local/share");
    EXPECT_EQ(choice.programFolder, "/home/a/.local/share/Tavlira/Tavlira-Duo");
    ASSERT_TRUE(choice.shippedRecords);
    EXPECT_EQ(*choice.shippedRecords, "/usr/share/tavlira-duo/records");
}

TEST(ProgramFolder, ShippedRecordsArePlacedOnceAndNeverReplaceTheUsersFiles) {
    TempFolder shipped;
    TempFolder data;
    Write(shipped.path / "Tavlira2.clb", "shipped club");
    Write(shipped.path / "Tavlira2.net", "shipped net");
    const fs::path folder = data.path / "Tavlira" / "Tavlira-Duo";

    ASSERT_TRUE(PlaceShippedRecords(shipped.path, folder));
    EXPECT_EQ(Read(folder / "Tavlira2.clb"), "shipped club");
    EXPECT_EQ(Read(folder / "Tavlira2.net"), "shipped net");

    Write(folder / "Tavlira2.clb", "the player's results");
    fs::remove(folder / "Tavlira2.net");
    ASSERT_TRUE(PlaceShippedRecords(shipped.path, folder));
    EXPECT_EQ(Read(folder / "Tavlira2.clb"), "the player's results");
    EXPECT_EQ(Read(folder / "Tavlira2.net"), "shipped net");
}

TEST(ProgramFolder, AMissingShippedFileIsReportedAndLeavesNothingHalfWritten) {
    TempFolder shipped;
    TempFolder data;
    Write(shipped.path / "Tavlira2.clb", "shipped club");
    EXPECT_FALSE(PlaceShippedRecords(shipped.path, data.path));
    EXPECT_TRUE(fs::exists(data.path / "Tavlira2.clb"));
    EXPECT_FALSE(fs::exists(data.path / "Tavlira2.net"));
    EXPECT_FALSE(fs::exists(data.path / "Tavlira2.net.part"));
}

// Only a writable folder with the club file is portable: an install folder
// has no record files, whoever may write there.
TEST(ProgramFolder, OnlyAWritableFolderWithTheClubFileIsPortable) {
    TempFolder folder;
    EXPECT_FALSE(IsPortableFolder(folder.path));
    Write(folder.path / "Tavlira2.clb", "club");
    EXPECT_TRUE(IsPortableFolder(folder.path));
}

TEST(ProgramFolder, TheDataHomeFollowsXdgOrFallsBackToTheHomeFolder) {
    const char* savedXdg = std::getenv("XDG_DATA_HOME");
    const std::string restore = savedXdg ? savedXdg : "";
    setenv("XDG_DATA_HOME", "/data/home", 1);
    EXPECT_EQ(DataHome(), "/data/home");
    setenv("XDG_DATA_HOME", "relative/ignored", 1);
    setenv("HOME", std::getenv("HOME") ? std::getenv("HOME") : "/root", 1);
    EXPECT_EQ(DataHome(), fs::path(std::getenv("HOME")) / ".local" / "share");
    if (savedXdg)
        setenv("XDG_DATA_HOME", restore.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
}

} // namespace
} // namespace tavlira
