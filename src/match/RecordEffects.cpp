#include "match/RecordEffects.h"

namespace tavlira {
namespace {

RecordOutcome OutcomeOf(WriteStatus status) {
    RecordOutcome outcome;
    outcome.status = status;
    return outcome;
}

} // namespace

RecordOutcome RunRecordEffect(RecordStore& records, const RecordEffect& effect) {
    return std::visit(
        [&records](const auto& e) -> RecordOutcome {
            using E = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<E, record_effect::WriteHistory>)
                return OutcomeOf(records.WriteHistory({&e.entry, 1}, e.time, e.date)
                                     ? WriteStatus::Written
                                     : WriteStatus::Failed);
            else if constexpr (std::is_same_v<E, record_effect::StoreResult>)
                return records.StoreGameResult(e.kind, e.result);
            else if constexpr (std::is_same_v<E, record_effect::RemoveMember>)
                return OutcomeOf(records.RemoveMember(e.kind, e.slot, e.name));
            else
                return records.RenameMember(e.kind, e.slot, e.oldName, e.newName, e.newPassword);
        },
        effect);
}

} // namespace tavlira
