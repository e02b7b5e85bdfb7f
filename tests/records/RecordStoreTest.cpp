#include "records/RecordStore.h"

#include "RecordsTestSupport.h"
#include "records/TextLines.h"

#include <functional>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::ReadFixture;
using testing::WriteBytes;

// The third member of the fixture, in code page 1251.
const std::string Vera = "\xC2\xE5\xF0\xE0";

class RecordStoreTest : public testing::TempFolderTest {
  protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        club_ = Folder() / "Tavlira2.clb";
        WriteBytes(club_, ReadFixture("club-valid.clb"));
    }

    RecordFile Club() const { return ReadRecordFile(club_).value(); }
    MemberRecord MemberAt(int slot) const { return ParseMemberLine(Club().Member(slot)).value(); }

    fs::path club_;
};

TEST_F(RecordStoreTest, CheckingFiles) {
    const struct {
        const char* fixture;
        RecordFileStatus status;
        char language;
    } cases[] = {
        {"club-valid.clb", RecordFileStatus::Sound, '0'},
        {"club-russian.clb", RecordFileStatus::Sound, '1'},
        {"club-changed-name.clb", RecordFileStatus::Damaged, '0'},
        {"club-wrong-shape.clb", RecordFileStatus::Damaged, '0'},
        {"club-wrong-marker.clb", RecordFileStatus::Damaged, '0'},
        {nullptr, RecordFileStatus::Missing, '0'},
    };
    for (const auto& c : cases) {
        fs::remove(club_);
        if (c.fixture)
            WriteBytes(club_, ReadFixture(c.fixture));
        const RecordFileCheck check = CheckRecordFile(club_);
        EXPECT_EQ(check.status, c.status) << (c.fixture ? c.fixture : "missing");
        EXPECT_EQ(check.installLanguage, c.language);
        if (c.status == RecordFileStatus::Sound) {
            EXPECT_EQ(check.distributionLabel, "LNX");
            EXPECT_FALSE(check.notWritable);
        }
    }
}

// A folder, a FIFO or a device in place of a record file is an incorrect
// file, found without waiting for a writer that never comes.
TEST_F(RecordStoreTest, RecordFileThatIsNotARegularFileIsIncorrect) {
    WriteBytes(Folder() / "Tavlira2.net", ReadFixture("club-valid.clb"));
    const struct {
        const char* name;
        std::function<void(const fs::path&)> make;
    } cases[] = {
        {"a FIFO", testing::MakeFifo},
        {"a folder", [](const fs::path& path) { fs::create_directory(path); }},
        {"a device", [](const fs::path& path) { fs::create_symlink("/dev/zero", path); }},
    };
    for (const auto& c : cases) {
        fs::remove_all(club_);
        c.make(club_);
        EXPECT_EQ(testing::WithinBound(club_, [&] { return CheckRecordFile(club_).status; }),
                  RecordFileStatus::Damaged)
            << c.name;
        DiskRecordStore store(Folder());
        const StartupCheck startup =
            testing::WithinBound(club_, [&] { return store.CheckAtStart(); });
        EXPECT_EQ(startup.status, RecordFileStatus::Damaged) << c.name;
        EXPECT_EQ(startup.failedFile, club_) << c.name;
        EXPECT_EQ(testing::WithinBound(
                      club_,
                      [&] {
                          return StoreGameResult(club_, {6, "Fred", 1.0, 1, 1, ""}).status;
                      }),
                  WriteStatus::Damaged)
            << c.name;
    }
}

TEST_F(RecordStoreTest, StartupChecksClubFileFirst) {
    DiskRecordStore store(Folder());
    // The net file is missing.
    StartupCheck startup = store.CheckAtStart();
    EXPECT_EQ(startup.status, RecordFileStatus::Missing);
    EXPECT_EQ(startup.failedFile, Folder() / "Tavlira2.net");

    WriteBytes(Folder() / "Tavlira2.net", ReadFixture("club-valid.clb"));
    WriteBytes(club_, ReadFixture("club-changed-name.clb"));
    startup = store.CheckAtStart();
    EXPECT_EQ(startup.status, RecordFileStatus::Damaged);
    EXPECT_EQ(startup.failedFile, club_);

    WriteBytes(club_, ReadFixture("club-russian.clb"));
    startup = store.CheckAtStart();
    EXPECT_EQ(startup.status, RecordFileStatus::Sound);
    EXPECT_EQ(startup.installLanguage, '1');
    EXPECT_TRUE(startup.notWritableFiles.empty());
}

