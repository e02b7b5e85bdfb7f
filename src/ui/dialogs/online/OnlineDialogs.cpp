#include "ui/dialogs/online/OnlineDialogs.h"

#include "i18n/words/Online.h"
#include "ui/common/ToScreen.h"
#include "ui/dialogs/DialogPresenter.h"
#include "ui/dialogs/online/AccountDialog.h"
#include "ui/dialogs/online/AccountRules.h"
#include "ui/dialogs/online/ChatDialog.h"
#include "ui/dialogs/online/OnlineAccount.h"
#include "ui/dialogs/online/PassportDialog.h"
#include "ui/dialogs/online/ResultDialog.h"
#include "ui/dialogs/online/WorldStatsDialog.h"
#include "ui/dialogs/online/WorldTopTenDialog.h"

namespace tavlira {

OnlineDialogs::OnlineDialogs(QWidget* parentWindow, DialogPresenter& windowPresenter,
                             OnlineAccount& onlineAccount, Settings& playerSettings,
                             RecordStore& recordStore)
    : window(parentWindow), presenter(windowPresenter), account(onlineAccount),
      settings(playerSettings), records(recordStore) {}

void OnlineDialogs::Account() {
    AccountDialog dialog(window, account, settings);
    presenter.Prepare(dialog);
    dialog.exec();
}

bool OnlineDialogs::Passport() {
    PassportDialog dialog(window, settings);
    presenter.Prepare(dialog);
    dialog.exec();
    return PassportNickValid(settings.WorldNick) && PassportCityValid(settings.WorldCity);
}

void OnlineDialogs::WorldTopTen(int board) {
    if (account.Services().WorldTopTenPaused())
        return presenter.Notice(ScreenText(Text(words::WorldTopTenUnavailable)), {}, {});
    WorldTopTenDialog dialog(window, account, records, settings,
                             board == 0 ? lastRecordBoard : board);
    presenter.Prepare(dialog);
    dialog.exec();
    if (dialog.Board() >= 2 && dialog.Board() <= 4)
        lastRecordBoard = dialog.Board();
}

void OnlineDialogs::WorldStats() {
    WorldStatsDialog dialog(window, account.Services(), settings, [this] { return Passport(); });
    presenter.Prepare(dialog);
    dialog.exec();
}

void OnlineDialogs::Chat(const QString& windowTitle) {
    ChatDialog dialog(window, account.Services(), settings, account.FamilyFolder(), windowTitle,
                      [this] { Passport(); });
    presenter.Prepare(dialog);
    chatOpen = true;
    dialog.exec();
    chatOpen = false;
}

void OnlineDialogs::Result(int score) {
    ResultDialog dialog(window, account.Services(), settings, score);
    presenter.Prepare(dialog);
    dialog.exec();
}

} // namespace tavlira
