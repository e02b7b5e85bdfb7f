#include "util/TextCipher.h"

#include "util/Base64.h"

namespace tavlira {
namespace {

// The key advances on the enciphered byte in both directions, so decoding
// replays exactly the key sequence of encoding.
std::uint16_t NextKey(std::uint16_t key, unsigned char cipherByte) {
    return static_cast<std::uint16_t>(
        (static_cast<std::uint32_t>(cipherByte + key) * 52845u + 22719u) & 0xFFFFu);
}

unsigned char KeyByte(std::uint16_t key) {
    return static_cast<unsigned char>(key >> 8);
}

} // namespace

std::string EncipherBytes(std::string_view plain, std::uint16_t key) {
    std::string out(plain.size(), '\0');
    for (size_t i = 0; i < plain.size(); ++i) {
        auto c = static_cast<unsigned char>(static_cast<unsigned char>(plain[i]) ^ KeyByte(key));
        out[i] = static_cast<char>(c);
        key = NextKey(key, c);
    }
    return out;
}

std::string DecipherBytes(std::string_view cipher, std::uint16_t key) {
    std::string out(cipher.size(), '\0');
    for (size_t i = 0; i < cipher.size(); ++i) {
        auto c = static_cast<unsigned char>(cipher[i]);
        out[i] = static_cast<char>(c ^ KeyByte(key));
        key = NextKey(key, c);
    }
    return out;
}

std::string EncodeText(std::string_view text, CipherKey startKey) {
    return Base64Encode(EncipherBytes(text, static_cast<std::uint16_t>(startKey)));
}

std::string DecodeText(std::string_view base64, CipherKey startKey) {
    return DecipherBytes(Base64Decode(base64), static_cast<std::uint16_t>(startKey));
}

} // namespace tavlira
