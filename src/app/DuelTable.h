#pragma once
// The window's side of a duel: it opens the connection from the login
// dialog and waits for the peer in the wait dialog, then hands the link's
// steps to the match through the session, one at a time while the queue is
// idle, sends what the person did, keeps the chat lines, and tells the
// person when the peer interrupted a game.

#include "app/ChatPanel.h"
#include "app/DuelSocket.h"
#include "app/Session.h"
#include "duel/DuelEntry.h"
#include "net/DuelMessages.h"
#include "ui/dialogs/WaitDialog.h"

#include <QObject>
#include <QPointer>
#include <memory>
#include <string>

class QWidget;

namespace tavlira {

class DuelTable : public ChatChannel {
    Q_OBJECT

  public:
    // Boxes and the wait dialog open over `window`.
    DuelTable(Session& session, QWidget* window);
    ~DuelTable() override;

    // The login dialog's "Ok" in network mode: listens on `port` (host) or
    // connects to `address` (client) and waits in the wait dialog. True
    // when the peer joined; the match then starts with the login. `name` is
    // in code page 1251.
    bool Open(bool host, const std::string& name, const QString& address, quint16 port);
    bool Running() const { return socket_ != nullptr; }

    // Sends a chat line (code page 1251, 1..15 bytes) and shows it.
    void SendChat(const std::string& text) override;
    const ChatLines& Chat() const override { return chat_; }
    std::size_t ChatMax() const override { return net::ChatTextMax; }

    // The wait dialog while it is open, for tests.
    WaitDialog* Waiting() const { return waiting_; }

  private:
    void Pump();
    void Handle(const DuelLink::Step& step);
    void PeerGone();
    void TellInterrupted();
    void Close();
    ChatColour OwnColour() const;

    Session& session_;
    QWidget* window_;
    std::unique_ptr<DuelSocket> socket_;
    QPointer<WaitDialog> waiting_;
    ChatLines chat_;
    bool pumping_ = false;
    bool peerLost_ = false;      // the match has yet to learn that the peer left
    bool peerWasClient_ = false; // whom the box names
};

} // namespace tavlira
