// Arbitrary bytes as the body of a form post to one of the server's four
// endpoints (the first byte picks it). Nothing crashes, and a body the server
// takes as a request is one the game could have built: building that request
// again and reading it back gives a request that builds to the same body
// (numbers and fractions may be written differently the first time).

#include "FuzzCheck.h"
#include "online/Request.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace tavlira::online;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const Endpoint endpoint = static_cast<Endpoint>(data[0] % 4);
    const std::string_view body(reinterpret_cast<const char*>(data) + 1, size - 1);
    const auto request = ParseRequest(endpoint, body);
    if (!request)
        return 0;
    const Post post = std::visit([](const auto& r) { return Build(r); }, *request);
    FUZZ_CHECK(post.endpoint == endpoint);
    const auto again = ParseRequest(endpoint, post.body);
    FUZZ_CHECK(again.has_value());
    const Post rebuilt = std::visit([](const auto& r) { return Build(r); }, *again);
    FUZZ_CHECK(rebuilt.body == post.body);
    return 0;
}
