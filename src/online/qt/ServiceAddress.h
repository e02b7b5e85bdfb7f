#pragma once
// Where the web server is. Every service address is absolute; the built-in
// ones point at the companion server on this machine. For a test, or for a
// community that hosts the services elsewhere, one base address can replace
// the scheme, host and port of all of them while each keeps its path: the
// command-line option "--server URL", else the environment variable
// TAVLIRA_SERVER.

#include <QString>
#include <QUrl>
#include <optional>
#include <string_view>

namespace tavlira {

// The companion server's built-in base address.
inline constexpr std::string_view DefaultServiceBase = "http://127.0.0.1:8066";
inline constexpr const char* ServiceBaseVariable = "TAVLIRA_SERVER";

// The base address asked for on the command line (`option`, empty when not
// given) or in the environment; nothing when neither asks, or when what
// they give is not an http address with a host.
std::optional<QUrl> ServiceBaseOverride(const QString& option);

// Whether `text` can serve as a base address: http or https with a host.
bool IsServiceBase(const QUrl& url);

// `address` with the scheme, host and port of `base`, when there is one.
QUrl Rebased(const QUrl& address, const std::optional<QUrl>& base);

} // namespace tavlira
