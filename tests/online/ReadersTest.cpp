#include "online/Account.h"
#include "online/Answer.h"
#include "online/Tournament.h"
#include "online/World.h"
#include "util/Cp1251.h"

#include <gtest/gtest.h>

namespace tavlira::online {
namespace {

std::string Cp(const char* utf8) {
    return Utf8ToCp1251(utf8);
}

// What the client reads is the server's answer after the trip over the wire.
std::string Wire(const std::string& answer) {
    return AnswerFromWire(AnswerToWire(answer));
}

TEST(Readers, AccountAnswersRoundTrip) {
    Account account;
    account.Nick = "Mr.X";
    account.Pw = "pw";
    account.City = Cp("Нью Йорк"); // a blank is written as "_"
    account.Sex = 'W';
    account.EMail = "a@b.c";
    account.R04 = 35;
    account.R06 = -2;
    Account known;
    known.Nick = "Mr.X";
    known.Pw = "pw";
    const auto read = ReadAccountAnswer(Wire(WriteAccountAnswer(account)), known);
    ASSERT_TRUE(read);
    Account expected = account;
    expected.City = Cp("Нью_Йорк");
    EXPECT_EQ(*read, expected);

    const Profile profile{"A", "", "x~y$z", "", "", "s", "w", "", "", "", "", "", "", "yt"};
    Profile expectedProfile = profile;
    expectedProfile.About = "x_y_z";
    EXPECT_EQ(ReadProfileAnswer(Wire(WriteProfileAnswer(profile))), expectedProfile);

    EXPECT_EQ(ReadCreateAnswer(WriteCreateAnswer(CreateResult::Created)), CreateResult::Created);
    EXPECT_EQ(ReadCreateAnswer(WriteCreateAnswer(CreateResult::NickTaken)),
              CreateResult::NickTaken);
    EXPECT_EQ(ReadCreateAnswer(WriteCreateAnswer(CreateResult::Failed)), CreateResult::Failed);
    EXPECT_EQ(ReadCreateAnswer("ok, is"), CreateResult::NickTaken); // the second test wins
    EXPECT_EQ(ReadPointsAnswer(NumberAnswer(75)), 75);
    EXPECT_TRUE(ReadDoneAnswer("token"));
}

TEST(Readers, ShortAndHostileAccountAnswers) {
    Account known;
    known.Nick = "Mr.X";
    // A short record fills what it has and keeps the defaults beyond.
    const auto partial = ReadAccountAnswer("$Tula Russia", known);
    ASSERT_TRUE(partial);
    EXPECT_EQ(partial->City, "Tula");
    EXPECT_EQ(partial->Country2, "1-001");
    EXPECT_EQ(partial->Sex, 'M');
    for (const char* bad : {"no", "", "garbage", "$a b c M e d r r r notanumber 0 0"})
        EXPECT_FALSE(ReadAccountAnswer(bad, known)) << bad;
    EXPECT_FALSE(ReadProfileAnswer("no such player"));
    EXPECT_FALSE(ReadPointsAnswer("$"));
    EXPECT_FALSE(ReadPointsAnswer("$x"));
}

TEST(Readers, BoardsRoundTripAndKeepDefaultsForMissingRows) {
    RecordRow row;
    row.Place = 1;
    row.RID = 9;
    row.Score = 123;
    row.Nick = "Mr.X";
    row.Country = "1-001";
    row.City = "Tula";
    row.R07 = "M";
    row.R08 = "5.7f";
    row.R09 = "Hi_all";
    row.R10 = "12:00_01.02.2026_Tavlira";
    const auto rows = ReadRecordsAnswer(Wire(WriteRecordsAnswer({row, row})), 166);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 2u);
    RecordRow expected = row;
    expected.RID = 0; // value 2 is not read
    expected.GID = 166;
    EXPECT_EQ((*rows)[1], expected);
    EXPECT_EQ(ReadRecordsAnswer("$2 0 5 Ann*", 66)->at(0).R10, "#*");
    EXPECT_FALSE(ReadRecordsAnswer("$1 0 x Ann*", 66));