TEST_F(RecordStoreTest, FileThatCannotBeWrittenSuspendsEveryRecordWrite) {
    WriteBytes(Folder() / "Tavlira2.net", ReadFixture("club-valid.clb"));
    testing::FaultyFileSystem fileSystem(testing::FaultyFileSystem::Step::None);
    fileSystem.readOnly = club_;
    DiskRecordStore store(Folder(), fileSystem);
    const StartupCheck startup = store.CheckAtStart();
    EXPECT_EQ(startup.status, RecordFileStatus::Sound);
    ASSERT_EQ(startup.notWritableFiles, std::vector<fs::path>{club_});
    const std::string before = ReadBytes(Folder() / "Tavlira2.net");
    EXPECT_EQ(store.RemoveMember(RecordFileKind::Net, 1, "Anna"), WriteStatus::Suspended);
    EXPECT_EQ(store.StoreGameResult(RecordFileKind::Net, {1, "Anna", 1.0, 11, 3, ""}).status,
              WriteStatus::Suspended);
    EXPECT_EQ(ReadBytes(Folder() / "Tavlira2.net"), before);
}

TEST_F(RecordStoreTest, MemberResultWithinACycle) {
    const MemberRecord anna = MemberAt(1);
    const double rating = RatingAfterMatch(anna.rating, 11, 1, 6);
    const StoreOutcome outcome =
        StoreGameResult(club_, {1, "Anna", rating, 11, anna.cycleScore + 6, anna.encodedPassword});
    EXPECT_EQ(outcome.status, WriteStatus::Written);
    EXPECT_FALSE(outcome.cycleEnded);
    EXPECT_EQ(outcome.clubSlot, 1);
    EXPECT_EQ(Club().Member(1), "Anna                  2,818182     11     31414415416349349");
    const RecordFile before = ParseRecordFile(ReadFixture("club-valid.clb")).value();
    for (int place = 1; place <= TopTenPlaces; ++place)
        EXPECT_EQ(Club().TopTen(place), before.TopTen(place));
}

TEST_F(RecordStoreTest, EndOfCycleEntersTopTenAndResetsTheScore) {
    const struct {
        int gameCounter;
        bool ends;
    } cases[] = {{60, true}, {41, false}, {40, true}};
    for (const auto& c : cases) {
        WriteBytes(club_, ReadFixture("club-valid.clb"));
        const StoreOutcome outcome =
            StoreGameResult(club_, {2, "Boris", 1.5, c.gameCounter, 22, ""});
        EXPECT_EQ(outcome.cycleEnded, c.ends) << c.gameCounter;
        const MemberRecord boris = MemberAt(outcome.clubSlot);
        EXPECT_EQ(boris.name, "Boris");
        if (!c.ends) {
            EXPECT_EQ(boris.cycleScore, 22);
            EXPECT_EQ(Club().TopTen(2), "Boris                   20");
            continue;
        }
        EXPECT_EQ(outcome.topTenPlace, 2);
        EXPECT_EQ(outcome.cycleScore, 22);
        EXPECT_EQ(Chars(Club().Member(outcome.clubSlot), 39, 44), "     0");
        EXPECT_EQ(Club().TopTen(2), "Boris                   22");
        EXPECT_EQ(Club().TopTen(3), "Boris                   20");
    }
}

TEST(CycleOutcomeTest, PlaceDecidesTheOutcome) {
    const struct {
        int place;
        CycleOutcome outcome;
    } cases[] = {{0, CycleOutcome::Bad},   {1, CycleOutcome::Best}, {2, CycleOutcome::Good},
                 {10, CycleOutcome::Good}, {11, CycleOutcome::Bad}, {250, CycleOutcome::Bad}};
    for (const auto& c : cases)
        EXPECT_EQ(OutcomeOfPlace(c.place), c.outcome) << c.place;
}

TEST_F(RecordStoreTest, ExistingMemberAlwaysFindsRoomNewPlayerMayNot) {
    // Fill the club: ratings 2,5 1,25 0 and two more at 3 and 4.
    ASSERT_EQ(StoreGameResult(club_, {6, "Dan", 3.0, 5, 0, ""}).clubSlot, 1);
    ASSERT_EQ(StoreGameResult(club_, {6, "Eve", 4.0, 5, 0, ""}).clubSlot, 1);
    ASSERT_EQ(MemberAt(5).name, Vera);

    const StoreOutcome member = StoreGameResult(club_, {5, Vera, -9.0, 4, -10, ""});
    EXPECT_EQ(member.clubSlot, 5);
    EXPECT_EQ(MemberAt(5).rating, -9.0);

    const std::string before = ReadBytes(club_);
    const StoreOutcome newcomer = StoreGameResult(club_, {6, "Fred", -10.0, 3, -5, ""});
    EXPECT_EQ(newcomer.status, WriteStatus::Written);
    EXPECT_EQ(newcomer.clubSlot, 0);
    EXPECT_EQ(ReadBytes(club_), before);
}

