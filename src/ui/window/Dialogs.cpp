#include "ui/window/Dialogs.h"

#include "i18n/words/Login.h"
#include "i18n/words/Menu.h"
#include "ui/controls/TQelCardsButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace tavlira {

QString ScreenText(std::string_view text) {
    QString screen = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    screen.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    return screen;
}

void SkinButton(TQelCardsButton& button, TColorSB skin, const QColor& caption) {
    button.SetColorSB(skin);
    QPalette palette = button.palette();
    palette.setColor(QPalette::ButtonText, caption);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, caption);
    button.setPalette(palette);
    button.SetLightFont(true);
    button.SetColorMouse(QColor(255, 255, 0));
}

void SkinDialogButton(TQelCardsButton& button) {
    SkinButton(button, TColorSB::QRed, Qt::white);
    QFont font = button.font();
    font.setBold(true);
    button.setFont(font);
    button.setMinimumWidth(90);
}

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
        auto* button = new TQelCardsButton(ScreenText(Text(caption)), this);
        SkinDialogButton(*button);
        connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
        buttons->addWidget(button);
        return button;
    };
    if (kind == Kind::Question) {
        addButton(words::Yes, QDialog::Accepted)->setDefault(true);
        addButton(words::No, QDialog::Rejected);
    } else {
        addButton(words::Ok, QDialog::Accepted)->setDefault(true);
    }
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
}

QList<TQelCardsButton*> MessageBox::Buttons() const {
    return findChildren<TQelCardsButton*>();
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
