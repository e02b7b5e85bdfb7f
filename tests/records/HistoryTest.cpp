#include "records/History.h"

#include "RecordsTestSupport.h"
#include "records/TextLines.h"
#include "util/NumberFormat.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace tavlira {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;

const HisStr Anna{"Anna", 3, -12, 2.818182, PlayKind::Computer};

TEST(HistoryTest, GameLineLayout) {
    const std::string line = FormatHistoryLine(Anna, "9:05", "01.02.2026");
    ASSERT_EQ(line.size(), 114u);
    EXPECT_EQ(Chars(line, 1, 5), " 9:05");
    EXPECT_EQ(Chars(line, 6, 15), "01.02.2026");
    EXPECT_EQ(Chars(line, 16, 66), PadRight("Anna", 51));
    EXPECT_EQ(Chars(line, 67, 69), "  3");
    EXPECT_EQ(Chars(line, 70, 79), "       -12");
    EXPECT_EQ(Chars(line, 80, 89), "      2,82");
    EXPECT_EQ(Chars(line, 90, 99), "L#########");
    ByteSums sums;
    sums.Add(Chars(line, 1, 99));
    EXPECT_EQ(Chars(line, 100, 114),
              PadLeft(sums.all, 5, '0') + PadLeft(sums.even, 5, '0') + PadLeft(sums.third, 5, '0'));

    // Names are cut to 51, dates to 10, and out-of-range numbers held to
    // their field.
    const HisStr longEntry{std::string(60, 'n'), 1, 2147483647, 1.0, PlayKind::NetworkDuel};
    const HisStr extremeEntry{"A/B", 1000, -2147483647, -1.005, PlayKind::Tournament};
    const std::string longName = FormatHistoryLine(longEntry, "23:59", "2026-12-31 extra");
    EXPECT_EQ(longName.size(), 114u);
    EXPECT_EQ(Chars(longName, 6, 15), "2026-12-31");
    EXPECT_EQ(Chars(longName, 16, 66), std::string(51, 'n'));
    EXPECT_EQ(Chars(longName, 70, 79), "2147483647");
    EXPECT_EQ(Chars(longName, 90, 90), "N");
    const std::string extremes = FormatHistoryLine(extremeEntry, "23:59", "31.12.2026");
    EXPECT_EQ(extremes.size(), 114u);
    EXPECT_EQ(Chars(extremes, 67, 69), "999");
    EXPECT_EQ(Chars(extremes, 70, 79), "-999999999");
    EXPECT_EQ(Chars(extremes, 90, 90), "T");
}

TEST(HistoryTest, ValidityRules) {
    const std::string good = AppendHistory("", {&Anna, 1}, "12:00", "01.02.2026");
    ASSERT_EQ(VerifyHistoryBytes(good).games, 1);
    std::vector<std::string> lines = SplitLines(good, 10);
    ASSERT_EQ(lines.size(), 3u);
    auto with = [&](std::size_t index, std::string text) {
        std::vector<std::string> changed = lines;
        changed[index] = std::move(text);
        return JoinLines(changed);
    };
    const struct {
        const char* name;
        std::string bytes;
        bool valid;
    } cases[] = {
        {"as written", good, true},
        {"one character of a game line", with(0, 'X' + lines[0].substr(1)), false},
        {"line checksums are not what counts",
         with(0, lines[0].substr(0, 99) + "99999" + lines[0].substr(104)), true},
        {"game line of 113 characters", with(0, lines[0].substr(0, 113)), false},
        {"totals line of 29 characters", with(2, lines[2].substr(0, 29)), false},
        {"totals with a letter", with(2, 'x' + lines[2].substr(1)), false},
        {"no totals line", JoinLines({lines[0], lines[1]}), false},
        {"no closing line", JoinLines({lines[0]}), false},
        {"empty", "", false},
        {"closing line only", AppendHistory("", {}, "", ""), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VerifyHistoryBytes(c.bytes).valid, c.valid) << c.name;
}

TEST(HistoryTest, AppendingKeepsEarlierGames) {
    const std::string first = AppendHistory("", {&Anna, 1}, "12:00", "01.02.2026");
    const HisStr two[] = {{"Bob", 1, 2, 0.5, PlayKind::RatedOnline}, Anna};
    const std::string more = AppendHistory(first, two, "13:00", "01.02.2026");
    EXPECT_EQ(VerifyHistoryBytes(more).games, 3);
    const std::vector<HistoryRow> rows = ReadHistoryRows(more);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].time, "12:00");
    EXPECT_EQ(rows[1].player, "Bob");
    EXPECT_EQ(rows[1].kind, 'A');
    EXPECT_EQ(rows[2].result, "-12");
    EXPECT_EQ(rows[2].rating, "2,82");
    EXPECT_EQ(rows[2].kind, 'L');
}

