#include "online/qt/ServiceAddress.h"

#include <QProcessEnvironment>

namespace tavlira {

bool IsServiceBase(const QUrl& url) {
    return url.isValid() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) &&
           !url.host().isEmpty();
}

std::optional<QUrl> ServiceBaseOverride(const QString& option) {
    const QString text = option.isEmpty()
                             ? QProcessEnvironment::systemEnvironment().value(ServiceBaseVariable)
                             : option;
    if (text.isEmpty())
        return std::nullopt;
    const QUrl url(text, QUrl::StrictMode);
    if (!IsServiceBase(url))
        return std::nullopt;
    return url;
}

QUrl Rebased(const QUrl& address, const std::optional<QUrl>& base) {
    if (!base)
        return address;
    QUrl rebased = address;
    rebased.setScheme(base->scheme());
    rebased.setHost(base->host());
    rebased.setPort(base->port());
    return rebased;
}

} // namespace tavlira
