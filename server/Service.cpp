#include "Service.h"

#include "online/AccountRules.h"
#include "online/Answer.h"
#include "online/RatedPlay.h"
#include "online/Request.h"
#include "util/Cp1251.h"

#include <cctype>
#include <cmath>

namespace tavlira::server {
namespace {

using namespace online;

constexpr int PlacesAwarded = 10;
constexpr int FirstPlaceAward = 25;
constexpr int PlaceAward = 10;
// Longest text a stored field keeps (the chat line is 80 characters).
constexpr std::size_t TextLimit = 100;
// Rows either side of the player's own record.
constexpr int OwnRecordsAround = 2;

bool IsBoard(int gid) {
    return gid == OwnBoardId || gid == OtherPlatformBoardId || gid == AccountBoardId ||
           gid == ChatBoardId;
}

bool IsToken(std::string_view text, std::size_t limit) {
    if (text.empty() || text.size() > limit)
        return false;
    for (const char c : text)
        if (!IsAllowedCharacter(c))
            return false;
    return true;
}

bool IsCountryCode(std::string_view code) {
    return code.size() == 5 && code[0] >= '1' && code[0] <= '6' && code[1] == '-' &&
           std::isdigit(static_cast<unsigned char>(code[2])) &&
           std::isdigit(static_cast<unsigned char>(code[3])) &&
           std::isdigit(static_cast<unsigned char>(code[4]));
}

bool IsDate(std::string_view date) {
    if (date.empty() || date.size() > 10)
        return false;
    for (const char c : date)
        if (!std::isdigit(static_cast<unsigned char>(c)) && c != '.' && c != '-' && c != '/')
            return false;
    return true;
}

bool ValidNewAccount(const Account& a) {
    const Validity city = CheckText(TextKind::City, a.City);
    return CheckText(TextKind::Nick, a.Nick) == Validity::Green && city != Validity::Red &&
           CheckText(TextKind::Password, a.Pw) == Validity::Green &&
           CheckText(TextKind::EMail, a.EMail) == Validity::Green &&
           (a.Sex == 'M' || a.Sex == 'W') && IsToken(a.Country1, 20) && IsCountryCode(a.Country2) &&
           IsDate(a.DateR);
}

bool Fits(std::initializer_list<std::string_view> texts) {
    for (const std::string_view text : texts)
        if (text.size() > TextLimit)
            return false;
    return true;
}

bool IsLoopback(std::string_view address) {
    return address.starts_with("127.") || address == "::1" || address == "::ffff:127.0.0.1";
}

} // namespace

struct Service::Handler {
    Service& service;
    const std::string& caller;

    Storage& store() { return service.storage_; }

    std::optional<StoredAccount> Login(const std::string& nick, const std::string& pw) {
        return service.Authenticate(nick, pw, caller);
    }

    std::string operator()(const CreateAccountRequest& r) {
        if (!ValidNewAccount(r.account))
            return WriteCreateAnswer(CreateResult::Failed);
        const auto hash = HashPassword(r.account.Pw, service.config_.passwordCost);
        if (!hash)
            return WriteCreateAnswer(CreateResult::Failed);
        return WriteCreateAnswer(store().CreateAccount(r.account, *hash) ? CreateResult::Created
                                                                         : CreateResult::NickTaken);
    }

    std::string operator()(const ReadAccountRequest& r) {
        const auto account = Login(r.nick, r.pw);
        return account ? WriteAccountAnswer(account->account) : std::string(FailAnswer);
    }

    std::string operator()(const ClubSizeRequest&) { return NumberAnswer(store().CountAccounts()); }

    std::string operator()(const ReadProfileRequest& r) {
        const auto profile = store().ReadProfile(r.nick);
        return profile ? WriteProfileAnswer(*profile) : std::string(FailAnswer);
    }

    std::string operator()(const SaveProfileRequest& r) {
        const Profile& p = r.profile;
        if (!Fits({p.Name1, p.Name2, p.About, p.Telephone, p.EMailO, p.Skype, p.WebSite, p.OK, p.VK,
                   p.Telegram, p.FaceBook, p.Twitter, p.Instagramm, p.YouTube}) ||
            !Login(r.nick, r.pw))
            return WriteDoneAnswer(false);
        store().SaveProfile(r.nick, p);
        return WriteDoneAnswer(true);
    }

    std::string operator()(const ReadPointsRequest& r) {
        const auto account = store().FindAccount(r.nick);
        return account ? NumberAnswer(account->account.R04) : std::string(FailAnswer);
    }

    // Points come only as the award of a world place, collected once.
    std::string operator()(const AddPointsRequest& r) {
        return WriteDoneAnswer(Login(r.nick, r.pw) && store().CollectAward(r.nick, r.points));
    }

    std::string operator()(const AccountTopTenRequest&) {
        return WriteTopTenAnswer(store().TopByRating(static_cast<int>(BoardRows)));
    }

