#include "ui/dialogs/tournament/TournamentDialog.h"

#include "i18n/words/Login.h"
#include "i18n/words/Network.h"
#include "i18n/words/Online.h"
#include "i18n/words/Options.h"
#include "i18n/words/Table.h"
#include "ui/artwork/PictureSource.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/BalloonHint.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/NoticeDialog.h"
#include "ui/dialogs/online/OnlineAccount.h"
#include "ui/dialogs/online/OnlineParts.h"
#include "ui/dialogs/tournament/TournamentLobby.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tavlira {
namespace {

constexpr int RefreshMs = 10000;
constexpr int ConnectionCheckMs = 1000;
constexpr int WelcomePixels = 15;
constexpr int LongWelcomePixels = 11;
// What a server may send is cut to what the dialog has room for.
constexpr int MaxNickShown = 16;
constexpr int MaxWelcomeShown = 200;

QString Words(const WordTable& table) {
    return ScreenText(Text(table));
}

QString SeatText(SeatCaption caption, const online::TableClient& occupant) {
    switch (caption) {
    case SeatCaption::ServerOff:
        return Words(words::ServerOff);
    case SeatCaption::LogOff:
        return Words(words::LogOff);
    case SeatCaption::Occupant:
        return ScreenOf(occupant.Nick).left(MaxNickShown) + " : " + QString::number(occupant.Score);
    case SeatCaption::TakeThePlace:
        return Words(words::TakeThePlace);
    case SeatCaption::Free:
        return Words(words::Free);
    }
    return {};
}

} // namespace

TournamentDialog::TournamentDialog(QWidget* parent, TournamentLobby& tournamentLobby,
                                   std::function<void()> topTen)
    : QDialog(parent), lobby(tournamentLobby), openTopTen(std::move(topTen)),
      balloon(new BalloonHint(this)) {
    const QString title = Words(words::WorldOnlineTournamentTitle);
    setWindowTitle(title);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DialogHeading(title, this));

    auto* top = new QHBoxLayout;
    statusPicture = new QLabel(this);
    statusPicture->setFixedSize(48, 48);
    statusPicture->installEventFilter(this);
    top->addWidget(statusPicture);
    welcome = new QLabel(this);
    welcome->setWordWrap(true);
    welcome->setTextFormat(Qt::PlainText);
    welcome->setAlignment(Qt::AlignCenter);
    top->addWidget(welcome, 1);
    layout->addLayout(top);

    auto* middle = new QHBoxLayout;
    auto* mine = new QGroupBox(Words(words::MyResults), this);
    auto* mineRows = new QGridLayout(mine);
    const WordTable* resultNames[] = {&words::Nick,   &words::YourScore, &words::YourPlace,
                                      &words::Rating, &words::Game,      &words::City};
    for (int row = 0; row < 6; ++row) {
        mineRows->addWidget(new QLabel(Words(*resultNames[row]) + ':', mine), row, 0);
        auto* value = new QLabel(mine);
        value->setTextFormat(Qt::PlainText);
        mineRows->addWidget(value, row, 1);
        results[static_cast<std::size_t>(row)] = value;
    }
    mineRows->setRowStretch(6, 1);
    middle->addWidget(mine);

    auto* tableRows = new QGridLayout;
    const QString rules =
        Words(words::Rules) + ": " + Words(words::FiguresHavePoints) + ": " + Words(words::No);
    for (int table = 1; table <= online::TableCount; ++table) {
        auto* label =
            new QLabel(Words(words::Table) + QStringLiteral(" № ") + QString::number(table), this);
        label->setToolTip(rules);
        tableLabels[static_cast<std::size_t>(table - 1)] = label;
        tableRows->addWidget(label, table - 1, 0);
        for (int seat = 1; seat <= 2; ++seat) {
            auto* button = new SkinnedButton(this);
            SkinDialogButton(*button);
            button->setMinimumWidth(170);
            button->setToolTip(rules);
            connect(button, &QPushButton::clicked, this,
                    [this, table, seat] { lobby.PressSeat(table, seat); });
            seatButtons[static_cast<std::size_t>((table - 1) * 2 + seat - 1)] = button;
            tableRows->addWidget(button, table - 1, seat);
        }
    }
    middle->addLayout(tableRows, 1);
    layout->addLayout(middle);

    addressBox = new QLineEdit(this);
    addressBox->setPlaceholderText(QStringLiteral("127.0.0.1"));
    addressBox->setVisible(lobby.PlayerIsOperator());
    connect(addressBox, &QLineEdit::textChanged, this,
            [this](const QString& text) { lobby.SetAddressOverride(text); });
    layout->addWidget(addressBox);

    refreshButton = DialogButton(Text(words::Refresh), this);
    topTenButton = DialogButton(Text(words::TopTenShort), this);
    closeButton = DialogButton(Text(words::Close), this);
    connect(refreshButton, &QPushButton::clicked, &lobby, &TournamentLobby::Refresh);
    connect(topTenButton, &QPushButton::clicked, this, [this] {
        if (openTopTen)
            openTopTen();
    });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(ButtonRow({refreshButton, topTenButton, closeButton}));

    connect(&lobby, &TournamentLobby::TablesChanged, this, &TournamentDialog::ShowTables);
    connect(&lobby, &TournamentLobby::OwnChanged, this, &TournamentDialog::ShowOwn);
    connect(&lobby, &TournamentLobby::Notice, this, &TournamentDialog::ShowNotice);
    // The game begins: the dialog goes whatever the player was doing in it.
    connect(&lobby, &TournamentLobby::CloseDialog, this, [this] { Finish(Accepted); });
    ShowBusyWhile(*this, lobby.Services().Client());

    refresh.setInterval(RefreshMs);
    connect(&refresh, &QTimer::timeout, &lobby, &TournamentLobby::Refresh);
    connectionCheck.setInterval(ConnectionCheckMs);
    connect(&connectionCheck, &QTimer::timeout, &lobby, &TournamentLobby::CheckConnection);
    lobby.Open();
    addressBox->setVisible(lobby.PlayerIsOperator());
    ShowTables();
    refresh.start();
    connectionCheck.start();
}

