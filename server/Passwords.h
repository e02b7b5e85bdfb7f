#pragma once
// Passwords are kept only as argon2id hashes (libsodium's crypto_pwhash_str,
// which stores the salt and the cost in the hash text).

#include <optional>
#include <string>
#include <string_view>

namespace tavlira::server {

// The cost of one hash: 2 passes over 19 MiB, the figures recommended for
// argon2id when a server must hash many logins (about 20 ms here).
struct PasswordCost {
    unsigned long long passes = 2;
    std::size_t memoryBytes = std::size_t{19} << 20;
};

// False when libsodium cannot be initialised.
bool InitPasswords();
std::optional<std::string> HashPassword(std::string_view password, PasswordCost cost = {});
bool VerifyPassword(const std::string& hash, std::string_view password);

} // namespace tavlira::server
