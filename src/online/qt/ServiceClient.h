#pragma once
// The one client of the web server. Form posts and downloads run
// asynchronously on the user-interface thread, so the window never freezes;
// each answer, or its failure, comes back once to the function the caller
// gave, unless the caller's object has gone in the meantime.
//
// Every failure is absorbed into "not done": no connection, a refused one, a
// connection that does not come up within the connect time-out, an answer
// that stalls for longer than the read time-out or takes longer than the
// whole time-out, an HTTP error or redirect status, and an answer larger than
// the services ever send. The caller then shows "No Connect".

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <chrono>
#include <functional>
#include <string>

namespace tavlira {

// What a form post or a text download brought back.
struct ServiceAnswer {
    bool done = false;
    // The answer as text in code page 1251, whatever the server sent it in
    // (its declared character set, else UTF-8).
    std::string text;
};

struct ServiceTimeouts {
    std::chrono::milliseconds connect{5000};
    // Silence allowed while the answer comes in.
    std::chrono::milliseconds read{3000};
    // A server that trickles its answer byte by byte ends here.
    std::chrono::milliseconds whole{15000};
};

// The server's agent check: form posts are only served to this agent.
inline constexpr const char* ServiceUserAgent = "KubLanternOwl";

class ServiceClient : public QObject {
    Q_OBJECT

  public:
    using Answered = std::function<void(const ServiceAnswer&)>;
    using Downloaded = std::function<void(bool done, const QByteArray& bytes)>;

    explicit ServiceClient(QObject* parent = nullptr);
    ~ServiceClient() override;

    // POSTs `body` to `url` byte for byte, as "application/x-www-form-urlencoded".
    // `answered` runs while `receiver` still exists.
    void Post(const QUrl& url, std::string body, const QObject* receiver, Answered answered);
    // GETs a text: the service directory, the news page, the own address.
    void GetText(const QUrl& url, const QObject* receiver, Answered answered);
    // GETs raw bytes: a photo.
    void Download(const QUrl& url, const QObject* receiver, Downloaded downloaded);
    // POSTs a file's bytes with the given content type (a photo upload).
    void Upload(const QUrl& url, QByteArray bytes, const QByteArray& contentType,
                const QObject* receiver, Answered answered);

    void SetTimeouts(const ServiceTimeouts& timeouts) { limits = timeouts; }
    const ServiceTimeouts& Timeouts() const { return limits; }

    // Requests under way; the dialogs show they are busy while it is not 0.
    int Pending() const { return pending; }

  signals:
    void BusyChanged(bool busy);

  private:
    using Finished = std::function<void(bool done, const QByteArray& body, const QByteArray& type)>;
    void Send(QNetworkReply* reply, qint64 sizeLimit, const QObject* receiver, Finished finished);
    QNetworkRequest Request(const QUrl& url) const;

    QNetworkAccessManager network;
    ServiceTimeouts limits;
    int pending = 0;
};

// The body of a text answer in code page 1251: `body` read in the character
// set that `contentType` names, else as UTF-8.
std::string AnswerText(const QByteArray& body, const QByteArray& contentType);

} // namespace tavlira
