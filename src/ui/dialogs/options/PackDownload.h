#pragma once
// Fetches one artwork pack from the companion server with a plain HTTP GET
// and puts it in place of the file at `target` only once it arrived whole
// and reads as a pack. A failure of any kind (no connection, an error
// answer, a body cut short, a server that stops sending, damaged bytes)
// leaves the old file byte for byte, or no file when there was none.
//
// Every download uses a network manager of its own, which ends with it.

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <filesystem>

namespace tavlira {

class PackDownload : public QObject {
    Q_OBJECT

  public:
    struct Limits {
        // No byte for this long, from the request on, ends the download.
        int stallMs = 15000;
        // The whole download may take no longer than this.
        int totalMs = 10 * 60 * 1000;
        // No pack is larger; a longer answer is not one.
        qint64 maxBytes = qint64{256} << 20;
    };

    PackDownload(QUrl url, std::filesystem::path target, QObject* parent = nullptr);
    PackDownload(QUrl url, std::filesystem::path target, Limits limits, QObject* parent);
    ~PackDownload() override;

    void Start();
    bool Running() const { return reply != nullptr; }

  signals:
    // `total` is -1 while the size is unknown.
    void Progress(qint64 received, qint64 total);
    void Finished(bool ok);

  private:
    void Received();
    void Ended();
    void Fail();
    void Done(bool ok);

    QUrl url;
    std::filesystem::path target;
    Limits limits;
    QNetworkAccessManager network;
    QPointer<QNetworkReply> reply;
    QTimer deadline;
    QByteArray bytes;
    bool failed = false;
};

} // namespace tavlira
