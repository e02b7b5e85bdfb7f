#include "online/qt/ServiceClient.h"

#include "util/Cp1251.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>
#include <QTimer>

namespace tavlira {
namespace {

// No answer of the services comes near these sizes; anything larger is a
// server gone wrong and is cut off rather than kept in memory.
constexpr qint64 TextLimit = 1 << 20;
constexpr qint64 PictureLimit = 8 << 20;

QByteArray CharsetOf(const QByteArray& contentType) {
    for (const QByteArray& part : contentType.split(';')) {
        const QByteArray item = part.trimmed();
        if (item.toLower().startsWith("charset="))
            return item.mid(8).trimmed().replace('"', "").toLower();
    }
    return {};
}

} // namespace

std::string AnswerText(const QByteArray& body, const QByteArray& contentType) {
    const QByteArray charset = CharsetOf(contentType);
    if (charset == "windows-1251" || charset == "cp1251")
        return body.toStdString();
    QStringDecoder decoder(charset.isEmpty() ? QByteArray("UTF-8") : charset);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(body);
    return Utf8ToCp1251(text.toStdString());
}

ServiceClient::ServiceClient(QObject* parent) : QObject(parent) {
    // The services never redirect; one that does is not followed off to
    // another host.
    network.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

ServiceClient::~ServiceClient() {
    // The replies go with the manager; their answers are not delivered.
    const QList<QNetworkReply*> replies = network.findChildren<QNetworkReply*>();
    for (QNetworkReply* reply : replies) {
        reply->disconnect(this);
        reply->abort();
    }
}

QNetworkRequest ServiceClient::Request(const QUrl& url) const {
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArray(ServiceUserAgent));
    request.setRawHeader("Accept", "text/html, */*");
    return request;
}

void ServiceClient::Post(const QUrl& url, std::string body, const QObject* receiver,
                         Answered answered) {
    QNetworkRequest request = Request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QByteArray("application/x-www-form-urlencoded"));
    QNetworkReply* reply =
        network.post(request, QByteArray(body.data(), static_cast<qsizetype>(body.size())));
    Send(reply, TextLimit, receiver,
         [answered = std::move(answered)](bool done, const QByteArray& bytes,
                                          const QByteArray& type) {
             answered({done, done ? AnswerText(bytes, type) : std::string()});
         });
}

void ServiceClient::GetText(const QUrl& url, const QObject* receiver, Answered answered) {
    Send(network.get(Request(url)), TextLimit, receiver,
         [answered = std::move(answered)](bool done, const QByteArray& bytes,
                                          const QByteArray& type) {
             answered({done, done ? AnswerText(bytes, type) : std::string()});
         });
}

void ServiceClient::Download(const QUrl& url, const QObject* receiver, Downloaded downloaded) {
    Send(network.get(Request(url)), PictureLimit, receiver,
         [downloaded = std::move(downloaded)](bool done, const QByteArray& bytes,
                                              const QByteArray&) {
             downloaded(done, done ? bytes : QByteArray());
         });
}

void ServiceClient::Upload(const QUrl& url, QByteArray bytes, const QByteArray& contentType,
                           const QObject* receiver, Answered answered) {
    QNetworkRequest request = Request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    Send(network.post(request, bytes), TextLimit, receiver,
         [answered = std::move(answered)](bool done, const QByteArray& body,
                                          const QByteArray& type) {
             answered({done, done ? AnswerText(body, type) : std::string()});
         });
}

// One timer watches each request: first the connect time-out, then, once
// the request is sent, the read time-out, restarted by every piece of the
// answer. A second one ends a request that takes too long as a whole.
void ServiceClient::Send(QNetworkReply* reply, qint64 sizeLimit, const QObject* receiver,
                         Finished finished) {
    if (++pending == 1)
        emit BusyChanged(true);
    auto* silence = new QTimer(reply);
    silence->setSingleShot(true);
    connect(silence, &QTimer::timeout, reply, &QNetworkReply::abort);
    silence->start(limits.connect);
    QTimer::singleShot(limits.whole, reply, &QNetworkReply::abort);

    connect(reply, &QNetworkReply::requestSent, silence,
            [silence, this] { silence->start(limits.read); });
    connect(reply, &QNetworkReply::readyRead, silence, [reply, silence, sizeLimit, this] {
        if (reply->bytesAvailable() > sizeLimit)
            return reply->abort();
        silence->start(limits.read);
    });
    connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, sizeLimit] {
        if (reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > sizeLimit)
            reply->abort();
    });

    QPointer<const QObject> caller(receiver);
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, caller, finished = std::move(finished)] {
                reply->deleteLater();
                const int status =
                    reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
                const bool done =
                    reply->error() == QNetworkReply::NoError && status >= 200 && status < 300;
                const QByteArray body = done ? reply->readAll() : QByteArray();
                const QByteArray type =
                    reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
                if (--pending == 0)
                    emit BusyChanged(false);
                if (caller)
                    finished(done, body, type);
            });
}

} // namespace tavlira