    std::string operator()(const AccountPlaceRequest& r) {
        return NumberAnswer(store().PlaceByRating(r.rating));
    }

    std::string operator()(const ReadGameStatsRequest& r) {
        if (!Login(r.nick, r.pw))
            return std::string(FailAnswer);
        return WriteGameStatsAnswer(store().ReadRatedStanding(r.nick).stats);
    }

    std::string operator()(const WriteGameStatsRequest& r) {
        const GameStats& s = r.stats;
        if (s.R2.size() > 20 || !Login(r.nick, r.pw))
            return WriteDoneAnswer(false);
        // The server keeps the rating honest: only a step of rated play from
        // what it holds is written, and each match is booked once.
        const RatedStanding stored = store().ReadRatedStanding(r.nick);
        const std::optional<RatedStanding> next = RatedPlayStep(stored, s);
        if (!next)
            return WriteDoneAnswer(false);
        return WriteDoneAnswer(*next == stored ||
                               store().ReplaceRatedStanding(r.nick, stored, *next));
    }

    std::string operator()(const StatisticsRequest& r) {
        return WriteStatisticsAnswer(store().ReadStats(r.gid));
    }

    // A start counts one, a unique start one more: nothing else.
    std::string operator()(const CountStartRequest& r) {
        if (r.stat1 < 0 || r.stat1 > 1 || r.stat2 < 0 || r.stat2 > 1)
            return WriteDoneAnswer(false);
        store().CountStart(r.gid, r.stat1, r.stat2);
        return WriteDoneAnswer(true);
    }

    std::string operator()(const LikeRequest& r) {
        if (r.stat3 != 1 || !IsToken(r.nick, 20))
            return WriteDoneAnswer(false);
        return WriteDoneAnswer(store().AddLike(r.gid, r.nick));
    }

    std::string operator()(const GameFiguresRequest& r) {
        for (const int figure : r.figures)
            if (figure < 0 || figure > 10000)
                return WriteDoneAnswer(false);
        store().AddFigures(r.gid, r.figures);
        return WriteDoneAnswer(true);
    }

    std::string operator()(const BoardRecordsRequest& r) {
        if (!IsBoard(r.gid))
            return {};
        BoardCache& boards = service.boards_;
        const auto now = BoardCache::Clock::now();
        if (auto kept = boards.Find(r.gid, now))
            return std::move(*kept);
        const std::uint64_t generation = boards.Generation(r.gid);
        std::string answer = WriteRecordsAnswer(store().Board(r.gid, static_cast<int>(BoardRows)));
        boards.Keep(r.gid, answer, now, generation);
        return answer;
    }

    std::string operator()(const BoardCountRequest& r) {
        return NumberAnswer(IsBoard(r.gid) ? store().CountRecords(r.gid) : 0);
    }

    std::string operator()(const OwnRecordsRequest& r) {
        if (!IsBoard(r.gid))
            return {};
        return WriteRecordsAnswer(store().OwnRecords(r.gid, r.nick, OwnRecordsAround));
    }

    std::string operator()(const SendRecordRequest& r) {
        if (!IsBoard(r.gid) || r.nick.empty() ||
            !Fits({r.nick, r.city, r.country, r.R7, r.R8, r.R9, r.R10}))
            return std::string(FailAnswer);
        if (r.gid == AccountBoardId && !store().FindAccount(r.nick))
            return std::string(FailAnswer);
        RecordRow row;
        row.GID = r.gid;
        row.Score = r.score;
        row.Nick = r.nick;
        row.Country = r.country;
        row.City = r.city;
        row.R07 = r.R7;
        row.R08 = r.R8;
        row.R09 = r.R9;
        row.R10 = r.R10;
        const bool chat = r.gid == ChatBoardId;
        const int id = store().AddRecord(row, chat);
        service.boards_.Drop(r.gid);
        // The newest chat message is always on top.
        const int place = chat ? 1 : store().PlaceOfRecord(r.gid, id);
        if (r.gid == AccountBoardId && place <= PlacesAwarded)
            store().SetAward(r.nick, place == 1 ? FirstPlaceAward : PlaceAward);
        return NumberAnswer(place);
    }

    std::string operator()(const ReadRatingRequest& r) {
        if (!store().FindAccount(r.nick))
            return std::string(FailAnswer);
        return WriteRatingAnswer(store().ReadTourRating(r.nick));
    }

    std::string operator()(const TourTopTenRequest& r) {
        return WriteTourTopTenAnswer(store().TourTop(r.ranking, static_cast<int>(BoardRows)));
    }

    std::string operator()(const TourPlaceRequest& r) {
        return NumberAnswer(store().TourPlace(r.ranking, r.value));
    }

    // An occupant's address is shown only to a caller at the same address
    // (so that the game can refuse a table against itself); to everyone
    // else it is "X".
    TableClient Shown(const Seat& seat) const {
        TableClient client = seat.client;
        if (client.Nick == "X")
            return VacatedClient();
        client.IP = seat.address == caller ? seat.address : "X";
        return client;
    }

