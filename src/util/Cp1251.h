#pragma once
// Code page 1251 is the byte encoding of every card code, record file, history
// file and network message. The core keeps those bytes as they are; text turns
// into Unicode only at the screen, through these two functions.

#include <string>
#include <string_view>

namespace tavlira {

// Each byte becomes its Unicode character in UTF-8. Byte 0x98, unassigned in
// the code page, becomes U+FFFD.
std::string Cp1251ToUtf8(std::string_view bytes);

// Each character becomes its code page 1251 byte; characters the code page
// lacks, and malformed UTF-8, become '?'.
std::string Utf8ToCp1251(std::string_view utf8);

} // namespace tavlira
