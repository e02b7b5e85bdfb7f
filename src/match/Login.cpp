#include "match/Login.h"

namespace tavlira {
namespace {

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

std::string PaddedPassword(std::string_view password) {
    std::string padded(password);
    if (padded.size() < LoginPasswordLength)
        padded.append(LoginPasswordLength - padded.size(), ' ');
    return padded;
}

} // namespace

LoginError CheckNewPlayer(std::string_view name, std::string_view password,
                          std::string_view passwordAgain) {
    if (IsBlank(name) || name.size() > LoginNameLength)
        return LoginError::IncorrectName;
    if (password != passwordAgain || password.size() > LoginPasswordLength)
        return LoginError::PasswordsDoNotCoincide;
    return LoginError::None;
}

LoginError CheckMember(std::string_view name, std::string_view password,
                       const std::optional<std::string>& storedPassword) {
    if (IsBlank(name))
        return LoginError::IncorrectName;
    if (!storedPassword || password.size() > LoginPasswordLength ||
        PaddedPassword(password) != PaddedPassword(*storedPassword))
        return LoginError::IncorrectPassword;
    return LoginError::None;
}

} // namespace tavlira
