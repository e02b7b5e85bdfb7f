#include "ui/window/FormPassword.h"

#include "i18n/words/Login.h"
#include "ui/controls/TQelCardsButton.h"
#include "ui/window/Dialogs.h"
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
    return edit;
}

std::string Bytes(const QLineEdit* edit) {
    return Utf8ToCp1251(edit->text().toStdString());
}

} // namespace

FormPassword::FormPassword(QWidget* parent, const QString& memberName, const QString& offeredName,
                           int nameLength, Check nameCheck)
    : QDialog(parent), check(std::move(nameCheck)) {
    setWindowTitle(ScreenText(Text(words::Welcome)));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(ScreenText(Text(words::Welcome)), this);
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.5);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    heading->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading);

    name = new QLineEdit(memberName.isEmpty() ? offeredName : memberName, this);
    name->setMaxLength(nameLength);
    name->setReadOnly(!memberName.isEmpty());
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

    ok = new TQelCardsButton(ScreenText(Text(words::Ok)), this);
    auto* cancel = new TQelCardsButton(ScreenText(Text(words::Cancel)), this);
    for (TQelCardsButton* button : {ok, cancel})
        SkinDialogButton(*button);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &FormPassword::TryOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
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

void FormPassword::TryOk() {
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