TEST_F(RecordStoreTest, OnlinePlayersNeverTouchTheFile) {
    const std::string before = ReadBytes(club_);
    for (const int slot : {7, 8}) {
        EXPECT_EQ(StoreGameResult(club_, {slot, "Anna", 9.0, 20, 50, ""}).status,
                  WriteStatus::Unchanged);
        EXPECT_EQ(RemoveMember(club_, slot, "Anna"), WriteStatus::Unchanged);
    }
    EXPECT_EQ(RemoveMember(club_, 6, "Anna"), WriteStatus::Unchanged);
    EXPECT_EQ(ReadBytes(club_), before);
}

TEST_F(RecordStoreTest, RemovingAMember) {
    EXPECT_EQ(RemoveMember(club_, 2, "Boris"), WriteStatus::Written);
    EXPECT_EQ(MemberAt(2).name, Vera);
    EXPECT_EQ(Club().Member(5), EmptyMemberLine);
    EXPECT_EQ(CheckRecordFile(club_).status, RecordFileStatus::Sound);
    // A slot number that no longer holds the named member is not obeyed.
    EXPECT_EQ(RemoveMember(club_, 1, Vera), WriteStatus::Written);
    EXPECT_EQ(MemberAt(1).name, "Anna");
    EXPECT_EQ(RemoveMember(club_, 1, "Nobody"), WriteStatus::Unchanged);
}

TEST_F(RecordStoreTest, DamagedFileIsNeverRewritten) {
    const std::string damaged = ReadFixture("club-changed-name.clb");
    WriteBytes(club_, damaged);
    EXPECT_EQ(StoreGameResult(club_, {6, "Fred", 1.0, 1, 1, ""}).status, WriteStatus::Damaged);
    EXPECT_EQ(RemoveMember(club_, 1, "Anne"), WriteStatus::Damaged);
    EXPECT_EQ(ReadBytes(club_), damaged);
}

TEST_F(RecordStoreTest, PasswordsAndRenaming) {
    EXPECT_EQ(ReadMemberPassword(club_, 1), "abc");
    EXPECT_EQ(ReadMemberPassword(club_, 2), "12345");
    EXPECT_EQ(ReadMemberPassword(club_, 4), std::nullopt);

    const StoreOutcome renamed = RenameMember(club_, 2, "Boris", "Zoe", "pw");
    EXPECT_EQ(renamed.status, WriteStatus::Written);
    ASSERT_EQ(renamed.clubSlot, 2);
    const MemberRecord zoe = MemberAt(2);
    EXPECT_EQ(zoe.name, "Zoe");
    EXPECT_EQ(zoe.games, 40);
    EXPECT_EQ(ReadMemberPassword(club_, 2), "pw");
    EXPECT_EQ(RenameMember(club_, 6, "Zoe", "Y", "").status, WriteStatus::Unchanged);
}

// Every read of the store goes through its file system: the menu's club
// list, a member's record, the start-up check and the read before a rewrite.
TEST_F(RecordStoreTest, StoreReadsTheChosenFileThroughItsFileSystem) {
    WriteBytes(Folder() / "Tavlira2.net", FormatRecordFile(InitialRecordFile('0', "LNX")));
    testing::FaultyFileSystem working(testing::FaultyFileSystem::Step::None);
    DiskRecordStore store(Folder(), working);
    EXPECT_EQ(store.ReadRecords(RecordFileKind::Club)->lines, Club().lines);
    EXPECT_EQ(store.ReadRecords(RecordFileKind::Net)->Member(1), EmptyMemberLine);
    EXPECT_EQ(store.LoadMember(RecordFileKind::Club, 3)->name, Vera);
    EXPECT_FALSE(store.LoadMember(RecordFileKind::Net, 1).has_value());
    EXPECT_FALSE(store.LoadMember(RecordFileKind::Club, 6).has_value());

    testing::FaultyFileSystem unreadable(testing::FaultyFileSystem::Step::Read);
    DiskRecordStore blind(Folder(), unreadable);
    EXPECT_FALSE(blind.ReadRecords(RecordFileKind::Club).has_value());
    EXPECT_FALSE(blind.LoadMember(RecordFileKind::Club, 3).has_value());
    EXPECT_EQ(blind.CheckAtStart().status, RecordFileStatus::Damaged);
    EXPECT_EQ(blind.StoreGameResult(RecordFileKind::Club, {6, "Fred", 1.0, 1, 1, ""}).status,
              WriteStatus::Damaged);
    EXPECT_EQ(ReadMemberPassword(club_, 1, unreadable), std::nullopt);
}

} // namespace
} // namespace tavlira
