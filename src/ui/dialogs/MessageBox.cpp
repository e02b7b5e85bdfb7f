#include "ui/dialogs/MessageBox.h"

#include "i18n/words/Login.h"
#include "i18n/words/Menu.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace tavlira {

MessageBox::MessageBox(QWidget* parent, Kind boxKind, const QString& text)
    : QDialog(parent), message(text), kind(boxKind) {
    setWindowTitle(ScreenText(Text(words::GameTitle)));
    setModal(true);
    auto* icon = new QLabel(this);
    const QStyle::StandardPixmap iconKind = kind == Kind::Error ? QStyle::SP_MessageBoxCritical
                                            : kind == Kind::Question
                                                ? QStyle::SP_MessageBoxQuestion
                                                : QStyle::SP_MessageBoxInformation;
    icon->setPixmap(style()->standardIcon(iconKind).pixmap(32, 32));
    auto* label = new QLabel(text, this);
    label->setWordWrap(true);
    label->setMinimumWidth(260);

    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(label, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const auto addButton = [&](const WordTable& caption, int result) {
        auto* button = new SkinnedButton(ScreenText(Text(caption)), this);
        SkinDialogButton(*button);
        connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
        buttons->addWidget(button);
        return button;
    };
    if (kind == Kind::Question) {
        addButton(words::Yes, QDialog::Accepted);
        SkinnedButton* no = addButton(words::No, QDialog::Rejected);
        // Enter presses the button with the focus, so "No" takes both.
        no->setDefault(true);
        no->setFocus();
    } else {
        SkinnedButton* ok = addButton(words::Ok, QDialog::Accepted);
        ok->setDefault(true);
        EscapePresses(*this, *ok);
    }
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
}

QList<SkinnedButton*> MessageBox::Buttons() const {
    return findChildren<SkinnedButton*>();
}

void ErrorBox(QWidget* parent, const QString& text) {
    MessageBox(parent, MessageBox::Kind::Error, text).exec();
}

void InformationBox(QWidget* parent, const QString& text) {
    MessageBox(parent, MessageBox::Kind::Information, text).exec();
}

bool QuestionBox(QWidget* parent, const QString& text) {
    return MessageBox(parent, MessageBox::Kind::Question, text).exec() == QDialog::Accepted;
}

} // namespace tavlira
