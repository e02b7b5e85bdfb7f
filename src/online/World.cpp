#include "online/World.h"

#include "online/Answer.h"

#include <algorithm>

namespace tavlira::online {
namespace {

std::string Prefixed(std::string_view name) {
    return std::string(StatsPrefix) + std::string(name);
}

std::optional<int> IntField(const Fields& fields, std::string_view name) {
    const auto number = NumberField(fields, name);
    if (!number)
        return std::nullopt;
    return static_cast<int>(*number);
}

} // namespace

Fields AccountTopTenRequest::ToFields() const {
    return {{Prefixed("kon"), "0"}};
}

std::optional<AccountTopTenRequest> AccountTopTenRequest::FromFields(const Fields& fields) {
    if (!FindField(fields, Prefixed("kon")))
        return std::nullopt;
    return AccountTopTenRequest{};
}

std::string WriteTopTenAnswer(const std::vector<TopTenEntry>& entries) {
    std::string answer;
    int place = 0;
    for (const TopTenEntry& e : entries) {
        if (++place > static_cast<int>(BoardRows))
            break;
        answer += RecordWriter()
                      .Number(place)
                      .Text(e.Nick)
                      .Text(e.City)
                      .Text(e.Country1)
                      .Text(e.Country2)
                      .Text(std::string(1, e.Sex))
                      .Fraction(e.Rating)
                      .Record('*');
    }
    return answer;
}

std::optional<std::vector<TopTenRow>> ReadTopTenAnswer(std::string_view answer) {
    std::vector<TopTenRow> rows;
    for (const std::string_view record : ListRecords(answer, BoardRows)) {
        TopTenRow row;
        RecordReader reader(record);
        reader.Text(2, row.Nick)
            .Text(3, row.City)
            .Text(4, row.Country)
            .Text(5, row.Country)
            .FirstChar(6, row.Sex)
            .Fraction(7, row.Rating);
        if (!reader.Ok())
            return std::nullopt;
        rows.push_back(row);
    }
    return rows;
}

Fields AccountPlaceRequest::ToFields() const {
    return {{Prefixed("rating"), FormatFraction(rating)}};
}

std::optional<AccountPlaceRequest> AccountPlaceRequest::FromFields(const Fields& fields) {
    const auto rating = FractionField(fields, Prefixed("rating"));
    if (!rating)
        return std::nullopt;
    return AccountPlaceRequest{*rating};
}

Fields ReadGameStatsRequest::ToFields() const {
    return {{"nick", nick}, {"pw", pw}, {Prefixed("best"), "0"}};
}

std::optional<ReadGameStatsRequest> ReadGameStatsRequest::FromFields(const Fields& fields) {
    auto nick = TextField(fields, "nick");
    auto pw = TextField(fields, "pw");
    if (!nick || !pw || !FindField(fields, Prefixed("best")))
        return std::nullopt;
    return ReadGameStatsRequest{*nick, *pw};
}

std::string WriteGameStatsAnswer(const GameStats& s) {
    return RecordWriter()
        .Number(s.Kon)
        .Number(s.Best)
        .Fraction(s.Rating)
        .Number(s.Sessions)
        .Number(s.KonL)
        .Number(s.Score)
        .Number(s.R1)
        .Text(s.R2)
        .Record();
}

std::optional<GameStats> ReadGameStatsAnswer(std::string_view answer) {
    if (ReadRefused(answer))
        return std::nullopt;
    GameStats s;
    RecordReader reader(*FirstRecord(answer, '$'));
    reader.Integer(1, s.Kon)
        .Integer(2, s.Best)
        .Fraction(3, s.Rating)
        .Integer(4, s.Sessions)
        .Integer(5, s.KonL)
        .Integer(6, s.Score)
        .Integer(7, s.R1)
        .Text(8, s.R2);
    if (!reader.Ok())
        return std::nullopt;
    return s;
}

Fields WriteGameStatsRequest::ToFields() const {
    return {{"nick", nick},
            {"pw", pw},
            {Prefixed("kon"), std::to_string(stats.Kon)},
            {Prefixed("best"), std::to_string(stats.Best)},
            {Prefixed("rating"), FormatFraction(stats.Rating)},
            {Prefixed("ses"), std::to_string(stats.Sessions)},
            {Prefixed("konl"), std::to_string(stats.KonL)},
            {Prefixed("score"), std::to_string(stats.Score)},
            {Prefixed("R1"), std::to_string(stats.R1)},
            {Prefixed("R2"), stats.R2}};
}

std::optional<WriteGameStatsRequest> WriteGameStatsRequest::FromFields(const Fields& fields) {
    auto nick = TextField(fields, "nick");
    auto pw = TextField(fields, "pw");
    auto kon = IntField(fields, Prefixed("kon"));
    auto best = IntField(fields, Prefixed("best"));
    auto rating = FractionField(fields, Prefixed("rating"));
    auto sessions = IntField(fields, Prefixed("ses"));
    auto konl = IntField(fields, Prefixed("konl"));
    auto score = IntField(fields, Prefixed("score"));
    auto r1 = IntField(fields, Prefixed("R1"));
    auto r2 = TextField(fields, Prefixed("R2"));
    if (!nick || !pw || !kon || !best || !rating || !sessions || !konl || !score || !r1 || !r2)
        return std::nullopt;
    return WriteGameStatsRequest{
        *nick, *pw, GameStats{*kon, *best, *rating, *sessions, *konl, *score, *r1, *r2}};
}

Fields StatisticsRequest::ToFields() const {
    return {{"gid", std::to_string(gid)}};
}

std::optional<StatisticsRequest> StatisticsRequest::FromFields(const Fields& fields) {
    const auto gid = IntField(fields, "gid");
    if (!gid)
        return std::nullopt;
    return StatisticsRequest{*gid};
}

std::string WriteStatisticsAnswer(const WorldStats& s) {
    RecordWriter writer;
    writer.Number(s.Stat1).Number(s.Stat2).Number(s.Stat3).Text(s.Stat4);
    for (const int counter : s.StatX)
        writer.Number(counter);
    return writer.Number(s.StatY).Text(s.StatZ).Record();
}

std::optional<WorldStats> ReadStatisticsAnswer(std::string_view answer, int gid) {
    if (ReadRefused(answer))
        return std::nullopt;
    WorldStats s;
    s.GID = gid;
    RecordReader reader(*FirstRecord(answer, '$'));
    reader.Integer(1, s.Stat1).Integer(2, s.Stat2).Integer(3, s.Stat3).Text(4, s.Stat4);
    for (std::size_t i = 0; i < s.StatX.size(); ++i)
        reader.Integer(5 + i, s.StatX[i]);
    reader.Integer(17, s.StatY).Text(18, s.StatZ);
    if (!reader.Ok())
        return std::nullopt;
    return s;
}

Fields CountStartRequest::ToFields() const {
    return {{"gid", std::to_string(gid)},
            {"stat1", std::to_string(stat1)},
            {"stat2", std::to_string(stat2)}};
}

std::optional<CountStartRequest> CountStartRequest::FromFields(const Fields& fields) {
    auto gid = IntField(fields, "gid");
    auto stat1 = IntField(fields, "stat1");
    auto stat2 = IntField(fields, "stat2");
    if (!gid || !stat1 || !stat2)
        return std::nullopt;
    return CountStartRequest{*gid, *stat1, *stat2};
}

Fields LikeRequest::ToFields() const {
    return {{"gid", std::to_string(gid)}, {"stat3", std::to_string(stat3)}, {"stat4", nick}};
}

std::optional<LikeRequest> LikeRequest::FromFields(const Fields& fields) {
    auto gid = IntField(fields, "gid");
    auto stat3 = IntField(fields, "stat3");
    auto nick = TextField(fields, "stat4");
    if (!gid || !stat3 || !nick)
        return std::nullopt;
    return LikeRequest{*gid, *stat3, *nick};
}

Fields GameFiguresRequest::ToFields() const {
    Fields fields = {{"gid", std::to_string(gid)}};
    for (std::size_t i = 0; i < figures.size(); ++i)
        fields.push_back({"R" + std::to_string(i + 1), std::to_string(figures[i])});
    return fields;
}

std::optional<GameFiguresRequest> GameFiguresRequest::FromFields(const Fields& fields) {
    GameFiguresRequest request;
    auto gid = IntField(fields, "gid");
    if (!gid)
        return std::nullopt;
    request.gid = *gid;
    for (std::size_t i = 0; i < request.figures.size(); ++i) {
        auto figure = IntField(fields, "R" + std::to_string(i + 1));
        if (!figure)
            return std::nullopt;
        request.figures[i] = *figure;
    }
    return request;
}

GameFiguresRequest FiguresOfMatch(const MatchOutline& match) {
    constexpr int CycleGames = 20;
    constexpr int DuelPlayers = 2;
    GameFiguresRequest request;
    std::array<int, 12>& r = request.figures;
    switch (match.side) {
    case FiguresSide::Computer:
        r[0] = match.gamesAtTable;
        r[1] = match.gameCounter > 0 && match.gameCounter % CycleGames == 0 ? 1 : 0;
        r[2] = std::max(match.result, 0);
        r[3] = std::max(-match.result, 0);
        break;
    case FiguresSide::DuelHost:
        r[4] = DuelPlayers;
        break;
    case FiguresSide::TableSeat1:
        r[5] = 1;
        break;
    case FiguresSide::DuelClient:
    case FiguresSide::TableSeat2:
        break;
    }
    return request;
}

Fields BoardRecordsRequest::ToFields() const {
    return {{"gid", std::to_string(gid)}};
}

std::optional<BoardRecordsRequest> BoardRecordsRequest::FromFields(const Fields& fields) {
    const auto gid = IntField(fields, "gid");
    if (!gid)
        return std::nullopt;
    return BoardRecordsRequest{*gid};
}

std::string WriteRecordsAnswer(const std::vector<RecordRow>& rows) {
    std::string answer;
    for (const RecordRow& row : rows) {
        answer += RecordWriter()
                      .Number(row.Place)
                      .Number(row.RID)
                      .Number(row.Score)
                      .Text(row.Nick)
                      .Text(row.Country)
                      .Text(row.City)
                      .Text(row.R07)
                      .Text(row.R08)
                      .Text(row.R09)
                      .Text(row.R10)
                      .Record('*');
    }
    return answer;
}

std::optional<std::vector<RecordRow>> ReadRecordsAnswer(std::string_view answer, int gid) {
    std::vector<RecordRow> rows;
    for (const std::string_view record : ListRecords(answer, BoardRows)) {
        RecordRow row;
        row.GID = gid;
        RecordReader reader(record);
        reader.Integer(1, row.Place)
            .Integer(3, row.Score)
            .Text(4, row.Nick)
            .Text(5, row.Country)
            .Text(6, row.City)
            .Text(7, row.R07)
            .Text(8, row.R08)
            .Text(9, row.R09)
            .Text(10, row.R10);
        if (!reader.Ok())
            return std::nullopt;
        rows.push_back(row);
    }
    return rows;
}

Fields BoardCountRequest::ToFields() const {
    return {{"rgid", std::to_string(gid)}};
}

std::optional<BoardCountRequest> BoardCountRequest::FromFields(const Fields& fields) {
    const auto gid = IntField(fields, "rgid");
    if (!gid)
        return std::nullopt;
    return BoardCountRequest{*gid};
}

Fields OwnRecordsRequest::ToFields() const {
    return {{"gid", std::to_string(gid)}, {"nick", nick}, {"city", city}};
}

std::optional<OwnRecordsRequest> OwnRecordsRequest::FromFields(const Fields& fields) {
    auto gid = IntField(fields, "gid");
    auto nick = TextField(fields, "nick");
    auto city = TextField(fields, "city");
    if (!gid || !nick || !city)
        return std::nullopt;
    return OwnRecordsRequest{*gid, *nick, *city};
}

Fields SendRecordRequest::ToFields() const {
    return {{"gid", std::to_string(gid)},
            {"nick", nick},
            {"city", city},
            {"country", country},
            {"score", std::to_string(score)},
            {"R7", R7},
            {"R8", R8},
            {"R9", R9},
            {"R10", R10 + "*"}};
}

std::optional<SendRecordRequest> SendRecordRequest::FromFields(const Fields& fields) {
    auto gid = IntField(fields, "gid");
    auto nick = TextField(fields, "nick");
    auto city = TextField(fields, "city");
    auto country = TextField(fields, "country");
    auto score = IntField(fields, "score");
    auto r7 = TextField(fields, "R7");
    auto r8 = TextField(fields, "R8");
    auto r9 = TextField(fields, "R9");
    auto r10 = TextField(fields, "R10");
    if (!gid || !nick || !city || !country || !score || !r7 || !r8 || !r9 || !r10)
        return std::nullopt;
    if (!r10->empty() && r10->back() == '*')
        r10->pop_back();
    return SendRecordRequest{*gid, *nick, *city, *country, *score, *r7, *r8, *r9, *r10};
}

std::int64_t ReadNumberAnswer(std::string_view answer) {
    return TrailingNumber(answer);
}

} // namespace tavlira::online