    std::string operator()(const TableListRequest&) {
        TableList tables;
        const ServiceConfig& config = service.config_;
        for (int t = 1; t <= TableCount; ++t) {
            TableInfo& table = tables[static_cast<std::size_t>(t - 1)];
            table.IP = config.tableServerAddress.empty() ? "0.0.0.0" : config.tableServerAddress;
            table.Port = config.tableServerPort == 0 ? 0 : config.tableServerPort + t - 1;
            for (int s = 1; s <= 2; ++s)
                table.seats[static_cast<std::size_t>(s - 1)] = Shown(store().ReadSeat(t, s));
            table.Free = table.seats[0].Nick == "X" || table.seats[1].Nick == "X" ? "Y" : "N";
        }
        return WriteTableListAnswer(tables);
    }

    std::string operator()(const ServerStatusRequest&) {
        const bool on = !service.config_.tableServerAddress.empty();
        return WriteServerStatusAnswer({on ? 'Y' : 'N', service.config_.welcome});
    }

    std::string operator()(const ReadClientRequest& r) {
        if (r.table < 1 || r.table > TableCount || r.seat < 1 || r.seat > 2)
            return std::string(FailAnswer);
        return WriteClientAnswer(Shown(store().ReadSeat(r.table, r.seat)));
    }

    std::string operator()(const SeatRequest& r) {
        if (r.table < 1 || r.table > TableCount)
            return WriteSeatAnswer(SeatAnswer::Bad);
        if (r.can == 1)
            return TakeSeat(r);
        if (r.can != 0 && r.can != 2)
            return WriteSeatAnswer(SeatAnswer::Bad);
        // Only the address that took a seat may give it up.
        const Seat seat = store().ReadSeat(r.table, r.seat);
        if (seat.client.Nick != "X" && seat.address != caller)
            return WriteSeatAnswer(SeatAnswer::Bad);
        store().ClearSeat(r.table, r.seat);
        return WriteSeatAnswer(SeatAnswer::Good);
    }

    std::string TakeSeat(const SeatRequest& r) {
        const TableClient& c = r.client;
        if (!store().FindAccount(c.Nick) || !Fits({c.Country, c.City}))
            return WriteSeatAnswer(SeatAnswer::Bad);
        // Two seats of one table from one address play against themselves.
        const Seat other = store().ReadSeat(r.table, 3 - r.seat);
        if (other.client.Nick != "X" && other.address == caller && !IsLoopback(caller))
            return WriteSeatAnswer(SeatAnswer::Bad);
        Seat occupant{c, caller};
        occupant.client.IP = caller; // the address the server sees, not the one claimed
        return WriteSeatAnswer(store().TakeSeat(r.table, r.seat, occupant) ? SeatAnswer::Good
                                                                           : SeatAnswer::Taken);
    }
};

Service::Service(Storage& storage, ServiceConfig config)
    : storage_(storage), config_(std::move(config)), limiter_(config_.loginLimits),
      boards_(config_.boardCacheLifetime) {}

std::optional<StoredAccount> Service::Authenticate(const std::string& nick,
                                                   const std::string& password,
                                                   const std::string& caller) {
    const auto now = LoginLimiter::Clock::now();
    if (!limiter_.Allowed(caller, nick, now))
        return std::nullopt;
    auto account = storage_.FindAccount(nick);
    if (account && VerifyPassword(account->passwordHash, password))
        return account;
    limiter_.Failed(caller, nick, now);
    return std::nullopt;
}

Answer Service::Handle(online::Endpoint endpoint, std::string_view body,
                       const std::string& caller) {
    const auto request = ParseRequest(endpoint, body);
    if (!request)
        return {400, std::string(FailAnswer)};
    Handler handler{*this, caller};
    return {200, std::visit(handler, *request)};
}

std::optional<std::string> Service::Photo(const std::string& utf8Nick) {
    return storage_.ReadPhoto(Utf8ToCp1251(utf8Nick));
}

Answer Service::UploadPhoto(std::string_view body, const std::string& caller) {
    const auto fields = ParseFieldList(body);
    const auto upload = fields ? PhotoUpload::FromFields(*fields) : std::nullopt;
    if (!upload)
        return {400, std::string(FailAnswer)};
    const std::string& jpeg = upload->jpeg;
    const bool isJpeg =
        jpeg.size() >= 4 && jpeg.size() <= PhotoLimit && jpeg.compare(0, 3, "\xFF\xD8\xFF") == 0;
    if (!isJpeg || !Authenticate(upload->nick, upload->pw, caller))
        return {200, WriteDoneAnswer(false)};
    storage_.SavePhoto(upload->nick, jpeg);
    return {200, WriteDoneAnswer(true)};
}

} // namespace tavlira::server
