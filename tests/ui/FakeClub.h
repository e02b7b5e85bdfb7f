#pragma once
// The club's web server as the online dialogs meet it, on 127.0.0.1: the
// requests are read with the codec the real server uses, and answered from
// a little state that each test sets up. A request it has no answer for is
// refused ("no"); `silent` makes the server stop answering at all.

#include "online/Account.h"
#include "online/Answer.h"
#include "online/Request.h"
#include "online/Tournament.h"
#include "online/World.h"
#include "online_qt/FakeWebServer.h"

#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tavlira::testing {

class FakeClub {
  public:
    FakeClub() : server([this](const ReceivedRequest& request) { return Answer(request); }) {}

    QUrl Base() const { return server.Base(); }
    const std::vector<ReceivedRequest>& Requests() const { return server.Requests(); }
    // The bodies of the requests to `path`, in order.
    std::vector<std::string> BodiesTo(std::string_view path) const {
        std::vector<std::string> bodies;
        for (const ReceivedRequest& r : server.Requests())
            if (PathOf(r) == path)
                bodies.push_back(r.body.toStdString());
        return bodies;
    }

    std::map<std::string, online::Account> accounts; // by nick
    std::map<int, std::vector<online::RecordRow>> boards;
    std::vector<online::TopTenEntry> topTen;
    online::GameStats stats;
    online::WorldStats world;
    std::int64_t clubSize = 42;
    std::int64_t placeReached = 7;
    bool silent = false;
    // What rated play wrote, and the statistics posts, in order.
    std::vector<online::GameStats> statsWritten;
    std::vector<online::GameFiguresRequest> figuresPosted;
    std::vector<online::CountStartRequest> startsCounted;

  private:
    static std::string PathOf(const ReceivedRequest& request) {
        const QList<QByteArray> words = request.head.split(' ');
        return words.size() > 1 ? words[1].toStdString() : std::string();
    }

    QByteArray Answer(const ReceivedRequest& request) {
        if (silent)
            return {};
        const std::string path = PathOf(request);
        std::optional<online::Endpoint> endpoint;
        for (online::Endpoint e : {online::Endpoint::Account, online::Endpoint::Statistics,
                                   online::Endpoint::Tournament, online::Endpoint::Table})
            if (path == online::PathOf(e))
                endpoint = e;
        if (!endpoint)
            return "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n";
        const auto parsed = online::ParseRequest(*endpoint, request.body.toStdString());
        const std::string text =
            parsed ? std::visit([this](const auto& r) { return Handle(r); }, *parsed) : "no";
        return FakeWebServer::Ok(QByteArray::fromStdString(online::AnswerToWire(text)));
    }

    std::string Handle(const online::ReadAccountRequest& r) {
        const auto found = accounts.find(r.nick);
        if (found == accounts.end() || found->second.Pw != r.pw)
            return "no";
        return online::WriteAccountAnswer(found->second);
    }
    std::string Handle(const online::CreateAccountRequest& r) {
        if (accounts.count(r.account.Nick))
            return online::WriteCreateAnswer(online::CreateResult::NickTaken);
        accounts[r.account.Nick] = r.account;
        return online::WriteCreateAnswer(online::CreateResult::Created);
    }
    std::string Handle(const online::ClubSizeRequest&) { return online::NumberAnswer(clubSize); }
    std::string Handle(const online::ReadGameStatsRequest&) {
        return online::WriteGameStatsAnswer(stats);
    }
    std::string Handle(const online::AccountPlaceRequest&) { return online::NumberAnswer(3); }
    std::string Handle(const online::AccountTopTenRequest&) {
        return online::WriteTopTenAnswer(topTen);
    }
    std::string Handle(const online::ReadPointsRequest& r) {
        const auto found = accounts.find(r.nick);
        return found == accounts.end() ? "no" : online::NumberAnswer(found->second.R04);
    }
    std::string Handle(const online::StatisticsRequest&) {
        return online::WriteStatisticsAnswer(world);
    }
    // A board's rows take their places in order.
    std::string Handle(const online::BoardRecordsRequest& r) {
        std::vector<online::RecordRow> rows = boards[r.gid];
        for (std::size_t i = 0; i < rows.size(); ++i)
            rows[i].Place = static_cast<int>(i) + 1;
        return online::WriteRecordsAnswer(rows);
    }
    std::string Handle(const online::BoardCountRequest& r) {
        return online::NumberAnswer(static_cast<std::int64_t>(boards[r.gid].size()));
    }
    std::string Handle(const online::OwnRecordsRequest& r) {
        return online::WriteRecordsAnswer(boards[r.gid]);
    }
    std::string Handle(const online::SendRecordRequest& r) {
        online::RecordRow row;
        row.GID = r.gid;
        row.Score = r.score;
        row.Nick = r.nick;
        row.City = r.city;
        row.Country = r.country;
        row.R07 = r.R7;
        row.R09 = r.R9;
        row.R10 = r.R10;
        std::vector<online::RecordRow>& board = boards[r.gid];
        board.insert(board.begin(), row);
        return online::NumberAnswer(placeReached);
    }
    std::string Handle(const online::WriteGameStatsRequest& r) {
        stats = r.stats;
        statsWritten.push_back(r.stats);
        return online::WriteDoneAnswer(true);
    }
    std::string Handle(const online::GameFiguresRequest& r) {
        figuresPosted.push_back(r);
        return online::WriteDoneAnswer(true);
    }
    std::string Handle(const online::CountStartRequest& r) {
        startsCounted.push_back(r);
        return online::WriteDoneAnswer(true);
    }
    template <class Other> std::string Handle(const Other&) { return "no"; }

    FakeWebServer server;
};

} // namespace tavlira::testing
