// Arbitrary bytes as a move log. A log that reads must write back to the
// same bytes, and playing it again must end in a verdict, never a crash.

#include "FuzzCheck.h"
#include "gamelog/LogReplay.h"
#include "gamelog/MoveLog.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto read = tavlira::ReadMoveLog(bytes);
    const auto* log = std::get_if<tavlira::MoveLog>(&read);
    if (log == nullptr)
        return 0;
    FUZZ_CHECK(tavlira::WriteMoveLog(*log) == bytes);
    tavlira::VerifyMoveLog(*log);
    return 0;
}
