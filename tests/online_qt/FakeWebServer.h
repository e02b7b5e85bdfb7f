#pragma once
// A web server on 127.0.0.1 that records each request as raw bytes and
// answers with whatever bytes a test gives it: a proper answer, garbage, a
// truncated one, or nothing at all.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <functional>
#include <vector>

namespace tavlira::testing {

struct ReceivedRequest {
    QByteArray head; // the request line and the headers
    QByteArray body;
};

class FakeWebServer : public QObject {
  public:
    // What to send back for a request; an empty answer keeps silent.
    using Responder = std::function<QByteArray(const ReceivedRequest&)>;

    explicit FakeWebServer(Responder answer) : respond(std::move(answer)) {
        server.listen(QHostAddress::LocalHost, 0);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Read(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    QUrl Base() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort()));
    }
    QUrl At(const QString& path) const { return QUrl(Base().toString() + path); }
    const std::vector<ReceivedRequest>& Requests() const { return requests; }

    // A complete answer with status 200.
    static QByteArray Ok(const QByteArray& body,
                         const QByteArray& type = "text/html; charset=UTF-8") {
        return "HTTP/1.1 200 OK\r\nContent-Type: " + type +
               "\r\nContent-Length: " + QByteArray::number(body.size()) +
               "\r\nConnection: close\r\n\r\n" + body;
    }

  private:
    void Read(QTcpSocket* socket) {
        QByteArray& buffer = pendingBytes[socket];
        buffer += socket->readAll();
        const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
        if (headEnd < 0)
            return;
        ReceivedRequest request{buffer.left(headEnd), buffer.mid(headEnd + 4)};
        qsizetype length = 0;
        for (const QByteArray& line : request.head.split('\n'))
            if (line.toLower().startsWith("content-length:"))
                length = line.mid(15).trimmed().toLongLong();
        if (request.body.size() < length)
            return;
        pendingBytes.remove(socket);
        requests.push_back(request);
        const QByteArray answer = respond(request);
        if (answer.isEmpty())
            return; // stalls
        socket->write(answer);
        socket->disconnectFromHost();
    }

    Responder respond;
    QTcpServer server;
    QHash<QTcpSocket*, QByteArray> pendingBytes;
    std::vector<ReceivedRequest> requests;
};

// Runs the event loop until `done`, for at most half a minute (a loaded
// machine is slow, never this slow).
inline bool RunUntil(const std::function<bool()>& done, int limitMs = 30000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

} // namespace tavlira::testing
