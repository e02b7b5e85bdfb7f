#include "ui/dialogs/WaitDialog.h"

#include "i18n/words/Login.h"
#include "i18n/words/Network.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogParts.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tavlira {

WaitDialog::WaitDialog(QWidget* parent, Side side)
    : QDialog(parent), side_(side), noGameFound_(side == Side::Client) {
    setModal(true);
    setWindowTitle(QStringLiteral("Tavlira-Duo"));
    auto* layout = new QVBoxLayout(this);
    line_ = new QLabel(
        ScreenText(Text(side == Side::Host ? words::WaitingForPlayers : words::WaitingForGame)),
        this);
    line_->setAlignment(Qt::AlignCenter);
    layout->addWidget(line_);

    ok_ = new SkinnedButton(ScreenText(Text(words::Ok)), this);
    cancel_ = new SkinnedButton(ScreenText(Text(words::Cancel)), this);
    for (SkinnedButton* button : {ok_, cancel_})
        SkinDialogButton(*button);
    ok_->setEnabled(false);
    cancel_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    layout->addSpacing(8);
    layout->addLayout(ButtonRow({ok_, cancel_}));
    setMinimumWidth(360);

    tick_.setInterval(1000);
    connect(&tick_, &QTimer::timeout, this, [this] {
        if (noGameFound_)
            line_->setText(ScreenText(Text(words::NoGamesAvailable)));
    });
    tick_.start();
}

void WaitDialog::PeerJoined() {
    tick_.stop();
    noGameFound_ = false;
    if (side_ == Side::Client) {
        accept();
        return;
    }
    line_->setText(ScreenText(Text(words::SecondPlayerConnected)));
    ok_->setEnabled(true);
    cancel_->setEnabled(false);
    ok_->setDefault(true);
    ok_->setFocus();
}

} // namespace tavlira
