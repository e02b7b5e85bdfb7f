#pragma once
// Base64 with the standard alphabet and no '=' padding: a final group of one
// byte gives two characters, of two bytes three. Decoding is lenient: a
// character outside the alphabet counts as 0, and a final group of two or
// three characters gives one or two bytes (a lone final character gives none).

#include <string>
#include <string_view>

namespace tavlira {

std::string Base64Encode(std::string_view bytes);
std::string Base64Decode(std::string_view text);

} // namespace tavlira