// Files whose checksums were computed apart from the writer.
TEST(HistoryTest, FixtureFilesReadAsWrittenOrNotAtAll) {
    const std::string valid = testing::ReadFixture("history-valid.hst");
    EXPECT_EQ(VerifyHistoryBytes(valid).games, 4);
    const std::vector<HistoryRow> rows = ReadHistoryRows(valid);
    ASSERT_EQ(rows.size(), 4u);
    const HistoryRow& bob = rows[2];
    EXPECT_EQ(bob.time, "10:00");
    EXPECT_EQ(bob.date, "15.03.2026");
    EXPECT_EQ(bob.player, "Bob");
    EXPECT_EQ(bob.games, "12");
    EXPECT_EQ(bob.result, "150");
    EXPECT_EQ(bob.rating, "1234,50");
    EXPECT_EQ(bob.kind, 'A');
    EXPECT_EQ(rows[0].time, "9:05");
    EXPECT_EQ(rows[1].kind, 'N');
    EXPECT_EQ(rows[3].kind, 'T');

    const std::string damaged = testing::ReadFixture("history-damaged.hst");
    EXPECT_FALSE(VerifyHistoryBytes(damaged).valid);
    EXPECT_TRUE(ReadHistoryRows(damaged).empty());
}

class HistoryFilesTest : public testing::TempFolderTest {
  protected:
    fs::path History() const { return Folder() / "History"; }
    fs::path File(int number) const { return HistoryFilePath(History(), "Tavlira2", number); }

    // A valid file holding `games` lines.
    void WriteFile(int number, int games) {
        fs::create_directories(History());
        const std::vector<HisStr> entries(static_cast<std::size_t>(games), Anna);
        WriteBytes(File(number), AppendHistory("", entries, "10:00", "01.02.2026"));
    }

    void Damage(int number) {
        std::string bytes = ReadBytes(File(number));
        bytes[20] = bytes[20] == 'x' ? 'y' : 'x';
        WriteBytes(File(number), bytes);
    }

    bool Write() { return WriteHistory(History(), "Tavlira2", {&Anna, 1}, "11:00", "02.02.2026"); }

    std::vector<int> Listed() const {
        std::vector<int> numbers;
        for (const auto& item : ListHistoryFiles(History(), "Tavlira2"))
            numbers.push_back(item.number);
        return numbers;
    }
};

TEST_F(HistoryFilesTest, FirstWriteCreatesFolderAndFileOne) {
    EXPECT_TRUE(Listed().empty());
    ASSERT_TRUE(Write());
    EXPECT_EQ(File(1).filename(), "Tavlira2_I0001.hst");
    EXPECT_EQ(VerifyHistoryFile(File(1)).games, 1);
    const auto items = ListHistoryFiles(History(), "Tavlira2");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].modified, fs::last_write_time(File(1)));
}

TEST_F(HistoryFilesTest, FullFileMovesOnToTheNextNumber) {
    WriteFile(1, 839);
    ASSERT_TRUE(Write());
    EXPECT_EQ(VerifyHistoryFile(File(1)).games, 840);
    ASSERT_TRUE(Write());
    EXPECT_EQ(VerifyHistoryFile(File(1)).games, 840);
    EXPECT_EQ(VerifyHistoryFile(File(2)).games, 1);
    EXPECT_EQ(Listed(), (std::vector<int>{1, 2}));
}

