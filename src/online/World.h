#pragma once
// The world boards and statistics: the account players' top ten and place,
// the account's game statistics, the record boards (results of cycles and
// the chat board), and the world statistics counters.

#include "online/Post.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavlira::online {

// At most this many rows in a top ten or a board's answer.
inline constexpr std::size_t BoardRows = 10;

// A row of the account players' top ten by rating.
struct TopTenRow {
    std::string Nick = "#", City = "#", Country = "#";
    char Sex = 'M';
    double Rating = 0;
    friend bool operator==(const TopTenRow&, const TopTenRow&) = default;
};

// A row of a record board. R07 holds the sex, R08 the program version.
struct RecordRow {
    int RID = 0, GID = 0, Score = 0;
    std::string Nick = "#", Country = "#", City = "#", R07 = "#", R08 = "#", R09 = "#", R10 = "#*";
    int Place = 0;
    friend bool operator==(const RecordRow&, const RecordRow&) = default;
};

// The account's game statistics as the server keeps them.
struct GameStats {
    int Kon = 0, Best = 0;
    double Rating = 0;
    int Sessions = 0, KonL = 0, Score = 0, R1 = 0;
    std::string R2 = "#";
    friend bool operator==(const GameStats&, const GameStats&) = default;
};

// The world statistics of one game.
struct WorldStats {
    int GID = 0;
    int Stat1 = 0;           // starts
    int Stat2 = 0;           // unique starts
    int Stat3 = 0;           // likes
    std::string Stat4 = "#"; // the nick of the last like
    std::array<int, 12> StatX{};
    int StatY = 0;
    std::string StatZ = "#";
    friend bool operator==(const WorldStats&, const WorldStats&) = default;
};

// Field list: crdtavl2kon=0. Answer: up to ten records
// "$Place Nick City Country1 Country2 Sex Rating*"; the reader takes the
// country from value 5 (value 4, the token, is replaced by it).
struct AccountTopTenRequest {
    static constexpr Endpoint endpoint = Endpoint::Account;
    static constexpr PostKind kind = PostKind::FieldList;
    Fields ToFields() const;
    static std::optional<AccountTopTenRequest> FromFields(const Fields& fields);
    friend bool operator==(const AccountTopTenRequest&, const AccountTopTenRequest&) = default;
};
struct TopTenEntry {
    std::string Nick, City, Country1, Country2;
    char Sex = 'M';
    double Rating = 0;
};
std::string WriteTopTenAnswer(const std::vector<TopTenEntry>& entries);
std::optional<std::vector<TopTenRow>> ReadTopTenAnswer(std::string_view answer);

// Text post: crdtavl2rating=rating (with "."). Answer: "$" + the place.
struct AccountPlaceRequest {
    static constexpr Endpoint endpoint = Endpoint::Account;
    static constexpr PostKind kind = PostKind::Text;
    double rating = 0;
    Fields ToFields() const;
    static std::optional<AccountPlaceRequest> FromFields(const Fields& fields);
    friend bool operator==(const AccountPlaceRequest&, const AccountPlaceRequest&) = default;
};

// Field list: nick pw crdtavl2best=0. Answer: "no", or
// "$Kon Best Rating Sessions KonL Score R1 R2".
struct ReadGameStatsRequest {
    static constexpr Endpoint endpoint = Endpoint::Account;
    static constexpr PostKind kind = PostKind::FieldList;
    std::string nick, pw;
    Fields ToFields() const;
    static std::optional<ReadGameStatsRequest> FromFields(const Fields& fields);
    friend bool operator==(const ReadGameStatsRequest&, const ReadGameStatsRequest&) = default;
};
std::string WriteGameStatsAnswer(const GameStats& stats);
std::optional<GameStats> ReadGameStatsAnswer(std::string_view answer);

// Text post: nick pw crdtavl2kon crdtavl2best crdtavl2rating crdtavl2ses
// crdtavl2konl crdtavl2score crdtavl2R1 crdtavl2R2. Answer: "ok" written.
struct WriteGameStatsRequest {
    static constexpr Endpoint endpoint = Endpoint::Account;
    static constexpr PostKind kind = PostKind::Text;
    std::string nick, pw;
    GameStats stats;
    Fields ToFields() const;
    static std::optional<WriteGameStatsRequest> FromFields(const Fields& fields);
    friend bool operator==(const WriteGameStatsRequest&, const WriteGameStatsRequest&) = default;
};

// Field list: gid. Answer: "$Stat1 Stat2 Stat3 Stat4 StatX1..StatX12 StatY StatZ".
struct StatisticsRequest {
    static constexpr Endpoint endpoint = Endpoint::Statistics;
    static constexpr PostKind kind = PostKind::FieldList;
    int gid = GameCode;
    Fields ToFields() const;
    static std::optional<StatisticsRequest> FromFields(const Fields& fields);
    friend bool operator==(const StatisticsRequest&, const StatisticsRequest&) = default;
};
std::string WriteStatisticsAnswer(const WorldStats& stats);
std::optional<WorldStats> ReadStatisticsAnswer(std::string_view answer, int gid);

