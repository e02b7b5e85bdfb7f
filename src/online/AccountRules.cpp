#include "online/AccountRules.h"

namespace tavlira::online {
namespace {

std::size_t MaxLength(TextKind kind) {
    switch (kind) {
    case TextKind::Nick:
        return 12;
    case TextKind::City:
        return 15;
    case TextKind::Password:
        return 12;
    case TextKind::EMail:
        break;
    }
    return 30;
}

} // namespace

bool IsRussianLetter(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0xC0 || u == 0xA8 || u == 0xB8; // А..я, Ё, ё
}

bool IsAllowedCharacter(char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
        return true;
    if (IsRussianLetter(c))
        return true;
    for (const char punctuation : std::string_view("!(),-.@_"))
        if (c == punctuation)
            return true;
    return false;
}

Validity CheckText(TextKind kind, std::string_view text) {
    if (text.size() <= 1 || text.size() > MaxLength(kind))
        return Validity::Red;
    if (kind == TextKind::Password && text.size() < 4)
        return Validity::Red;
    bool russian = false;
    for (const char c : text) {
        if (!IsAllowedCharacter(c))
            return Validity::Red;
        russian = russian || IsRussianLetter(c);
    }
    if (kind == TextKind::EMail) {
        const std::size_t at = text.find('@');
        if (at == std::string_view::npos || at == 0 || at + 1 == text.size())
            return Validity::Red;
    }
    if (russian)
        return kind == TextKind::City ? Validity::Yellow : Validity::Red;
    return Validity::Green;
}

} // namespace tavlira::online
