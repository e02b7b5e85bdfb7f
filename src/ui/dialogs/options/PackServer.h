#pragma once
// Where the artwork packs are fetched from, and the check a fetched pack
// passes before it may replace the one on disk.

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <string_view>

namespace tavlira {

// The companion server keeps the packs in its downloads folder, at
// <base><PacksPath><file name>.
inline constexpr std::string_view DefaultPackServer = "http://127.0.0.1:8066";
QUrl PackUrl(const QString& serverBase, std::string_view fileName);

// The bytes are a whole pack (IsWholeResourcePack) and Qt's resource system
// takes them.
bool IsReadablePack(const QByteArray& bytes);

} // namespace tavlira