QString TournamentDialog::Result(int row) const {
    return results.at(static_cast<std::size_t>(row))->text();
}

void TournamentDialog::ShowTables() {
    const bool on = lobby.ServerOn();
    statusPicture->setPixmap(
        QPixmap::fromImage(PictureSource::BuiltIn().Data(on ? "GTourOn" : "GTourOff")));
    statusPicture->setToolTip(Words(on ? words::ServerOn : words::ServerOff));
    const QString text = lobby.WelcomeText().left(MaxWelcomeShown);
    QFont font = welcome->font();
    font.setPixelSize(text.size() > WelcomeLongText ? LongWelcomePixels : WelcomePixels);
    font.setBold(true);
    welcome->setFont(font);
    welcome->setText(text);
    for (int table = 1; table <= online::TableCount; ++table) {
        const online::TableInfo& info = lobby.Tables()[static_cast<std::size_t>(table - 1)];
        for (int seat = 1; seat <= 2; ++seat) {
            const SeatLook look = LookOfSeat(info, table, seat, on, lobby.Seat());
            SkinnedButton* button = SeatButton(table, seat);
            button->setText(SeatText(look.caption, info.seats[static_cast<std::size_t>(seat - 1)]));
            button->setEnabled(look.enabled && !lobby.SeatChanging());
        }
    }
    closeButton->setEnabled(MayClose());
}

void TournamentDialog::ShowOwn() {
    const online::TableClient& own = lobby.Own();
    const bool read = lobby.OwnResultsRead();
    const std::optional<std::int64_t>& place = lobby.OwnPlace();
    const QString values[] = {ScreenOf(own.Nick),
                              read ? QString::number(own.Score) : QString(),
                              !read   ? QString()
                              : place ? QString::number(*place)
                                      : Words(words::NoConnect),
                              read ? QString::number(own.Rating) : QString(),
                              read ? QString::number(own.Kon) : QString(),
                              ScreenOf(own.City)};
    for (std::size_t row = 0; row < results.size(); ++row)
        results[row]->setText(values[row]);
}

void TournamentDialog::ShowNotice(const QString& text) {
    lastNotice = text;
    if (noticesShown)
        NoticeDialog(this, text, {}, {}).exec();
}

bool TournamentDialog::MayClose() const {
    return !lobby.Seat().Seated() && !lobby.SeatChanging();
}

void TournamentDialog::reject() {
    if (MayClose())
        QDialog::reject();
}

void TournamentDialog::done(int result) {
    if (MayClose())
        Finish(result);
}

void TournamentDialog::Finish(int result) {
    refresh.stop();
    connectionCheck.stop();
    balloon->close();
    QDialog::done(result);
}

// Over the status picture a balloon tells whether the server is on.
bool TournamentDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == statusPicture && event->type() == QEvent::Enter)
        balloon->ShowAt(
            statusPicture->mapToGlobal(QPoint(statusPicture->width() / 2, statusPicture->height())),
            Words(words::Server), Words(lobby.ServerOn() ? words::On : words::Off), 0);
    else if (watched == statusPicture && event->type() == QEvent::Leave)
        balloon->close();
    return QDialog::eventFilter(watched, event);
}

} // namespace tavlira
