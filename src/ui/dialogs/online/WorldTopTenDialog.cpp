#include "ui/dialogs/online/WorldTopTenDialog.h"

#include "i18n/words/Login.h"
#include "i18n/words/Online.h"
#include "online/Answer.h"
#include "online/Tournament.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/online/Countries.h"
#include "ui/dialogs/online/OnlineAccount.h"
#include "ui/dialogs/online/OnlineParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tavlira {
namespace {

constexpr int RefreshMs = 10000;

const EnglishOnlyHeading& BoardTitle(int board) {
    return *words::BoardHeadings[static_cast<std::size_t>(board - 1)];
}

QString CountryText(const std::string& country) {
    if (const std::optional<Region> region = ParseRegion(country))
        return QString::fromUtf8(CountryAt(*region).name);
    return ScreenOf(country);
}

QString SexText(std::string_view sex) {
    return ScreenText(Text(!sex.empty() && sex[0] == 'W' ? words::Woman : words::Man));
}

QStringList RecordLine(const online::RecordRow& row) {
    return {QString::number(row.Place) + '.', ScreenOf(row.Nick), ScreenOf(row.City),
            CountryText(row.Country),         SexText(row.R07),   QString::number(row.Score)};
}

// Rows whose nick is "#" are empty places and not drawn.
std::vector<QStringList> RecordLines(const std::vector<online::RecordRow>& rows) {
    std::vector<QStringList> lines;
    for (const online::RecordRow& row : rows)
        if (row.Nick != "#")
            lines.push_back(RecordLine(row));
    return lines;
}

QString Lines(const std::vector<QStringList>& lines) {
    QStringList text;
    for (const QStringList& line : lines)
        text << QStringLiteral("%1 %2 %3 %4 %5 %6")
                    .arg(line.value(0), 4)
                    .arg(line.value(1), -12)
                    .arg(line.value(2), -15)
                    .arg(line.value(3), -16)
                    .arg(line.value(4), -7)
                    .arg(line.value(5), 8);
    return text.join('\n');
}

} // namespace

QString RecordRowsText(const std::vector<online::RecordRow>& rows) {
    return Lines(RecordLines(rows));
}

int BoardGameId(int board) {
    switch (board) {
    case 2:
        return online::AccountBoardId;
    case 4:
        return online::OtherPlatformBoardId;
    default:
        return online::OwnBoardId;
    }
}