// Text post: gid stat1 stat2 (a start, and whether it is the installation's
// first). Answer: "ok" counted.
struct CountStartRequest {
    static constexpr Endpoint endpoint = Endpoint::Statistics;
    static constexpr PostKind kind = PostKind::Text;
    int gid = GameCode;
    int stat1 = 1, stat2 = 0;
    Fields ToFields() const;
    static std::optional<CountStartRequest> FromFields(const Fields& fields);
    friend bool operator==(const CountStartRequest&, const CountStartRequest&) = default;
};

// Text post: gid stat3 stat4 (one like and the nick who gave it).
struct LikeRequest {
    static constexpr Endpoint endpoint = Endpoint::Statistics;
    static constexpr PostKind kind = PostKind::Text;
    int gid = GameCode;
    int stat3 = 1;
    std::string nick;
    Fields ToFields() const;
    static std::optional<LikeRequest> FromFields(const Fields& fields);
    friend bool operator==(const LikeRequest&, const LikeRequest&) = default;
};

// Text post: gid R1..R12, the figures of one match added to the counters.
struct GameFiguresRequest {
    static constexpr Endpoint endpoint = Endpoint::Statistics;
    static constexpr PostKind kind = PostKind::Text;
    int gid = GameCode;
    std::array<int, 12> figures{};
    Fields ToFields() const;
    static std::optional<GameFiguresRequest> FromFields(const Fields& fields);
    friend bool operator==(const GameFiguresRequest&, const GameFiguresRequest&) = default;
};

// Where a match's figures come from: this machine's side of it.
enum class FiguresSide : std::uint8_t { Computer, DuelHost, DuelClient, TableSeat1, TableSeat2 };
struct MatchOutline {
    FiguresSide side = FiguresSide::Computer;
    int gamesAtTable = 0; // games of the match
    int gameCounter = 0;  // the player's games, the last one included
    int result = 0;       // the match's points lead, positive when won
};
// The twelve figures of one match: R1 its games, R2 1 when its last game
// completed a cycle of 20, R3 the result when won and R4 when lost, all
// against the computer; R5 the players of a duel, counted by its host; R6 1
// at seat 1 of a tournament table, so that each table game counts once.
// R7 to R12 stay 0.
GameFiguresRequest FiguresOfMatch(const MatchOutline& match);

// Field list: gid. Answer: up to ten records
// "$Place RID Score Nick Country City R07 R08 R09 R10*", best first (on the
// chat board, newest first).
struct BoardRecordsRequest {
    static constexpr Endpoint endpoint = Endpoint::Tournament;
    static constexpr PostKind kind = PostKind::FieldList;
    int gid = GameCode;
    Fields ToFields() const;
    static std::optional<BoardRecordsRequest> FromFields(const Fields& fields);
    friend bool operator==(const BoardRecordsRequest&, const BoardRecordsRequest&) = default;
};
std::string WriteRecordsAnswer(const std::vector<RecordRow>& rows);
std::optional<std::vector<RecordRow>> ReadRecordsAnswer(std::string_view answer, int gid);

// Field list: rgid=gid. Answer: "$" + the number of records on the board.
struct BoardCountRequest {
    static constexpr Endpoint endpoint = Endpoint::Tournament;
    static constexpr PostKind kind = PostKind::FieldList;
    int gid = GameCode;
    Fields ToFields() const;
    static std::optional<BoardCountRequest> FromFields(const Fields& fields);
    friend bool operator==(const BoardCountRequest&, const BoardCountRequest&) = default;
};

// Text post: gid nick city. Answer: records as for the board, the rows
// around the player's own best place.
struct OwnRecordsRequest {
    static constexpr Endpoint endpoint = Endpoint::Tournament;
    static constexpr PostKind kind = PostKind::Text;
    int gid = GameCode;
    std::string nick, city;
    Fields ToFields() const;
    static std::optional<OwnRecordsRequest> FromFields(const Fields& fields);
    friend bool operator==(const OwnRecordsRequest&, const OwnRecordsRequest&) = default;
};

// Text post: gid nick city country score R7 R8 R9 R10, "*" after the last
// value. Answer: "$" + the place the record reached.
struct SendRecordRequest {
    static constexpr Endpoint endpoint = Endpoint::Tournament;
    static constexpr PostKind kind = PostKind::Text;
    int gid = GameCode;
    std::string nick, city, country;
    int score = 0;
    std::string R7, R8 = "5.7f", R9, R10;
    Fields ToFields() const;
    static std::optional<SendRecordRequest> FromFields(const Fields& fields);
    friend bool operator==(const SendRecordRequest&, const SendRecordRequest&) = default;
};

// The answers that end in a number (place, count, club size): -1 when absent.
std::int64_t ReadNumberAnswer(std::string_view answer);

} // namespace tavlira::online
