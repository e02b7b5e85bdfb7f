#include "online/Request.h"

#include "util/Cp1251.h"

#include <gtest/gtest.h>

namespace tavlira::online {
namespace {

std::string Cp(const char* utf8) {
    return Utf8ToCp1251(utf8);
}

Account SampleAccount() {
    Account a;
    a.Nick = "Mr.X";
    a.Pw = "secret";
    a.City = Cp("Москва");
    a.Country1 = "Russia";
    a.Country2 = "1-001";
    a.Sex = 'W';
    a.EMail = "x@y.z";
    a.DateR = "01.02.2026";
    return a;
}

Profile SampleProfile() {
    return {"Ann", "Lee", Cp("Про меня"), "123", "a@b.c", "skype:x", "http://w",
            "ok1", "vk1", "@tg",          "fb",  "tw",    "ig",      "yt"};
}

// Each request with the endpoint it goes to: built as the game builds it
// and read back by the server as the same request.
std::vector<std::pair<ServerRequest, Endpoint>> EveryRequest() {
    GameStats stats{12, 40, 1.25, 1, 4, 17, 3, "x"};
    TableClient client{"Mr.X", 10, 3, 1500, "Russia", Cp("Тула"), 'M', "10.0.0.1"};
    return {
        {CreateAccountRequest{SampleAccount()}, Endpoint::Account},
        {ReadAccountRequest{"Mr.X", "pw-1"}, Endpoint::Account},
        {ClubSizeRequest{}, Endpoint::Account},
        {ReadProfileRequest{"Mr.X"}, Endpoint::Account},
        {SaveProfileRequest{"Mr.X", "pw", SampleProfile()}, Endpoint::Account},
        {ReadPointsRequest{"Mr.X"}, Endpoint::Account},
        {AddPointsRequest{"Mr.X", "pw", 25}, Endpoint::Account},
        {AccountTopTenRequest{}, Endpoint::Account},
        {AccountPlaceRequest{1523.5}, Endpoint::Account},
        {ReadGameStatsRequest{"Mr.X", "pw"}, Endpoint::Account},
        {WriteGameStatsRequest{"Mr.X", "pw", stats}, Endpoint::Account},
        {StatisticsRequest{66}, Endpoint::Statistics},
        {CountStartRequest{66, 1, 1}, Endpoint::Statistics},
        {LikeRequest{66, 1, "Mr.X"}, Endpoint::Statistics},
        {GameFiguresRequest{66, {20, 1, 5, 0, 0, 1, 0, 0, 0, 0, 0, 0}}, Endpoint::Statistics},
        {BoardRecordsRequest{166}, Endpoint::Tournament},
        {BoardCountRequest{366}, Endpoint::Tournament},
        {OwnRecordsRequest{66, "Mr.X", Cp("Тула")}, Endpoint::Tournament},
        {SendRecordRequest{100, "Mr.X", "Tula", "1-001", 124, "M", "5.7f", "Hi_all", "12:00_x"},
         Endpoint::Tournament},
        {ReadRatingRequest{"Mr.X"}, Endpoint::Tournament},
        {TourTopTenRequest{Ranking::Games}, Endpoint::Tournament},
        {TourPlaceRequest{Ranking::Rating, 1500}, Endpoint::Tournament},
        {TableListRequest{}, Endpoint::Table},
        {ServerStatusRequest{}, Endpoint::Table},
        {ReadClientRequest{2, 7}, Endpoint::Table},
        {SeatRequest{2, 7, 1, client}, Endpoint::Table},
    };
}

TEST(Request, EveryRequestIsReadBackAsItself) {
    for (const auto& [request, endpoint] : EveryRequest()) {
        const Post post = std::visit([](const auto& r) { return Build(r); }, request);
        EXPECT_EQ(post.endpoint, endpoint);
        const auto parsed = ParseRequest(endpoint, post.body);
        ASSERT_TRUE(parsed) << post.body;
        EXPECT_TRUE(*parsed == request) << post.body;
        // The same body is no request of any other endpoint, or another one.
        for (const Endpoint other :
             {Endpoint::Account, Endpoint::Statistics, Endpoint::Tournament, Endpoint::Table})
            if (other != endpoint) {
                EXPECT_FALSE(ParseRequest(other, post.body) == parsed) << post.body;
            }
    }
}

TEST(Request, BodiesByteForByte) {
    const struct {
        Post post;
        std::string body;
    } cases[] = {
        {Build(ReadAccountRequest{Cp("Мир"), WirePassword("a b#c$")}),
         "nick=%D0%9C%D0%B8%D1%80&&pw=a-b-c-&&label0=0"},
        {Build(TourTopTenRequest{Ranking::Games}), "top10k66=0&&&&nick=z"},
        {Build(TourPlaceRequest{Ranking::Rating, 1500}), "placer66=0&rating1=1500"},
        {Build(BoardRecordsRequest{OtherPlatformBoardId}), "gid=166"},
        {Build(BoardCountRequest{AccountBoardId}), "rgid=366"},
        {Build(AccountPlaceRequest{12.5}), "crdtavl2rating=12.5"},
        {Build(AccountTopTenRequest{}), "crdtavl2kon=0"},
        {Build(TableListRequest{}), "readtable10=66&&gid=66"},
        {Build(ServerStatusRequest{}), "serverinforead=0&&gid=66"},
        {Build(ReadClientRequest{1, 4}), "readclient1=0&&gid=66&&num=4"},
        {Build(SeatRequest{2, 3, 2, VacatedClient()}),
         "clienton2=0&gid=66&num=3&can=2&nick2=X&score2=0&kon2=0&rating2=0&country2=X&city2=X&"
         "sex2=X&ip2=X"},
        {Build(SendRecordRequest{66, "Mr.X", "Tula", "1-001", 5, "M", "5.7f", "#", "#"}),
         "gid=66&nick=Mr.X&city=Tula&country=1-001&score=5&R7=M&R8=5.7f&R9=#&R10=#*"},
        {Build(ReadRatingRequest{"Mr.X"}), "readrating66=0&nick=Mr.X"},
        {Build(CreateAccountRequest{SampleAccount()}),
         "nick=Mr.X&pw=secret&city=" + Cp("Москва") +
             "&country1=Russia&country2=1-001&sex=W&email=x@y.z&dater=01.02.2026&R01=xxx&"
             "R02=xxx&R03=xxx&R04=0&R05=0&R06=0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.post.body, c.body);
}

TEST(Request, HostileBodiesAreRefused) {
    const struct {
        Endpoint endpoint;
        const char* body;
    } cases[] = {
        {Endpoint::Account, ""},
        {Endpoint::Account, "nick=a&pw=b"},              // no request name
        {Endpoint::Account, "label0=0&nick=a"},          // no password
        {Endpoint::Account, "nick=%ZZ&&pw=b&&label0=0"}, // broken escape
        {Endpoint::Account, "nick=a&pw=b&labelqelsave=0&R04=1e9"},
        {Endpoint::Account, "crdtavl2rating=nan"},
        {Endpoint::Statistics, "gid=66&R1=1"}, // eleven figures missing
        {Endpoint::Statistics, "gid=6 6"},
        {Endpoint::Tournament, "gid=66&nick=a&city=b&country=c&score=x&R7=M&R8=v&R9=t&R10=*"},
        {Endpoint::Table, "clienton3=0&gid=66&num=1"},
        {Endpoint::Table, "clienton1=0&gid=66&num=1&can=1&nick1=a&score1=0&kon1=0&rating1=0&"
                          "country1=X&city1=X&sex1=MM&ip1=X"},
        {Endpoint::Table, "readclient1=0&&gid=66"}, // no table number
    };
    for (const auto& c : cases)
        EXPECT_FALSE(ParseRequest(c.endpoint, c.body)) << c.body;
}

TEST(Request, CreatingAnAccountCannotBringItsOwnPoints) {
    Account rich = SampleAccount();
    rich.R04 = 100000;
    const auto parsed = ParseRequest(Endpoint::Account, Build(CreateAccountRequest{rich}).body);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(std::get<CreateAccountRequest>(*parsed).account.R04, 0);
}

} // namespace
} // namespace tavlira::online
