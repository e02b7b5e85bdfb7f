#pragma once
// The lobby of the world online tournament: the ten tables and who sits
// where, the server's state and welcome text, the player's own tournament
// record, and the player's seat. It lives as long as the window: the
// tournament dialog shows it and passes the player's clicks on, the table
// game clears the seat at the deal.
//
// Every request runs in the background. A read of the table list that is
// still under way is not started twice (one more read follows it when asked
// for meanwhile), and only one seat operation runs at a time. Answers that
// arrive after the lobby is gone are dropped.

#include "online/Tournament.h"
#include "ui/dialogs/tournament/SeatLook.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tavlira {

class OnlineAccount;
class TournamentSeatHost;
class WebServices;

// The operator's nick: it may send its seat to another table server address
// and may sit at a table that its own address already holds.
inline constexpr std::string_view OperatorNick = "Tablekeeper";

class TournamentLobby : public QObject {
    Q_OBJECT

  public:
    TournamentLobby(OnlineAccount& account, TournamentSeatHost& host, QObject* parent = nullptr);

    WebServices& Services();

    // The dialog opens: the seat is cleared, the player's record is built
    // from the account, and the record's results and the tables are read.
    void Open();
    // "Refresh" and every 10 seconds: the results and the tables again.
    void Refresh();
    void ReadTables();
    void ReadOwnResults();

    // A seat button: leaves the player's own seat, else takes (table, seat).
    void PressSeat(int table, int seat);
    // Once a second: a failed table connection gives the seat up.
    void CheckConnection();
    // The player no longer waits at a table.
    void ClearSeat();
    // The deal of a table game came: the seat is cleared, and the first deal
    // after sitting down closes the dialog.
    void Dealt(bool firstDeal);

    // The operator's address box: a table server address that replaces the
    // one of the list when the operator takes a seat.
    bool PlayerIsOperator() const;
    void SetAddressOverride(const QString& address) { addressOverride = address; }

    SeatPlace Seat() const { return seat; }
    // True while a seat is being taken or left; the dialog stays open then.
    bool SeatChanging() const { return seatChanging; }
    bool TablesReading() const { return tablesReading; }

    const online::TableList& Tables() const { return tables; }
    // Both reads of the list succeeded and the server is on.
    bool ServerOn() const { return serverOn; }
    const online::ServerStatus& Status() const { return status; }
    QString WelcomeText() const;
    // The table server: the address of table 1, and its port less 1.
    QString TableServerAddress() const;
    int BasePort() const { return tables[0].Port - 1; }

    // The player's record; its score is -1 when the results could not be
    // read.
    const online::TableClient& Own() const { return own; }
    // The place by score; nothing when it could not be read.
    const std::optional<std::int64_t>& OwnPlace() const { return ownPlace; }
    bool OwnResultsRead() const { return ownRead; }

  signals:
    void TablesChanged();
    void OwnChanged();
    // An "Attention" notice for the player.
    void Notice(const QString& text);
    // Something was refused: the failure sound.
    void Refused();
    // The game begins: the dialog closes.
    void CloseDialog();

  private:
    void TablesRead(std::optional<online::TableList> list);
    void ShowServerOff();
    void Leave();
    void Take(int table, int number);
    void PostTake(int table, int number);
    void GiveUp(SeatPlace place, char sex);
    void SeatChanged(bool success);

    OnlineAccount& account;
    TournamentSeatHost& host;
    SeatPlace seat;
    bool seatChanging = false;
    // Counts ClearSeat calls: an answer to an older seat operation is late.
    int seatsCleared = 0;
    bool tablesReading = false;
    bool readAgain = false;
    bool ownReading = false;
    bool ownRead = false;
    online::TableList tables{};
    online::ServerStatus status;
    bool serverOn = false;
    online::TableClient own;
    std::optional<std::int64_t> ownPlace;
    QString addressOverride;
};

} // namespace tavlira
