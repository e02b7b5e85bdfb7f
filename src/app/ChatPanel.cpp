#include "app/ChatPanel.h"

#include "i18n/words/Table.h"
#include "net/DuelMessages.h"
#include "ui/common/ToScreen.h"
#include "ui/dialogs/Cp1251Validator.h"
#include "ui/table/TableLayout.h"
#include "ui/window/TableDrawing.h"
#include "ui/window/TableView.h"
#include "util/Cp1251.h"

#include <QEvent>
#include <QFontMetrics>
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

ChatPanel::ChatPanel(ChatChannel& channel, TableView& table)
    : QWidget(&table), table_(table), memo_(new QWidget(this)) {
    memo_->setAutoFillBackground(true);
    memo_->setPalette(QPalette(Qt::white));
    auto* layout = new QVBoxLayout(memo_);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(0);
    for (QLabel*& line : lines_) {
        line = new QLabel(memo_);
        layout->addWidget(line);
    }
    // In the opponent's hand area, over the table.
    waiting_ = new QLabel(ScreenText(Text(words::WaitingForServer)), &table);
    waiting_->setAlignment(Qt::AlignCenter);
    waiting_->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    waiting_->hide();
    box_ = new QLineEdit(this);
    AcceptCp1251Only(*box_);
    send_ = new QPushButton(QStringLiteral(">"), this);
    connect(box_, &QLineEdit::returnPressed, this, &ChatPanel::Send);
    connect(send_, &QPushButton::clicked, this, &ChatPanel::Send);
    SetChannel(channel);
    table.installEventFilter(this);
    send_->installEventFilter(this);
    hide();
}

void ChatPanel::SetChannel(ChatChannel& channel) {
    if (channel_ == &channel)
        return;
    if (channel_ != nullptr)
        channel_->disconnect(this);
    channel_ = &channel;
    box_->setMaxLength(static_cast<int>(channel.ChatMax()));
    connect(channel_, &ChatChannel::ChatChanged, this, &ChatPanel::ShowLines);
    connect(channel_, &ChatChannel::Closed, this, [this] {
        box_->setEnabled(false);
        send_->setEnabled(false);
    });
    ShowLines();
}

void ChatPanel::ShowAwaitingDeal(bool waiting) {
    Place();
    waiting_->setVisible(waiting);
    box_->setEnabled(!waiting);
    send_->setEnabled(!waiting);
}

void ChatPanel::Send() {
    const std::string text = Utf8ToCp1251(box_->text().toStdString());
    if (text.empty())
        return;
    channel_->SendChat(text);
    box_->clear();
}

void ChatPanel::ShowLines() {
    const ChatLines& chat = channel_->Chat();
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

void ChatPanel::showEvent(QShowEvent* event) {
    Place();
    QWidget::showEvent(event);
}

// Where the table's layout puts the chat lines, the box and the button.
void ChatPanel::Place() {
    const TableDrawing* drawing = table_.Drawing();
    if (drawing == nullptr)
        return;
    const TableLayout& layout = drawing->Layout();
    const QRect all = layout.chatPanel.united(layout.chatEdit).united(layout.chatSend);
    setGeometry(all);
    memo_->setGeometry(layout.chatPanel.translated(-all.topLeft()));
    box_->setGeometry(layout.chatEdit.translated(-all.topLeft()));
    send_->setGeometry(layout.chatSend.translated(-all.topLeft()));
    waiting_->setGeometry(table_.ElementRect(TableView::Element::opponentHand));
}

} // namespace tavlira
