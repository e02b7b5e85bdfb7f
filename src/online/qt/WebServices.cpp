#include "online/qt/WebServices.h"

#include "online/qt/ServiceAddress.h"

namespace tavlira {
namespace {

QUrl Joined(const QUrl& base, std::string_view path) {
    return QUrl(base.toString(QUrl::StripTrailingSlash) +
                QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
}

// A directory entry as an address; nothing when it does not decipher to an
// http address with a host.
std::optional<QUrl> EntryAddress(const std::optional<std::string>& address) {
    if (!address)
        return std::nullopt;
    const QUrl url(QString::fromStdString(*address), QUrl::StrictMode);
    if (!IsServiceBase(url))
        return std::nullopt;
    return url;
}

} // namespace

WebServices::WebServices(std::optional<QUrl> override, QObject* parent)
    : QObject(parent), baseOverride(std::move(override)),
      base(baseOverride
               ? *baseOverride
               : QUrl(QString::fromLatin1(DefaultServiceBase.data(), DefaultServiceBase.size()))),
      account(Joined(base, online::AccountPath)), statistics(Joined(base, online::StatisticsPath)),
      tournament(Joined(base, online::TournamentPath)), client(this) {}

QUrl WebServices::EndpointUrl(online::Endpoint endpoint) const {
    switch (endpoint) {
    case online::Endpoint::Account:
        return account;
    case online::Endpoint::Statistics:
        return statistics;
    case online::Endpoint::Tournament:
        return tournament;
    case online::Endpoint::Table:
        break;
    }
    return Joined(base, online::TablePath);
}

QUrl WebServices::At(std::string_view path) const {
    return Joined(base, path);
}

online::ServiceDirectory WebServices::UseDirectory(std::string_view text) {
    const online::ServiceDirectory directory = online::ReadServiceDirectory(text);
    worldTopTenPaused = directory.worldTopTenPaused;
    const auto use = [this](const std::optional<std::string>& entry, QUrl& endpoint) {
        if (const std::optional<QUrl> address = EntryAddress(entry))
            endpoint = Rebased(*address, baseOverride);
    };
    use(directory.account, account);
    use(directory.statistics, statistics);
    use(directory.tournament, tournament);
    return directory;
}

void WebServices::ReadDirectory(const QObject* receiver, DirectoryRead done) {
    client.GetText(At(online::DirectoryPath), receiver,
                   [this, done = std::move(done)](const ServiceAnswer& answer) {
                       if (!answer.done)
                           return done(std::nullopt);
                       done(UseDirectory(answer.text));
                   });
}

} // namespace tavlira
