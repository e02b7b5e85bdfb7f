#include "ui/dialogs/online/ChatDialog.h"

#include "i18n/words/Online.h"
#include "online/Answer.h"
#include "online/qt/WebServices.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/MessageBox.h"
#include "ui/dialogs/online/AccountRules.h"
#include "ui/dialogs/online/Countries.h"
#include "ui/dialogs/online/OnlineParts.h"

#include <QCheckBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace tavlira {
namespace {

constexpr int RefreshMs = 15000;

QString Words(const WordTable& table) {
    return ScreenText(Text(table));
}

QString CountryText(const std::string& country) {
    if (const std::optional<Region> region = ParseRegion(country))
        return QString::fromUtf8(CountryAt(*region).name);
    return ScreenOf(country);
}

// A text the board carries unharmed: spaces and every other character it
// cannot carry become "_".
std::string Safe(std::string text) {
    ReplaceUnsafe(text);
    return text;
}

} // namespace

std::string ChatTimeStamp(const QDateTime& now, const QString& windowTitle) {
    return Safe(now.toString(QStringLiteral("hh:mm:ss")).toStdString()) + "_" +
           Safe(ShortDate(now.date()).toStdString()) + "_" + Safe(WireText(windowTitle));
}

ChatDialog::ChatDialog(QWidget* parent, WebServices& webServices, Settings& playerSettings,
                       std::filesystem::path family, QString title, std::function<void()> passport)
    : QDialog(parent), services(webServices), settings(playerSettings),
      familyFolder(std::move(family)), windowTitle(std::move(title)),
      askPassport(std::move(passport)), marker(ReadChatMarker(familyFolder)) {
    setWindowTitle(Words(words::QelGamesChat));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DialogHeading(Words(words::QelGamesChat), this));
    board = new QLabel(this);
    board->setTextFormat(Qt::PlainText);
    board->setWordWrap(true);
    board->setMinimumSize(560, 320);
    board->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(board);

    message = new QLineEdit(this);
    message->setMaxLength(MessageLength);
    send = DialogButton(Text(words::Send), this);
    auto* row = new QHBoxLayout;
    row->addWidget(message);
    row->addWidget(send);
    layout->addLayout(row);

    atBottom = new QCheckBox(Words(words::LastMessageAtBottom), this);
    openOnNew = new QCheckBox(Words(words::OpenOnNewMessage), this);
    atBottom->setChecked(marker.newestAtBottom);
    openOnNew->setChecked(marker.openOnNewMessage);
    layout->addWidget(atBottom);
    layout->addWidget(openOnNew);

    auto* personal = DialogButton(Text(words::Passport), this);
    auto* close = DialogButton(Text(words::Close), this);
    layout->addLayout(ButtonRow({personal, close}));

    connect(send, &QPushButton::clicked, this, &ChatDialog::Send);
    connect(message, &QLineEdit::returnPressed, this, &ChatDialog::Send);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    EscapePresses(*this, *close);
    connect(atBottom, &QCheckBox::toggled, this, [this] {
        SaveMarker();
        Refresh();
    });
    connect(openOnNew, &QCheckBox::toggled, this, &ChatDialog::SaveMarker);
    connect(personal, &QPushButton::clicked, this, [this] {
        if (askPassport)
            askPassport();
        message->setEnabled(PassportValid());
    });
    connect(&timer, &QTimer::timeout, this, [this] {
        message->setEnabled(PassportValid());
        Refresh();
    });
    timer.start(RefreshMs);
    message->setEnabled(PassportValid());
    ShowBusyWhile(*this, services.Client());
    Refresh();
}

bool ChatDialog::PassportValid() const {
    return PassportNickValid(settings.WorldNick) && PassportCityValid(settings.WorldCity);
}

QString ChatDialog::BoardText() const {
    return board->text();
}

void ChatDialog::SaveMarker() {
    marker.newestAtBottom = atBottom->isChecked();
    marker.openOnNewMessage = openOnNew->isChecked();
    WriteChatMarker(familyFolder, marker);
}

void ChatDialog::Refresh() {
    online::BoardRecordsRequest request;
    request.gid = online::ChatBoardId;
    services.Send(request, this, [this](const ServiceAnswer& answer) {
        Show(answer.done ? online::ReadRecordsAnswer(answer.text, online::ChatBoardId)
                         : std::nullopt);
    });
}

void ChatDialog::Show(const std::optional<std::vector<online::RecordRow>>& rows) {
    if (!rows) {
        board->setText(Words(words::NoConnect));
        return;
    }
    std::vector<online::RecordRow> shown;
    for (const online::RecordRow& row : *rows)
        if (row.Nick != "#")
            shown.push_back(row);
    if (atBottom->isChecked())
        std::reverse(shown.begin(), shown.end());
    QStringList lines;
    long long newest = 0;
    for (const online::RecordRow& row : shown) {
        newest = std::max<long long>(newest, row.Score);
        const QString fresh =
            row.Score > marker.newestSeen ? "[" + Words(words::NewMessage) + "] " : QString();
        lines << fresh + QString::number(row.Score) + ". " + CountryText(row.Country) + " " +
                     ScreenText(
                         Text(!row.R07.empty() && row.R07[0] == 'W' ? words::Woman : words::Man)) +
                     " " + ScreenOf(row.Nick) + " " + ScreenOf(row.City) + " : " +
                     ScreenOf(row.R09).replace('_', ' ');
        lines << "    " + ScreenOf(row.R10).replace('_', ' ');
    }
    board->setText(lines.join('\n'));
    if (newest > marker.newestSeen) {
        marker.newestSeen = newest;
        WriteChatMarker(familyFolder, marker);
    }
}

// The newest number is read first; the message goes out with the next one.
void ChatDialog::Send() {
    const std::string text = Safe(WireText(message->text()));
    if (message->text().isEmpty() || !PassportValid())
        return;
    send->setEnabled(false);
    online::BoardRecordsRequest read;
    read.gid = online::ChatBoardId;
    services.Send(read, this, [this, text](const ServiceAnswer& answer) {
        const auto rows = answer.done ? online::ReadRecordsAnswer(answer.text, online::ChatBoardId)
                                      : std::nullopt;
        const auto failed = [this] {
            send->setEnabled(true);
            if (noticesShown)
                ErrorBox(this, Words(words::UnableToSendMessage));
        };
        if (!rows)
            return failed();
        long long newest = 0;
        for (const online::RecordRow& row : *rows)
            newest = std::max<long long>(newest, row.Score);
        online::SendRecordRequest post;
        post.gid = online::ChatBoardId;
        post.score = static_cast<int>(newest + 1);
        post.nick = settings.WorldNick;
        post.city = settings.WorldCity;
        post.country = settings.WorldRegion;
        post.R7 = std::string(1, settings.WorldSex);
        post.R9 = text;
        post.R10 = ChatTimeStamp(QDateTime::currentDateTime(), windowTitle);
        services.Send(post, this, [this, failed, sent = newest + 1](const ServiceAnswer& reply) {
            if (!reply.done || online::ReadNumberAnswer(reply.text) < 0)
                return failed();
            send->setEnabled(true);
            message->clear();
            message->setEnabled(false);
            marker.newestSeen = sent;
            WriteChatMarker(familyFolder, marker);
            Refresh();
        });
    });
}

} // namespace tavlira
