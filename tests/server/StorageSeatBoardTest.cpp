// The table server's seat board over the web side's storage.

#include "StorageSeatBoard.h"

#include "TestDatabases.h"

#include <gtest/gtest.h>

namespace tavlira::server {
namespace {

using table::GameEnd;
using table::SitAnswer;
using table::TableResult;
using table::TableSeat;

class StorageSeatBoardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* nick : {"Ann", "Bob", "Cid"}) {
            online::Account account;
            account.Nick = nick;
            ASSERT_TRUE(storage_->CreateAccount(account, "hash"));
        }
    }
    // A seat taken through the web side's seat post.
    void Post(int table, int seat, const std::string& nick, const std::string& address) {
        online::TableClient client{nick, 0, 0, 0, "Russia", "Tula", 'W', address};
        ASSERT_TRUE(storage_->TakeSeat(table, seat, Seat{client, address}));
    }
    // Ann at seat 1 and Bob at seat 2 of `table`, seated by the table server.
    void SeatBoth(int table) {
        Post(table, 1, "Ann", "10.0.0.1");
        Post(table, 2, "Bob", "10.0.0.2");
        ASSERT_EQ(board_.Sit(table, TableSeat::First, "10.0.0.1"), SitAnswer::Seated);
        ASSERT_EQ(board_.Sit(table, TableSeat::Second, "10.0.0.2"), SitAnswer::Seated);
    }
    online::TourRating Tour(const std::string& nick) { return storage_->ReadTourRating(nick); }

    TestDatabase database_{Backend::Sqlite};
    std::unique_ptr<Storage> storage_ = OpenStorage(database_.Open());
    StorageSeatBoard board_{*storage_};
};

TEST_F(StorageSeatBoardTest, AdmitsOnlyTheAddressTheSeatWasPostedFrom) {
    Post(4, 1, "Ann", "10.0.0.1");
    EXPECT_EQ(board_.Sit(4, TableSeat::First, "10.0.0.9"), SitAnswer::NotGiven);
    EXPECT_EQ(board_.Sit(4, TableSeat::Second, "10.0.0.1"), SitAnswer::NotGiven); // no post
    EXPECT_EQ(board_.Sit(5, TableSeat::First, "10.0.0.1"), SitAnswer::NotGiven);  // other table
    EXPECT_EQ(board_.Sit(11, TableSeat::First, "10.0.0.1"), SitAnswer::NotGiven);
    EXPECT_EQ(board_.Sit(4, TableSeat::First, "10.0.0.1"), SitAnswer::Seated);
}

TEST_F(StorageSeatBoardTest, BooksTheServersResultForBothAndFreesTheSeats) {
    SeatBoth(2);
    board_.Record(TableResult{2, GameEnd::Played, std::nullopt, 12});
    board_.Leave(2, TableSeat::First);
    board_.Leave(2, TableSeat::Second);

    EXPECT_EQ(Tour("Ann").Score, 12);
    EXPECT_EQ(Tour("Ann").Kon, 1);
    EXPECT_EQ(Tour("Ann").Rating, 1);
    EXPECT_EQ(Tour("Bob").Score, -12);
    EXPECT_EQ(Tour("Bob").Kon, 1);
    EXPECT_EQ(Tour("Bob").Rating, 0);
    const auto top = storage_->TourTop(online::Ranking::Score, 10);
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0].Nick, "Ann");
    EXPECT_EQ(storage_->ReadSeat(2, 1).client.Nick, "X");
    EXPECT_EQ(storage_->ReadSeat(2, 2).client.Nick, "X");
}

TEST_F(StorageSeatBoardTest, AGameLostByItsOwnDoingCountsAsAWinForTheOther) {
    for (const GameEnd end : {GameEnd::Left, GameEnd::TimeOut, GameEnd::Refused}) {
        SeatBoth(6);
        // Seat 1 was ahead on points, yet it left, ran out of time or cheated.
        board_.Record(TableResult{6, end, TableSeat::First, 30});
        board_.Leave(6, TableSeat::First);
        board_.Leave(6, TableSeat::Second);
    }
    EXPECT_EQ(Tour("Ann").Score, -3 * StorageSeatBoard::ForfeitPoints);
    EXPECT_EQ(Tour("Ann").Rating, 0);
    EXPECT_EQ(Tour("Bob").Score, 3 * StorageSeatBoard::ForfeitPoints);
    EXPECT_EQ(Tour("Bob").Rating, 3);
    EXPECT_EQ(Tour("Bob").Kon, 3);
}

TEST_F(StorageSeatBoardTest, LeavingKeepsASeatTheWebSideHasGivenToSomeoneElse) {
    Post(8, 1, "Ann", "10.0.0.1");
    ASSERT_EQ(board_.Sit(8, TableSeat::First, "10.0.0.1"), SitAnswer::Seated);
    storage_->ClearSeat(8, 1); // Ann gave it up on the web side; Cid took it
    Post(8, 1, "Cid", "10.0.0.3");
    board_.Leave(8, TableSeat::First);
    EXPECT_EQ(storage_->ReadSeat(8, 1).client.Nick, "Cid");
    // A seat nobody sat down at here is not the board's to free, nor to book.
    board_.Leave(8, TableSeat::First);
    board_.Record(TableResult{8, GameEnd::Played, std::nullopt, 5});
    EXPECT_EQ(storage_->ReadSeat(8, 1).client.Nick, "Cid");
    EXPECT_EQ(Tour("Cid").Kon, 0);
}

// A database that fails every statement once told to, as a full disk or a
// lost PostgreSQL server would.
class FailingDatabase final : public Database {
  public:
    FailingDatabase(std::unique_ptr<Database> inner, const bool& failing)
        : inner_(std::move(inner)), failing_(failing) {}
    Dialect Kind() const override { return inner_->Kind(); }
    Rows Run(std::string_view sql, const Params& params) override {
        if (failing_)
            throw DatabaseError("disk I/O error");
        return inner_->Run(sql, params);
    }
    void RunScript(std::string_view sql) override {
        if (failing_)
            throw DatabaseError("disk I/O error");
        inner_->RunScript(sql);
    }

  private:
    std::unique_ptr<Database> inner_;
    const bool& failing_;
};

TEST(StorageSeatBoardFailure, AFailingDatabaseRefusesSeatsAndNeverReachesTheTableLoop) {
    TestDatabase database{Backend::Sqlite};
    bool failing = false;
    const auto storage = OpenStorage(std::make_unique<FailingDatabase>(database.Open(), failing));
    online::Account ann;
    ann.Nick = "Ann";
    ASSERT_TRUE(storage->CreateAccount(ann, "hash"));
    ASSERT_TRUE(storage->TakeSeat(1, 1, Seat{{"Ann", 0, 0, 0, "X", "X", 'W', "X"}, "10.0.0.1"}));
    StorageSeatBoard board(*storage);
    ASSERT_EQ(board.Sit(1, TableSeat::First, "10.0.0.1"), SitAnswer::Seated);

    failing = true;
    EXPECT_EQ(board.Sit(2, TableSeat::First, "10.0.0.1"), SitAnswer::Unavailable);
    EXPECT_NO_THROW(board.Record(TableResult{1, GameEnd::Played, std::nullopt, 4}));
    EXPECT_NO_THROW(board.Leave(1, TableSeat::First));
}

} // namespace
} // namespace tavlira::server
