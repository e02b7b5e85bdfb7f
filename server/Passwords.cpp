#include "Passwords.h"

#include <algorithm>
#include <semaphore>
#include <sodium.h>
#include <thread>

namespace tavlira::server {
namespace {

// Hashes run at most one per processor at a time: each takes its memory
// cost and a processor for its duration, and a burst of logins would
// otherwise slow every one of them down together and exhaust memory.
class HashSlots {
  public:
    HashSlots() = default;
    void Acquire() { slots_.acquire(); }
    void Release() { slots_.release(); }

  private:
    std::counting_semaphore<1024> slots_{static_cast<std::ptrdiff_t>(
        std::max(2u, std::min(1024u, std::thread::hardware_concurrency())))};
};

HashSlots& Slots() {
    static HashSlots slots;
    return slots;
}

struct HashSlot {
    HashSlot() { Slots().Acquire(); }
    ~HashSlot() { Slots().Release(); }
    HashSlot(const HashSlot&) = delete;
    HashSlot& operator=(const HashSlot&) = delete;
};

} // namespace

bool InitPasswords() {
    return sodium_init() >= 0;
}

std::optional<std::string> HashPassword(std::string_view password, PasswordCost cost) {
    const HashSlot slot;
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(hash, password.data(), password.size(), cost.passes, cost.memoryBytes,
                              crypto_pwhash_ALG_ARGON2ID13) != 0)
        return std::nullopt;
    return std::string(hash);
}

bool VerifyPassword(const std::string& hash, std::string_view password) {
    const HashSlot slot;
    return crypto_pwhash_str_verify(hash.c_str(), password.data(), password.size()) == 0;
}

} // namespace tavlira::server
