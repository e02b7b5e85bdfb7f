#pragma once
// The server's side of the form posts: which request a body is, read in one
// place. The request is known by the names of its fields (which are the same
// in both kinds of post); its kind then says how the values are decoded.

#include "online/Account.h"
#include "online/Tournament.h"
#include "online/World.h"

#include <optional>
#include <string_view>
#include <variant>

namespace tavlira::online {

using ServerRequest =
    std::variant<CreateAccountRequest, ReadAccountRequest, ClubSizeRequest, ReadProfileRequest,
                 SaveProfileRequest, ReadPointsRequest, AddPointsRequest, AccountTopTenRequest,
                 AccountPlaceRequest, ReadGameStatsRequest, WriteGameStatsRequest,
                 StatisticsRequest, CountStartRequest, LikeRequest, GameFiguresRequest,
                 BoardRecordsRequest, BoardCountRequest, OwnRecordsRequest, SendRecordRequest,
                 ReadRatingRequest, TourTopTenRequest, TourPlaceRequest, TableListRequest,
                 ServerStatusRequest, ReadClientRequest, SeatRequest>;

// nullopt: a body that is no request of this endpoint, or one whose fields
// are missing, malformed or not numbers where numbers belong.
std::optional<ServerRequest> ParseRequest(Endpoint endpoint, std::string_view body);

} // namespace tavlira::online
