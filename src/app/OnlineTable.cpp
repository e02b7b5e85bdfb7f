#include "app/OnlineTable.h"

#include "i18n/words/Network.h"
#include "online/qt/WebServices.h"
#include "ui/common/ToScreen.h"
#include "ui/dialogs/DialogPresenter.h"
#include "ui/dialogs/online/OnlineAccount.h"
#include "ui/dialogs/online/OnlineParts.h"
#include "ui/window/TableView.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTcpSocket>
#include <filesystem>
#include <utility>

namespace tavlira {
namespace {

using net::TableSeat;

// The picture of a player who has no photo in the picture store, drawn as a
// plain figure on a ground of the player's sex.
QImage NoPhotoPicture(char sex) {
    QImage image(100, 120, QImage::Format_RGB32);
    image.fill(sex == 'M' ? QColor(170, 200, 235) : QColor(240, 190, 210));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 90, 110));
    painter.drawEllipse(QRect(30, 18, 40, 44));
    painter.drawRoundedRect(QRect(14, 68, 72, 60), 28, 28);
    return image;
}

// A nick as a file name in the "History" folder: nothing that leaves the
// folder or names a hidden file.
bool SafeFileStem(const std::string& nick) {
    return !nick.empty() && nick.size() <= 64 && nick.front() != '.' &&
           nick.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

} // namespace

OnlineTable::OnlineTable(Session& session, WebServices& services, const OnlineAccount& account,
                         TableView& table, DialogPresenter& dialogs)
    : session_(session), services_(services), account_(account), table_(table), dialogs_(dialogs) {
    moveClock_.setInterval(1000);
    connect(&moveClock_, &QTimer::timeout, this, &OnlineTable::ClockTick);
    session_.SetOutboxWatcher(this, [this](const MatchOutbox& events) { WatchOutbox(events); });
    connect(&session_, &Session::InputOpen, this, [this](bool open) {
        if (!open)
            return;
        HandOverResult();
        Pump();
        // The lobby opens once the step that recorded the game is over.
        if (std::exchange(backDue_, false))
            QTimer::singleShot(0, this, &OnlineTable::backToLobby);
    });
}

OnlineTable::~OnlineTable() {
    session_.SetOutboxWatcher(this, {});
    CloseSocket();
}

// --- The seat

void OnlineTable::ConnectSeat(const QString& host, quint16 port, int table, int seat) {
    CloseSocket();
    StopClock();
    seat_ = std::make_unique<net::TableSeatGame>(seat == 2 ? TableSeat::Second : TableSeat::First);
    tableNumber_ = table;
    link_ = TableLink::Connecting;
    gamesSinceConnect_ = 0;
    dropPending_ = false;
    opponentNick_.clear();
    chat_.Clear();
    emit ChatChanged();
    ReadStartRecord();

    auto* socket = new QTcpSocket(this);
    tableSocket_ = socket;
    connect(socket, &QTcpSocket::connected, this, [this, socket] {
        if (socket != tableSocket_ || link_ != TableLink::Connecting)
            return;
        Write(seat_->ConnectFrameBytes());
        link_ = TableLink::Connected;
        gamesSinceConnect_ = 0;
    });
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
        if (socket != tableSocket_ || !seat_)
            return;
        const QByteArray bytes = socket->readAll();
        seat_->Feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        Pump();
    });
    // A server that closes the connection after a game has merely ended it;
    // any other failure is an error the lobby shows.
    connect(socket, &QTcpSocket::errorOccurred, this,
            [this, socket](QAbstractSocket::SocketError error) {
                if (socket != tableSocket_)
                    return;
                if (error != QAbstractSocket::RemoteHostClosedError || gamesSinceConnect_ == 0)
                    socketError_ = true;
                dropPending_ = true;
                Pump();
            });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        if (socket != tableSocket_)
            return;
        dropPending_ = true;
        Pump();
    });
    socket->connectToHost(host, port);
}

void OnlineTable::LeaveSeat() {
    if (seat_ && tableSocket_ && tableSocket_->state() == QAbstractSocket::ConnectedState)
        Write(net::Encode(net::TableFrame{net::LeaveFrame{}, seat_->Self()}));
    CloseSocket();
    StopClock();
    EndChat();
    link_ = TableLink::Idle;
}

