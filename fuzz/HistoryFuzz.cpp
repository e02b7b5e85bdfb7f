// Arbitrary bytes as a history file. Appending a game to whatever the writer
// keeps of it must give a valid file with one more game.

#include "FuzzCheck.h"
#include "records/History.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavlira;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const HistoryFileCheck check = VerifyHistoryBytes(bytes);
    const auto rows = ReadHistoryRows(bytes);
    FUZZ_CHECK(static_cast<int>(rows.size()) == (check.valid ? check.games : 0));

    const HisStr entry{std::string(bytes.substr(0, 60)), 3, -12, 2.5, PlayKind::NetworkDuel};
    const std::string kept = check.valid ? std::string(bytes) : std::string();
    const HistoryFileCheck after =
        VerifyHistoryBytes(AppendHistory(kept, {&entry, 1}, "12:34", bytes.substr(0, 12)));
    FUZZ_CHECK(after.valid);
    FUZZ_CHECK(after.games == (check.valid ? check.games : 0) + 1);
    return 0;
}
