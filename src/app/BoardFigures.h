#pragma once
// The figures of the menu's statistics board, fetched from the online
// services when the board turns to a variant: the dynamic IQ and the games
// against the computer from the world statistics, the best scores of the
// three record boards, the account's balance and the club's size. A figure
// that cannot be fetched shows "00" and its hint says so.

#include <QObject>
#include <QString>
#include <functional>
#include <string>

namespace tavlira {

class OnlineAccount;

struct BoardFigure {
    std::string value;
    QString hint;
};

// Fetches the figure of `variant` (1..7); `shown` runs once with it while
// `receiver` exists.
void FetchBoardFigure(OnlineAccount& account, int variant, const QObject* receiver,
                      std::function<void(const BoardFigure&)> shown);

} // namespace tavlira
