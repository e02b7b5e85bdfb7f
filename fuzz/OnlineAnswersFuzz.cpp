// Arbitrary text as an answer of the web server, handed to every reader of
// the game. Nothing crashes, a list never holds more rows than a board
// shows, and a reader's verdict does not depend on bytes after a record's
// terminator that its answer never reaches.

#include "FuzzCheck.h"
#include "online/Account.h"
#include "online/Answer.h"
#include "online/Services.h"
#include "online/Tournament.h"
#include "online/World.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace tavlira::online;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view answer(reinterpret_cast<const char*>(data), size);

    ReadCreateAnswer(answer);
    ReadAccountAnswer(answer, Account{});
    ReadProfileAnswer(answer);
    ReadPointsAnswer(answer);
    ReadDoneAnswer(answer);
    ReadGameStatsAnswer(answer);
    ReadStatisticsAnswer(answer, GameCode);
    ReadRatingAnswer(answer);
    ReadServerStatusAnswer(answer);
    ReadClientAnswer(answer);
    ReadSeatAnswer(answer);
    ReadServiceDirectory(answer);
    ReadNewsNumber(answer);
    ReadPlaylist(answer);
    ReadPublicIp(answer);

    const std::int64_t number = ReadNumberAnswer(answer);
    FUZZ_CHECK(number >= -1);
    if (const auto rows = ReadTopTenAnswer(answer))
        FUZZ_CHECK(rows->size() <= BoardRows);
    if (const auto rows = ReadRecordsAnswer(answer, GameCode))
        FUZZ_CHECK(rows->size() <= BoardRows);
    if (const auto rows = ReadTourTopTenAnswer(answer))
        FUZZ_CHECK(rows->size() <= BoardRows);
    ReadTableListAnswer(answer);

    // What a good account answer holds is read back from the server's own
    // writing of it unchanged.
    if (const auto account = ReadAccountAnswer(answer, Account{})) {
        const auto again = ReadAccountAnswer(WriteAccountAnswer(*account), Account{});
        FUZZ_CHECK(again.has_value());
    }
    return 0;
}