void OnlineTable::Write(const std::string& bytes) {
    if (tableSocket_ && tableSocket_->state() == QAbstractSocket::ConnectedState)
        tableSocket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void OnlineTable::CloseSocket() {
    QTcpSocket* socket = tableSocket_;
    tableSocket_ = nullptr;
    dropPending_ = false;
    if (socket == nullptr)
        return;
    // What was written still goes out before the socket closes (a frame
    // such as "TOut" or "disA" is often the last); the socket goes once
    // closed, or after a while if the server never takes the rest.
    socket->disconnect(this);
    connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    socket->disconnectFromHost();
    if (socket->state() == QAbstractSocket::UnconnectedState)
        socket->deleteLater();
    else
        QTimer::singleShot(5000, socket, &QObject::deleteLater);
}

void OnlineTable::EndChat() {
    emit Closed();
}

void OnlineTable::SendChat(const std::string& text) {
    if (!seat_ || !tableSocket_ || text.empty() || text.size() > net::TableChatMax ||
        text.find('#') != std::string::npos)
        return;
    Write(seat_->ChatFrame(text));
    chat_.Add({text, SeatColour(seat_->Self())});
    emit ChatChanged();
}

// Seat 1 writes in maroon, seat 2 in navy, as the duel's host and client.
ChatColour OnlineTable::SeatColour(TableSeat seat) const {
    return seat == TableSeat::First ? ChatColour::Host : ChatColour::Client;
}

// --- What the server sends

// One message at a time, each played by the queue before the next. The
// match runs its own due steps (a refill, the final sweep, "No move") before
// each: the other seat moved only after running them.
void OnlineTable::Pump() {
    if (pumping_)
        return;
    pumping_ = true;
    while (seat_ && !session_.Queue().Busy()) {
        bool stepped = false;
        if (running_)
            session_.Input([&](Match& match) { stepped = match.Tick(); });
        if (stepped)
            continue;
        const net::SeatEvent event = seat_->Next();
        if (std::holds_alternative<net::NeedMore>(event)) {
            // Everything the server sent before the connection ended is
            // played: now the match learns that it ended.
            if (std::exchange(dropPending_, false))
                ConnectionDropped();
            break;
        }
        Handle(event);
    }
    pumping_ = false;
}

void OnlineTable::Handle(const net::SeatEvent& event) {
    if (std::holds_alternative<net::GameDealt>(event)) {
        Deal();
    } else if (const auto* moved = std::get_if<net::OpponentMoved>(&event)) {
        bool applied = false;
        session_.Input([&](Match& match) { applied = match.PeerMove(moved->move); });
        if (applied)
            RestartClock();
        else
            ConnectionDropped(); // the two copies of the game disagree
    } else if (const auto* chat = std::get_if<net::ChatArrived>(&event)) {
        chat_.Add({chat->text, SeatColour(net::OtherTableSeat(seat_->Self()))});
        session_.Media().PlayEffect(Effect::Success, false);
        emit ChatChanged();
    } else if (const auto* closed = std::get_if<net::GameClosed>(&event)) {
        GameClosed(closed->why);
    } else if (std::holds_alternative<net::Disconnect>(event)) {
        // The server sent what no server sends: the connection is lost.
        ConnectionDropped();
    }
}

void OnlineTable::Deal() {
    const bool first = gamesSinceConnect_++ == 0;
    running_ = true;
    link_ = TableLink::Connected;
    chat_.Clear();
    emit ChatChanged();
    const TableSeat self = seat_->Self();
    session_.Input([&](Match& match) {
        match.SetPeerName(opponentNick_);
        match.TableDeal(net::TableModeOf(self), seat_->Game().Deck, first, OwnNick());
        if (startRecord_)
            match.TableRecordBefore(*startRecord_);
    });
    emit dealt(first);
    RestartClock();
    FetchPlayers();
}

// "e" closes the game the server ended; "a" and "TOut" tell this seat that
// it won because the opponent left or ran out of time.
void OnlineTable::GameClosed(net::GameClosed::Why why) {
    if (link_ == TableLink::Over)
        return;
    link_ = TableLink::Over;
    StopClock();
    EndChat();
    session_.Input([](Match& match) { match.TableGameClosed(); });
    if (why == net::GameClosed::Why::Closed)
        return;
    const bool left = why == net::GameClosed::Why::OpponentLeft;
    session_.Media().PlayEffect(left ? Effect::Failure : Effect::GameWon, false);
    CloseSocket();
    Tell(ScreenText(Text(words::Player)) + ' ' + FromBytes(opponentNick_) + ' ' +
             ScreenText(Text(left ? words::InterruptedTheGame : words::TimeIsUp)),
         ScreenText(Text(words::YouWon)));
}

void OnlineTable::ConnectionDropped() {
    CloseSocket();
    seat_.reset(); // nothing more is read or sent for this seat
    EndChat();
    const Match& match = session_.CurrentMatch();
    if (!running_ || link_ == TableLink::Over || match.CurrentScreen() != Screen::Table) {
        link_ = link_ == TableLink::Idle ? TableLink::Idle : TableLink::Over;
        return;
    }
    link_ = TableLink::Over;
    StopClock();
    const bool played = match.State().GameOver;
    session_.Input([](Match& m) { m.TableGameClosed(); });
    // A game played out only waited for its close: the way out opens quietly.
    if (!played)
        Tell(ScreenText(Text(words::LostConnectionWithServer)), {});
}

// The notice opens once the step that ended the game is done.
void OnlineTable::Tell(const QString& line1, const QString& line2) {
    QTimer::singleShot(0, this, [this, line1, line2] { dialogs_.Notice(line1, line2, {}); });
}

// --- What the person does

void OnlineTable::WatchOutbox(const MatchOutbox& events) {
    if (!running_)
        return;
    bool moved = false;
    for (const MatchEvent& e : events) {
        if (const auto* gameEvent = std::get_if<Event>(&e)) {
            const auto* made = std::get_if<event::MoveMade>(gameEvent);
            if (made == nullptr || made->seat != LocalSeat || !seat_ || link_ == TableLink::Over)
                continue;
            if (const auto frame = seat_->Play(made->move)) {
                Write(*frame);
                moved = true;
            }
        } else if (std::holds_alternative<match_event::TableGameEnds>(e)) {
            ConfirmEnd();
        } else if (const auto* shown = std::get_if<match_event::ShowScreen>(&e);
                   shown && shown->screen == Screen::Menu) {
            LeaveTable();
        }
    }
    if (moved)
        RestartClock();
}

// The second button after the game: seat 1 confirms the end with its
// result, and the player's tournament record is read again.
void OnlineTable::ConfirmEnd() {
    StopClock();
    if (seat_ && link_ != TableLink::Over)
        if (const auto frame = seat_->ConfirmEnd())
            Write(*frame);
    link_ = TableLink::Over;
    EndChat();
    awaitingRecord_ = true;
    online::ReadRatingRequest request;
    request.nick = OwnNick();
    services_.Send(request, this, [this](const ServiceAnswer& answer) {
        ResultRead(answer.done ? online::ReadRatingAnswer(answer.text) : std::nullopt);
    });
}

void OnlineTable::ResultRead(const std::optional<online::TourRating>& rating) {
    if (!std::exchange(awaitingRecord_, false))
        return;
    std::optional<TablePlayer> now;
    if (rating)
        now =
            TablePlayer{OwnNick(), rating->Kon, rating->Score, static_cast<double>(rating->Rating)};
    recordDue_ = now;
    HandOverResult();
}

void OnlineTable::HandOverResult() {
    if (!recordDue_ || session_.Queue().Busy())
        return;
    const std::optional<TablePlayer> now = *std::exchange(recordDue_, std::nullopt);
    backDue_ = true;
    session_.Input([&](Match& match) { match.TableResultRead(now); });
}

// The table is left for the menu: after the game's end, or in the middle of
// it with the pop-up's "Exit to menu".
void OnlineTable::LeaveTable() {
    CloseSocket();
    StopClock();
    EndChat();
    running_ = false;
    awaitingRecord_ = false;
    recordDue_.reset();
    seat_.reset();
    link_ = TableLink::Idle;
    for (const Seat seat : {OpponentSeat, LocalSeat})
        table_.SetBannerPicture(seat, {});
}

// --- The move clock

void OnlineTable::RestartClock() {
    if (!running_ || !seat_ || link_ == TableLink::Over)
        return;
    clockSide_ =
        net::ClockSeat(seat_->Game(), seat_->Self()) == seat_->Self() ? LocalSeat : OpponentSeat;
    secondsLeft_ = clockSeconds_;
    overdueSeconds_ = 0;
    table_.ShowMoveClock(clockSide_, secondsLeft_);
    table_.ShowMoveClock(clockSide_ == LocalSeat ? OpponentSeat : LocalSeat, -1);
    moveClock_.start();
}

void OnlineTable::StopClock() {
    moveClock_.stop();
    for (const Seat seat : {OpponentSeat, LocalSeat})
        table_.ShowMoveClock(seat, -1);
}

void OnlineTable::ClockTick() {
    if (secondsLeft_ > 0)
        --secondsLeft_;
    table_.ShowMoveClock(clockSide_, secondsLeft_);
    if (clockSide_ != LocalSeat) {
        // The server ends an opponent's turn soon after its clock: a whole
        // clock more of silence means the server itself is gone.
        if (secondsLeft_ == 0 && ++overdueSeconds_ > clockSeconds_)
            ConnectionDropped();
        return;
    }
    if (secondsLeft_ > 7)
        session_.Media().PlayEffect(Effect::TimerTick, false);
    else if (secondsLeft_ >= 1)
        session_.Media().PlayEffect(Effect::TimerUrgent, false);
    else
        OwnTimeOut();
}

// The own clock ran out. During the game the player loses it; once the
// game is played out only the confirmation came too late, and the scored
// result stands, so nobody is told of a loss.
void OnlineTable::OwnTimeOut() {
    link_ = TableLink::Over;
    if (seat_)
        Write(net::Encode(net::TableFrame{net::TimeOutFrame{}, seat_->Self()}));
    StopClock();
    EndChat();
    CloseSocket();
    const bool played = session_.CurrentMatch().State().GameOver;
    session_.Input([](Match& match) { match.TableGameClosed(); });
    if (played)
        return;
    session_.Media().PlayEffect(Effect::Failure, false);
    Tell(ScreenText(Text(words::YourTimeIsUp)), ScreenText(Text(words::YouLose)));
}

// --- The players' records and pictures

std::string OnlineTable::OwnNick() const {
    if (account_.LoggedIn())
        return account_.Record().Nick;
    return session_.CurrentSettings().PlayerName;
}

// The record the tournament has before the game: the points the game gains
// are counted from it.
void OnlineTable::ReadStartRecord() {
    startRecord_.reset();
    online::ReadRatingRequest request;
    request.nick = OwnNick();
    const net::TableSeatGame* seat = seat_.get();
    services_.Send(request, this, [this, seat](const ServiceAnswer& answer) {
        const auto rating = answer.done ? online::ReadRatingAnswer(answer.text) : std::nullopt;
        if (!rating || seat != seat_.get())
            return;
        startRecord_ =
            TablePlayer{OwnNick(), rating->Kon, rating->Score, static_cast<double>(rating->Rating)};
        // A record that comes after the deal still counts for the game.
        if (running_)
            session_.CurrentMatch().TableRecordBefore(*startRecord_);
    });
}

// Both seats' records: the opponent's name for its banner, and each
// player's picture for the balloon over the banner.
void OnlineTable::FetchPlayers() {
    if (!seat_)
        return;
    const TableSeat self = seat_->Self();
    for (const TableSeat seat : {TableSeat::First, TableSeat::Second}) {
        online::ReadClientRequest request;
        request.seat = static_cast<int>(seat);
        request.table = tableNumber_;
        const Seat shownAt = seat == self ? LocalSeat : OpponentSeat;
        services_.Send(request, this, [this, shownAt](const ServiceAnswer& answer) {
            const auto client = answer.done ? online::ReadClientAnswer(answer.text) : std::nullopt;
            if (!client || client->Nick == "X" || !running_)
                return;
            if (shownAt == OpponentSeat) {
                opponentNick_ = client->Nick;
                session_.CurrentMatch().SetPeerName(opponentNick_);
                if (table_.Drawing())
                    table_.DrawBanners();
            }
            FetchPicture(shownAt, *client);
        });
    }
}

// The photo from the picture store, or the built-in figure, kept in the
// "History" folder under the player's nick.
void OnlineTable::FetchPicture(Seat seat, const online::TableClient& client) {
    if (!SafeFileStem(client.Nick))
        return;
    std::error_code ignored;
    std::filesystem::create_directories(session_.HistoryFolder(), ignored);
    const QString path = QDir(QString::fromStdString(session_.HistoryFolder().string()))
                             .filePath(FromBytes(client.Nick) + QStringLiteral(".bmp"));
    const char sex = client.Sex;
    services_.Client().Download(PhotoAddress(services_, client.Nick), this,
                                [this, seat, path, sex](bool done, const QByteArray& bytes) {
                                    QImage photo;
                                    if (!done || !photo.loadFromData(bytes))
                                        photo = NoPhotoPicture(sex);
                                    if (running_ && photo.save(path, "BMP"))
                                        table_.SetBannerPicture(seat, path);
                                });
}

} // namespace tavlira
