#include "ui/dialogs/LoginDialog.h"

#include "duel/DuelEntry.h"
#include "i18n/words/Login.h"
#include "i18n/words/Network.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/Cp1251Validator.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/MessageBox.h"
#include "util/Cp1251.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tavlira {
namespace {

QLineEdit* PasswordEdit(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(static_cast<int>(LoginPasswordLength));
    edit->setStyleSheet(QStringLiteral("lineedit-password-character: 35;")); // '#'
    AcceptCp1251Only(*edit);
    return edit;
}

std::string Bytes(const QLineEdit* edit) {
    return Utf8ToCp1251(edit->text().toStdString());
}

} // namespace

LoginDialog::LoginDialog(QWidget* parent, const QString& memberName, const QString& offeredName,
                         int nameLength, Check nameCheck, std::function<void()> openHelp)
    : QDialog(parent), check(std::move(nameCheck)) {
    setWindowTitle(ScreenText(Text(words::Welcome)));
    setModal(true);
    layout = new QVBoxLayout(this);
    layout->addWidget(DialogHeading(ScreenText(Text(words::Welcome)), this));

    name = new QLineEdit(memberName.isEmpty() ? offeredName : memberName, this);
    name->setMaxLength(nameLength);
    name->setReadOnly(!memberName.isEmpty());
    AcceptCp1251Only(*name);
    layout->addWidget(new QLabel(ScreenText(Text(words::EnterYourName)), this));
    layout->addWidget(name);

    password = PasswordEdit(this);
    layout->addWidget(new QLabel(ScreenText(Text(words::EnterYourPassword)), this));
    layout->addWidget(password);
    if (memberName.isEmpty()) {
        passwordAgain = PasswordEdit(this);
        layout->addWidget(new QLabel(ScreenText(Text(words::RepeatPasswordForCheck)), this));
        layout->addWidget(passwordAgain);
    }

    ok = new SkinnedButton(ScreenText(Text(words::Ok)), this);
    auto* cancel = new SkinnedButton(ScreenText(Text(words::Cancel)), this);
    for (SkinnedButton* button : {ok, cancel})
        SkinDialogButton(*button);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &LoginDialog::TryOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    QHBoxLayout* buttons = ButtonRow({ok, cancel});
    buttons->addWidget(HelpButton(*this, std::move(openHelp)));
    layout->addSpacing(8);
    layout->addLayout(buttons);

    if (memberName.isEmpty()) {
        name->selectAll();
        name->setFocus();
    } else {
        password->setFocus();
    }
    setMinimumWidth(320);
}

LoginError LoginDialog::Checked(const Check& which) const {
    return which(Bytes(name), Bytes(password),
                 passwordAgain ? Bytes(passwordAgain) : std::string());
}

void LoginDialog::TryOk() {
    LoginError error = Checked(check);
    if (error == LoginError::None && duel) {
        if (!ConnectDuel(Bytes(name)))
            return;
        error = Checked(duel->start);
    }
    switch (error) {
    case LoginError::None:
        accept();
        return;
    case LoginError::IncorrectName:
        ErrorBox(this, ScreenText(Text(words::IncorrectName)));
        name->setFocus();
        return;
    case LoginError::PasswordsDoNotCoincide:
        ErrorBox(this, ScreenText(Text(words::PasswordsDoNotMatch)));
        password->setFocus();
        return;
    case LoginError::IncorrectPassword:
        ErrorBox(this, ScreenText(Text(words::IncorrectPassword)));
        password->setFocus();
        return;
    }
}

// --- The duel's connection part

void LoginDialog::AddDuelControls(DuelControls controls) {
    duel = std::move(controls);
    auto* roles = new QGroupBox(ScreenText(Text(words::ServerOrClient)), this);
    auto* roleLayout = new QVBoxLayout(roles);
    hostChoice = new QRadioButton(ScreenText(Text(words::ServerCreatesGame)), roles);
    clientChoice = new QRadioButton(ScreenText(Text(words::ClientJoinsGame)), roles);
    roleLayout->addWidget(hostChoice);
    roleLayout->addWidget(clientChoice);

    addressLabel = new QLabel(ScreenText(Text(words::EnterServerIp)), this);
    address = new QLineEdit(this);
    port = new QLineEdit(duel->lastPort, this);
    auto* games = new QLineEdit(QStringLiteral("2"), this);
    games->setEnabled(false);
    // A character that does not belong puts back the last text of the box.
    connect(address, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!MayBeAddressText(Bytes(address)))
            address->setText(duel->lastAddress);
        else if (clientChoice->isChecked())
            duel->lastAddress = text;
    });
    connect(port, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!MayBePortText(Bytes(port)))
            port->setText(duel->lastPort);
        else
            duel->lastPort = text;
    });
    connect(hostChoice, &QRadioButton::toggled, this, [this](bool host) { ChooseRole(host); });

    addressesButton = new QPushButton(ScreenText(Text(words::GetIpAddresses)), this);
    connect(addressesButton, &QPushButton::clicked, this, &LoginDialog::ShowAddresses);

    auto* part = new QVBoxLayout;
    part->addWidget(roles);
    part->addWidget(addressLabel);
    part->addWidget(address);
    part->addWidget(new QLabel(ScreenText(Text(words::EnterServerPort)), this));
    part->addWidget(port);
    part->addWidget(new QLabel(ScreenText(Text(words::NumberOfGamesLabel)), this));
    part->addWidget(games);
    part->addWidget(addressesButton);
    for (int box = 0; box < 6; ++box) {
        auto* shown = new QLineEdit(this);
        shown->setReadOnly(true);
        shown->hide();
        addressBoxes.append(shown);
        part->addWidget(shown);
    }
    // Above the row of buttons.
    layout->insertLayout(layout->count() - 2, part);
    hostChoice->setChecked(true);
}

void LoginDialog::ChooseRole(bool host) {
    addressLabel->setEnabled(!host);
    address->setEnabled(!host);
    address->setText(host ? QString() : duel->lastAddress);
}

// This machine's interface addresses, then its address on the internet
// (filled in once the web server has told it), then the loopback.
void LoginDialog::ShowAddresses() {
    QStringList shown = duel->localAddresses();
    shown.append(QString());
    shown.append(QStringLiteral("127.0.0.1"));
    shown = shown.mid(std::max<qsizetype>(0, shown.size() - addressBoxes.size()));
    for (qsizetype i = 0; i < shown.size(); ++i) {
        addressBoxes[i]->setText(shown[i]);
        addressBoxes[i]->setToolTip(i + 1 == shown.size() ? ScreenText(Text(words::LoopbackHint))
                                                          : QString());
        addressBoxes[i]->show();
    }
    if (duel->publicAddress && shown.size() >= 2) {
        QLineEdit* internet = addressBoxes[shown.size() - 2];
        duel->publicAddress(internet, [internet](const QString& seen) { internet->setText(seen); });
    }
}

bool LoginDialog::ConnectDuel(const std::string& playerName) {
    const bool host = hostChoice->isChecked();
    if (!host && !IsAddress(Bytes(address))) {
        ErrorBox(this, ScreenText(Text(words::IncorrectIpAddress)));
        address->setFocus();
        return false;
    }
    const auto portNumber = PortOf(Bytes(port));
    if (!portNumber) {
        ErrorBox(this, ScreenText(Text(words::IncorrectPort)));
        port->setFocus();
        return false;
    }
    return duel->connect(host, playerName, host ? QString() : address->text(), *portNumber);
}

} // namespace tavlira
