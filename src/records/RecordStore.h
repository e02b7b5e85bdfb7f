#pragma once
// The record files on disk ("Tavlira2.clb" for games against the computer,
// "Tavlira2.net" for network duels; layout in RecordFile.h) and the small
// interface through which the match driver records a match.
//
// Every rewrite reads the file, checks it, changes it and replaces it
// atomically while holding the file's lock, so two copies of the game that
// store results at the same time both keep their update. A file that is no
// longer sound when it is about to be changed is left alone.

#include "records/FileSystem.h"
#include "records/History.h"
#include "records/RecordFile.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavlira {

enum class RecordFileKind { Club, Net };

inline constexpr std::string_view RecordFileStem = "Tavlira2";
std::string RecordFileName(RecordFileKind kind); // "Tavlira2.clb" or "Tavlira2.net"

enum class RecordFileStatus {
    Sound,
    Missing, // the caller shows "Can`t find the file" with the path and ends
    Damaged, // the caller shows "The incorrect file" with the path and ends
};

struct RecordFileCheck {
    RecordFileStatus status = RecordFileStatus::Missing;
    // The file is sound but cannot be written (the read-only attribute of
    // other systems): the caller shows the attribute warning, and nothing is
    // written to the record files in this run.
    bool notWritable = false;
    char installLanguage = '0';    // '1' starts the interface in Russian
    std::string distributionLabel; // characters 7..9 of the control line
};

RecordFileCheck CheckRecordFile(const std::filesystem::path& path,
                                FileSystem& fileSystem = RealFileSystem());

// The sound content of a record file, or nothing.
std::optional<RecordFile> ReadRecordFile(const std::filesystem::path& path,
                                         FileSystem& fileSystem = RealFileSystem());

enum class WriteStatus {
    Written,
    Unchanged, // nothing to store (a player who is not a member)
    Suspended, // the attribute warning stands for this run: not stored
    Damaged,   // the file is missing or no longer sound: not touched
    Failed,    // the lock or the rewrite failed: "Error of disk writing!"; file unchanged
};

// Removes the member of `slot` (1..5) whose name is `name` and closes the gap.
// Slots 6..8 (new player, online play) change nothing.
WriteStatus RemoveMember(const std::filesystem::path& path, int slot, std::string_view name,
                         FileSystem& fileSystem = RealFileSystem());

// A finished match of a member or new player, as the match driver has it.
struct GameResult {
    int playerSlot = 6; // 1..5 a member, 6 a new player
    std::string name;
    double rating = 0.0; // the rating after the match (RatingAfterMatch)
    int gameCounter = 0; // the member's games after the match
    int shownScore = 0;  // cycle score: score at the start plus the points lead
    std::string encodedPassword;
};

struct StoreOutcome {
    WriteStatus status = WriteStatus::Unchanged;
    bool cycleEnded = false;
    int topTenPlace = 0; // 1..10, or 0 when the cycle score missed the top ten
    int cycleScore = 0;  // the score of the finished cycle
    int clubSlot = 0;    // where the member now stands, 0 when no longer a member
};

// How the end-of-game dialog presents a finished cycle: place 1, a place in
// the top ten, or no place (0, or a world place beyond 10 in online play).
enum class CycleOutcome { Best, Good, Bad };
CycleOutcome OutcomeOfPlace(int topTenPlace);

// Changes the file in memory: at the end of a cycle enters the top ten and
// resets the record's cycle score, then enters the club.
StoreOutcome StoreResult(RecordFile& file, MemberRecord record, bool topTenEntry);

// Stores a finished match: the member's old line is removed and the new
// record competes for the club (and, when the match ended a cycle, the cycle
// score for the top ten), all in one rewrite.
StoreOutcome StoreGameResult(const std::filesystem::path& path, const GameResult& result,
                             FileSystem& fileSystem = RealFileSystem());

// Gives member `slot` named `oldName` a new name and password and stores the
// record again; `clubSlot` of the outcome is the member's new slot.
StoreOutcome RenameMember(const std::filesystem::path& path, int slot, std::string_view oldName,
                          std::string_view newName, std::string_view newPassword,
                          FileSystem& fileSystem = RealFileSystem());

// The decoded password of member `slot`, or nothing for an empty slot or an
// unreadable file.
std::optional<std::string> ReadMemberPassword(const std::filesystem::path& path, int slot,
                                              FileSystem& fileSystem = RealFileSystem());

// What the match driver needs from the records. Tests of the match substitute
// a fake; DiskRecordStore is the real one.
class RecordStore {
  public:
    virtual ~RecordStore() = default;

    // The current content of a record file (the club list on the menu), or
    // nothing when it is not sound.
    virtual std::optional<RecordFile> ReadRecords(RecordFileKind kind) = 0;
    // The member of `slot` (1..5) in the current record file, or nothing.
    virtual std::optional<MemberRecord> LoadMember(RecordFileKind kind, int slot) = 0;
    // Stores a finished match (StoreGameResult above).
    virtual StoreOutcome StoreGameResult(RecordFileKind kind, const GameResult& result) = 0;
    // Forfeits the member's record when the player leaves a running game.
    virtual WriteStatus RemoveMember(RecordFileKind kind, int slot, std::string_view name) = 0;
    // Appends history lines; false when they could not be written ("Cann`t
    // save history!"). `time` is "hh:nn", `date` the short date.
    virtual bool WriteHistory(std::span<const HisStr> entries, std::string_view time,
                              std::string_view date) = 0;
    // Gives a member a new name and password (RenameMember above).
    virtual StoreOutcome RenameMember(RecordFileKind kind, int slot, std::string_view oldName,
                                      std::string_view newName, std::string_view newPassword) = 0;
};

// The start-up check of both record files.
struct StartupCheck {
    RecordFileStatus status = RecordFileStatus::Sound;
    std::filesystem::path failedFile; // the file to name in the error box
    // Files to name in the attribute warning, in the order checked.
    std::vector<std::filesystem::path> notWritableFiles;
    char installLanguage = '0'; // of the club file
    std::string distributionLabel;
};

class DiskRecordStore final : public RecordStore {
  public:
    explicit DiskRecordStore(std::filesystem::path programFolder,
                             FileSystem& fileSystem = RealFileSystem());

    // Removes temporary files of interrupted rewrites, then checks the club
    // file and, when it is sound, the net file. A file that cannot be written
    // suspends all record writes of this run.
    StartupCheck CheckAtStart();

    std::filesystem::path PathOf(RecordFileKind kind) const;
    std::filesystem::path HistoryFolder() const;

    std::optional<RecordFile> ReadRecords(RecordFileKind kind) override;
    std::optional<MemberRecord> LoadMember(RecordFileKind kind, int slot) override;
    StoreOutcome StoreGameResult(RecordFileKind kind, const GameResult& result) override;
    WriteStatus RemoveMember(RecordFileKind kind, int slot, std::string_view name) override;
    bool WriteHistory(std::span<const HisStr> entries, std::string_view time,
                      std::string_view date) override;
    StoreOutcome RenameMember(RecordFileKind kind, int slot, std::string_view oldName,
                              std::string_view newName, std::string_view newPassword) override;

  private:
    std::filesystem::path programFolder_;
    FileSystem& fileSystem_;
    bool writesSuspended_ = false;
};

} // namespace tavlira
