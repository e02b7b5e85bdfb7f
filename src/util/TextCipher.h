#pragma once
// The keyed text cipher for values kept enciphered (service addresses, the
// online account's password, the tournament server's address): a byte stream
// cipher with a 16-bit key state, wrapped in unpadded Base64.

#include <cstdint>
#include <string>
#include <string_view>

namespace tavlira {

// One start key per use.
enum class CipherKey : std::uint16_t {
    ServiceAddress = 0x5A3C,
    AccountPassword = 0x2E91,
    TournamentAddress = 0x71D4,
};

std::string EncodeText(std::string_view text, CipherKey startKey);
std::string DecodeText(std::string_view base64, CipherKey startKey);

// The raw cipher, without Base64, for any 16-bit start key.
std::string EncipherBytes(std::string_view plain, std::uint16_t startKey);
std::string DecipherBytes(std::string_view cipher, std::uint16_t startKey);

} // namespace tavlira