WorldTopTenDialog::WorldTopTenDialog(QWidget* parent, OnlineAccount& onlineAccount,
                                     RecordStore& recordStore, Settings& playerSettings,
                                     int shownBoard)
    : QDialog(parent), account(onlineAccount), records(recordStore), settings(playerSettings),
      board(std::clamp(shownBoard, 1, Boards)) {
    setWindowTitle(ScreenText(Text(words::WorldTopTenTitle)));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    QList<QWidget*> row;
    for (int number = 1; number <= Boards; ++number) {
        auto* button = new SkinnedButton(QString::number(number), this);
        SkinDialogButton(*button);
        button->setToolTip(QString::fromUtf8(Text(BoardTitle(number)).data()));
        connect(button, &QPushButton::clicked, this, [this, number] { ShowBoard(number); });
        buttons[static_cast<std::size_t>(number - 1)] = button;
        row << button;
    }
    layout->addLayout(ButtonRow(row));
    title = DialogHeading(QString(), this);
    layout->addWidget(title);
    const QFont fixed(QStringLiteral("DejaVu Sans Mono"));
    rows = new QLabel(this);
    rows->setFont(fixed);
    rows->setTextFormat(Qt::PlainText);
    rows->setMinimumSize(560, 200);
    rows->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(rows);
    own = new QLabel(this);
    own->setFont(fixed);
    own->setTextFormat(Qt::PlainText);
    layout->addWidget(own);
    auto* ok = DialogButton(Text(words::Ok), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    EscapePresses(*this, *ok);
    layout->addLayout(ButtonRow({ok}));

    ShowBusyWhile(*this, account.Services().Client());
    refresh.setInterval(RefreshMs);
    connect(&refresh, &QTimer::timeout, this, &WorldTopTenDialog::Read);
    refresh.start();
    ShowBoard(board);
}

QString WorldTopTenDialog::Title() const {
    return title->text();
}
QString WorldTopTenDialog::RowsText() const {
    return rows->text();
}
QString WorldTopTenDialog::OwnText() const {
    return own->text();
}

void WorldTopTenDialog::ShowBoard(int number) {
    board = std::clamp(number, 1, Boards);
    title->setText(QString::fromUtf8(Text(BoardTitle(board)).data()));
    rows->clear();
    own->clear();
    countLine.clear();
    ownLines.clear();
    Read();
}

void WorldTopTenDialog::ShowRows(const std::optional<std::vector<QStringList>>& lines) {
    rows->setText(lines ? Lines(*lines) : ScreenText(Text(words::NoConnect)));
}

void WorldTopTenDialog::Read() {
    const int asked = ++generation;
    const auto current = [this, asked] { return asked == generation; };
    WebServices& services = account.Services();
    switch (board) {
    case 1:
        return services.Send(
            online::AccountTopTenRequest{}, this, [this, current](const ServiceAnswer& answer) {
                if (!current())
                    return;
                const auto read =
                    answer.done ? online::ReadTopTenAnswer(answer.text) : std::nullopt;
                if (!read)
                    return ShowRows(std::nullopt);
                std::vector<QStringList> lines;
                int place = 0;
                for (const online::TopTenRow& row : *read) {
                    ++place;
                    if (row.Nick != "#")
                        lines.push_back({QString::number(place) + '.', ScreenOf(row.Nick),
                                         ScreenOf(row.City), CountryText(row.Country),
                                         SexText(std::string(1, row.Sex)),
                                         QString::number(row.Rating, 'f', 3)});
                }
                ShowRows(lines);
            });
    case 2:
    case 3:
    case 4: {
        const int gid = BoardGameId(board);
        online::BoardRecordsRequest request;
        request.gid = gid;
        services.Send(request, this, [this, current, gid](const ServiceAnswer& answer) {
            if (!current())
                return;
            const auto read =
                answer.done ? online::ReadRecordsAnswer(answer.text, gid) : std::nullopt;
            ShowRows(read ? std::optional(RecordLines(*read)) : std::nullopt);
        });
        const bool accountBoard = board == 2;
        ReadCountAndOwn(gid, accountBoard ? account.Record().Nick : settings.WorldNick,
                        accountBoard ? account.Record().City : settings.WorldCity);
        return;
    }
    case 5: {
        online::TourTopTenRequest request;
        request.ranking = online::Ranking::Score;
        return services.Send(request, this, [this, current](const ServiceAnswer& answer) {
            if (!current())
                return;
            const auto read =
                answer.done ? online::ReadTourTopTenAnswer(answer.text) : std::nullopt;
            rows->setText(read ? RecordRowsText(*read) : ScreenText(Text(words::NoConnect)));
        });
    }
    default:
        break;
    }
    // The local clubs: the top ten lines of the record file.
    const std::optional<RecordFile> file =
        records.ReadRecords(board == 7 ? RecordFileKind::Net : RecordFileKind::Club);
    if (!file)
        return ShowRows(std::nullopt);
    std::vector<QStringList> lines;
    for (int place = 1; place <= TopTenPlaces; ++place) {
        const std::string& line = file->TopTen(place);
        const QString name = FromBytes(line.substr(0, NameLength)).trimmed();
        if (name.isEmpty() || name.startsWith('#'))
            continue;
        lines.push_back({QString::number(place) + '.',
                         name,
                         {},
                         {},
                         {},
                         FromBytes(line.substr(NameLength, 6)).trimmed()});
    }
    ShowRows(lines);
}

void WorldTopTenDialog::ReadCountAndOwn(int gid, const std::string& nick, const std::string& city) {
    const int asked = generation;
    online::BoardCountRequest count;
    count.gid = gid;
    account.Services().Send(count, this, [this, asked](const ServiceAnswer& answer) {
        if (asked != generation)
            return;
        const std::int64_t number = answer.done ? online::ReadNumberAnswer(answer.text) : -1;
        countLine = number >= 0
                        ? ScreenText(Text(words::NumberOfGames)) + ": " + QString::number(number)
                        : ScreenText(Text(words::NoConnect));
        ShowOwn();
    });
    online::OwnRecordsRequest mine;
    mine.gid = gid;
    mine.nick = nick;
    mine.city = city;
    account.Services().Send(mine, this, [this, asked, gid](const ServiceAnswer& answer) {
        if (asked != generation)
            return;
        const auto read = answer.done ? online::ReadRecordsAnswer(answer.text, gid) : std::nullopt;
        ownLines = read ? Lines(RecordLines(*read)) : ScreenText(Text(words::NoConnect));
        ShowOwn();
    });
}

void WorldTopTenDialog::ShowOwn() {
    own->setText(countLine + '\n' + ownLines);
}

} // namespace tavlira
