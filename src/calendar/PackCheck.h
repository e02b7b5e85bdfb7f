#pragma once
// The calendar pack is a Qt binary resource file. Qt maps such a file
// without checking the offsets inside it, so a damaged pack could send it
// reading anywhere; the pack is read into memory and checked here first.
//
// Layout (all numbers big-endian):
//   header  "qres", version (1..3), tree offset, data offset, names offset,
//           and from version 3 on a flags word
//   tree    nodes of 14 bytes (version 1) or 22 bytes (2 and later), node 0
//           the root: name offset (4), flags (2; 2 = folder), then for a
//           folder the child count (4) and the index of its first child (4),
//           else territory (2), language (2) and data offset (4); from
//           version 2 on a time stamp (8)
//   names   length (2), hash (4), UTF-16 characters
//   data    length (4), bytes

#include <string_view>

namespace tavlira {

// Every header offset, every node reachable from the root, its name and its
// data lie inside `pack`, and no folder is reached twice.
bool IsWholeResourcePack(std::string_view pack);

} // namespace tavlira