    const std::vector<TopTenEntry> entries(3, {"Ann", "Tula", "Russia", "1-001", 'W', 12.5});
    const auto top = ReadTopTenAnswer(Wire(WriteTopTenAnswer(entries)));
    ASSERT_TRUE(top);
    ASSERT_EQ(top->size(), 3u); // the rows after the third stay empty ("#")
    EXPECT_EQ((*top)[2], (TopTenRow{"Ann", "Tula", "1-001", 'W', 12.5}));
    EXPECT_EQ(ReadTopTenAnswer("$1 Ann Tula Russia 1-001 W 12,5*")->at(0).Rating, 12.5);
    EXPECT_EQ(ReadTopTenAnswer("$1 Ann Tula Russia*")->at(0).Country, "Russia");
    EXPECT_EQ(ReadTopTenAnswer("$1 Ann Tula Russia 1-001 W 12,5*")->at(0).Country, "1-001");
    EXPECT_FALSE(ReadTopTenAnswer("$1 Ann Tula Russia 1-001 W x*"));
    // Never more than ten rows, however many the answer holds.
    std::string eleven;
    for (int i = 0; i < 11; ++i)
        eleven += "$1 A B C D M 1*";
    EXPECT_EQ(ReadTopTenAnswer(eleven)->size(), 10u);
}

TEST(Readers, StatisticsAndGameStats) {
    WorldStats stats;
    stats.GID = 66;
    stats.Stat1 = 1000;
    stats.Stat2 = 70;
    stats.Stat3 = 5;
    stats.Stat4 = "Ann";
    stats.StatX = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    EXPECT_EQ(ReadStatisticsAnswer(Wire(WriteStatisticsAnswer(stats)), 66), stats);
    EXPECT_FALSE(ReadStatisticsAnswer("$1 2 x", 66));

    const GameStats game{40, 17, 1.234567, 2, 6, 11, 0, "#"};
    EXPECT_EQ(ReadGameStatsAnswer(Wire(WriteGameStatsAnswer(game))), game);
    EXPECT_FALSE(ReadGameStatsAnswer("no"));
    EXPECT_EQ(ReadGameStatsAnswer("$40")->Kon, 40);
}

TEST(Readers, TournamentAnswers) {
    EXPECT_EQ(ReadRatingAnswer(WriteRatingAnswer({12, 4, 1510})), (TourRating{12, 4, 1510}));
    EXPECT_FALSE(ReadRatingAnswer("no"));
    EXPECT_FALSE(ReadRatingAnswer("$"));

    RecordRow row;
    row.Place = 3;
    row.Nick = "Ann";
    row.City = "Tula";
    row.Country = "1-001";
    row.R07 = "W";
    row.Score = 44;
    EXPECT_EQ(ReadTourTopTenAnswer(WriteTourTopTenAnswer({row})), std::vector<RecordRow>{row});

    EXPECT_EQ(ReadSeatAnswer(WriteSeatAnswer(SeatAnswer::Good)), SeatAnswer::Good);
    EXPECT_EQ(ReadSeatAnswer(WriteSeatAnswer(SeatAnswer::Taken)), SeatAnswer::Taken);
    EXPECT_EQ(ReadSeatAnswer(WriteSeatAnswer(SeatAnswer::Bad)), SeatAnswer::Bad);
    EXPECT_EQ(ReadSeatAnswer("ok this is taken"), SeatAnswer::Taken);

    const TableClient client{"Ann", 5, 2, 1500, "Russia", "Tula", 'W', "10.1.1.1"};
    EXPECT_EQ(ReadClientAnswer(WriteClientAnswer(client)), client);
    EXPECT_FALSE(ReadClientAnswer("Ann 5"));

    EXPECT_EQ(ReadServerStatusAnswer(WriteServerStatusAnswer({'Y', "Welcome to the club!"})),
              (ServerStatus{'Y', "Welcome to the club!"}));
    EXPECT_EQ(ReadServerStatusAnswer("$"), (ServerStatus{'X', ""}));
}

TEST(Readers, TableListComesTableTenFirst) {
    TableList tables;
    for (int t = 1; t <= TableCount; ++t) {
        TableInfo& table = tables[static_cast<std::size_t>(t - 1)];
        table.IP = "127.0.0.1";
        table.Port = 7000 + t - 1;
        table.Free = "Y";
        table.R1 = t;
    }
    tables[3].seats[0] = {"Ann", 5, 2, 1500, "Russia", "Tula", 'W', "X"};
    const std::string answer = WriteTableListAnswer(tables);
    EXPECT_EQ(answer.substr(0, 4), "$10 ");
    EXPECT_EQ(ReadTableListAnswer(Wire(answer)), tables);

    // A short answer fills the tables it has, from table 10 down.
    const auto two = ReadTableListAnswer("$10 1.2.3.4 7009 Y 0 X*$9 1.2.3.4 7008");
    ASSERT_TRUE(two);
    EXPECT_EQ((*two)[9].Port, 7009);
    EXPECT_EQ((*two)[8].Port, 7008);
    EXPECT_EQ((*two)[0], TableInfo{});
    EXPECT_FALSE(ReadTableListAnswer("$10 1.2.3.4 port*"));
}

} // namespace
} // namespace tavlira::online
