// The request layer against a web server on 127.0.0.1: what reaches the
// server, byte for byte, and every way the server can fail the client.

#include "online/qt/ServiceClient.h"

#include "online/qt/ServiceAddress.h"
#include "online_qt/FakeWebServer.h"
#include "support/ReservedPort.h"

#include <QTcpServer>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

namespace tavlira::testing {
namespace {

using namespace std::chrono_literals;

// Posts `body` and waits for the answer.
std::optional<ServiceAnswer> PostAndWait(ServiceClient& client, const QUrl& url,
                                         const std::string& body) {
    std::optional<ServiceAnswer> answer;
    QObject receiver;
    client.Post(url, body, &receiver, [&](const ServiceAnswer& a) { answer = a; });
    RunUntil([&] { return answer.has_value(); });
    return answer;
}

ServiceTimeouts Short() {
    return {200ms, 200ms, 2000ms};
}

TEST(ServiceClient, PostsTheBodyByteForByteAsTheServicesAgent) {
    FakeWebServer server([](const ReceivedRequest&) {
        return FakeWebServer::Ok("ok $ \xD0\x9C\xD0\xB8\xD1\x80 12"); // "Мир" in UTF-8
    });
    ServiceClient client;
    // A text post carries Cyrillic as single code page 1251 bytes, and a field
    // list comes already encoded; both go unchanged.
    const std::string body = "nick=\xCC\xE8\xF0&pw=a%20b&&label0=0";
    const std::optional<ServiceAnswer> answer =
        PostAndWait(client, server.At(QStringLiteral("/acc66.php")), body);
    ASSERT_TRUE(answer);
    EXPECT_TRUE(answer->done);
    EXPECT_EQ(answer->text, "ok $ \xCC\xE8\xF0 12");
    ASSERT_EQ(server.Requests().size(), 1u);
    const ReceivedRequest& request = server.Requests()[0];
    EXPECT_EQ(request.body.toStdString(), body);
    EXPECT_TRUE(request.head.startsWith("POST /acc66.php HTTP/1.1\r\n"));
    EXPECT_TRUE(request.head.contains("\r\nUser-Agent: KubLanternOwl\r\n"));
    EXPECT_TRUE(request.head.contains("\r\nContent-Type: application/x-www-form-urlencoded\r\n"));
    EXPECT_TRUE(request.head.contains("\r\nAccept: text/html, */*\r\n"));
}

TEST(ServiceClient, ReadsAnAnswerInTheCharacterSetItDeclares) {
    struct Case {
        QByteArray body;
        QByteArray type;
        std::string text;
    };
    const Case cases[] = {
        {"\xD0\x9C", "text/plain; charset=utf-8", "\xCC"},
        {"\xCC\xE8", "text/html; charset=\"windows-1251\"", "\xCC\xE8"},
        {"\xD0\x9C", "text/html", "\xCC"}, // no character set: UTF-8
        {"\xD0\x9C", "text/html; charset=nonsense-9", "\xCC"},
        {"\xE4\xB8\xAD", "text/html", "?"}, // no byte for it in the code page
    };
    for (const Case& c : cases)
        EXPECT_EQ(AnswerText(c.body, c.type), c.text) << c.type.toStdString();
}

TEST(ServiceClient, EveryFailureOfTheServerIsNoConnect) {
    struct Case {
        const char* what;
        QByteArray answer;
    };
    const Case cases[] = {
        {"stalls", {}},
        {"server error", "HTTP/1.1 500 Oops\r\nContent-Length: 2\r\n\r\nok"},
        {"redirect", "HTTP/1.1 302 Found\r\nLocation: http://192.0.2.1/\r\nContent-Length: "
                     "0\r\n\r\n"},
        {"garbage", QByteArray("\x00\xFF garbage\r\n\r\n", 14)},
        {"truncated", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nok $ 1"},
        {"too large", "HTTP/1.1 200 OK\r\nContent-Length: 2000000\r\n\r\nok"},
        {"half a head", "HTTP/1.1 200 OK\r\nContent-Le"},
    };
    for (const Case& c : cases) {
        FakeWebServer server([&](const ReceivedRequest&) { return c.answer; });
        ServiceClient client;
        client.SetTimeouts(Short());
        const std::optional<ServiceAnswer> answer =
            PostAndWait(client, server.At(QStringLiteral("/x")), "a=1");
        ASSERT_TRUE(answer) << c.what;
        EXPECT_FALSE(answer->done) << c.what;
        EXPECT_EQ(answer->text, "") << c.what;
        EXPECT_EQ(client.Pending(), 0) << c.what;
    }
}

TEST(ServiceClient, ARefusedConnectionIsNoConnect) {
    const quint16 port = test_support::ReservedPort();
    ASSERT_NE(port, 0);
    ServiceClient client;
    const std::optional<ServiceAnswer> answer =
        PostAndWait(client, QUrl(QStringLiteral("http://127.0.0.1:%1/x").arg(port)), "a=1");
    ASSERT_TRUE(answer);
    EXPECT_FALSE(answer->done);
}

TEST(ServiceClient, AnAnswerThatTricklesInEndsAtTheWholeTimeOut) {
    // Each byte comes within the read time-out, the whole never does.
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    QTimer drip;
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        QTcpSocket* socket = server.nextPendingConnection();
        socket->write("HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n");
        QObject::connect(&drip, &QTimer::timeout, socket, [socket] { socket->write("o"); });
        drip.start(50);
    });
    ServiceClient client;
    client.SetTimeouts({1000ms, 500ms, 1500ms});
    const std::optional<ServiceAnswer> answer = PostAndWait(
        client, QUrl(QStringLiteral("http://127.0.0.1:%1/x").arg(server.serverPort())), "a=1");
    ASSERT_TRUE(answer);
    EXPECT_FALSE(answer->done);
}

TEST(ServiceClient, AnAnswerForACallerThatHasGoneIsDropped) {
    FakeWebServer server([](const ReceivedRequest&) { return FakeWebServer::Ok("ok"); });
    ServiceClient client;
    bool busy = false;
    QObject::connect(&client, &ServiceClient::BusyChanged, [&](bool b) { busy = b; });
    bool called = false;
    {
        QObject gone;
        client.Post(server.At(QStringLiteral("/x")), "a=1", &gone, [&](auto&) { called = true; });
        EXPECT_TRUE(busy);
    }
    ASSERT_TRUE(RunUntil([&] { return client.Pending() == 0; }));
    EXPECT_FALSE(busy);
    EXPECT_FALSE(called);
    EXPECT_EQ(server.Requests().size(), 1u);
}

TEST(ServiceClient, DownloadsBytesUnchanged) {
    const QByteArray picture("\xFF\xD8\xFF\x00\x01", 5);
    FakeWebServer server(
        [&](const ReceivedRequest&) { return FakeWebServer::Ok(picture, "image/jpeg"); });
    ServiceClient client;
    QObject receiver;
    std::optional<QByteArray> got;
    client.Download(server.At(QStringLiteral("/photos/ab.jpg")), &receiver,
                    [&](bool done, const QByteArray& bytes) {
                        EXPECT_TRUE(done);
                        got = bytes;
                    });
    ASSERT_TRUE(RunUntil([&] { return got.has_value(); }));
    EXPECT_EQ(*got, picture);
    EXPECT_TRUE(server.Requests()[0].head.startsWith("GET /photos/ab.jpg "));
}

TEST(ServiceAddress, TheBaseComesFromTheOptionElseTheEnvironment) {
    qputenv(ServiceBaseVariable, "http://127.0.0.1:9001");
    EXPECT_EQ(ServiceBaseOverride({}), QUrl(QStringLiteral("http://127.0.0.1:9001")));
    EXPECT_EQ(ServiceBaseOverride(QStringLiteral("http://localhost:7")),
              QUrl(QStringLiteral("http://localhost:7")));
    qputenv(ServiceBaseVariable, "ftp://127.0.0.1/");
    EXPECT_EQ(ServiceBaseOverride({}), std::nullopt);
    qunsetenv(ServiceBaseVariable);
    EXPECT_EQ(ServiceBaseOverride({}), std::nullopt);
    EXPECT_EQ(ServiceBaseOverride(QStringLiteral("no address")), std::nullopt);
}

TEST(ServiceAddress, ARebasedAddressKeepsItsPath) {
    const QUrl stored(QStringLiteral("http://127.0.0.1:8066/wtgames66.php"));
    EXPECT_EQ(Rebased(stored, std::nullopt), stored);
    EXPECT_EQ(Rebased(stored, QUrl(QStringLiteral("https://example.test"))),
              QUrl(QStringLiteral("https://example.test/wtgames66.php")));
    EXPECT_EQ(Rebased(stored, QUrl(QStringLiteral("http://127.0.0.1:4242"))),
              QUrl(QStringLiteral("http://127.0.0.1:4242/wtgames66.php")));
}

} // namespace
} // namespace tavlira::testing
