#include "online/Tournament.h"

#include "online/Answer.h"

namespace tavlira::online {
namespace {

const std::string GameId = std::to_string(GameCode);

std::optional<int> IntField(const Fields& fields, std::string_view name) {
    const auto number = NumberField(fields, name);
    if (!number)
        return std::nullopt;
    return static_cast<int>(*number);
}

constexpr std::array<Ranking, 3> Rankings = {Ranking::Score, Ranking::Rating, Ranking::Games};

std::string RankingName(std::string_view prefix, Ranking ranking) {
    return std::string(prefix) + static_cast<char>(ranking) + GameId;
}

// The ranking whose request name `prefix` + letter + game id is present.
std::optional<Ranking> FindRanking(const Fields& fields, std::string_view prefix) {
    for (const Ranking ranking : Rankings)
        if (FindField(fields, RankingName(prefix, ranking)))
            return ranking;
    return std::nullopt;
}

std::string_view PlaceValueName(Ranking ranking) {
    switch (ranking) {
    case Ranking::Score:
        return "score1";
    case Ranking::Rating:
        return "rating1";
    case Ranking::Games:
        break;
    }
    return "kon1";
}

void WriteClient(RecordWriter& writer, const TableClient& c) {
    writer.Text(c.Nick)
        .Number(c.Score)
        .Number(c.Kon)
        .Number(c.Rating)
        .Text(c.Country)
        .Text(c.City)
        .Text(std::string(1, c.Sex))
        .Text(c.IP);
}

// Reads a client's eight values starting at value `first`.
void ReadClient(RecordReader& reader, std::size_t first, TableClient& c) {
    reader.Text(first, c.Nick)
        .Integer(first + 1, c.Score)
        .Integer(first + 2, c.Kon)
        .Integer(first + 3, c.Rating)
        .Text(first + 4, c.Country)
        .Text(first + 5, c.City)
        .FirstChar(first + 6, c.Sex)
        .Text(first + 7, c.IP);
}

std::string Digit(int n) {
    return std::to_string(n);
}

} // namespace

TableClient VacatedClient() {
    TableClient client;
    client.Sex = 'X';
    return client;
}

Fields ReadRatingRequest::ToFields() const {
    return {{"readrating" + GameId, "0"}, {"nick", nick}};
}

std::optional<ReadRatingRequest> ReadRatingRequest::FromFields(const Fields& fields) {
    auto nick = TextField(fields, "nick");
    if (!nick || !FindField(fields, "readrating" + GameId))
        return std::nullopt;
    return ReadRatingRequest{*nick};
}

std::string WriteRatingAnswer(const TourRating& r) {
    return RecordWriter().Number(r.Score).Number(r.Kon).Number(r.Rating).Record();
}

std::optional<TourRating> ReadRatingAnswer(std::string_view answer) {
    if (ReadRefused(answer))
        return std::nullopt;
    TourRating r;
    const auto record = *FirstRecord(answer, '$');
    // The score is the one value that must be there.
    if (!Values(record).At(1))
        return std::nullopt;
    RecordReader reader(record);
    reader.Integer(1, r.Score).Integer(2, r.Kon).Integer(3, r.Rating);
    if (!reader.Ok())
        return std::nullopt;
    return r;
}

Fields TourTopTenRequest::ToFields() const {
    return {{RankingName("top10", ranking), "0"}, {"", ""}, {"nick", "z"}};
}

std::optional<TourTopTenRequest> TourTopTenRequest::FromFields(const Fields& fields) {
    const auto ranking = FindRanking(fields, "top10");
    if (!ranking)
        return std::nullopt;
    return TourTopTenRequest{*ranking};
}

std::string WriteTourTopTenAnswer(const std::vector<RecordRow>& rows) {
    std::string answer;
    for (const RecordRow& row : rows)
        answer += RecordWriter()
                      .Number(row.Place)
                      .Text(row.Nick)
                      .Text(row.City)
                      .Text(row.Country)
                      .Text(row.R07)
                      .Number(row.Score)
                      .Record('*');
    return answer;
}

std::optional<std::vector<RecordRow>> ReadTourTopTenAnswer(std::string_view answer) {
    std::vector<RecordRow> rows;
    for (const std::string_view record : ListRecords(answer, BoardRows)) {
        RecordRow row;
        RecordReader reader(record);
        reader.Integer(1, row.Place)
            .Text(2, row.Nick)
            .Text(3, row.City)
            .Text(4, row.Country)
            .Text(5, row.R07)
            .Integer(6, row.Score);
        if (!reader.Ok())
            return std::nullopt;
        rows.push_back(row);
    }
    return rows;
}

Fields TourPlaceRequest::ToFields() const {
    return {{RankingName("place", ranking), "0"},
            {std::string(PlaceValueName(ranking)), std::to_string(value)}};
}

std::optional<TourPlaceRequest> TourPlaceRequest::FromFields(const Fields& fields) {
    const auto ranking = FindRanking(fields, "place");
    if (!ranking)
        return std::nullopt;
    const auto value = IntField(fields, PlaceValueName(*ranking));
    if (!value)
        return std::nullopt;
    return TourPlaceRequest{*ranking, *value};
}

Fields TableListRequest::ToFields() const {
    return {{"readtable10", GameId}, {"gid", GameId}};
}

std::optional<TableListRequest> TableListRequest::FromFields(const Fields& fields) {
    if (!FindField(fields, "readtable10"))
        return std::nullopt;
    return TableListRequest{};
}

std::string WriteTableListAnswer(const TableList& tables) {
    std::string answer;
    for (int t = TableCount; t >= 1; --t) {
        const TableInfo& table = tables[static_cast<std::size_t>(t - 1)];
        RecordWriter writer;
        writer.Number(t)
            .Text(table.IP)
            .Number(table.Port)
            .Text(table.Free)
            .Number(table.R1)
            .Text(table.R2);
        for (const TableClient& client : table.seats)
            WriteClient(writer, client);
        answer += writer.Record('*');
    }
    return answer;
}

std::optional<TableList> ReadTableListAnswer(std::string_view answer) {
    TableList tables;
    int t = TableCount;
    for (const std::string_view section : ListRecords(answer, TableCount)) {
        TableInfo& table = tables[static_cast<std::size_t>(t - 1)];
        RecordReader reader(section);
        reader.Text(2, table.IP)
            .Integer(3, table.Port)
            .Text(4, table.Free)
            .Integer(5, table.R1)
            .Text(6, table.R2);
        ReadClient(reader, 7, table.seats[0]);
        ReadClient(reader, 15, table.seats[1]);
        if (!reader.Ok())
            return std::nullopt;
        --t;
    }
    return tables;
}

Fields ServerStatusRequest::ToFields() const {
    return {{"serverinforead", "0"}, {"gid", GameId}};
}

std::optional<ServerStatusRequest> ServerStatusRequest::FromFields(const Fields& fields) {
    if (!FindField(fields, "serverinforead"))
        return std::nullopt;
    return ServerStatusRequest{};
}

std::string WriteServerStatusAnswer(const ServerStatus& status) {
    return RecordWriter().Text(std::string(1, status.status)).Text(status.welcome).Record();
}

std::optional<ServerStatus> ReadServerStatusAnswer(std::string_view answer) {
    const auto record = FirstRecord(answer, '$');
    if (!record)
        return std::nullopt;
    ServerStatus status;
    RecordReader(*record).FirstChar(1, status.status).Text(2, status.welcome);
    for (char& c : status.welcome)
        if (c == '_')
            c = ' ';
    return status;
}

Fields ReadClientRequest::ToFields() const {
    return {{"readclient" + Digit(seat), "0"}, {"gid", GameId}, {"num", Digit(table)}};
}

std::optional<ReadClientRequest> ReadClientRequest::FromFields(const Fields& fields) {
    const auto table = IntField(fields, "num");
    if (!table)
        return std::nullopt;
    for (const int seat : {1, 2})
        if (FindField(fields, "readclient" + Digit(seat)))
            return ReadClientRequest{seat, *table};
    return std::nullopt;
}

std::string WriteClientAnswer(const TableClient& client) {
    RecordWriter writer;
    WriteClient(writer, client);
    return writer.Record();
}

std::optional<TableClient> ReadClientAnswer(std::string_view answer) {
    const auto record = FirstRecord(answer, '$');
    if (!record)
        return std::nullopt;
    TableClient client;
    RecordReader reader(*record);
    ReadClient(reader, 1, client);
    if (!reader.Ok())
        return std::nullopt;
    return client;
}

Fields SeatRequest::ToFields() const {
    const std::string s = Digit(seat);
    return {{"clienton" + s, "0"},
            {"gid", GameId},
            {"num", Digit(table)},
            {"can", Digit(can)},
            {"nick" + s, client.Nick},
            {"score" + s, std::to_string(client.Score)},
            {"kon" + s, std::to_string(client.Kon)},
            {"rating" + s, std::to_string(client.Rating)},
            {"country" + s, client.Country},
            {"city" + s, client.City},
            {"sex" + s, std::string(1, client.Sex)},
            {"ip" + s, client.IP}};
}

std::optional<SeatRequest> SeatRequest::FromFields(const Fields& fields) {
    SeatRequest request;
    request.seat = FindField(fields, "clienton1") ? 1 : FindField(fields, "clienton2") ? 2 : 0;
    if (request.seat == 0)
        return std::nullopt;
    const std::string s = Digit(request.seat);
    auto table = IntField(fields, "num");
    auto can = IntField(fields, "can");
    auto nick = TextField(fields, "nick" + s);
    auto score = IntField(fields, "score" + s);
    auto kon = IntField(fields, "kon" + s);
    auto rating = IntField(fields, "rating" + s);
    auto country = TextField(fields, "country" + s);
    auto city = TextField(fields, "city" + s);
    auto sex = TextField(fields, "sex" + s);
    auto ip = TextField(fields, "ip" + s);
    if (!table || !can || !nick || !score || !kon || !rating || !country || !city || !sex ||
        sex->size() != 1 || !ip)
        return std::nullopt;
    request.table = *table;
    request.can = *can;
    request.client = {*nick, *score, *kon, *rating, *country, *city, sex->front(), *ip};
    return request;
}

std::string WriteSeatAnswer(SeatAnswer answer) {
    switch (answer) {
    case SeatAnswer::Good:
        return std::string(OkAnswer);
    case SeatAnswer::Taken:
        return std::string(TakenAnswer);
    case SeatAnswer::Bad:
        break;
    }
    return std::string(FailAnswer);
}

SeatAnswer ReadSeatAnswer(std::string_view answer) {
    SeatAnswer result = SeatAnswer::Bad;
    if (HasMarker(answer, OkAnswer))
        result = SeatAnswer::Good;
    if (HasMarker(answer, TakenAnswer))
        result = SeatAnswer::Taken;
    return result;
}

} // namespace tavlira::online
