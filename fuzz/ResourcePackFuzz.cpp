// Arbitrary bytes as a pack of pictures or sounds. The check must read only
// inside the bytes (the sanitizers watch), and whatever it passes must at
// least carry the pack's magic and a whole header.

#include "FuzzCheck.h"
#include "util/ResourcePack.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (tavlira::IsWholeResourcePack(bytes))
        FUZZ_CHECK(bytes.starts_with("qres") && bytes.size() >= 20);
    return 0;
}
