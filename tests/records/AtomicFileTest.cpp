#include "records/AtomicFile.h"

#include "RecordsTestSupport.h"
#include "records/History.h"
#include "records/RecordStore.h"
#include "records/Settings.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

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

// A folder where the lock file belongs: no write may go ahead unlocked, as it
// would lose the update of a second copy writing at the same time.
TEST_F(AtomicFileTest, WriteThatCannotTakeItsLockFailsAndChangesNothing) {
    const fs::path club = Folder() / "Tavlira2.clb";
    const std::string before = ReadFixture("club-valid.clb");
    WriteBytes(club, before);
    fs::create_directory(Folder() / "Tavlira2.clb.lock");
    EXPECT_EQ(StoreGameResult(club, {1, "Anna", 3.0, 11, 30, ""}).status, WriteStatus::Failed);
    EXPECT_EQ(RemoveMember(club, 1, "Anna"), WriteStatus::Failed);
    EXPECT_EQ(RenameMember(club, 1, "Anna", "Zoe", "pw").status, WriteStatus::Failed);
    EXPECT_EQ(ReadBytes(club), before);

    fs::create_directory(Folder() / "Tavlira2.ini.lock");
    EXPECT_EQ(SaveSettings(Folder(), Settings{}, true), SettingsSave::Failed);
    EXPECT_FALSE(fs::exists(Folder() / "Tavlira2.ini"));

    const fs::path history = Folder() / "History";
    fs::create_directories(history / "Tavlira2_I.lock");
    const HisStr entry{"Anna", 3, 4, 1.5, PlayKind::Computer};
    EXPECT_FALSE(WriteHistory(history, "Tavlira2", {&entry, 1}, "12:00", "01.02.2026"));
    EXPECT_FALSE(fs::exists(HistoryFilePath(history, "Tavlira2", 1)));
}

// A temporary file is stale when nobody holds its lock, whatever process
// wrote it: a copy started with the same process id as an earlier one (a
// container, a PID namespace) must clean up after it.
TEST_F(AtomicFileTest, StrayTemporaryFilesAreRemovedUnlessInUse) {
    const std::string ownProcess = std::to_string(::getpid());
    const struct {
        std::string name;
        bool removed;
    } cases[] = {
        {"Tavlira2.clb.tmp-999999999-0", true},
        {"Tavlira2.ini.tmp-" + ownProcess + "-3", true},
        {"Tavlira2_I0001.hst.tmp-0123456789abcdef", true},
        {"Notes.txt", false},
        {"Notes.tmp-later", false},
        {"Notes.tmp-cafe", false},
        {"Notes.tmp-12-b", false},
        {".tmp-999999999-0", false},
    };
    for (const auto& c : cases)
        WriteBytes(Folder() / c.name, "half a file");
    fs::create_directory(Folder() / "Tavlira2.clb.tmp-00000000000000aa");
    testing::MakeFifo(Folder() / "Tavlira2.clb.tmp-00000000000000bb");
    // A rewrite under way holds the temporary file it created.
    const fs::path writing = Folder() / "Tavlira2.net.tmp-fedcba9876543210";
    const int live = RealFileSystem().Create(writing);
    ASSERT_GE(live, 0);

    EXPECT_EQ(testing::WithinBound(Folder() / "Tavlira2.clb.tmp-00000000000000bb",
                                   [&] { return RemoveStrayTempFiles(Folder()); }),
              3);
    for (const auto& c : cases)
        EXPECT_EQ(fs::exists(Folder() / c.name), !c.removed) << c.name;
    EXPECT_TRUE(fs::is_directory(Folder() / "Tavlira2.clb.tmp-00000000000000aa"));
    EXPECT_TRUE(fs::is_fifo(Folder() / "Tavlira2.clb.tmp-00000000000000bb"));
    EXPECT_TRUE(fs::exists(writing));
    RealFileSystem().Close(live);
    EXPECT_EQ(RemoveStrayTempFiles(Folder()), 1); // an interrupted rewrite
}

// What an interrupted rewrite left behind, under names of this process id or
// the very name a rewrite used before, never stands in the way of the next.
TEST_F(AtomicFileTest, LeftoverTemporaryFilesNeverBlockAWrite) {
    const fs::path club = Folder() / "Tavlira2.clb";
    WriteBytes(club, ReadFixture("club-valid.clb"));
    FaultyFileSystem recording(Step::None);
    ASSERT_EQ(StoreGameResult(club, {6, "Dan", 3.0, 5, 0, ""}, recording).status,
              WriteStatus::Written);
    ASSERT_EQ(recording.created.size(), 1u);
    WriteBytes(recording.created[0], "half a file");
    for (int sequence = 0; sequence < 16; ++sequence)
        WriteBytes(club.string() + ".tmp-" + std::to_string(::getpid()) + "-" +
                       std::to_string(sequence),
                   "half a file");

    EXPECT_EQ(StoreGameResult(club, {6, "Eve", 4.0, 5, 0, ""}, recording).status,
              WriteStatus::Written);
    EXPECT_EQ(ParseMemberLine(ReadRecordFile(club)->Member(1))->name, "Eve");
    EXPECT_EQ(RemoveStrayTempFiles(Folder()), 17);
    EXPECT_EQ(FilesIn(Folder()), 2); // the file and its lock
}

// A copy of the game that starts and cleans up while another one rewrites its
// files must never take a temporary file from under the writer.
TEST_F(AtomicFileTest, CleaningUpWhileAnotherCopyWritesCostsNoWrite) {
    const fs::path path = Folder() / "Tavlira2.ini";
    std::atomic<bool> writing{true};
    std::thread starting([&] {
        while (writing)
            RemoveStrayTempFiles(Folder());
    });
    constexpr int Writes = 300;
    int failed = 0;
    for (int write = 1; write <= Writes; ++write)
        failed += ReplaceFile(path, std::to_string(write)) ? 0 : 1;
    writing = false;
    starting.join();
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(ReadBytes(path), std::to_string(Writes));
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
