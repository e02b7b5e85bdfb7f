// The storage interface, the same cases on SQLite and on PostgreSQL.

#include "Storage.h"

#include "TestDatabases.h"
#include "util/Cp1251.h"

#include <functional>
#include <gtest/gtest.h>
#include <thread>

namespace tavlira::server {
namespace {

using namespace online;

std::string Cp(const char* utf8) {
    return Utf8ToCp1251(utf8);
}

Account NewAccount(const std::string& nick) {
    Account a;
    a.Nick = nick;
    a.City = Cp("Тула");
    a.Country1 = "Russia";
    a.Country2 = "1-001";
    a.Sex = 'W';
    a.EMail = nick + "@mail.example";
    a.DateR = "01.02.2026";
    return a;
}

RecordRow Result(int gid, const std::string& nick, int score) {
    RecordRow row;
    row.GID = gid;
    row.Nick = nick;
    row.Score = score;
    row.Country = "1-001";
    row.City = "Tula";
    row.R07 = "M";
    row.R08 = "5.7f";
    row.R09 = "#";
    row.R10 = "#";
    return row;
}

class StorageTest : public ::testing::TestWithParam<Backend> {
  protected:
    void SetUp() override {
        database_ = std::make_unique<TestDatabase>(GetParam());
        if (!database_->Available())
            GTEST_SKIP() << database_->Skipped();
        storage_ = OpenStorage(database_->Open());
    }
    void TearDown() override {
        storage_.reset();
        database_.reset();
    }
    Storage& store() { return *storage_; }

    std::unique_ptr<TestDatabase> database_;
    std::unique_ptr<Storage> storage_;
};

TEST_P(StorageTest, AccountsProfilesPhotosAndAwards) {
    ASSERT_TRUE(store().CreateAccount(NewAccount("Ann"), "hash-a"));
    EXPECT_FALSE(store().CreateAccount(NewAccount("Ann"), "hash-b"));
    ASSERT_TRUE(store().CreateAccount(NewAccount(Cp("Вера")), "hash-c"));
    EXPECT_EQ(store().CountAccounts(), 2);

    const auto ann = store().FindAccount("Ann");
    ASSERT_TRUE(ann);
    EXPECT_EQ(ann->passwordHash, "hash-a");
    Account expected = NewAccount("Ann");
    EXPECT_EQ(ann->account, expected);
    EXPECT_TRUE(store().FindAccount(Cp("Вера")));
    EXPECT_FALSE(store().FindAccount("ann"));

    Profile profile;
    profile.About = Cp("Люблю карты");
    profile.YouTube = "yt";
    store().SaveProfile("Ann", profile);
    EXPECT_EQ(store().ReadProfile("Ann"), profile);
    EXPECT_EQ(store().ReadProfile(Cp("Вера")), Profile{});
    EXPECT_FALSE(store().ReadProfile("nobody"));

    const std::string jpeg("\xFF\xD8\xFF\x00\x01\x02\xFF", 7);
    EXPECT_FALSE(store().ReadPhoto("Ann"));
    store().SavePhoto("Ann", jpeg);
    EXPECT_EQ(store().ReadPhoto("Ann"), jpeg);

    EXPECT_FALSE(store().CollectAward("Ann", 25));
    store().SetAward("Ann", 25);
    EXPECT_FALSE(store().CollectAward("Ann", 10));
    EXPECT_TRUE(store().CollectAward("Ann", 25));
    EXPECT_FALSE(store().CollectAward("Ann", 25));
    EXPECT_EQ(store().FindAccount("Ann")->account.R04, 25);
}

TEST_P(StorageTest, SqlMetacharactersAreOnlyData) {
    const std::string nick = "x'); DROP TABLE accounts;--";
    ASSERT_TRUE(store().CreateAccount(NewAccount(nick), "h"));
    EXPECT_TRUE(store().FindAccount(nick));
    EXPECT_FALSE(store().FindAccount("' OR '1'='1"));
    EXPECT_EQ(store().CountAccounts(), 1);
}

TEST_P(StorageTest, BoardsRankResultsAndNumberChat) {
    const int first = store().AddRecord(Result(OwnBoardId, "A", 50), false);
    store().AddRecord(Result(OwnBoardId, "B", 70), false);
    const int tie = store().AddRecord(Result(OwnBoardId, "C", 50), false);
    for (int i = 0; i < 10; ++i)
        store().AddRecord(Result(OwnBoardId, "Z" + std::to_string(i), 10 + i), false);
    store().AddRecord(Result(OtherPlatformBoardId, "D", 99), false);

    EXPECT_EQ(store().CountRecords(OwnBoardId), 13);
    EXPECT_EQ(store().PlaceOfRecord(OwnBoardId, first), 2); // ties: the earlier first
    EXPECT_EQ(store().PlaceOfRecord(OwnBoardId, tie), 3);
    const auto board = store().Board(OwnBoardId, 10);
    ASSERT_EQ(board.size(), 10u);
    EXPECT_EQ(board[0].Nick, "B");
    EXPECT_EQ(board[0].Place, 1);
    EXPECT_EQ(board[2].Nick, "C");
    EXPECT_EQ(board[9].Place, 10);

    const auto own = store().OwnRecords(OwnBoardId, "Z0", 2); // last place, 13
    ASSERT_EQ(own.size(), 3u);
    EXPECT_EQ(own[0].Place, 11);
    EXPECT_EQ(own[2].Nick, "Z0");
    EXPECT_TRUE(store().OwnRecords(OwnBoardId, "nobody", 2).empty());

    for (const char* text : {"one", "two", "three"}) {
        RecordRow line = Result(ChatBoardId, "Ann", 999);
        line.R09 = text;
        store().AddRecord(line, true);
    }
    const auto chat = store().Board(ChatBoardId, 10);
    ASSERT_EQ(chat.size(), 3u);
    EXPECT_EQ(chat[0].Score, 3);
    EXPECT_EQ(chat[0].R09, "three");
    EXPECT_EQ(chat[2].Score, 1);
}

TEST_P(StorageTest, GameStatisticsAndTheRatingRanking) {
    for (const char* nick : {"Ann", "Bob", "Cid"})
        store().CreateAccount(NewAccount(nick), "h");
    EXPECT_EQ(store().ReadRatedStanding("Ann"), RatedStanding{});
    const RatedStanding ann{{12, 40, 2.5, 1, 4, 17, 3, "x"}, 6};
    EXPECT_TRUE(store().ReplaceRatedStanding("Ann", {}, ann));
    EXPECT_TRUE(store().ReplaceRatedStanding("Bob", {}, {{2, 0, 7.25, 0, 2, 0, 0, "#"}, {}}));
    EXPECT_EQ(store().ReadRatedStanding("Ann"), ann);
    // A write from a standing no longer held does not land: a second first
    // write, a step from another game count or from another open match.
    RatedStanding again = ann;
    again.stats.Kon = 14;
    again.openCycleGame.reset();
    EXPECT_FALSE(store().ReplaceRatedStanding("Ann", {}, again));
    EXPECT_FALSE(store().ReplaceRatedStanding("Ann", {{10, 40, 2.5, 1, 4, 17, 3, "x"}, 6}, again));
    EXPECT_FALSE(store().ReplaceRatedStanding("Ann", {ann.stats, 4}, again));
    EXPECT_EQ(store().ReadRatedStanding("Ann"), ann);
    EXPECT_TRUE(store().ReplaceRatedStanding("Ann", ann, again));
    EXPECT_EQ(store().ReadRatedStanding("Ann"), again);

    const auto top = store().TopByRating(10);
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0].Nick, "Bob");
    EXPECT_EQ(top[0].Rating, 7.25);
    EXPECT_EQ(top[1].City, Cp("Тула"));
    EXPECT_EQ(store().PlaceByRating(3.0), 2);
    EXPECT_EQ(store().PlaceByRating(100.0), 1);
}

