#include "records/RecordStore.h"

#include "records/AtomicFile.h"
#include "records/TextLines.h"

namespace tavlira {
namespace {

namespace fs = std::filesystem;

StoreOutcome Outcome(WriteStatus status) {
    StoreOutcome outcome;
    outcome.status = status;
    return outcome;
}

RecordFileCheck CheckResult(RecordFileStatus status) {
    RecordFileCheck check;
    check.status = status;
    return check;
}

bool IsMemberSlot(int slot) {
    return slot >= 1 && slot <= MemberSlots;
}

// Reads, changes and rewrites a record file under its lock. `change` returns
// the outcome; only WriteStatus::Written leads to a rewrite.
template <typename Change>
StoreOutcome Rewrite(const fs::path& path, FileSystem& fileSystem, Change change) {
    const FileLock lock(path);
    if (!lock.Held())
        return Outcome(WriteStatus::Failed);
    std::optional<RecordFile> file = ReadRecordFile(path, fileSystem);
    if (!file)
        return Outcome(WriteStatus::Damaged);
    StoreOutcome outcome = change(*file);
    if (outcome.status == WriteStatus::Written &&
        !ReplaceFile(path, FormatRecordFile(*file), fileSystem))
        outcome.status = WriteStatus::Failed;
    return outcome;
}

} // namespace

std::string RecordFileName(RecordFileKind kind) {
    return std::string(RecordFileStem) + (kind == RecordFileKind::Club ? ".clb" : ".net");
}

RecordFileCheck CheckRecordFile(const fs::path& path, FileSystem& fileSystem) {
    const FileBytes bytes = fileSystem.Read(path, MaxOwnFileBytes);
    if (bytes.state == FileState::Missing)
        return CheckResult(RecordFileStatus::Missing);
    const auto file = bytes.state == FileState::Read ? ParseRecordFile(bytes.bytes) : std::nullopt;
    if (!file)
        return CheckResult(RecordFileStatus::Damaged);
    const std::string& control = file->ControlLine();
    return {RecordFileStatus::Sound, !fileSystem.MayReplace(path), control[0],
            std::string(Chars(control, 7, 9))};
}

std::optional<RecordFile> ReadRecordFile(const fs::path& path, FileSystem& fileSystem) {
    const auto bytes = ReadWholeFile(path, fileSystem);
    return bytes ? ParseRecordFile(*bytes) : std::nullopt;
}

WriteStatus RemoveMember(const fs::path& path, int slot, std::string_view name,
                         FileSystem& fileSystem) {
    if (!IsMemberSlot(slot))
        return WriteStatus::Unchanged;
    return Rewrite(path, fileSystem,
                   [&](RecordFile& file) -> StoreOutcome {
                       const int found = FindMemberSlot(file, slot, name);
                       if (found == 0)
                           return Outcome(WriteStatus::Unchanged);
                       RemoveMemberAt(file, found);
                       return Outcome(WriteStatus::Written);
                   })
        .status;
}

CycleOutcome OutcomeOfPlace(int topTenPlace) {
    if (topTenPlace == 1)
        return CycleOutcome::Best;
    return topTenPlace >= 2 && topTenPlace <= TopTenPlaces ? CycleOutcome::Good : CycleOutcome::Bad;
}

StoreOutcome StoreResult(RecordFile& file, MemberRecord record, bool topTenEntry) {
    StoreOutcome outcome = Outcome(WriteStatus::Written);
    if (topTenEntry) {
        outcome.cycleEnded = true;
        outcome.cycleScore = record.cycleScore;
        outcome.topTenPlace = EnterTopTen(file, record.name, record.cycleScore);
        record.cycleScore = 0;
    }
    outcome.clubSlot = EnterClub(file, FormatMemberLine(record));
    return outcome;
}

StoreOutcome StoreGameResult(const fs::path& path, const GameResult& result,
                             FileSystem& fileSystem) {
    if (result.playerSlot < 1 || result.playerSlot > MemberSlots + 1)
        return Outcome(WriteStatus::Unchanged);
    return Rewrite(path, fileSystem, [&](RecordFile& file) {
        if (IsMemberSlot(result.playerSlot))
            RemoveMemberAt(file, FindMemberSlot(file, result.playerSlot, result.name));
        const MemberRecord record{result.name, result.rating, result.gameCounter, result.shownScore,
                                  result.encodedPassword};
        return StoreResult(file, record, EndsCycle(result.gameCounter));
    });
}

StoreOutcome RenameMember(const fs::path& path, int slot, std::string_view oldName,
                          std::string_view newName, std::string_view newPassword,
                          FileSystem& fileSystem) {
    if (!IsMemberSlot(slot))
        return Outcome(WriteStatus::Unchanged);
    return Rewrite(path, fileSystem, [&](RecordFile& file) -> StoreOutcome {
        const int found = FindMemberSlot(file, slot, oldName);
        if (found == 0)
            return Outcome(WriteStatus::Unchanged);
        MemberRecord record = *ParseMemberLine(file.Member(found));
        RemoveMemberAt(file, found);
        record.name = std::string(newName.substr(0, NameLength));
        record.encodedPassword = EncodePassword(newPassword);
        return StoreResult(file, record, false);
    });
}

std::optional<std::string> ReadMemberPassword(const fs::path& path, int slot,
                                              FileSystem& fileSystem) {
    const auto file = ReadRecordFile(path, fileSystem);
    if (!file || !IsMemberSlot(slot))
        return std::nullopt;
    const auto member = ParseMemberLine(file->Member(slot));
    return member ? DecodePassword(member->encodedPassword) : std::nullopt;
}

DiskRecordStore::DiskRecordStore(fs::path programFolder, FileSystem& fileSystem)
    : programFolder_(std::move(programFolder)), fileSystem_(fileSystem) {}

fs::path DiskRecordStore::PathOf(RecordFileKind kind) const {
    return programFolder_ / RecordFileName(kind);
}

fs::path DiskRecordStore::HistoryFolder() const {
    return programFolder_ / HistoryFolderName;
}

StartupCheck DiskRecordStore::CheckAtStart() {
    RemoveStrayTempFiles(programFolder_);
    RemoveStrayTempFiles(HistoryFolder());
    StartupCheck startup;
    for (const RecordFileKind kind : {RecordFileKind::Club, RecordFileKind::Net}) {
        const fs::path path = PathOf(kind);
        const RecordFileCheck check = CheckRecordFile(path, fileSystem_);
        if (check.status != RecordFileStatus::Sound) {
            startup.status = check.status;
            startup.failedFile = path;
            return startup;
        }
        if (kind == RecordFileKind::Club) {
            startup.installLanguage = check.installLanguage;
            startup.distributionLabel = check.distributionLabel;
        }
        if (check.notWritable) {
            startup.notWritableFiles.push_back(path);
            writesSuspended_ = true;
        }
    }
    return startup;
}

std::optional<RecordFile> DiskRecordStore::ReadRecords(RecordFileKind kind) {
    return ReadRecordFile(PathOf(kind), fileSystem_);
}

std::optional<MemberRecord> DiskRecordStore::LoadMember(RecordFileKind kind, int slot) {
    const auto file = ReadRecords(kind);
    if (!file || !IsMemberSlot(slot))
        return std::nullopt;
    return ParseMemberLine(file->Member(slot));
}

StoreOutcome DiskRecordStore::StoreGameResult(RecordFileKind kind, const GameResult& result) {
    if (writesSuspended_)
        return Outcome(WriteStatus::Suspended);
    return tavlira::StoreGameResult(PathOf(kind), result, fileSystem_);
}

WriteStatus DiskRecordStore::RemoveMember(RecordFileKind kind, int slot, std::string_view name) {
    if (writesSuspended_)
        return WriteStatus::Suspended;
    return tavlira::RemoveMember(PathOf(kind), slot, name, fileSystem_);
}

bool DiskRecordStore::WriteHistory(std::span<const HisStr> entries, std::string_view time,
                                   std::string_view date) {
    return tavlira::WriteHistory(HistoryFolder(), RecordFileStem, entries, time, date, fileSystem_);
}

StoreOutcome DiskRecordStore::RenameMember(RecordFileKind kind, int slot, std::string_view oldName,
                                           std::string_view newName, std::string_view newPassword) {
    if (writesSuspended_)
        return Outcome(WriteStatus::Suspended);
    return tavlira::RenameMember(PathOf(kind), slot, oldName, newName, newPassword, fileSystem_);
}

} // namespace tavlira
