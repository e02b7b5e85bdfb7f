#include "util/ResourcePack.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace tavlira {
namespace {

// A pack of two small files, /RCDATA/R_BASE and /RCDATA/R_01, as the
// resource compiler writes it.
std::string SmallPack() {
    std::ifstream in(UTIL_FIXTURE_DIR "/small.pack", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ResourcePackTest, AWholePackPassesAndEveryShorterOneFails) {
    const std::string pack = SmallPack();
    ASSERT_GT(pack.size(), 100u);
    EXPECT_TRUE(IsWholeResourcePack(pack));
    for (std::size_t size = 0; size < pack.size(); ++size)
        EXPECT_FALSE(IsWholeResourcePack(std::string_view(pack).substr(0, size))) << size;
}

TEST(ResourcePackTest, OffsetsOutsideThePackOrLoopsFail) {
    const std::string pack = SmallPack();
    const auto with = [&](std::size_t at, std::string bytes) {
        std::string damaged = pack;
        damaged.replace(at, bytes.size(), bytes);
        return damaged;
    };
    const std::size_t tree = 0x5e;
    for (const std::string& damaged : {
             with(0, "QRES"),                              // not a pack
             with(4, std::string("\0\0\0\x09", 4)),        // an unknown version
             with(8, std::string("\x7f\0\0\0", 4)),        // the tree past the end
             with(12, std::string("\x7f\0\0\0", 4)),       // the data past the end
             with(tree + 6, std::string("\0\0\x7f\0", 4)), // a child count past the tree
             with(tree + 10, std::string("\0\0\0\0", 4)),  // a folder that holds the root
         })
        EXPECT_FALSE(IsWholeResourcePack(damaged));
}

// Whatever one damaged byte says, the check reads only inside the pack (the
// sanitizer build would report a read beside it).
TEST(ResourcePackTest, AnyOneByteChangedIsReadSafely) {
    const std::string pack = SmallPack();
    for (std::size_t at = 0; at < pack.size(); ++at)
        for (unsigned char value : {0x00, 0x01, 0x7f, 0xff}) {
            std::string damaged = pack;
            damaged[at] = static_cast<char>(value);
            IsWholeResourcePack(damaged);
        }
}

} // namespace
} // namespace tavlira
