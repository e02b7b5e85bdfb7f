// The web services' rules, request by request, on SQLite.

#include "Service.h"

#include "TestDatabases.h"
#include "online/RatedPlay.h"
#include "online/Request.h"

#include <gtest/gtest.h>

namespace tavlira::server {
namespace {

using namespace online;

// The cheapest argon2id hash libsodium allows keeps the tests quick.
constexpr PasswordCost Cheap{1, 8192};

class ServiceTest : public ::testing::Test {
  protected:
    ServiceTest() : storage_(OpenStorage(database_.Open())) {
        InitPasswords();
        ServiceConfig config;
        config.passwordCost = Cheap;
        config.tableServerAddress = "127.0.0.1";
        config.tableServerPort = 7000;
        service_ = std::make_unique<Service>(*storage_, config);
    }

    template <class Request>
    std::string Ask(const Request& request, const std::string& caller = "10.0.0.1") {
        const Post post = Build(request);
        const Answer answer = service_->Handle(post.endpoint, post.body, caller);
        EXPECT_EQ(answer.status, 200) << post.body;
        return answer.text;
    }

    void CreateAccount(const std::string& nick, const std::string& pw = "secret1") {
        Account a;
        a.Nick = nick;
        a.Pw = pw;
        a.City = "Tula";
        a.EMail = "a@b.c";
        ASSERT_EQ(ReadCreateAnswer(Ask(CreateAccountRequest{a})), CreateResult::Created);
    }

