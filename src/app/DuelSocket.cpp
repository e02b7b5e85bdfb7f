#include "app/DuelSocket.h"

#include <QHostAddress>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>

namespace tavlira {

QStringList LocalAddresses() {
    QStringList found;
    for (const QNetworkInterface& net : QNetworkInterface::allInterfaces()) {
        if (!net.flags().testFlag(QNetworkInterface::IsUp) ||
            net.flags().testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : net.addressEntries())
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol)
                found.append(entry.ip().toString());
    }
    return found;
}

DuelSocket::DuelSocket(net::DuelRole role, std::string ownName, QObject* parent)
    : QObject(parent), role_(role), ownName_(std::move(ownName)),
      link_(std::make_unique<DuelLink>(role, ownName_)) {
    stall_.setSingleShot(true);
    stall_.setInterval(StallTimeout);
    connect(&stall_, &QTimer::timeout, this, [this] {
        if (link_->AwaitsRest())
            Lost();
    });
}

DuelSocket::~DuelSocket() {
    Close();
}

bool DuelSocket::HasPeer() const {
    return peer_ && peer_->state() == QAbstractSocket::ConnectedState;
}

bool DuelSocket::Listen(quint16 port) {
    if (server_ == nullptr) {
        server_ = new QTcpServer(this);
        connect(server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* incoming = server_->nextPendingConnection()) {
                // The host talks to its first client only; another that
                // connects meanwhile is turned away at once.
                if (peer_) {
                    incoming->abort();
                    incoming->deleteLater();
                    continue;
                }
                Adopt(incoming);
                emit Opened();
            }
        });
    }
    return server_->isListening() || server_->listen(QHostAddress::Any, port);
}

quint16 DuelSocket::ListeningPort() const {
    return server_ != nullptr ? server_->serverPort() : 0;
}

void DuelSocket::Connect(const QString& address, quint16 port) {
    auto* socket = new QTcpSocket(this);
    Adopt(socket);
    connect(socket, &QTcpSocket::connected, this, [this] {
        link_->Connected();
        Flush();
        emit Opened();
    });
    socket->connectToHost(address, port);
}

void DuelSocket::Adopt(QTcpSocket* socket) {
    link_ = std::make_unique<DuelLink>(role_, ownName_);
    peer_ = socket;
    socket->setParent(this);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
        if (socket == peer_)
            Read();
    });
    // A refused or failed connection and a peer that left end alike.
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        if (socket == peer_)
            Lost();
    });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket] {
        if (socket == peer_)
            Lost();
    });
}

void DuelSocket::Read() {
    const QByteArray bytes = peer_->readAll();
    if (bytes.isEmpty())
        return;
    link_->Feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    emit Received();
}

void DuelSocket::Flush() {
    const std::string bytes = link_->TakeOutgoing();
    if (!bytes.empty() && HasPeer())
        peer_->write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (!link_->AwaitsRest())
        stall_.stop();
    else if (!stall_.isActive())
        stall_.start();
}

void DuelSocket::Lost() {
    if (!peer_)
        return;
    // What the peer sent before it left is the link's to hand on.
    Read();
    EndConnection();
    emit Ended();
}

void DuelSocket::EndConnection() {
    stall_.stop();
    const bool joined = link_->Joined();
    if (QTcpSocket* socket = peer_) {
        peer_ = nullptr;
        socket->disconnect(this);
        // What this side sent last (a move, a chat line) still leaves.
        socket->flush();
        socket->abort();
        socket->deleteLater();
    }
    if (joined && server_ != nullptr)
        server_->close();
}

void DuelSocket::Close() {
    EndConnection();
    if (server_ != nullptr)
        server_->close();
}

} // namespace tavlira
