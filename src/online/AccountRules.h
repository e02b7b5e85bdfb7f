#pragma once
// Which texts an account may hold: the lamps of the account page and the
// server's check of a new account follow the same rule.

#include <string_view>

namespace tavlira::online {

enum class TextKind { Nick, City, Password, EMail };
enum class Validity { Red, Yellow, Green };

// `text` in code page 1251. Red: empty, one character, too long (nick 12,
// city 15, password 12, e-mail 30), a password under 4, a character outside
// Latin and Russian letters, digits and "!(),-.@_", an e-mail without "@"
// from its second character on or with "@" last. Yellow: holds a Russian
// letter, which only a city may (elsewhere it is red). Otherwise green.
Validity CheckText(TextKind kind, std::string_view text);

bool IsAllowedCharacter(char c);
bool IsRussianLetter(char c);

} // namespace tavlira::online
