#include "ui/dialogs/tournament/TournamentDialogs.h"

#include "i18n/words/Menu.h"
#include "ui/common/ToScreen.h"
#include "ui/dialogs/DialogPresenter.h"
#include "ui/dialogs/online/OnlineAccount.h"
#include "ui/dialogs/online/OnlineDialogs.h"
#include "ui/dialogs/tournament/TournamentDialog.h"
#include "ui/dialogs/tournament/TournamentTopTenDialog.h"

namespace tavlira {

namespace {
constexpr int TournamentBoard = 5;
}

TournamentDialogs::TournamentDialogs(QWidget* parentWindow, DialogPresenter& windowPresenter,
                                     OnlineAccount& onlineAccount, OnlineDialogs& online,
                                     TournamentSeatHost& host, std::function<bool()> artwork)
    : window(parentWindow), presenter(windowPresenter), account(onlineAccount),
      onlineDialogs(online), artworkPresent(std::move(artwork)), lobby(onlineAccount, host) {}

void TournamentDialogs::Open() {
    if (!account.LoggedIn())
        return presenter.Notice(ScreenText(Text(words::LogInToYourAccount)), {}, {});
    if (dialog)
        return; // already open
    TournamentDialog shown(window, lobby, [this] { TopTen(); });
    dialog = &shown;
    presenter.Prepare(shown);
    shown.exec();
    dialog = nullptr;
}

void TournamentDialogs::TopTen() {
    if (artworkPresent && artworkPresent())
        return onlineDialogs.WorldTopTen(TournamentBoard);
    QWidget* over = dialog ? static_cast<QWidget*>(dialog) : window;
    TournamentTopTenDialog top(over, account.Services(), account.Record().Nick);
    presenter.Prepare(top);
    top.exec();
}

} // namespace tavlira
