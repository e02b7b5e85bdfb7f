#pragma once
// A small HTTP server on 127.0.0.1 and a port the system chooses, for the
// players' tests: each path answers with a status and a body, and the path
// "/silent" takes the connection and never answers.

#include <QByteArray>
#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <gtest/gtest.h>

namespace tavlira {

class HttpFixture {
  public:
    HttpFixture() {
        EXPECT_TRUE(server.listen(QHostAddress::LocalHost, 0));
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead,
                                 [this, socket] { Answer(socket); });
        });
    }

    void Serve(const QByteArray& path, const QByteArray& status, const QByteArray& body,
               const QByteArray& type = "text/plain") {
        answers[path] = {status, body, type};
    }
    QUrl Address(const QString& path) const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server.serverPort()).arg(path));
    }
    int Requests(const QByteArray& path) const { return requests.value(path); }

  private:
    struct Answer_ {
        QByteArray status, body, type;
    };
    void Answer(QTcpSocket* socket) {
        QByteArray& request = pending[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        const QByteArray path = request.split(' ').value(1);
        ++requests[path];
        if (path == "/silent")
            return;
        const Answer_ answer = answers.value(path, {"404 Not Found", "missing", "text/plain"});
        socket->write("HTTP/1.1 " + answer.status + "\r\nContent-Type: " + answer.type +
                      "\r\nContent-Length: " + QByteArray::number(answer.body.size()) +
                      "\r\nConnection: close\r\n\r\n" + answer.body);
        socket->disconnectFromHost();
        pending.remove(socket);
    }

    QTcpServer server;
    QMap<QByteArray, Answer_> answers;
    QMap<QTcpSocket*, QByteArray> pending;
    QMap<QByteArray, int> requests;
};

} // namespace tavlira
