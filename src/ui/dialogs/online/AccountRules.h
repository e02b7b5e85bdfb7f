#pragma once
// What the club accepts in the boxes of the account and the passport, on top
// of the codec's rule for each text (online/AccountRules.h): the lamp beside
// a box is that rule's red, yellow or green. Texts are code page 1251 bytes,
// one byte a character.

#include "online/AccountRules.h"

#include <string>
#include <string_view>

namespace tavlira {

using AccountField = online::TextKind;
using Lamp = online::Validity;

inline Lamp LampOf(AccountField field, std::string_view text) {
    return online::CheckText(field, text);
}

// Whether a typed character may enter the box: only the allowed ones, and
// in the password and e-mail boxes no Russian letters.
bool MayType(AccountField field, char byte);

// The passport's nick (at most 12) and city (at most 15): allowed characters,
// Russian letters in both, never empty nor one character long.
bool PassportNickValid(std::string_view text);
bool PassportCityValid(std::string_view text);

inline constexpr std::size_t NickLength = 12;
inline constexpr std::size_t AccountCityLength = 15;
inline constexpr std::size_t AccountPasswordLength = 12;
inline constexpr std::size_t EMailLength = 30;

// Turns every character the services cannot carry into "_" (a chat line, a
// window title): "Hi all" travels as "Hi_all". Returns how many changed.
std::size_t ReplaceUnsafe(std::string& text);

} // namespace tavlira
