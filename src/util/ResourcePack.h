#pragma once
// The packs of pictures and sounds (artwork, calendar, radio, voice) are Qt
// binary resource files (made by `rcc --binary --no-compress`). Qt trusts the
// offsets inside such a file, so a damaged or truncated pack would have it
// read outside the file. Every pack is read into memory and checked here
// before Qt sees it. Layout, all numbers big-endian:
//
//   header   "qres", version (1..3), tree offset, data offset, names offset,
//            and from version 3 a flags word: 20 or 24 bytes
//   tree     entries of 14 bytes (version 1) or 22 (versions 2, 3, which
//            append an 8-byte time): name offset (4), flags (2), then a
//            folder's child count (4) and first child index (4), or a
//            file's territory (2), language (2) and data offset (4). Entry 0
//            is the root folder.
//   names    length in UTF-16 units (2), hash (4), the UTF-16 characters
//   data     length (4), the bytes
//
// Pure code: no Qt, so it can be tested and fuzzed on its own.

#include <string_view>

namespace tavlira {

// True when every entry reachable from the root lies inside `pack`, the
// folders form a tree, and no file is compressed. Packs are made without
// compression, so a compressed entry is damage or a file that is no pack;
// refusing it also keeps a pack from claiming a huge unpacked size.
bool IsWholeResourcePack(std::string_view pack);

} // namespace tavlira
