#include "util/TextCipher.h"

#include <gtest/gtest.h>
#include <random>

namespace tavlira {
namespace {

TEST(TextCipher, OutputLengthFollowsUnpaddedBase64) {
    EXPECT_EQ(EncodeText("a", CipherKey::ServiceAddress).size(), 2u);
    EXPECT_EQ(EncodeText("abcde", CipherKey::ServiceAddress).size(), 7u);
}

TEST(TextCipher, FirstByteIsXoredWithHighKeyByte) {
    EXPECT_EQ(EncipherBytes("A", 0x1200), std::string(1, static_cast<char>('A' ^ 0x12)));
    // The second byte uses the key advanced on the first cipher byte.
    const unsigned c0 = 'A' ^ 0x12;
    const unsigned key = ((c0 + 0x1200) * 52845u + 22719u) & 0xFFFFu;
    EXPECT_EQ(static_cast<unsigned char>(EncipherBytes("AB", 0x1200)[1]), ('B' ^ (key >> 8)));
}

TEST(TextCipher, DecodeInvertsEncodeForAnyKeyAndText) {
    std::mt19937 rng(7);
    for (int round = 0; round < 500; ++round) {
        std::string text(rng() % 40, '\0');
        for (char& c : text)
            c = static_cast<char>(rng() & 0xFF);
        auto key = static_cast<std::uint16_t>(rng());
        EXPECT_EQ(DecipherBytes(EncipherBytes(text, key), key), text);
    }
    for (auto key :
         {CipherKey::ServiceAddress, CipherKey::AccountPassword, CipherKey::TournamentAddress})
        EXPECT_EQ(DecodeText(EncodeText("http://127.0.0.1:8066/", key), key),
                  "http://127.0.0.1:8066/");
}

} // namespace
} // namespace tavlira
