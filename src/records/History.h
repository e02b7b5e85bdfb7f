#pragma once
// Game history: "History/<club file name>_I<nnnn>.hst" in the program folder,
// files 0001..9999, each holding up to 840 games. Code page 1251, lines ended
// by CR LF:
//
//   game lines, 114 characters:
//       1..5    time of writing "hh:nn", right-aligned
//       6..15   date (short date format), right-aligned, cut to 10
//      16..66   player name(s), padded on the right, cut to 51
//      67..69   games of the match, right-aligned
//      70..79   points lead of the match, right-aligned
//      80..89   rating after the match, two decimals with a comma
//      90..99   kind: "L#########" local, "A..." rated online,
//               "T..." tournament, "N..." network duel
//     100..114  three 5-digit checksums over characters 1..99: all bytes,
//               bytes at even positions, bytes at positions divisible by 3
//   the closing line, 114 characters: '$', byte 166, '}', '#' up to 99
//       characters, and its three line checksums
//   the totals line, 30 characters: three 10-digit sums, over every line
//       above, of the first, second and third line checksum
//
// A file is valid when every line before the closing line is longer than 113
// characters, the closing line and a totals line longer than 29 characters
// follow, and the totals equal the sums recomputed from characters 1..99 of
// all lines up to the closing line. Its number of games is the number of
// lines before the closing line.

#include "game/PlayMode.h"
#include "records/FileSystem.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavlira {

inline constexpr int HistoryGamesPerFile = 840;
inline constexpr int HistoryLastFileNumber = 9999;
inline constexpr std::string_view HistoryFolderName = "History";

// One player's entry for a finished match.
struct HisStr {
    std::string HName;     // several players' names joined by "/"
    std::int32_t HKon = 0; // games of the match
    std::int32_t HRes = 0; // points lead of the match
    double HRei = 0.0;     // rating after the match
    PlayKind Ac = PlayKind::Computer;
};

struct HistoryFileCheck {
    bool valid = false;
    int games = 0;
};

HistoryFileCheck VerifyHistoryBytes(std::string_view bytes);

// The file of `number` for the club file named `clubFileStem` ("Tavlira2").
std::filesystem::path HistoryFilePath(const std::filesystem::path& historyFolder,
                                      std::string_view clubFileStem, int number);

struct HistoryFileInfo {
    bool valid = false;
    int games = 0;
    std::filesystem::file_time_type modified{};
};

HistoryFileInfo VerifyHistoryFile(const std::filesystem::path& path);

// One game line (114 characters) for an entry, with the time and date texts
// already formatted by the caller.
std::string FormatHistoryLine(const HisStr& entry, std::string_view time, std::string_view date);

// `existing` (the bytes of a valid file, or empty for a fresh file) with the
// entries added, a new closing line and a new totals line.
std::string AppendHistory(std::string_view existing, std::span<const HisStr> entries,
                          std::string_view time, std::string_view date);

// Appends the entries to the first history file that is valid and not full,
// starting afresh a file that is missing or cannot be continued, and creates
// the folder when needed. A file that cannot be continued (damaged, too large
// to read, or not a regular file) is first moved aside as "<file>.damaged"
// (or .damaged2, ... when that name is taken), which the list never shows.
// False when nothing could be written, the history's lock included (the
// caller shows "Cann`t save history!").
bool WriteHistory(const std::filesystem::path& historyFolder, std::string_view clubFileStem,
                  std::span<const HisStr> entries, std::string_view time, std::string_view date,
                  FileSystem& fileSystem = RealFileSystem());

// An item of the history dialog's file list, which shows it as
// "File I0003 <date of the file>".
struct HistoryListItem {
    int number = 0;
    std::filesystem::file_time_type modified{};
};

// Files 1, 2, ... while they are valid; the list stops at the first missing
// or damaged file. The dialog shows "No History Files" when it is empty.
std::vector<HistoryListItem> ListHistoryFiles(const std::filesystem::path& historyFolder,
                                              std::string_view clubFileStem);

// One row of the history table; texts trimmed of blanks, in code page 1251.
struct HistoryRow {
    std::string time, date, player, games, result, rating;
    // The kind marker: 'L' local, 'A' rated online, 'T' tournament, 'N'
    // network duel.
    char kind = 'L';
};

// The rows of a file, one per game line before the closing line; nothing for
// a file that is not valid.
std::vector<HistoryRow> ReadHistoryRows(std::string_view bytes);

} // namespace tavlira
