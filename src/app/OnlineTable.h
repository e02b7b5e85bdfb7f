#pragma once
// The window's side of a tournament table game: the connection to the table
// server (`tableSocket`), the seat's copy of the game that checks every
// frame both ways (TableSeatGame), the move clock, the chat, the players'
// pictures, and the end of the game with its record.
//
// The tournament's lobby takes a seat on the web server and then calls
// ConnectSeat; the deal opens the table (`dealt`), every move of the person
// goes out as a frame and every frame of the opponent reaches the match
// through the session, one step at a time while the queue is idle. The end
// confirmed with the second button reads the player's tournament record
// again, records the match and returns to the lobby (`backToLobby`).
//
// `TableLink` follows the seat: Idle (no seat), Connecting (the seat is
// taken, the socket connects), Connected (the seat is named, the deal is
// awaited; a game may be running) and Over (the game ended or the
// connection closed).

#include "app/ChatPanel.h"
#include "app/Session.h"
#include "net/TableSeatGame.h"
#include "online/Tournament.h"
#include "ui/dialogs/tournament/TournamentSeatHost.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>

class QTcpSocket;

namespace tavlira {

class DialogPresenter;
class OnlineAccount;
class TableView;
class WebServices;

class OnlineTable : public ChatChannel, public TournamentSeatHost {
    Q_OBJECT

  public:
    enum class TableLink : std::uint8_t { Idle = 0, Connecting = 1, Connected = 2, Over = 10 };

    OnlineTable(Session& session, WebServices& services, const OnlineAccount& account,
                TableView& table, DialogPresenter& dialogs);
    ~OnlineTable() override;

    // Connects to the table server at `host`:`port` (the table's own port)
    // for seat 1 or 2 of `table` (1..10), whose seat the lobby has taken.
    void ConnectSeat(const QString& host, quint16 port, int table, int seat) override;
    // The player leaves the seat: "disA" goes out and the connection closes.
    void LeaveSeat() override;
    // Whether the connection failed since the last call (then closed).
    bool TakeSocketError() override { return std::exchange(socketError_, false); }

    TableLink Link() const { return link_; }
    // A table game is on the table, from its deal until the window leaves it.
    bool Running() const { return running_; }
    // The seat's copy of the game, while seated.
    const net::TableSeatGame* SeatGame() const { return seat_.get(); }

    // ChatChannel
    const ChatLines& Chat() const override { return chat_; }
    void SendChat(const std::string& text) override;
    std::size_t ChatMax() const override { return net::TableChatMax; }

    // The seconds each move may take; only tests change it.
    void SetClockSeconds(int seconds) { clockSeconds_ = seconds; }
    // What the move clock shows, the side it runs for, and whether it runs.
    int SecondsLeft() const { return secondsLeft_; }
    bool ClockRunning() const { return moveClock_.isActive(); }

  signals:
    // The table server dealt; the first deal since the seat connected
    // closes the lobby.
    void dealt(bool firstSinceConnect);
    // The table game has been recorded; the lobby opens again.
    void backToLobby();

  private:
    void Pump();
    void Handle(const net::SeatEvent& event);
    void Deal();
    void GameClosed(net::GameClosed::Why why);
    void ConnectionDropped();
    void WatchOutbox(const MatchOutbox& events);
    void ConfirmEnd();
    void ResultRead(const std::optional<online::TourRating>& rating);
    void HandOverResult();
    void LeaveTable();

    void Write(const std::string& bytes);
    void CloseSocket();
    void EndChat();

    void RestartClock();
    void StopClock();
    void ClockTick();
    void OwnTimeOut();

    void ReadStartRecord();
    void FetchPlayers();
    void FetchPicture(Seat seat, const online::TableClient& client);
    std::string OwnNick() const;
    ChatColour SeatColour(net::TableSeat seat) const;
    void Tell(const QString& line1, const QString& line2);

    Session& session_;
    WebServices& services_;
    const OnlineAccount& account_;
    TableView& table_;
    DialogPresenter& dialogs_;

    QPointer<QTcpSocket> tableSocket_;
    std::unique_ptr<net::TableSeatGame> seat_;
    int tableNumber_ = 0;
    TableLink link_ = TableLink::Idle;
    bool running_ = false;
    int gamesSinceConnect_ = 0;
    bool socketError_ = false;
    bool dropPending_ = false; // the connection closed; the match learns it once idle
    bool pumping_ = false;
    std::string opponentNick_;
    std::optional<TablePlayer> startRecord_; // the tournament record before the game
    ChatLines chat_;

    // The end of a game: the record read, handed to the match once it is idle.
    bool awaitingRecord_ = false;
    std::optional<std::optional<TablePlayer>> recordDue_;
    bool backDue_ = false;

    QTimer moveClock_;
    int clockSeconds_ = net::MoveClockSeconds;
    int secondsLeft_ = 0;
    int overdueSeconds_ = 0; // the opponent's clock has stood at 0 so long
    Seat clockSide_ = LocalSeat;
};

} // namespace tavlira
