#include "ui/dialogs/tournament/TournamentLobby.h"

#include "i18n/words/Network.h"
#include "online/Answer.h"
#include "online/Services.h"
#include "online/World.h"
#include "ui/common/ToScreen.h"
#include "ui/dialogs/online/OnlineAccount.h"
#include "ui/dialogs/online/OnlineParts.h"
#include "ui/dialogs/tournament/TournamentSeatHost.h"

#include <QHostAddress>

namespace tavlira {
namespace {

// The list must name a table server the seats can reach: an IPv4 address,
// and ports up to the tenth table's.
bool TableServerUsable(const online::TableInfo& table1) {
    QHostAddress address;
    return address.setAddress(QString::fromStdString(table1.IP)) &&
           address.protocol() == QAbstractSocket::IPv4Protocol && table1.Port >= 2 &&
           table1.Port - 1 + online::TableCount <= 65535;
}

} // namespace

TournamentLobby::TournamentLobby(OnlineAccount& onlineAccount, TournamentSeatHost& seatHost,
                                 QObject* parent)
    : QObject(parent), account(onlineAccount), host(seatHost) {}

WebServices& TournamentLobby::Services() {
    return account.Services();
}

bool TournamentLobby::PlayerIsOperator() const {
    return own.Nick == OperatorNick;
}

QString TournamentLobby::WelcomeText() const {
    QString text = ScreenOf(status.welcome);
    text.replace('_', ' ');
    return text;
}

QString TournamentLobby::TableServerAddress() const {
    return ScreenOf(tables[0].IP);
}

void TournamentLobby::Open() {
    seat = {};
    const online::Account& record = account.Record();
    own = online::TableClient{};
    own.Nick = record.Nick;
    own.Country = record.Country1;
    own.City = record.City;
    own.Sex = record.Sex;
    own.IP = "X";
    ownPlace.reset();
    ownRead = false;
    emit OwnChanged();
    WebServices& services = account.Services();
    services.Client().GetText(
        services.At(online::PublicIpPath), this, [this](const ServiceAnswer& answer) {
            // Only an address travels in the seat post.
            const std::string ip = online::ReadPublicIp(answer.text);
            if (answer.done && !QHostAddress(QString::fromStdString(ip)).isNull())
                own.IP = ip;
        });
    Refresh();
}

void TournamentLobby::Refresh() {
    ReadOwnResults();
    ReadTables();
}

// The tournament results, then the place by score.
void TournamentLobby::ReadOwnResults() {
    if (ownReading)
        return;
    ownReading = true;
    WebServices& services = account.Services();
    services.Send(online::ReadRatingRequest{own.Nick}, this, [this](const ServiceAnswer& answer) {
        const auto read = answer.done ? online::ReadRatingAnswer(answer.text) : std::nullopt;
        own.Score = read ? read->Score : -1;
        own.Kon = read ? read->Kon : 0;
        own.Rating = read ? read->Rating : 0;
        online::TourPlaceRequest place;
        place.ranking = online::Ranking::Score;
        place.value = own.Score;
        account.Services().Send(place, this, [this](const ServiceAnswer& placed) {
            const std::int64_t number = placed.done ? online::ReadNumberAnswer(placed.text) : -1;
            ownPlace = number >= 0 ? std::optional(number) : std::nullopt;
            ownReading = false;
            ownRead = true;
            emit OwnChanged();
        });
    });
}

// The list, then the server's state; both must be read for the seats to
// be offered.
void TournamentLobby::ReadTables() {
    if (tablesReading) {
        readAgain = true;
        return;
    }
    tablesReading = true;
    readAgain = false;
    account.Services().Send(online::TableListRequest{}, this, [this](const ServiceAnswer& answer) {
        TablesRead(answer.done ? online::ReadTableListAnswer(answer.text) : std::nullopt);
    });
}

void TournamentLobby::TablesRead(std::optional<online::TableList> list) {
    account.Services().Send(online::ServerStatusRequest{}, this,
                            [this, list = std::move(list)](const ServiceAnswer& answer) {
                                const auto read = answer.done
                                                      ? online::ReadServerStatusAnswer(answer.text)
                                                      : std::nullopt;
                                tables = list.value_or(online::TableList{});
                                status = read.value_or(online::ServerStatus{});
                                serverOn = list && read && status.status == 'Y' &&
                                           TableServerUsable(tables[0]);
                                tablesReading = false;
                                if (!serverOn)
                                    ShowServerOff();
                                emit TablesChanged();
                                if (readAgain)
                                    ReadTables();
                            });
}

// A player seated at a table the lobby cannot reach gives the seat up.
void TournamentLobby::ShowServerOff() {
    if (!seat.Seated() || seatChanging)
        return;
    GiveUp(seat, online::VacatedClient().Sex);
    seat = {};
    host.LeaveSeat();
}

void TournamentLobby::ClearSeat() {
    seat = {};
    ++seatsCleared;
    emit TablesChanged();
}

void TournamentLobby::Dealt(bool firstDeal) {
    ClearSeat();
    if (firstDeal)
        emit CloseDialog();
}

void TournamentLobby::PressSeat(int table, int number) {
    if (seatChanging || table < 1 || table > online::TableCount || number < 1 || number > 2)
        return;
    if (seat == SeatPlace{table, number})
        return Leave();
    // One seat at a time, and only at a running server.
    if (seat.Seated() || !serverOn)
        return;
    Take(table, number);
}

void TournamentLobby::Leave() {
    online::SeatRequest request{seat.seat, seat.table, 2, online::VacatedClient()};
    seatChanging = true;
    account.Services().Send(
        request, this, [this, asked = seatsCleared](const ServiceAnswer& answer) {
            const bool good =
                answer.done && online::ReadSeatAnswer(answer.text) == online::SeatAnswer::Good;
            // A deal that came meanwhile started the game: its connection stays.
            if (good && asked == seatsCleared) {
                seat = {};
                host.LeaveSeat();
            }
            SeatChanged(good);
        });
}

// Seat 2 is not taken against a player at the same address: the two seats
// would play against themselves. On the loopback, and for the operator,
// that is allowed.
void TournamentLobby::Take(int table, int number) {
    seatChanging = true;
    if (number == 1)
        return PostTake(table, number);
    online::ReadClientRequest occupant{1, table};
    account.Services().Send(occupant, this, [this, table, number](const ServiceAnswer& answer) {
        const auto first = answer.done ? online::ReadClientAnswer(answer.text) : std::nullopt;
        if (first && first->IP == own.IP && TableServerAddress() != QLatin1String("127.0.0.1") &&
            !PlayerIsOperator()) {
            seatChanging = false;
            emit Notice(ScreenText(Text(words::TableTakenFromYourIp)));
            return;
        }
        PostTake(table, number);
    });
}

void TournamentLobby::PostTake(int table, int number) {
    online::SeatRequest request{number, table, 1, own};
    account.Services().Send(request, this, [this, table, number](const ServiceAnswer& answer) {
        const bool good =
            answer.done && online::ReadSeatAnswer(answer.text) == online::SeatAnswer::Good;
        // The list may have changed while the seat was asked for.
        if (good && serverOn) {
            seat = {table, number};
            const QString address = PlayerIsOperator() && !addressOverride.trimmed().isEmpty()
                                        ? addressOverride.trimmed()
                                        : TableServerAddress();
            host.ConnectSeat(address, static_cast<quint16>(BasePort() + table), table, number);
        } else if (good) {
            GiveUp({table, number}, online::VacatedClient().Sex);
        }
        SeatChanged(good && seat.Seated());
    });
}

void TournamentLobby::SeatChanged(bool success) {
    seatChanging = false;
    if (!success)
        emit Refused();
    emit TablesChanged();
    ReadTables();
}

// The seat is given up on the web side (the answer does not matter: the
// player is gone either way).
void TournamentLobby::GiveUp(SeatPlace place, char sex) {
    online::TableClient vacated = online::VacatedClient();
    vacated.Sex = sex;
    account.Services().Send(online::SeatRequest{place.seat, place.table, 0, vacated}, this,
                            [this](const ServiceAnswer&) { ReadTables(); });
}

// A failed connection to the table server ends the wait at the table: the
// seat is given up, and a player who opened the table gives up seat 2 too,
// since its occupant cannot play there either.
void TournamentLobby::CheckConnection() {
    if (!host.TakeSocketError())
        return;
    emit Notice(ScreenText(Text(words::ServerConnectionError)));
    if (seat.Seated()) {
        GiveUp(seat, 'M');
        if (seat.seat == 1)
            GiveUp({seat.table, 2}, 'M');
        seat = {};
    }
    emit TablesChanged();
    ReadTables();
}

} // namespace tavlira