TEST_F(HistoryFilesTest, DamagedFileHidesLaterFilesAndIsStartedAfresh) {
    WriteFile(1, 840);
    WriteFile(2, 5);
    WriteFile(3, 2);
    EXPECT_EQ(Listed(), (std::vector<int>{1, 2, 3}));
    Damage(2);
    const std::string damaged = ReadBytes(File(2));
    EXPECT_EQ(Listed(), (std::vector<int>{1}));
    ASSERT_TRUE(Write());
    EXPECT_EQ(ReadBytes(File(2).string() + ".damaged"), damaged);
    EXPECT_EQ(VerifyHistoryFile(File(2)).games, 1);
    EXPECT_EQ(VerifyHistoryFile(File(3)).games, 2);
    EXPECT_EQ(Listed(), (std::vector<int>{1, 2, 3}));

    Damage(1);
    EXPECT_TRUE(Listed().empty());
    ASSERT_TRUE(Write());
    EXPECT_EQ(VerifyHistoryFile(File(1)).games, 1);
    Damage(1);
    ASSERT_TRUE(Write());
    EXPECT_TRUE(std::filesystem::exists(File(1).string() + ".damaged2"));
}

// A file that cannot be continued is moved aside before its number starts
// afresh, never overwritten: not when it is too large to read although valid
// up to its totals, not when it is no file at all, and not an earlier
// damaged copy either.
TEST_F(HistoryFilesTest, FileThatCannotBeReadIsKeptAside) {
    const std::string large =
        AppendHistory("", std::vector<HisStr>(3, Anna), "10:00", "01.02.2026") +
        std::string(MaxOwnFileBytes, '~');
    const struct {
        const char* name;
        std::function<void(const fs::path&)> make;
        fs::file_type type;
    } cases[] = {
        {"over 1 MiB", [&](const fs::path& path) { WriteBytes(path, large); },
         fs::file_type::regular},
        {"a FIFO", testing::MakeFifo, fs::file_type::fifo},
        {"a folder", [](const fs::path& path) { fs::create_directory(path); },
         fs::file_type::directory},
    };
    const fs::path earlier = File(1).string() + ".damaged";
    const fs::path kept = File(1).string() + ".damaged2";
    for (const auto& c : cases) {
        fs::remove_all(History());
        fs::create_directories(History());
        WriteBytes(earlier, "an earlier damaged file");
        c.make(File(1));
        EXPECT_TRUE(testing::WithinBound(File(1), [&] { return Listed().empty(); })) << c.name;
        ASSERT_TRUE(testing::WithinBound(File(1), [&] { return Write(); })) << c.name;
        EXPECT_EQ(fs::symlink_status(kept).type(), c.type) << c.name;
        EXPECT_EQ(ReadBytes(earlier), "an earlier damaged file") << c.name;
        EXPECT_EQ(VerifyHistoryFile(File(1)).games, 1) << c.name;
        if (c.type == fs::file_type::regular) {
            EXPECT_EQ(testing::ReadAllBytes(kept), large);
        }
    }
}

// A full disk right after a damaged file was moved aside: the next write
// starts the number afresh and the damaged content stays where it was put.
TEST_F(HistoryFilesTest, FullDiskAfterMovingADamagedFileAsideLosesNothing) {
    WriteFile(1, 3);
    Damage(1);
    const std::string damaged = ReadBytes(File(1));
    testing::FaultyFileSystem full(testing::FaultyFileSystem::Step::Write);
    EXPECT_FALSE(WriteHistory(History(), "Tavlira2", {&Anna, 1}, "11:00", "02.02.2026", full));
    ASSERT_TRUE(Write());
    EXPECT_EQ(VerifyHistoryFile(File(1)).games, 1);
    EXPECT_EQ(ReadBytes(File(1).string() + ".damaged"), damaged);
    EXPECT_FALSE(fs::exists(File(1).string() + ".damaged2"));
}

} // namespace
} // namespace tavlira