    TestDatabase database_{Backend::Sqlite};
    std::unique_ptr<Storage> storage_;
    std::unique_ptr<Service> service_;
};

TEST_F(ServiceTest, AccountsAreCreatedOnceAndReadOnlyWithTheirPassword) {
    CreateAccount("Ann");
    Account again;
    again.Nick = "Ann";
    again.Pw = "other12";
    again.City = "Omsk";
    again.EMail = "x@y.z";
    EXPECT_EQ(ReadCreateAnswer(Ask(CreateAccountRequest{again})), CreateResult::NickTaken);

    Account known;
    known.Nick = "Ann";
    const auto read = ReadAccountAnswer(Ask(ReadAccountRequest{"Ann", "secret1"}), known);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->EMail, "a@b.c");
    // A wrong password reads nothing, another player's e-mail least of all.
    const std::string refused = Ask(ReadAccountRequest{"Ann", "guess"});
    EXPECT_FALSE(ReadAccountAnswer(refused, known));
    EXPECT_EQ(refused.find("a@b.c"), std::string::npos);
    EXPECT_EQ(ReadNumberAnswer(Ask(ClubSizeRequest{})), 1);
}

TEST_F(ServiceTest, NewAccountsFollowTheAccountRules) {
    const auto attempt = [&](auto change) {
        Account a;
        a.Nick = "Bob";
        a.Pw = "secret1";
        a.City = "Tula";
        a.EMail = "a@b.c";
        change(a);
        return ReadCreateAnswer(Ask(CreateAccountRequest{a}));
    };
    EXPECT_EQ(attempt([](Account& a) { a.Nick = "B"; }), CreateResult::Failed);
    EXPECT_EQ(attempt([](Account& a) { a.Nick = "Bob Smith"; }), CreateResult::Failed);
    EXPECT_EQ(attempt([](Account& a) { a.Pw = "abc"; }), CreateResult::Failed);
    EXPECT_EQ(attempt([](Account& a) { a.EMail = "@bc"; }), CreateResult::Failed);
    EXPECT_EQ(attempt([](Account& a) { a.Sex = 'Q'; }), CreateResult::Failed);
    EXPECT_EQ(attempt([](Account& a) { a.Country2 = "1-01'"; }), CreateResult::Failed);
    EXPECT_EQ(attempt([](Account&) {}), CreateResult::Created);
}

TEST_F(ServiceTest, PasswordGuessingRunsIntoTheLimit) {
    CreateAccount("Ann");
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(Ask(ReadAccountRequest{"Ann", "guess" + std::to_string(i)}), "no");
    // The account is locked for the window, even for its right password...
    EXPECT_EQ(Ask(ReadAccountRequest{"Ann", "secret1"}), "no");
    // ...and an address that keeps guessing is stopped on other accounts too.
    CreateAccount("Bob");
    for (int i = 0; i < 10; ++i)
        Ask(ReadAccountRequest{"Bob", "x" + std::to_string(i)}, "10.0.0.1");
    CreateAccount("Cid");
    EXPECT_EQ(Ask(ReadAccountRequest{"Cid", "secret1"}, "10.0.0.1"), "no");
    EXPECT_NE(Ask(ReadAccountRequest{"Cid", "secret1"}, "10.0.0.9"), "no");
}

TEST_F(ServiceTest, ProfilesPointsAndStatisticsNeedTheOwnersPassword) {
    CreateAccount("Ann");
    Profile profile;
    profile.About = "Hello";
    EXPECT_FALSE(ReadDoneAnswer(Ask(SaveProfileRequest{"Ann", "wrong", profile})));
    EXPECT_TRUE(ReadDoneAnswer(Ask(SaveProfileRequest{"Ann", "secret1", profile})));
    EXPECT_EQ(ReadProfileAnswer(Ask(ReadProfileRequest{"Ann"})), profile);

    // Rated play: the start of a match, then its end with a result of 5.
    GameStats start;
    start.Kon = 2;
    start.Rating = RatingBeforeMatch(0, 2);
    EXPECT_FALSE(ReadDoneAnswer(Ask(WriteGameStatsRequest{"Ann", "wrong", start})));
    EXPECT_TRUE(ReadDoneAnswer(Ask(WriteGameStatsRequest{"Ann", "secret1", start})));
    GameStats end = start;
    end.Rating = RatingAfterMatch(start.Rating, 2, 5);
    end.KonL = 2;
    end.Score = 5;
    EXPECT_TRUE(ReadDoneAnswer(Ask(WriteGameStatsRequest{"Ann", "secret1", end})));
    const auto read = ReadGameStatsAnswer(Ask(ReadGameStatsRequest{"Ann", "secret1"}));
    ASSERT_TRUE(read);
    EXPECT_NEAR(read->Rating, 2.6, 1e-6);
    // A rating that no match gives is not written.
    GameStats cheat = end;
    cheat.Rating = 99;
    EXPECT_FALSE(ReadDoneAnswer(Ask(WriteGameStatsRequest{"Ann", "secret1", cheat})));
    // A match is booked once: a second end is refused, and the same end sent
    // again (its answer lost) changes nothing.
    GameStats secondEnd = end;
    secondEnd.Rating = RatingAfterMatch(end.Rating, 2, 5);
    secondEnd.KonL = 4;
    EXPECT_FALSE(ReadDoneAnswer(Ask(WriteGameStatsRequest{"Ann", "secret1", secondEnd})));
    EXPECT_TRUE(ReadDoneAnswer(Ask(WriteGameStatsRequest{"Ann", "secret1", end})));
    EXPECT_NEAR(ReadGameStatsAnswer(Ask(ReadGameStatsRequest{"Ann", "secret1"}))->Rating, 2.6,
                1e-6);
    EXPECT_EQ(ReadTopTenAnswer(Ask(AccountTopTenRequest{}))->at(0).Nick, "Ann");
    EXPECT_EQ(ReadNumberAnswer(Ask(AccountPlaceRequest{1.0})), 2);

    // Points are the award of a world place, collected once.
    EXPECT_FALSE(ReadDoneAnswer(Ask(AddPointsRequest{"Ann", "secret1", 25})));
    SendRecordRequest result{AccountBoardId, "Ann", "Tula", "Russia", 130, "M", "5.7f", "#", "#"};
    EXPECT_EQ(ReadNumberAnswer(Ask(result)), 1);
    EXPECT_FALSE(ReadDoneAnswer(Ask(AddPointsRequest{"Ann", "wrong", 25})));
    EXPECT_TRUE(ReadDoneAnswer(Ask(AddPointsRequest{"Ann", "secret1", 25})));
    EXPECT_FALSE(ReadDoneAnswer(Ask(AddPointsRequest{"Ann", "secret1", 25})));
    EXPECT_EQ(ReadPointsAnswer(Ask(ReadPointsRequest{"Ann"})), 25);
    // The account board takes account players only.
    result.nick = "Ghost";
    EXPECT_EQ(ReadNumberAnswer(Ask(result)), -1);
}

TEST_F(ServiceTest, CountersTakeOnlyWhatAGameSends) {
    EXPECT_TRUE(ReadDoneAnswer(Ask(CountStartRequest{66, 1, 1})));
    EXPECT_FALSE(ReadDoneAnswer(Ask(CountStartRequest{66, 1000, 0})));
    EXPECT_TRUE(ReadDoneAnswer(Ask(LikeRequest{66, 1, "Ann"})));
    EXPECT_FALSE(ReadDoneAnswer(Ask(LikeRequest{66, 1, "Ann"})));
    EXPECT_FALSE(ReadDoneAnswer(Ask(LikeRequest{66, 50, "Bob"})));
    EXPECT_FALSE(ReadDoneAnswer(Ask(GameFiguresRequest{66, {-5}})));
    EXPECT_TRUE(ReadDoneAnswer(Ask(GameFiguresRequest{66, {40, 1, 3}})));
    const auto stats = ReadStatisticsAnswer(Ask(StatisticsRequest{66}), 66);
    ASSERT_TRUE(stats);
    EXPECT_EQ(stats->Stat1, 1);
    EXPECT_EQ(stats->Stat3, 1);
    EXPECT_EQ(stats->StatX[0], 40);
}

TEST_F(ServiceTest, ChatIsNumberedByTheServerNewestFirst) {
    // The board is read (and kept for a moment) between the two posts: the
    // second post must still show at once.
    for (const char* text : {"Hi_all", "second"}) {
        Ask(BoardRecordsRequest{ChatBoardId});
        EXPECT_EQ(ReadNumberAnswer(Ask(SendRecordRequest{ChatBoardId, "Ann", "Tula", "1-001", 1,
                                                         "W", "5.7f", text, "12:00_x"})),
                  1);
    }
    const auto chat = ReadRecordsAnswer(Ask(BoardRecordsRequest{ChatBoardId}), ChatBoardId);
    ASSERT_TRUE(chat);
    ASSERT_EQ(chat->size(), 2u);
    EXPECT_EQ((*chat)[0].Score, 2);
    EXPECT_EQ((*chat)[0].R09, "second");
    EXPECT_EQ((*chat)[1].R10, "12:00_x");
    // A text too long for a stored field is refused.
    EXPECT_EQ(Ask(SendRecordRequest{ChatBoardId, "Ann", "Tula", "1-001", 1, "W", "5.7f",
                                    std::string(500, 'x'), "t"}),
              "no");
}

TEST_F(ServiceTest, SeatsShowAnAddressOnlyToItsOwnerAndKeepTheirOccupant) {
    CreateAccount("Ann");
    CreateAccount("Bob");
    TableClient ann{"Ann", 0, 0, 0, "Russia", "Tula", 'W', "1.2.3.4"};
    TableClient bob{"Bob", 0, 0, 0, "Russia", "Omsk", 'M', "1.2.3.4"};
    TableClient ghost{"Ghost", 0, 0, 0, "X", "X", 'M', "X"};
    EXPECT_EQ(ReadSeatAnswer(Ask(SeatRequest{1, 3, 1, ghost})), SeatAnswer::Bad);
    EXPECT_EQ(ReadSeatAnswer(Ask(SeatRequest{2, 3, 1, bob}, "10.0.0.2")), SeatAnswer::Taken);
    EXPECT_EQ(ReadSeatAnswer(Ask(SeatRequest{1, 3, 1, ann}, "10.0.0.1")), SeatAnswer::Good);
    // One address cannot sit on both sides of a table.
    EXPECT_EQ(ReadSeatAnswer(Ask(SeatRequest{2, 3, 1, bob}, "10.0.0.1")), SeatAnswer::Bad);
    EXPECT_EQ(ReadSeatAnswer(Ask(SeatRequest{2, 3, 1, bob}, "10.0.0.2")), SeatAnswer::Good);

    // The address stored is the caller's, and only the caller sees it.
    EXPECT_EQ(ReadClientAnswer(Ask(ReadClientRequest{1, 3}, "10.0.0.1"))->IP, "10.0.0.1");
    EXPECT_EQ(ReadClientAnswer(Ask(ReadClientRequest{1, 3}, "10.0.0.2"))->IP, "X");
    const auto tables = ReadTableListAnswer(Ask(TableListRequest{}, "10.0.0.2"));
    ASSERT_TRUE(tables);
    EXPECT_EQ((*tables)[2].seats[0].Nick, "Ann");
    EXPECT_EQ((*tables)[2].seats[0].IP, "X");
    EXPECT_EQ((*tables)[2].seats[1].IP, "10.0.0.2");
    EXPECT_EQ((*tables)[2].Free, "N");
    EXPECT_EQ((*tables)[0].IP, "127.0.0.1");
    EXPECT_EQ((*tables)[3].Port, 7003);
    EXPECT_EQ(ReadServerStatusAnswer(Ask(ServerStatusRequest{}))->status, 'Y');

    // Another address cannot empty a seat; its occupant can.
    EXPECT_EQ(ReadSeatAnswer(Ask(SeatRequest{1, 3, 2, VacatedClient()}, "10.0.0.2")),
              SeatAnswer::Bad);
    EXPECT_EQ(ReadSeatAnswer(Ask(SeatRequest{1, 3, 2, VacatedClient()}, "10.0.0.1")),
              SeatAnswer::Good);
    EXPECT_EQ(ReadClientAnswer(Ask(ReadClientRequest{1, 3}))->Nick, "X");
}

TEST_F(ServiceTest, MalformedBodiesAreRefusedWithoutHarm) {
    for (const char* body : {"", "nick=a", "label0=0&nick=%ZZ", "crdtavl2rating=abc"}) {
        const Answer answer = service_->Handle(Endpoint::Account, body, "10.0.0.1");
        EXPECT_EQ(answer.status, 400) << body;
        EXPECT_EQ(answer.text, "no");
    }
    EXPECT_EQ(service_->UploadPhoto("nick=a&&pw=b&&photo=AAAA", "10.0.0.1").text, "no");
}

TEST_F(ServiceTest, PhotosAreJpegPicturesOfTheirOwner) {
    CreateAccount("Ann");
    const std::string jpeg = "\xFF\xD8\xFF\xE0picture";
    const auto upload = [&](const std::string& pw, const std::string& bytes) {
        const PhotoUpload photo{"Ann", pw, bytes};
        return service_->UploadPhoto(PostBody(PhotoUpload::kind, photo.ToFields()), "10.0.0.1")
            .text;
    };
    EXPECT_EQ(upload("wrong", jpeg), "no");
    EXPECT_EQ(upload("secret1", "GIF89a"), "no");
    EXPECT_EQ(upload("secret1", "\xFF\xD8\xFF" + std::string(Service::PhotoLimit, 'x')), "no");
    EXPECT_EQ(upload("secret1", jpeg), "ok");
    EXPECT_EQ(service_->Photo("Ann"), jpeg);
    EXPECT_FALSE(service_->Photo("Bob"));
}

} // namespace

