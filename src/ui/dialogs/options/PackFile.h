#pragma once
// An artwork pack as it comes from the server: a compiled resource file
// (`rcc --binary`). Before a download may replace a pack on disk its bytes
// are checked to be a whole one, since a pack cut short would be mapped and
// read past its end when pictures are copied out of it.
//
// Layout, all numbers big-endian:
//   header   "qres", version (1..3), tree offset, data offset, names offset,
//            and from version 3 a flags word: 20 or 24 bytes
//   tree     nodes of 14 bytes (version 1) or 22 (later: a 64-bit time
//            stamp follows): name offset (4), flags (2), then for a folder
//            child count (4) and first child (4), for a file territory (2),
//            language (2) and data offset (4). Node 0 is the root folder.
//   names    length in UTF-16 units (2), hash (4), the units
//   data     length (4), the bytes (compressed when the node's flags say so)

#include <QByteArray>
#include <QUrl>
#include <string_view>

namespace tavlira {

// Every node, name and data block of the pack lies inside `bytes`, and Qt's
// resource system accepts it.
bool IsWholePack(const QByteArray& bytes);

// Where the companion server keeps the packs: <base>/packs/<file name>.
inline constexpr std::string_view DefaultPackServer = "http://127.0.0.1:8066";
QUrl PackUrl(const QString& serverBase, std::string_view fileName);

} // namespace tavlira
