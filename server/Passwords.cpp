#include "Passwords.h"

#include <sodium.h>

namespace tavlira::server {

bool InitPasswords() {
    return sodium_init() >= 0;
}

std::optional<std::string> HashPassword(std::string_view password, PasswordCost cost) {
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(hash, password.data(), password.size(), cost.passes, cost.memoryBytes,
                              crypto_pwhash_ALG_ARGON2ID13) != 0)
        return std::nullopt;
    return std::string(hash);
}

bool VerifyPassword(const std::string& hash, std::string_view password) {
    return crypto_pwhash_str_verify(hash.c_str(), password.data(), password.size()) == 0;
}

} // namespace tavlira::server
