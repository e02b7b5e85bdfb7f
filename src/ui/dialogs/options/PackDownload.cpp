#include "ui/dialogs/options/PackDownload.h"

#include "records/AtomicFile.h"
#include "ui/dialogs/options/PackServer.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <string_view>

namespace tavlira {

PackDownload::PackDownload(QUrl address, std::filesystem::path file, QObject* parent)
    : PackDownload(std::move(address), std::move(file), Limits(), parent) {}

PackDownload::PackDownload(QUrl address, std::filesystem::path file, Limits downloadLimits,
                           QObject* parent)
    : QObject(parent), url(std::move(address)), target(std::move(file)), limits(downloadLimits) {
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, this, &PackDownload::Fail);
}

PackDownload::~PackDownload() {
    if (reply) {
        reply->disconnect(this);
        reply->abort();
    }
}

void PackDownload::Start() {
    if (reply)
        return;
    failed = false;
    bytes.clear();
    QNetworkRequest request(url);
    request.setTransferTimeout(limits.stallMs);
    // A pack is fetched whole from where it is named, never from a cache.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    reply = network.get(request);
    connect(reply, &QNetworkReply::readyRead, this, &PackDownload::Received);
    connect(reply, &QNetworkReply::finished, this, &PackDownload::Ended);
    connect(reply, &QNetworkReply::downloadProgress, this, &PackDownload::Progress);
    deadline.start(limits.totalMs);
}

void PackDownload::Received() {
    if (!reply || failed)
        return;
    const QByteArray chunk = reply->readAll();
    if (bytes.size() + chunk.size() > limits.maxBytes) {
        Fail();
        return;
    }
    bytes.append(chunk);
}

void PackDownload::Fail() {
    failed = true;
    if (reply)
        reply->abort(); // ends in Ended(), which reports the failure
}

void PackDownload::Ended() {
    if (!reply)
        return;
    Received();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    // A body shorter than the length the server announced was cut short,
    // even when the connection closed cleanly.
    const bool whole = !length.isValid() || length.toLongLong() == bytes.size();
    const bool ok = !failed && reply->error() == QNetworkReply::NoError && status == 200 && whole &&
                    IsReadablePack(bytes) &&
                    ReplaceFile(target, std::string_view(bytes.constData(),
                                                         static_cast<std::size_t>(bytes.size())));
    Done(ok);
}

void PackDownload::Done(bool ok) {
    deadline.stop();
    reply->disconnect(this);
    reply->deleteLater();
    reply = nullptr;
    bytes.clear();
    emit Finished(ok);
}

} // namespace tavlira
