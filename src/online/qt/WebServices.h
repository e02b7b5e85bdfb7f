#pragma once
// The web server as the game sees it: where each endpoint is, and one call
// that sends any request the codec builds and hands its answer back. The
// endpoints start at the built-in base address (or the one the command line
// or the environment gives, see ServiceAddress.h) with the codec's paths;
// the service directory, read once at start, may replace the account,
// statistics and tournament endpoints.

#include "online/Endpoints.h"
#include "online/Post.h"
#include "online/Services.h"
#include "online/qt/ServiceClient.h"
#include "records/Settings.h"

#include <QObject>
#include <QUrl>
#include <optional>
#include <string_view>

namespace tavlira {

class WebServices : public QObject {
    Q_OBJECT

  public:
    // `baseOverride` replaces the host of every address, the directory's too.
    explicit WebServices(std::optional<QUrl> baseOverride, QObject* parent = nullptr);

    ServiceClient& Client() { return client; }
    QUrl EndpointUrl(online::Endpoint endpoint) const;
    // The base address with `path` (a download, the directory, a photo).
    QUrl At(std::string_view path) const;

    // Reads the service directory and applies what it gives; `done` runs
    // afterwards with what was read, nothing when it could not be read.
    using DirectoryRead = std::function<void(const std::optional<online::ServiceDirectory>&)>;
    void ReadDirectory(const QObject* receiver, DirectoryRead done);
    // While the directory says so, the world top ten is not offered.
    bool WorldTopTenPaused() const { return worldTopTenPaused; }
    // The deciphered directory entries replace the endpoints they name.
    online::ServiceDirectory UseDirectory(std::string_view text);

    // Sends a request the codec builds, byte for byte, to its endpoint.
    template <class Request>
    void Send(const Request& request, const QObject* receiver, ServiceClient::Answered answered) {
        const online::Post post = online::Build(request);
        client.Post(EndpointUrl(post.endpoint), post.body, receiver, std::move(answered));
    }

  private:
    std::optional<QUrl> baseOverride;
    QUrl base;
    QUrl account;
    QUrl statistics;
    QUrl tournament;
    bool worldTopTenPaused = false;
    ServiceClient client;
};

} // namespace tavlira
