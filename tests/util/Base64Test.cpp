#include "util/Base64.h"

#include <gtest/gtest.h>

namespace tavlira {
namespace {

struct Base64Case {
    std::string plain;
    std::string encoded;
};

TEST(Base64, EncodesWithoutPaddingAndDecodesBack) {
    const Base64Case cases[] = {
        {"", ""},
        {"f", "Zg"},
        {"fo", "Zm8"},
        {"foo", "Zm9v"},
        {"fooba", "Zm9vYmE"},
        {"foobar", "Zm9vYmFy"},
        {"\xFF\xFE", "//4"},
        {std::string("\0\0\0", 3), "AAAA"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Base64Encode(c.plain), c.encoded) << c.plain;
        EXPECT_EQ(Base64Decode(c.encoded), c.plain) << c.encoded;
    }
}

TEST(Base64, DecodingIsLenient) {
    EXPECT_EQ(Base64Decode("Zg=="), std::string("f\0\0", 3)); // '=' counts as 0
    EXPECT_EQ(Base64Decode("Z"), "");                         // a lone character gives no byte
    EXPECT_EQ(Base64Decode("*g"), std::string(1, '\x02'));    // outside the alphabet: 0
}

} // namespace
} // namespace tavlira
