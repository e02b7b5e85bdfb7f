#include "ui/dialogs/LoginDialog.h"

#include "i18n/words/Login.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/Cp1251Validator.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/MessageBox.h"
#include "util/Cp1251.h"

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
    auto* layout = new QVBoxLayout(this);
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

void LoginDialog::TryOk() {
    const LoginError error =
        check(Bytes(name), Bytes(password), passwordAgain ? Bytes(passwordAgain) : std::string());
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

} // namespace tavlira
