#pragma once
// The duel connection on the user-interface thread: a host listens and talks
// to its first client only, a client connects. It moves bytes between the
// socket and a DuelLink and nothing more; the link's owner asks the link for
// its steps and then calls Flush.
//
// Every message is one small send, so a message that has begun to arrive
// and is still incomplete after StallTimeout means a broken peer: the
// connection ends as if the peer had left.

#include "duel/DuelLink.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <memory>
#include <string>

class QTcpServer;
class QTcpSocket;

namespace tavlira {

// The IPv4 addresses of this machine's network interfaces that are up,
// the loopback left out.
QStringList LocalAddresses();

class DuelSocket : public QObject {
    Q_OBJECT

  public:
    static constexpr int StallTimeout = 5000; // milliseconds, unless set

    // `ownName` in code page 1251 goes to the peer in the handshake.
    DuelSocket(net::DuelRole role, std::string ownName, QObject* parent = nullptr);
    ~DuelSocket() override;

    net::DuelRole Role() const { return role_; }
    // The link of the current connection (a fresh one for each connection).
    // Once the connection ended it keeps what the peer sent before it left,
    // until the next connection replaces it.
    DuelLink& Link() { return *link_; }
    bool HasPeer() const;

    // Host: listens on `port` of every interface, 0 for any free port.
    // False when the port cannot be opened.
    bool Listen(quint16 port);
    quint16 ListeningPort() const;
    // Client: connects to the host.
    void Connect(const QString& address, quint16 port);

    // Writes what the link has to send, and watches a message that arrived
    // only in part.
    void Flush();
    // Ends the connection with the peer. A host whose peer never completed
    // the handshake (another game or revision) keeps listening for another;
    // once joined the connection belonged to the match and the host stops.
    void EndConnection();
    // Ends the connection and stops listening.
    void Close();
    void SetStallTimeout(int milliseconds) { stall_.setInterval(milliseconds); }

  signals:
    // A connection is open: the client reached its host, or the host took
    // its first client. The link has the client's greeting to send.
    void Opened();
    // Bytes arrived and went to the link.
    void Received();
    // The connection ended: the peer left, the socket failed, a client could
    // not connect, or a message stalled.
    void Ended();

  private:
    void Adopt(QTcpSocket* socket);
    void Read();
    void Lost();

    net::DuelRole role_;
    std::string ownName_;
    std::unique_ptr<DuelLink> link_;
    QTcpServer* server_ = nullptr;
    QPointer<QTcpSocket> peer_;
    QTimer stall_;
};

} // namespace tavlira
