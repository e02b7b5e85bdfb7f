#pragma once
// What the match asks of the record files, as values: the match emits one
// effect at a time and waits for its outcome (Match::RecordDone) before it
// goes on, so a write that fails, or one that takes its time, is handled the
// same way wherever it runs. `RunRecordEffect` carries an effect out against
// a record store; the window, the engine tool and the tests share it.

#include "records/RecordStore.h"

#include <string>
#include <variant>

namespace tavlira {

namespace record_effect {

// Append the match's line to the game history.
struct WriteHistory {
    HisStr entry;
    std::string time; // "hh:nn"
    std::string date; // the short date
};

// Store a finished match in the record file (RecordStore::StoreGameResult).
struct StoreResult {
    RecordFileKind kind = RecordFileKind::Club;
    GameResult result;
};

// Forfeit a member's record: the player left a running game.
struct RemoveMember {
    RecordFileKind kind = RecordFileKind::Club;
    int slot = 0;
    std::string name;
};

// Give a member a new name and password.
struct RenameMember {
    RecordFileKind kind = RecordFileKind::Club;
    int slot = 0;
    std::string oldName;
    std::string newName;
    std::string newPassword;
};

} // namespace record_effect

using RecordEffect = std::variant<record_effect::WriteHistory, record_effect::StoreResult,
                                  record_effect::RemoveMember, record_effect::RenameMember>;

// What came of an effect: for a history line Written or Failed; for a
// removal its WriteStatus; for a stored result or a renaming the whole
// outcome.
using RecordOutcome = StoreOutcome;

RecordOutcome RunRecordEffect(RecordStore& records, const RecordEffect& effect);

} // namespace tavlira
