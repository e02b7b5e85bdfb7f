#pragma once
// The world online tournament: the player's tournament results, its top ten
// and places (tournament endpoint), and the ten tables with their seats
// (table endpoint).

#include "online/Post.h"
#include "online/World.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tavlira::online {

inline constexpr int TableCount = 10;

// What a tournament ranking orders by; its letter travels in request names.
enum class Ranking : char { Score = 's', Rating = 'r', Games = 'k' };

// A player at a table. A vacated seat is all "X", 0 and sex 'X'.
struct TableClient {
    std::string Nick = "X";
    int Score = 0, Kon = 0, Rating = 0;
    std::string Country = "X", City = "X";
    char Sex = 'M';
    std::string IP = "X";
    friend bool operator==(const TableClient&, const TableClient&) = default;
};
TableClient VacatedClient();

// One table of the list, as the client keeps it.
struct TableInfo {
    std::string IP = "0.0.0.0";
    int Port = 0;
    std::string Free = "X";
    int R1 = 0;
    std::string R2 = "X";
    std::array<TableClient, 2> seats{}; // seat 1, seat 2
    friend bool operator==(const TableInfo&, const TableInfo&) = default;
};
using TableList = std::array<TableInfo, TableCount>; // [0] is table 1

// The tournament results of one player.
struct TourRating {
    int Score = 0, Kon = 0, Rating = 0;
    friend bool operator==(const TourRating&, const TourRating&) = default;
};

// Text post: readrating66=0 nick. Answer: "no", or "$Score Kon Rating".
struct ReadRatingRequest {
    static constexpr Endpoint endpoint = Endpoint::Tournament;
    static constexpr PostKind kind = PostKind::Text;
    std::string nick;
    Fields ToFields() const;
    static std::optional<ReadRatingRequest> FromFields(const Fields& fields);
    friend bool operator==(const ReadRatingRequest&, const ReadRatingRequest&) = default;
};
std::string WriteRatingAnswer(const TourRating& rating);
std::optional<TourRating> ReadRatingAnswer(std::string_view answer);

// Field list: "top10" + kind + "66=0", an empty line, nick=z. Answer: up to
// ten records "$Place Nick City Country Sex Value*".
struct TourTopTenRequest {
    static constexpr Endpoint endpoint = Endpoint::Tournament;
    static constexpr PostKind kind = PostKind::FieldList;
    Ranking ranking = Ranking::Score;
    Fields ToFields() const;
    static std::optional<TourTopTenRequest> FromFields(const Fields& fields);
    friend bool operator==(const TourTopTenRequest&, const TourTopTenRequest&) = default;
};
// Rows carry Place, Nick, City, Country, R07 (sex) and the value in Score.
std::string WriteTourTopTenAnswer(const std::vector<RecordRow>& rows);
std::optional<std::vector<RecordRow>> ReadTourTopTenAnswer(std::string_view answer);

// Text post: "place" + kind + "66=0", then score1=, rating1= or kon1= with
// the player's value. Answer: "$" + the place.
struct TourPlaceRequest {
    static constexpr Endpoint endpoint = Endpoint::Tournament;
    static constexpr PostKind kind = PostKind::Text;
    Ranking ranking = Ranking::Score;
    int value = 0;
    Fields ToFields() const;
    static std::optional<TourPlaceRequest> FromFields(const Fields& fields);
    friend bool operator==(const TourPlaceRequest&, const TourPlaceRequest&) = default;
};

// Field list: readtable10=66 gid=66. Answer: one section per table, table
// 10 first, each "$Table IP Port Free R1 R2" and the eight values of each
// seat (Nick Score Kon Rating Country City Sex IP), ended by "*".
struct TableListRequest {
    static constexpr Endpoint endpoint = Endpoint::Table;
    static constexpr PostKind kind = PostKind::FieldList;
    Fields ToFields() const;
    static std::optional<TableListRequest> FromFields(const Fields& fields);
    friend bool operator==(const TableListRequest&, const TableListRequest&) = default;
};
std::string WriteTableListAnswer(const TableList& tables);
std::optional<TableList> ReadTableListAnswer(std::string_view answer);

// Field list: serverinforead=0 gid=66. Answer: "$" + status ('Y' on) + " " +
// the welcome text with "_" for its blanks.
struct ServerStatusRequest {
    static constexpr Endpoint endpoint = Endpoint::Table;
    static constexpr PostKind kind = PostKind::FieldList;
    Fields ToFields() const;
    static std::optional<ServerStatusRequest> FromFields(const Fields& fields);
    friend bool operator==(const ServerStatusRequest&, const ServerStatusRequest&) = default;
};
struct ServerStatus {
    char status = 'X';
    std::string welcome;
    friend bool operator==(const ServerStatus&, const ServerStatus&) = default;
};
std::string WriteServerStatusAnswer(const ServerStatus& status);
std::optional<ServerStatus> ReadServerStatusAnswer(std::string_view answer);

// Field list: "readclient" + seat + "=0" gid=66 num=table. Answer:
// "$Nick Score Kon Rating Country City Sex IP".
struct ReadClientRequest {
    static constexpr Endpoint endpoint = Endpoint::Table;
    static constexpr PostKind kind = PostKind::FieldList;
    int seat = 1;
    int table = 1;
    Fields ToFields() const;
    static std::optional<ReadClientRequest> FromFields(const Fields& fields);
    friend bool operator==(const ReadClientRequest&, const ReadClientRequest&) = default;
};
std::string WriteClientAnswer(const TableClient& client);
std::optional<TableClient> ReadClientAnswer(std::string_view answer);

// Text post: "clienton" + s + "=0" gid num can, then nick score kon rating
// country city sex ip, each name followed by the seat digit s. can: 0 give
// the seat up, 1 take it, 2 leave it. Answer: "ok" good, "is" (tested
// second, it wins) the seat is taken, anything else bad.
struct SeatRequest {
    static constexpr Endpoint endpoint = Endpoint::Table;
    static constexpr PostKind kind = PostKind::Text;
    int seat = 1;
    int table = 1;
    int can = 1;
    TableClient client;
    Fields ToFields() const;
    static std::optional<SeatRequest> FromFields(const Fields& fields);
    friend bool operator==(const SeatRequest&, const SeatRequest&) = default;
};
enum class SeatAnswer { Good, Taken, Bad };
std::string WriteSeatAnswer(SeatAnswer answer);
SeatAnswer ReadSeatAnswer(std::string_view answer);

} // namespace tavlira::online
