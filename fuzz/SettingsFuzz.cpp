// Arbitrary bytes as the settings file: whatever is read must save and read
// back to the same file. (The service directory is read by the online
// answers' target.)

#include "FuzzCheck.h"
#include "records/Settings.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const tavlira::LoadedSettings loaded = tavlira::ParseSettings(bytes);
    const std::string saved = tavlira::FormatSettings(loaded.settings);
    const tavlira::LoadedSettings again = tavlira::ParseSettings(saved);
    FUZZ_CHECK(again.reachedServiceAddresses);
    FUZZ_CHECK(tavlira::FormatSettings(again.settings) == saved);
    return 0;
}