TEST_P(StorageTest, WorldStatisticsCountOnce) {
    store().CountStart(66, 1, 1);
    store().CountStart(66, 1, 0);
    EXPECT_TRUE(store().AddLike(66, "Ann"));
    EXPECT_FALSE(store().AddLike(66, "Ann"));
    EXPECT_TRUE(store().AddLike(66, "Bob"));
    store().AddFigures(66, {20, 1, 5, 0, 0, 1, 0, 0, 0, 0, 0, 0});
    store().AddFigures(66, {2, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0});
    const WorldStats stats = store().ReadStats(66);
    EXPECT_EQ(stats.Stat1, 2);
    EXPECT_EQ(stats.Stat2, 1);
    EXPECT_EQ(stats.Stat3, 2);
    EXPECT_EQ(stats.Stat4, "Bob");
    EXPECT_EQ(stats.StatX[0], 22);
    EXPECT_EQ(stats.StatX[3], 3);
    EXPECT_EQ(store().ReadStats(166), WorldStats{.GID = 166});
}

TEST_P(StorageTest, SeatsFollowTheTableRules) {
    const Seat ann{{"Ann", 1, 2, 3, "Russia", "Tula", 'W', "X"}, "10.0.0.1"};
    const Seat bob{{"Bob", 0, 0, 0, "Russia", "Omsk", 'M', "X"}, "10.0.0.2"};
    EXPECT_EQ(store().ReadSeat(4, 1).client.Nick, "X");
    EXPECT_FALSE(store().TakeSeat(4, 2, bob)); // seat 1 is empty
    EXPECT_TRUE(store().TakeSeat(4, 1, ann));
    EXPECT_FALSE(store().TakeSeat(5, 1, ann)); // already seated
    EXPECT_FALSE(store().TakeSeat(4, 1, bob)); // taken
    EXPECT_TRUE(store().TakeSeat(4, 2, bob));
    const Seat read = store().ReadSeat(4, 1);
    EXPECT_EQ(read.client.Nick, "Ann");
    EXPECT_EQ(read.client.Sex, 'W');
    EXPECT_EQ(read.address, "10.0.0.1");
    store().ClearSeat(4, 1);
    EXPECT_EQ(store().ReadSeat(4, 1).client.Nick, "X");
    EXPECT_TRUE(store().TakeSeat(5, 1, ann));
}

