#include "records/AtomicFile.h"

#include "RecordsTestSupport.h"
#include "records/History.h"
#include "records/RecordStore.h"
#include "records/Settings.h"

#include <gtest/gtest.h>
#include <thread>

namespace tavlira {
namespace {

namespace fs = std::filesystem;
using testing::FaultyFileSystem;
using testing::ReadBytes;
using testing::ReadFixture;
using testing::WriteBytes;
using Step = FaultyFileSystem::Step;

int FilesIn(const fs::path& folder) {
    return static_cast<int>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

class AtomicFileTest : public testing::TempFolderTest {};

TEST_F(AtomicFileTest, ReplaceLeavesOnlyTheNewFile) {
    const fs::path path = Folder() / "a.txt";
    WriteBytes(path, "old");
    EXPECT_TRUE(ReplaceFile(path, "new"));
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_EQ(FilesIn(Folder()), 1);
}

// A full disk at the write, a failing flush or sync, a failing rename: each
// writer reports the failure and the old file stays byte for byte, with no
// temporary file left behind.
class FailingStepTest : public testing::TempFolderTest,
                        public ::testing::WithParamInterface<Step> {};

TEST_P(FailingStepTest, RecordFileKeepsItsOldContent) {
    const fs::path club = Folder() / "Tavlira2.clb";
    const std::string before = ReadFixture("club-valid.clb");
    WriteBytes(club, before);
    FaultyFileSystem faulty(GetParam());
    EXPECT_EQ(StoreGameResult(club, {1, "Anna", 3.0, 11, 30, ""}, faulty).status,
              WriteStatus::Failed);
    EXPECT_EQ(RemoveMember(club, 1, "Anna", faulty), WriteStatus::Failed);
    EXPECT_EQ(ReadBytes(club), before);
    EXPECT_EQ(FilesIn(Folder()), 2); // the file and its lock
}

TEST_P(FailingStepTest, SettingsFileKeepsItsOldContent) {
    const std::string before = "not even settings\r\n";
    WriteBytes(Folder() / "Tavlira2.ini", before);
    FaultyFileSystem faulty(GetParam());
    EXPECT_EQ(SaveSettings(Folder(), Settings{}, true, faulty), SettingsSave::Failed);
    EXPECT_EQ(ReadBytes(Folder() / "Tavlira2.ini"), before);
    EXPECT_EQ(FilesIn(Folder()), 2);
}

TEST_P(FailingStepTest, HistoryFileKeepsItsOldContent) {
    const fs::path history = Folder() / "History";
    const HisStr entry{"Anna", 3, 4, 1.5, PlayKind::Computer};
    ASSERT_TRUE(WriteHistory(history, "Tavlira2", {&entry, 1}, "12:00", "01.02.2026"));
    const std::string before = ReadBytes(HistoryFilePath(history, "Tavlira2", 1));
    FaultyFileSystem faulty(GetParam());
    EXPECT_FALSE(WriteHistory(history, "Tavlira2", {&entry, 1}, "12:05", "01.02.2026", faulty));
    EXPECT_EQ(ReadBytes(HistoryFilePath(history, "Tavlira2", 1)), before);
    EXPECT_EQ(FilesIn(history), 2);
}

INSTANTIATE_TEST_SUITE_P(Steps, FailingStepTest,
                         ::testing::Values(Step::Create, Step::Write, Step::Flush, Step::Rename));

TEST_F(AtomicFileTest, StrayTemporaryFilesAreRemovedUnlessTheirWriterRuns) {
    // No process has the id 999999999; this test's own process runs.
    const std::string running = std::to_string(::getpid());
    const struct {
        std::string name;
        bool removed;
    } cases[] = {
        {"Tavlira2.clb.tmp-999999999-0", true},
        {"Tavlira2_I0001.hst.tmp-999999999-12", true},
        {"Tavlira2.ini.tmp-" + running + "-3", false},
        {"Notes.txt", false},
        {"Notes.tmp-later", false},
        {".tmp-999999999-0", false},
    };
    for (const auto& c : cases)
        WriteBytes(Folder() / c.name, "half a file");
    EXPECT_EQ(RemoveStrayTempFiles(Folder()), 2);
    for (const auto& c : cases)
        EXPECT_EQ(fs::exists(Folder() / c.name), !c.removed) << c.name;
}

TEST_F(AtomicFileTest, StartupRemovesStrayTemporaryFiles) {
    WriteBytes(Folder() / "Tavlira2.clb", ReadFixture("club-valid.clb"));
    WriteBytes(Folder() / "Tavlira2.net", ReadFixture("club-valid.clb"));
    WriteBytes(Folder() / "Tavlira2.clb.tmp-999999999-0", "");
    fs::create_directories(Folder() / "History");
    WriteBytes(Folder() / "History" / "Tavlira2_I0001.hst.tmp-999999999-1", "");
    DiskRecordStore store(Folder());
    EXPECT_EQ(store.CheckAtStart().status, RecordFileStatus::Sound);
    EXPECT_FALSE(fs::exists(Folder() / "Tavlira2.clb.tmp-999999999-0"));
    EXPECT_FALSE(fs::exists(Folder() / "History" / "Tavlira2_I0001.hst.tmp-999999999-1"));
}

// Two copies of the game store results of their own member and history lines
// at the same time; every update of both must be in the files afterwards.
TEST_F(AtomicFileTest, TwoWritersInParallelLoseNothing) {
    const fs::path club = Folder() / "Tavlira2.clb";
    WriteBytes(club, FormatRecordFile(InitialRecordFile('0', "LNX")));
    constexpr int Matches = 40;
    auto play = [&](const std::string& name, double rating) {
        DiskRecordStore store(Folder());
        for (int game = 1; game <= Matches; ++game) {
            const int slot = game == 1 ? 6 : 1; // a new player first, then a member
            const StoreOutcome outcome =
                store.StoreGameResult(RecordFileKind::Club, {slot, name, rating, game, game, ""});
            ASSERT_EQ(outcome.status, WriteStatus::Written);
            const HisStr entry{name, 1, 1, rating, PlayKind::Computer};
            ASSERT_TRUE(store.WriteHistory({&entry, 1}, "10:00", "01.02.2026"));
        }
    };
    std::thread first(play, "First", 2.0);
    std::thread second(play, "Second", 1.0);
    first.join();
    second.join();

    const RecordFile file = ReadRecordFile(club).value();
    EXPECT_EQ(ParseMemberLine(file.Member(1))->name, "First");
    EXPECT_EQ(ParseMemberLine(file.Member(1))->games, Matches);
    EXPECT_EQ(ParseMemberLine(file.Member(2))->name, "Second");
    EXPECT_EQ(ParseMemberLine(file.Member(2))->games, Matches);
    EXPECT_EQ(file.Member(3), EmptyMemberLine);
    // Each writer ended two cycles (games 20 and 40) with a score of 20 or 40.
    EXPECT_EQ(file.TopTen(4).substr(20), "    20");
    EXPECT_EQ(file.TopTen(5), "####################     0");
    const HistoryFileInfo history =
        VerifyHistoryFile(HistoryFilePath(Folder() / "History", "Tavlira2", 1));
    EXPECT_TRUE(history.valid);
    EXPECT_EQ(history.games, 2 * Matches);
}

} // namespace
} // namespace tavlira
