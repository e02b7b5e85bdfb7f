#include "ui/dialogs/DialogParts.h"

#include "i18n/words/Login.h"
#include "i18n/words/Menu.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QShortcut>

namespace tavlira {

QLabel* DialogHeading(const QString& text, QWidget* parent) {
    auto* heading = new QLabel(text, parent);
    QFont font = heading->font();
    font.setPointSizeF(font.pointSizeF() * 1.5);
    font.setBold(true);
    heading->setFont(font);
    heading->setAlignment(Qt::AlignCenter);
    return heading;
}

QHBoxLayout* ButtonRow(const QList<QWidget*>& buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* button : buttons)
        row->addWidget(button);
    row->addStretch();
    return row;
}

SkinnedButton* OkOnlyButton(QDialog& dialog) {
    auto* ok = new SkinnedButton(ScreenText(Text(words::Ok)), &dialog);
    SkinDialogButton(*ok);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    EscapePresses(dialog, *ok);
    return ok;
}

// A shortcut of the dialog's window goes before the dialog's own handling
// of Escape, which would reject it.
void EscapePresses(QDialog& dialog, QAbstractButton& button) {
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_Escape), &dialog), &QShortcut::activated,
                     &button, &QAbstractButton::click);
}

SkinnedButton* HelpButton(QDialog& dialog, std::function<void()> openHelp) {
    auto* button = new SkinnedButton(QStringLiteral("?"), &dialog);
    SkinDialogButton(*button);
    // A square button: one character needs none of the dialog buttons'
    // usual width.
    button->setMinimumWidth(0);
    button->setFixedWidth(button->sizeHint().height() + 10);
    button->setToolTip(ScreenText(Text(words::Help)));
    QObject::connect(button, &QPushButton::clicked, &dialog, openHelp);
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_F1), &dialog), &QShortcut::activated,
                     &dialog, std::move(openHelp));
    return button;
}

} // namespace tavlira