TEST_P(StorageTest, TournamentResultsRankThePlayers) {
    for (const char* nick : {"Ann", "Bob"})
        store().CreateAccount(NewAccount(nick), "h");
    EXPECT_EQ(store().ReadTourRating("Ann"), TourRating{});
    store().BookTourGame("Ann", 12);
    store().BookTourGame("Ann", -3);
    store().BookTourGame("Bob", 3);
    EXPECT_EQ(store().ReadTourRating("Ann"), (TourRating{9, 2, 1}));
    const auto byScore = store().TourTop(Ranking::Score, 10);
    ASSERT_EQ(byScore.size(), 2u);
    EXPECT_EQ(byScore[0].Nick, "Ann");
    EXPECT_EQ(byScore[0].Score, 9);
    EXPECT_EQ(byScore[0].City, Cp("Тула"));
    EXPECT_EQ(byScore[1].Place, 2);
    EXPECT_EQ(store().TourTop(Ranking::Games, 10)[0].Score, 2);
    EXPECT_EQ(store().TourPlace(Ranking::Score, 5), 2);
    EXPECT_EQ(store().TourPlace(Ranking::Rating, 1), 1);
}

TEST_P(StorageTest, TheSchemaIsVersionedAndOpensAgain) {
    store().CreateAccount(NewAccount("Ann"), "h");
    storage_.reset();
    std::unique_ptr<Database> db = database_->Open();
    EXPECT_EQ(db->Run("SELECT COUNT(*), MAX(version) FROM schema_version"),
              (Rows{{std::string("2"), std::string("2")}}));
    storage_ = OpenStorage(std::move(db));
    EXPECT_TRUE(store().FindAccount("Ann"));
}

// Servers started together on one new database both bring it up to date.
TEST_P(StorageTest, ServersStartingTogetherShareTheSchema) {
    for (int round = 0; round < 5; ++round) {
        storage_.reset();
        database_ = std::make_unique<TestDatabase>(GetParam());
        std::unique_ptr<Storage> first, second;
        std::string failed;
        const auto open = [&](std::unique_ptr<Storage>& storage) {
            try {
                storage = OpenStorage(database_->Open());
            } catch (const DatabaseError& error) {
                failed = error.what();
            }
        };
        std::thread one(open, std::ref(first));
        std::thread two(open, std::ref(second));
        one.join();
        two.join();
        ASSERT_EQ(failed, "") << "round " << round;
        EXPECT_TRUE(first->CreateAccount(NewAccount("Ann"), "h"));
        EXPECT_FALSE(second->CreateAccount(NewAccount("Ann"), "h"));
        EXPECT_EQ(second->ReadRatedStanding("Ann"), RatedStanding{});
    }
}

// A database of the first schema keeps its statistics, with no rated match
// under way, when the server that knows more versions opens it.
TEST_P(StorageTest, AnOlderSchemaIsBroughtUpToDate) {
    storage_.reset();
    database_ = std::make_unique<TestDatabase>(GetParam());
    std::unique_ptr<Database> db = database_->Open();
    db->RunScript("CREATE TABLE schema_version (version INTEGER NOT NULL);"
                  "INSERT INTO schema_version (version) VALUES (1);"
                  "CREATE TABLE game_stats (nick TEXT PRIMARY KEY, kon BIGINT NOT NULL, "
                  "best BIGINT NOT NULL, rating DOUBLE PRECISION NOT NULL, "
                  "sessions BIGINT NOT NULL, konl BIGINT NOT NULL, score BIGINT NOT NULL, "
                  "r1 BIGINT NOT NULL, r2 TEXT NOT NULL);"
                  "INSERT INTO game_stats VALUES ('Ann', 12, 40, 2.5, 1, 4, 17, 3, 'x');");
    storage_ = OpenStorage(std::move(db));
    EXPECT_EQ(store().ReadRatedStanding("Ann"),
              (RatedStanding{{12, 40, 2.5, 1, 4, 17, 3, "x"}, std::nullopt}));
}

INSTANTIATE_TEST_SUITE_P(Backends, StorageTest,
                         ::testing::Values(Backend::Sqlite, Backend::Postgres),
                         [](const auto& param) { return BackendName(param.param); });

} // namespace
} // namespace tavlira::server