// A board's copy ages out (one caller reads again while the others keep the
// aged copy), and neither an aged copy nor a read that started before a post
// ever answers the board as it was before that post.
TEST(BoardCacheTest, CopiesAgeOutAndNeverOutliveAPost) {
    using namespace std::chrono_literals;
    const BoardCache::Clock::time_point t0{};
    BoardCache cache(1000ms);
    EXPECT_FALSE(cache.Find(3, t0 + 1ms));

    cache.Keep(3, "$old*", t0 + 1ms, cache.Generation(3));
    EXPECT_EQ(cache.Find(3, t0 + 999ms), "$old*");
    EXPECT_FALSE(cache.Find(3, t0 + 1001ms));       // the first caller reads again
    EXPECT_EQ(cache.Find(3, t0 + 1002ms), "$old*"); // the others wait on the aged copy
    EXPECT_FALSE(cache.Find(3, t0 + 2002ms));       // until that read is given up
    EXPECT_FALSE(cache.Find(4, t0 + 2ms));          // boards are kept apart

    const std::uint64_t before = cache.Generation(3);
    cache.Drop(3); // a post lands while a slow read is under way
    EXPECT_FALSE(cache.Find(3, t0 + 2003ms));
    EXPECT_FALSE(cache.Find(3, t0 + 2004ms));
    cache.Keep(3, "$stale*", t0 + 2005ms, before);
    EXPECT_FALSE(cache.Find(3, t0 + 2006ms));
    cache.Keep(3, "$new*", t0 + 2007ms, cache.Generation(3));
    EXPECT_EQ(cache.Find(3, t0 + 2008ms), "$new*");

    BoardCache off(0ms);
    off.Keep(3, "$x*", t0, off.Generation(3));
    EXPECT_FALSE(off.Find(3, t0));
}

} // namespace tavlira::server
