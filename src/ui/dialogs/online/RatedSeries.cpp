#include "ui/dialogs/online/RatedSeries.h"

#include "i18n/words/Menu.h"
#include "i18n/words/Online.h"
#include "online/Account.h"
#include "online/Answer.h"
#include "online/RatedPlay.h"
#include "ui/common/ToScreen.h"
#include "ui/dialogs/online/OnlineAccount.h"

#include <QTimer>

namespace tavlira {

int PointsForPlace(std::int64_t place) {
    if (place == 1)
        return 25;
    return place >= 2 && place <= 10 ? 10 : 0;
}

RatedSeries::RatedSeries(OnlineAccount& onlineAccount, Hooks seriesHooks, QObject* parent)
    : QObject(parent), account(onlineAccount), hooks(std::move(seriesHooks)) {}

void RatedSeries::SetRetryDelays(std::chrono::milliseconds second,
                                 std::chrono::milliseconds third) {
    secondTry = second;
    thirdTry = third;
}

void RatedSeries::Start(Started started) {
    const online::Account& record = account.Record();
    account.Services().Send(online::ReadGameStatsRequest{record.Nick, record.Pw}, this,
                            [this, started = std::move(started)](const ServiceAnswer& answer) {
                                const std::optional<online::GameStats> stats =
                                    answer.done ? online::ReadGameStatsAnswer(answer.text)
                                                : std::nullopt;
                                if (!stats) {
                                    account.SignOut();
                                    return started(std::nullopt);
                                }
                                account.KeepStats(*stats);
                                WriteStart(*stats, 3, std::move(started));
                            });
}

// The local statistics stay as they were read: the charged copy is only the
// server's, until the match is booked.
void RatedSeries::WriteStart(const online::GameStats& before, int triesLeft, Started started) {
    const online::Account& record = account.Record();
    online::WriteGameStatsRequest request{record.Nick, record.Pw, online::StatsBeforeMatch(before)};
    account.Services().Send(
        request, this,
        [this, before, triesLeft,
         started = std::move(started)](const ServiceAnswer& answer) mutable {
            if (answer.done && online::ReadDoneAnswer(answer.text))
                return started(before);
            if (hooks.writeFailed)
                hooks.writeFailed();
            if (--triesLeft == 0) {
                account.SignOut();
                return started(std::nullopt);
            }
            QTimer::singleShot(triesLeft == 2 ? secondTry : thirdTry, this,
                               [this, before, triesLeft, started = std::move(started)]() mutable {
                                   WriteStart(before, triesLeft, std::move(started));
                               });
        });
}

void RatedSeries::Finish(int result, int matchScore, Booked booked) {
    Book(result, matchScore, std::move(booked));
}

// Reads what the server holds, books the match on it and writes it back. A
// failure of either keeps the local statistics as they were.
void RatedSeries::Book(int result, int matchScore, Booked booked) {
    const online::Account& record = account.Record();
    const auto askAgain = [this, result, matchScore, booked] {
        if (hooks.askRepeat && hooks.askRepeat(ScreenText(Text(words::CouldNotConnectToServer)) +
                                               "\n" + ScreenText(Text(words::Repeat))))
            return Book(result, matchScore, booked);
        Done({}, booked);
    };
    account.Services().Send(
        online::ReadGameStatsRequest{record.Nick, record.Pw}, this,
        [this, result, matchScore, booked, askAgain](const ServiceAnswer& read) {
            const std::optional<online::GameStats> stored =
                read.done ? online::ReadGameStatsAnswer(read.text) : std::nullopt;
            if (!stored)
                return askAgain();
            // The cycle goes on from the statistics held before the start. An
            // end whose answer was lost is booked already: the same statistics
            // written again change nothing on the server.
            const online::GameStats before = account.Stats().value_or(*stored);
            const online::GameStats written =
                online::MatchAlreadyBooked(*stored, before, result, matchScore)
                    ? *stored
                    : online::StatsAfterMatch(*stored, before, result, matchScore);
            const online::Account& now = account.Record();
            account.Services().Send(
                online::WriteGameStatsRequest{now.Nick, now.Pw, written}, this,
                [this, written, matchScore, booked, askAgain](const ServiceAnswer& write) {
                    if (!write.done || !online::ReadDoneAnswer(write.text))
                        return askAgain();
                    account.KeepStats(written);
                    Booking booking;
                    booking.rating = written.Rating;
                    booking.cycleComplete = online::CycleComplete(written);
                    if (!booking.cycleComplete)
                        return Done(booking, booked);
                    SendCycle(matchScore, booking, booked);
                });
        });
}

void RatedSeries::SendCycle(int matchScore, Booking booking, Booked booked) {
    const online::Account& record = account.Record();
    online::SendRecordRequest request;
    request.gid = online::AccountBoardId;
    request.nick = record.Nick;
    request.city = record.City;
    request.country = record.Country1;
    request.score = matchScore;
    request.R7 = std::string(1, record.Sex);
    account.Services().Send(
        request, this, [this, matchScore, booking, booked](const ServiceAnswer& answer) mutable {
            const std::int64_t place = answer.done ? online::ReadNumberAnswer(answer.text) : -1;
            if (place >= 0) {
                booking.place = place;
                return AwardPlace(booking, booked);
            }
            if (hooks.askRepeat && hooks.askRepeat(ScreenText(Text(words::UnableToWriteResult)) +
                                                   " " + ScreenText(Text(words::Repeat))))
                return SendCycle(matchScore, booking, booked);
            Done(booking, booked);
        });
}

// The server awards the points of the place just reached, once; the
// balance is read again afterwards.
void RatedSeries::AwardPlace(Booking booking, Booked booked) {
    const int points = PointsForPlace(*booking.place);
    if (points == 0)
        return Done(booking, booked);
    const online::Account& record = account.Record();
    account.Services().Send(online::AddPointsRequest{record.Nick, record.Pw, points}, this,
                            [this, points, booking, booked](const ServiceAnswer& answer) mutable {
                                if (answer.done && online::ReadDoneAnswer(answer.text))
                                    booking.pointsAwarded = points;
                                account.ReadPoints(
                                    [this, booking, booked](bool) { Done(booking, booked); });
                            });
}

void RatedSeries::Done(const Booking& booking, const Booked& booked) {
    account.SetRated(false);
    booked(booking);
}

} // namespace tavlira
