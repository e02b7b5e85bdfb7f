#include "ui/dialogs/online/ResultDialog.h"

#include "i18n/words/Login.h"
#include "i18n/words/Online.h"
#include "i18n/words/Table.h"
#include "online/Answer.h"
#include "online/World.h"
#include "online/qt/WebServices.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/NoticeDialog.h"
#include "ui/dialogs/online/OnlineParts.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tavlira {

ResultDialog::ResultDialog(QWidget* parent, WebServices& webServices,
                           const Settings& playerSettings, int cycleScore)
    : QDialog(parent), services(webServices), settings(playerSettings), score(cycleScore) {
    setWindowTitle(ScreenText(Text(words::WorldTopTenTitle)));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DialogHeading(ScreenText(Text(words::WorldTopTenTitle)), this));
    auto* who =
        new QLabel(ScreenOf(settings.WorldNick) + ", " + ScreenOf(settings.WorldCity), this);
    who->setAlignment(Qt::AlignCenter);
    layout->addWidget(who);
    auto* scoreLine =
        new QLabel(ScreenText(Text(words::YourScore)) + ": " + QString::number(score), this);
    scoreLine->setAlignment(Qt::AlignCenter);
    layout->addWidget(scoreLine);
    placeLine = new QLabel(this);
    placeLine->setAlignment(Qt::AlignCenter);
    layout->addWidget(placeLine);

    send = DialogButton(Text(words::Send), this);
    send->setDefault(true);
    auto* close = DialogButton(Text(words::Close), this);
    connect(send, &QPushButton::clicked, this, &ResultDialog::Send);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    EscapePresses(*this, *close);
    layout->addLayout(ButtonRow({send, close}));
    ShowBusyWhile(*this, services.Client());
    setMinimumWidth(340);
}

QString ResultDialog::PlaceText() const {
    return placeLine->text();
}

void ResultDialog::Send() {
    online::SendRecordRequest request;
    request.gid = online::OwnBoardId;
    request.nick = settings.WorldNick;
    request.city = settings.WorldCity;
    request.country = settings.WorldRegion;
    request.score = score;
    request.R7 = std::string(1, settings.WorldSex);
    send->setEnabled(false);
    services.Send(request, this, [this](const ServiceAnswer& answer) {
        const std::int64_t reached = answer.done ? online::ReadNumberAnswer(answer.text) : -1;
        if (reached < 0) {
            failed = true;
            send->setEnabled(true);
            if (noticesShown)
                NoticeDialog(this, ScreenText(Text(words::UnableToWriteResult)), {}, {}).exec();
            return;
        }
        failed = false;
        place = reached;
        placeLine->setText(ScreenText(Text(words::YourPlace)) + ": " + QString::number(reached));
    });
}

} // namespace tavlira
