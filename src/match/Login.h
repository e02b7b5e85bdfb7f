#pragma once
// The checks of the login dialog that opens every match.

#include <optional>
#include <string>
#include <string_view>

namespace tavlira {

enum class LoginError {
    None,
    IncorrectName,          // "Incorrect name!"
    PasswordsDoNotCoincide, // "The passwords do not coincide!"
    IncorrectPassword,      // "The incorrect password!"
};

inline constexpr std::size_t LoginNameLength = 20;
inline constexpr std::size_t NetworkLoginNameLength = 9;
inline constexpr std::size_t LoginPasswordLength = 5;

// A new player: a name that is not blank and the same password twice.
LoginError CheckNewPlayer(std::string_view name, std::string_view password,
                          std::string_view passwordAgain);

// A stored member: the typed password must be the stored one (both compared
// padded with blanks to five characters). Without a readable stored password
// no password is accepted.
LoginError CheckMember(std::string_view name, std::string_view password,
                       const std::optional<std::string>& storedPassword);

} // namespace tavlira
