#include "app/BoardFigures.h"

#include "i18n/words/Login.h"
#include "i18n/words/Online.h"
#include "online/Answer.h"
#include "online/World.h"
#include "ui/common/ToScreen.h"
#include "ui/dialogs/online/OnlineAccount.h"
#include "ui/dialogs/online/WorldStatsDialog.h"
#include "ui/menu/StatsBoard.h"

namespace tavlira {
namespace {

QString Words(const WordTable& table) {
    return ScreenText(Text(table));
}

BoardFigure Unfetched(int variant) {
    return {std::string(NoConnectionValue), ScreenText(NoConnectionHint(variant))};
}

void FetchStatistics(OnlineAccount& account, int variant, const QObject* receiver,
                     std::function<void(const BoardFigure&)> shown) {
    account.Services().Send(online::StatisticsRequest{}, receiver,
                            [variant, shown = std::move(shown)](const ServiceAnswer& answer) {
                                const auto stats =
                                    answer.done ? online::ReadStatisticsAnswer(answer.text,
                                                                               online::OwnBoardId)
                                                : std::nullopt;
                                if (!stats)
                                    return shown(Unfetched(variant));
                                if (variant == 1)
                                    return shown({std::to_string(DynamicIq(*stats)),
                                                  Words(words::DynamicIqForWindows)});
                                const BoardCount count = BoardCountOf(stats->StatX[0]);
                                shown({count.unit ? count.digits + count.unit : count.digits,
                                       Words(words::GamesPlayedWithPc)});
                            });
}

// The best of a record board: its first row that holds a player.
void FetchBest(OnlineAccount& account, int variant, int gid, const WordTable& hint,
               const QObject* receiver, std::function<void(const BoardFigure&)> shown) {
    online::BoardRecordsRequest request;
    request.gid = gid;
    account.Services().Send(
        request, receiver,
        [variant, gid, &hint, shown = std::move(shown)](const ServiceAnswer& answer) {
            const auto rows =
                answer.done ? online::ReadRecordsAnswer(answer.text, gid) : std::nullopt;
            if (!rows)
                return shown(Unfetched(variant));
            for (const online::RecordRow& row : *rows)
                if (row.Nick != "#")
                    return shown({std::to_string(row.Score), Words(hint) + FromBytes(row.Nick)});
            shown({"0", Words(hint) + Words(words::No)});
        });
}

} // namespace

void FetchBoardFigure(OnlineAccount& account, int variant, const QObject* receiver,
                      std::function<void(const BoardFigure&)> shown) {
    switch (variant) {
    case 1:
    case 2:
        return FetchStatistics(account, variant, receiver, std::move(shown));
    case 3:
        return FetchBest(account, variant, online::OwnBoardId, words::BestWindowsPlayer, receiver,
                         std::move(shown));
    case 4:
        return FetchBest(account, variant, online::OtherPlatformBoardId, words::BestAndroidPlayer,
                         receiver, std::move(shown));
    case 5:
        return FetchBest(account, variant, online::AccountBoardId, words::BestAccountPlayer,
                         receiver, std::move(shown));
    case 6:
        if (!account.LoggedIn())
            return shown(Unfetched(variant));
        return account.ReadPoints([&account, variant, shown = std::move(shown)](bool done) {
            if (!done)
                return shown(Unfetched(variant));
            shown({std::to_string(account.Record().R04), Words(words::Qels)});
        });
    default:
        return account.ReadClubSize([&account, shown = std::move(shown)](bool done) {
            if (!done || !account.ClubSize())
                return shown(Unfetched(7));
            shown({std::to_string(*account.ClubSize()),
                   Words(words::ClubMembers) + QString::number(*account.ClubSize())});
        });
    }
}

} // namespace tavlira
