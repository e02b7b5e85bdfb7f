#include "ui/dialogs/online/AccountRules.h"

#include <algorithm>

namespace tavlira {
namespace {

bool PassportValid(std::string_view text, std::size_t longest) {
    return text.size() >= 2 && text.size() <= longest &&
           std::all_of(text.begin(), text.end(), online::IsAllowedCharacter);
}

} // namespace

bool MayType(AccountField field, char byte) {
    if (!online::IsAllowedCharacter(byte))
        return false;
    return !(online::IsRussianLetter(byte) &&
             (field == AccountField::Password || field == AccountField::EMail));
}

bool PassportNickValid(std::string_view text) {
    return PassportValid(text, NickLength);
}

bool PassportCityValid(std::string_view text) {
    return PassportValid(text, AccountCityLength);
}

std::size_t ReplaceUnsafe(std::string& text) {
    std::size_t replaced = 0;
    for (char& c : text)
        if (!online::IsAllowedCharacter(c)) {
            c = '_';
            ++replaced;
        }
    return replaced;
}

} // namespace tavlira
