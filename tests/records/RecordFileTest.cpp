#include "records/RecordFile.h"

#include "RecordsTestSupport.h"
#include "records/TextLines.h"

#include <gtest/gtest.h>

namespace tavlira {
namespace {

using testing::ReadFixture;

TEST(RecordFileTest, FixturesAreJudgedByShapeChecksumsAndMarker) {
    const struct {
        const char* file;
        RecordFileFault fault;
    } cases[] = {
        {"club-valid.clb", RecordFileFault::None},
        {"club-changed-name.clb", RecordFileFault::Checksums},
        {"club-wrong-shape.clb", RecordFileFault::Shape},
        {"club-wrong-marker.clb", RecordFileFault::Marker},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindRecordFileFault(ReadFixture(c.file)), c.fault) << c.file;
}

TEST(RecordFileTest, ShapeFaults) {
    const std::string valid = ReadFixture("club-valid.clb");
    std::string longMember = valid;
    longMember.insert(5, 1, ' ');
    std::string lineFeedsOnly = valid;
    std::erase(lineFeedsOnly, '\r');
    const struct {
        const char* name;
        std::string bytes;
        RecordFileFault fault;
    } cases[] = {
        {"empty", "", RecordFileFault::Shape},
        {"extra line", valid + "x\r\n", RecordFileFault::Shape},
        {"member line one longer", longMember, RecordFileFault::Shape},
        {"LF line ends read the same", lineFeedsOnly, RecordFileFault::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindRecordFileFault(c.bytes), c.fault) << c.name;
}

TEST(RecordFileTest, WriterReproducesTheFileByteForByte) {
    const std::string valid = ReadFixture("club-valid.clb");
    const auto file = ParseRecordFile(valid);
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(FormatRecordFile(*file), valid);
}

TEST(RecordFileTest, ShippedFileIsSoundAndEmpty) {
    const RecordFile initial = InitialRecordFile('0', "LNX");
    const std::string bytes = FormatRecordFile(initial);
    ASSERT_EQ(FindRecordFileFault(bytes), RecordFileFault::None);
    for (int slot = 1; slot <= MemberSlots; ++slot)
        EXPECT_EQ(initial.Member(slot), EmptyMemberLine);
    EXPECT_EQ(initial.TopTen(10), "####################     0");
    EXPECT_EQ(Chars(initial.ControlLine(), 7, 9), "LNX");
}

TEST(RecordFileTest, MemberLineLayout) {
    const struct {
        MemberRecord member;
        std::string line;
    } cases[] = {
        {{"Anna", 0.0, 0, 0, EncodePassword("")},
         "Anna                  0,000000      0      0349349349349349"},
        {{"Boris", -2.818182, 41, -12, EncodePassword("ab")},
         "Boris                -2,818182     41    -12414415349349349"},
        // A name longer than 20 characters is cut; a rating beyond the limit
        // is held at 99,99; a control character cannot break the line.
        {{"Twenty-one characters", 250.0, 5, 3, EncodePassword("x")},
         "Twenty-one character 99,990000      5      3437349349349349"},
        {{"Line\r\nBreak", 1.0, 1, 1, EncodePassword("")},
         "Line  Break           1,000000      1      1349349349349349"},
    };
    for (const auto& c : cases) {
        const std::string line = FormatMemberLine(c.member);
        EXPECT_EQ(line, c.line);
        EXPECT_EQ(line.size(), MemberLineLength);
    }
    const auto parsed = ParseMemberLine(cases[1].line);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->name, "Boris");
    EXPECT_DOUBLE_EQ(parsed->rating, -2.818182);
    EXPECT_EQ(parsed->games, 41);
    EXPECT_EQ(parsed->cycleScore, -12);
    EXPECT_FALSE(ParseMemberLine(EmptyMemberLine).has_value());
}

TEST(RecordFileTest, PasswordEncoding) {
    for (const std::string password : {"", "a", "12345", "\xC2\xE5\xF0\xE0", "a b"})
        EXPECT_EQ(DecodePassword(EncodePassword(password)), password) << password;
    EXPECT_EQ(EncodePassword("abcdefg"), EncodePassword("abcde"));
    for (const std::string bad : {"", "41441541634934", "41441541634934a", "099349349349349",
                                  "573349349349349", "###############"})
        EXPECT_FALSE(DecodePassword(bad).has_value()) << bad;
}

TEST(RecordFileTest, RatingAfterMatch) {
    const struct {
        double oldRating;
        int gameCounter, gamesAtTable, lead;
        double expected;
    } cases[] = {
        {2.5, 11, 1, 6, 2.818182},                       // (10 x 2.5 + 6) / 11
        {0.0, 3, 3, -4, -1.333333},                      // a new player's first match
        {1.0, 2, 1, 500, 99.99},                         // held at the limit
        {1.0, 2, 1, -500, -99.99},  {1.5, 0, 0, 3, 1.5}, // no games: unchanged
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(RatingAfterMatch(c.oldRating, c.gameCounter, c.gamesAtTable, c.lead),
                         c.expected);
}

RecordFile ClubWithRatings(std::initializer_list<double> ratings) {
    RecordFile file = InitialRecordFile('0', "LNX");
    int slot = 1;
    for (const double rating : ratings)
        file.Member(slot++) = FormatMemberLine({'M' + std::to_string(slot), rating, 20, 0, ""});
    return file;
}

TEST(RecordFileTest, ClubPlaceByRatingTiesGoAbove) {
    const struct {
        std::initializer_list<double> club;
        double rating;
        int slot;
    } cases[] = {
        {{5, 4, 3, 2, 1}, 1.0, 5}, // equal to the last: enters, the old one drops
        {{5, 4, 3, 2, 1}, 0.5, 0}, // below all five: not stored
        {{5, 4, 3, 2, 1}, 9.0, 1},
        {{5, 4, 3, 2, 1}, 3.0, 3},
        {{5, 4}, -7.0, 3}, // an empty slot takes anyone
        {{}, 0.0, 1},
    };
    for (const auto& c : cases) {
        RecordFile file = ClubWithRatings(c.club);
        const RecordFile before = file;
        const std::string line = FormatMemberLine({"New", c.rating, 1, 0, ""});
        EXPECT_EQ(EnterClub(file, line), c.slot) << c.rating;
        if (c.slot == 0) {
            EXPECT_EQ(file.lines, before.lines);
            continue;
        }
        EXPECT_EQ(file.Member(c.slot), line);
        for (int s = c.slot + 1; s <= MemberSlots; ++s)
            EXPECT_EQ(file.Member(s), before.Member(s - 1));
    }
}

TEST(RecordFileTest, TopTenPlaceByScoreTiesGoAbove) {
    RecordFile file = InitialRecordFile('0', "LNX");
    for (int place = 1; place <= TopTenPlaces; ++place)
        file.TopTen(place) = PadRight('P' + std::to_string(place), 20) +
                             AlignRight(std::to_string(100 - 10 * place), 6);
    const struct { int score, place; } cases[] = {{0, 10}, {-1, 0}, {95, 1}, {90, 1}, {55, 5}};
    for (const auto& c : cases) {
        RecordFile copy = file;
        EXPECT_EQ(EnterTopTen(copy, "New", c.score), c.place) << c.score;
        if (c.place > 0) {
            EXPECT_EQ(copy.TopTen(c.place),
                      PadRight("New", 20) + AlignRight(std::to_string(c.score), 6));
            for (int below = c.place + 1; below <= TopTenPlaces; ++below)
                EXPECT_EQ(copy.TopTen(below), file.TopTen(below - 1));
        } else {
            EXPECT_EQ(copy.lines, file.lines);
        }
    }
}

TEST(RecordFileTest, RemovingAMemberClosesTheGap) {
    RecordFile file = ClubWithRatings({5, 4, 3, 2, 1});
    const RecordFile before = file;
    RemoveMemberAt(file, 2);
    EXPECT_EQ(file.Member(1), before.Member(1));
    EXPECT_EQ(file.Member(2), before.Member(3));
    EXPECT_EQ(file.Member(4), before.Member(5));
    EXPECT_EQ(file.Member(5), EmptyMemberLine);
    for (const int slot : {0, 6, 7, 8}) {
        RecordFile unchanged = before;
        RemoveMemberAt(unchanged, slot);
        EXPECT_EQ(unchanged.lines, before.lines) << slot;
    }
}

TEST(RecordFileTest, MemberFoundByNameWhenTheSlotWentStale) {
    const RecordFile file = ClubWithRatings({5, 4, 3});
    const std::string third = ParseMemberLine(file.Member(3))->name;
    EXPECT_EQ(FindMemberSlot(file, 3, third), 3);
    EXPECT_EQ(FindMemberSlot(file, 1, third), 3);
    EXPECT_EQ(FindMemberSlot(file, 1, "Nobody"), 0);
}

} // namespace
} // namespace tavlira
