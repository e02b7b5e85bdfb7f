#include "util/Base64.h"

#include <cstdint>

namespace tavlira {
namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::uint32_t SextetOf(char c) {
    size_t pos = kAlphabet.find(c);
    return pos == std::string_view::npos ? 0 : static_cast<std::uint32_t>(pos);
}

} // namespace

std::string Base64Encode(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() * 4 + 2) / 3);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        size_t n = std::min<size_t>(3, bytes.size() - i);
        std::uint32_t group = 0;
        for (size_t k = 0; k < 3; ++k) {
            std::uint32_t byte = k < n ? static_cast<unsigned char>(bytes[i + k]) : 0;
            group = (group << 8) | byte;
        }
        for (size_t k = 0; k <= n; ++k)
            out.push_back(kAlphabet[(group >> (18 - 6 * k)) & 0x3F]);
    }
    return out;
}

std::string Base64Decode(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 3 / 4);
    for (size_t i = 0; i < text.size(); i += 4) {
        size_t n = std::min<size_t>(4, text.size() - i);
        std::uint32_t group = 0;
        for (size_t k = 0; k < 4; ++k)
            group = (group << 6) | (k < n ? SextetOf(text[i + k]) : 0);
        for (size_t k = 0; k + 1 < n; ++k)
            out.push_back(static_cast<char>((group >> (16 - 8 * k)) & 0xFF));
    }
    return out;
}

} // namespace tavlira
