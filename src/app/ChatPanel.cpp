#include "app/ChatPanel.h"

#include "app/DuelTable.h"
#include "i18n/words/Table.h"
#include "net/DuelMessages.h"
#include "ui/common/ToScreen.h"
#include "ui/dialogs/Cp1251Validator.h"
#include "util/Cp1251.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace tavlira {
namespace {

QColor ColourOf(ChatColour colour) {
    return colour == ChatColour::Host ? QColor(0x80, 0x00, 0x00) : QColor(0x00, 0x00, 0x80);
}

// A line wider than the panel loses its last character, at most 12 times,
// and shows "..." when it lost any.
QString Fitted(const QString& text, const QFontMetrics& metrics, int width) {
    QString shown = text;
    int cut = 0;
    while (cut < 12 && !shown.isEmpty() && metrics.horizontalAdvance(shown) > width) {
        shown.chop(1);
        ++cut;
    }
    return cut > 0 ? shown + QStringLiteral("...") : shown;
}

} // namespace

ChatPanel::ChatPanel(DuelTable& duel, QWidget* table) : QWidget(table), duel_(duel) {
    setAutoFillBackground(true);
    setFixedSize(230, 150);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(1);
    for (QLabel*& line : lines_) {
        line = new QLabel(this);
        layout->addWidget(line);
    }
    waiting_ = new QLabel(ScreenText(Text(words::WaitingForServer)), this);
    waiting_->hide();
    layout->addWidget(waiting_);
    box_ = new QLineEdit(this);
    box_->setMaxLength(static_cast<int>(net::ChatTextMax));
    AcceptCp1251Only(*box_);
    send_ = new QPushButton(QStringLiteral(">"), this);
    send_->setFixedWidth(28);
    auto* row = new QHBoxLayout;
    row->addWidget(box_);
    row->addWidget(send_);
    layout->addLayout(row);
    connect(box_, &QLineEdit::returnPressed, this, &ChatPanel::Send);
    connect(send_, &QPushButton::clicked, this, &ChatPanel::Send);
    connect(&duel_, &DuelTable::ChatChanged, this, &ChatPanel::ShowLines);
    table->installEventFilter(this);
    send_->installEventFilter(this);
    hide();
    Place();
}

void ChatPanel::ShowAwaitingDeal(bool waiting) {
    waiting_->setVisible(waiting);
    box_->setEnabled(!waiting);
    send_->setEnabled(!waiting);
}

void ChatPanel::Send() {
    const std::string text = Utf8ToCp1251(box_->text().toStdString());
    if (text.empty())
        return;
    duel_.SendChat(text);
    box_->clear();
}

void ChatPanel::ShowLines() {
    const ChatLines& chat = duel_.Chat();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        QLabel* line = lines_[i];
        if (i >= chat.Used()) {
            line->clear();
            continue;
        }
        const ChatEntry& entry = chat.Line(i);
        QPalette palette = line->palette();
        palette.setColor(QPalette::WindowText, ColourOf(entry.colour));
        line->setPalette(palette);
        line->setText(Fitted(FromBytes(entry.text), line->fontMetrics(), line->width()));
    }
}

// The panel keeps to the table's lower left corner.
bool ChatPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize)
        Place();
    if (watched == send_) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            revealKeys_.Reset();
        if (event->type() == QEvent::KeyPress) {
            const QString typed = static_cast<QKeyEvent*>(event)->text();
            for (const QChar key : typed)
                if (key.unicode() < 128 && revealKeys_.Type(static_cast<char>(key.unicode())))
                    emit RevealToggled();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ChatPanel::Place() {
    const auto* table = parentWidget();
    move(8, std::max(0, table->height() - height() - 8));
}

} // namespace tavlira
