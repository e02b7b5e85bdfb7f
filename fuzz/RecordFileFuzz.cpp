// Arbitrary bytes as a club or net file. A file judged sound must survive
// every change the game makes to it: the result is sound again.

#include "FuzzCheck.h"
#include "records/ClubList.h"
#include "records/RecordFile.h"
#include "records/RecordStore.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using namespace tavlira;

bool IsSound(const RecordFile& file) {
    return ParseRecordFile(FormatRecordFile(file)).has_value();
}

void ExerciseSoundFile(const RecordFile& file) {
    FUZZ_CHECK(IsSound(file));
    for (int slot = 1; slot <= MemberSlots; ++slot) {
        if (const auto member = ParseMemberLine(file.Member(slot))) {
            DecodePassword(member->encodedPassword);
            RecordFile changed = file;
            RemoveMemberAt(changed, FindMemberSlot(changed, slot, member->name));
            StoreResult(changed, *member, true);
            FUZZ_CHECK(IsSound(changed));
        }
    }
    RecordFile withNewcomer = file;
    StoreResult(withNewcomer, {"Newcomer\r\n", -3.5, 20, -7, EncodePassword("pw")}, true);
    FUZZ_CHECK(IsSound(withNewcomer));

    const auto width = [](std::string_view text) { return static_cast<int>(text.size()) * 11; };
    for (const ClubDisplay mode : {ClubDisplay::Score, ClubDisplay::Rating})
        MakeClubListView(file, mode, width, {"score", "rating"});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const RecordFileFault fault = FindRecordFileFault(bytes);
    const auto file = ParseRecordFile(bytes);
    FUZZ_CHECK(file.has_value() == (fault == RecordFileFault::None));
    if (file)
        ExerciseSoundFile(*file);
    return 0;
}
