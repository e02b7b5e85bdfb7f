#include "app/DuelTable.h"

#include "i18n/words/Network.h"
#include "ui/common/ToScreen.h"
#include "ui/dialogs/MessageBox.h"
#include "ui/dialogs/WaitDialog.h"

#include <utility>

namespace tavlira {

DuelTable::DuelTable(Session& session, QWidget* window) : session_(session), window_(window) {
    session_.SetOutboxWatcher(this, [this](const MatchOutbox& events) {
        if (socket_ == nullptr)
            return;
        socket_->Link().Send(events, session_.CurrentMatch());
        socket_->Flush();
        // Leaving the table ends the duel's connection.
        for (const MatchEvent& e : events)
            if (const auto* shown = std::get_if<match_event::ShowScreen>(&e);
                shown && shown->screen == Screen::Menu)
                Close();
    });
    connect(&session_, &Session::InputOpen, this, [this](bool open) {
        if (open)
            Pump();
    });
}

DuelTable::~DuelTable() {
    session_.SetOutboxWatcher(this, {});
}

bool DuelTable::Open(bool host, const std::string& name, const QString& address, quint16 port) {
    Close();
    const net::DuelRole role = host ? net::DuelRole::Host : net::DuelRole::Client;
    socket_ = std::make_unique<DuelSocket>(role, name);
    connect(socket_.get(), &DuelSocket::Opened, this, &DuelTable::Pump);
    connect(socket_.get(), &DuelSocket::Received, this, &DuelTable::Pump);
    connect(socket_.get(), &DuelSocket::Ended, this, &DuelTable::PeerGone);
    chat_.Clear();
    peerLost_ = false;
    emit ChatChanged();

    WaitDialog wait(window_, host ? WaitDialog::Side::Host : WaitDialog::Side::Client);
    waiting_ = &wait;
    if (host) {
        if (!socket_->Listen(port))
            wait.NoGameFound();
    } else {
        socket_->Connect(address, port);
    }
    const bool joined = wait.exec() == QDialog::Accepted && socket_ && socket_->Link().Joined();
    waiting_ = nullptr;
    if (!joined) {
        Close();
        return false;
    }
    session_.CurrentMatch().SetPlayMode(host ? PlayMode::DuelHost : PlayMode::DuelClient);
    return true;
}

void DuelTable::Close() {
    if (socket_ == nullptr)
        return;
    // Deleted later: the socket may be the sender of the signal being handled.
    socket_->disconnect(this);
    socket_->Close();
    socket_.release()->deleteLater();
    emit Closed();
}

ChatColour DuelTable::OwnColour() const {
    return socket_ && socket_->Role() == net::DuelRole::Client ? ChatColour::Client
                                                               : ChatColour::Host;
}

void DuelTable::SendChat(const std::string& text) {
    if (socket_ == nullptr || !socket_->Link().SendChat(text))
        return;
    socket_->Flush();
    chat_.Add({text, OwnColour()});
    emit ChatChanged();
}

// One step at a time, each played by the queue before the next.
void DuelTable::Pump() {
    if (pumping_)
        return;
    pumping_ = true;
    while (!session_.Queue().Busy()) {
        if (socket_ == nullptr)
            break;
        DuelLink::Step step = DuelLink::Idle{};
        DuelSocket* socket = socket_.get();
        session_.Input([&](Match& match) { step = socket->Link().Next(match); });
        if (socket_.get() != socket)
            break;
        socket_->Flush();
        if (std::holds_alternative<DuelLink::Idle>(step)) {
            // Everything the peer sent before it left is played: now the
            // match learns that it left.
            if (std::exchange(peerLost_, false)) {
                Close();
                TellInterrupted();
            }
            break;
        }
        Handle(step);
    }
    pumping_ = false;
}

void DuelTable::Handle(const DuelLink::Step& step) {
    if (std::holds_alternative<DuelLink::PeerJoined>(step)) {
        session_.CurrentMatch().SetPeerName(socket_->Link().PeerName());
        if (waiting_)
            waiting_->PeerJoined();
    } else if (const auto* chat = std::get_if<DuelLink::Chat>(&step)) {
        const ChatColour peer =
            OwnColour() == ChatColour::Host ? ChatColour::Client : ChatColour::Host;
        chat_.Add({chat->text, peer});
        session_.Media().PlayEffect(Effect::Success, false);
        emit ChatChanged();
    } else if (std::holds_alternative<DuelLink::Ended>(step)) {
        const bool joined = socket_->Link().Joined();
        socket_->EndConnection();
        // A host whose caller was not our game keeps waiting for another.
        if (joined || socket_->Role() == net::DuelRole::Client)
            PeerGone();
    }
}

// The connection ended: a client still waiting says it found no game; at
// the table the match first plays what the peer sent before it left (its
// last move may end the game), then learns that it left.
void DuelTable::PeerGone() {
    if (waiting_) {
        waiting_->NoGameFound();
        return;
    }
    peerWasClient_ = socket_ && socket_->Role() == net::DuelRole::Host;
    peerLost_ = true;
    Pump();
}

void DuelTable::TellInterrupted() {
    bool interrupted = false;
    session_.Input([&](Match& match) { interrupted = match.PeerLeft(); });
    if (!interrupted)
        return;
    session_.Media().PlayEffect(Effect::Failure, false);
    ErrorBox(window_, ScreenText(Text(peerWasClient_ ? words::Client : words::Server)) + ' ' +
                          ScreenText(Text(words::HasInterruptedGame)) + '\n' +
                          ScreenText(Text(words::PressOkForMainMenu)));
    session_.Input([](Match& match) { match.LeaveInterruptedGame(); });
}

} // namespace tavlira
