#include "online/Request.h"

#include <span>

namespace tavlira::online {
namespace {

// The route names below spell out the game code.
static_assert(GameCode == 66);

using Parse = std::optional<ServerRequest> (*)(std::string_view body);

template <class R> std::optional<ServerRequest> ParseAs(std::string_view body) {
    const std::optional<Fields> fields = ParsePost(R::kind, body);
    if (!fields)
        return std::nullopt;
    std::optional<R> request = R::FromFields(*fields);
    if (!request)
        return std::nullopt;
    return ServerRequest(std::move(*request));
}

// A request is the first route whose `present` field is in the body and
// whose `absent` field (when given) is not.
struct Route {
    std::string_view present;
    std::string_view absent;
    Parse parse;
};

constexpr Route AccountRoutes[] = {
    {"label0", "", ParseAs<ReadAccountRequest>},
    {"label1", "", ParseAs<ClubSizeRequest>},
    {"labelinforead", "", ParseAs<ReadProfileRequest>},
    {"labelinfosave", "", ParseAs<SaveProfileRequest>},
    {"labelqelread", "", ParseAs<ReadPointsRequest>},
    {"labelqelsave", "", ParseAs<AddPointsRequest>},
    {"dater", "", ParseAs<CreateAccountRequest>},
    {"crdtavl2kon", "nick", ParseAs<AccountTopTenRequest>},
    {"crdtavl2kon", "", ParseAs<WriteGameStatsRequest>},
    {"crdtavl2best", "", ParseAs<ReadGameStatsRequest>},
    {"crdtavl2rating", "", ParseAs<AccountPlaceRequest>},
};

constexpr Route StatisticsRoutes[] = {
    {"stat1", "", ParseAs<CountStartRequest>},
    {"stat3", "", ParseAs<LikeRequest>},
    {"R1", "", ParseAs<GameFiguresRequest>},
    {"gid", "", ParseAs<StatisticsRequest>},
};

constexpr Route TournamentRoutes[] = {
    {"readrating66", "", ParseAs<ReadRatingRequest>}, {"top10s66", "", ParseAs<TourTopTenRequest>},
    {"top10r66", "", ParseAs<TourTopTenRequest>},     {"top10k66", "", ParseAs<TourTopTenRequest>},
    {"places66", "", ParseAs<TourPlaceRequest>},      {"placer66", "", ParseAs<TourPlaceRequest>},
    {"placek66", "", ParseAs<TourPlaceRequest>},      {"rgid", "", ParseAs<BoardCountRequest>},
    {"score", "", ParseAs<SendRecordRequest>},        {"nick", "", ParseAs<OwnRecordsRequest>},
    {"gid", "", ParseAs<BoardRecordsRequest>},
};

constexpr Route TableRoutes[] = {
    {"readtable10", "", ParseAs<TableListRequest>},
    {"serverinforead", "", ParseAs<ServerStatusRequest>},
    {"readclient1", "", ParseAs<ReadClientRequest>},
    {"readclient2", "", ParseAs<ReadClientRequest>},
    {"clienton1", "", ParseAs<SeatRequest>},
    {"clienton2", "", ParseAs<SeatRequest>},
};

std::span<const Route> RoutesOf(Endpoint endpoint) {
    switch (endpoint) {
    case Endpoint::Account:
        return AccountRoutes;
    case Endpoint::Statistics:
        return StatisticsRoutes;
    case Endpoint::Tournament:
        return TournamentRoutes;
    case Endpoint::Table:
        break;
    }
    return TableRoutes;
}

} // namespace

std::optional<ServerRequest> ParseRequest(Endpoint endpoint, std::string_view body) {
    // Field names are plain ASCII in both kinds of post, so the raw split
    // finds them whatever the kind.
    const std::optional<Fields> raw = ParseTextPost(body);
    if (!raw)
        return std::nullopt;
    for (const Route& route : RoutesOf(endpoint)) {
        if (!FindField(*raw, route.present))
            continue;
        if (!route.absent.empty() && FindField(*raw, route.absent))
            continue;
        return route.parse(body);
    }
    return std::nullopt;
}

} // namespace tavlira::online
