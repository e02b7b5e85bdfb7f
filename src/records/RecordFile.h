#pragma once
// The record file: the club file "Tavlira2.clb" (games against the computer)
// and the net file "Tavlira2.net" (network duels) share this layout. Code page
// 1251, exactly 17 lines ended by CR LF:
//
//   lines 1..5   59 chars  member records, best rating first
//                            1..20  name, padded with blanks on the right
//                           21..30  rating, six decimals with a comma,
//                                   right-aligned ("  0,000000")
//                           31..37  games played, right-aligned
//                           38      a blank
//                           39..44  score of the current cycle, right-aligned
//                           45..59  password, encoded (EncodePassword)
//                          an empty slot is 37 '#', a blank and 21 '#'; a
//                          slot is empty when its character 37 is '#'
//   lines 6..15  26 chars  the top ten, best score first: name (20), cycle
//                          score (6, right-aligned)
//   line 16      28 chars  marker: byte 166 (the game's number 66 + 100), '}',
//                          then anything
//   line 17      28 chars  control line: 1 install language ('1' starts the
//                          interface in Russian), 7..9 distribution label,
//                          11..28 the checksums; other characters are kept
//
// Checksums: lines 1..16 joined without line ends give 583 bytes; sums of the
// byte values over all positions, even positions and positions divisible by 3
// (counted from 1), each as six digits with leading zeros, A B C.
//
// This header holds the format and the rules that change a file in memory;
// RecordStore.h reads and rewrites the files on disk.

#include "game/PlayMode.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tavlira {

inline constexpr int MemberSlots = 5;
inline constexpr int TopTenPlaces = 10;
inline constexpr int RecordFileLines = 17;
inline constexpr std::size_t MemberLineLength = 59;
inline constexpr std::size_t TopTenLineLength = 26;
inline constexpr std::size_t MarkerLineLength = 28;
inline constexpr std::size_t NameLength = 20;

// Added to every password character code; three digits per character for any
// byte 0..255. Files written with another offset do not read here.
inline constexpr int PasswordOffset = 317;
inline constexpr std::size_t PasswordLength = 5;

inline constexpr std::string_view EmptyMemberLine =
    "##################################### #####################";

// A game ends a cycle when the member's total of games is a multiple of 20.
inline bool EndsCycle(int gameCounter) {
    return gameCounter > 0 && gameCounter % CycleGames == 0;
}

struct RecordFile {
    std::array<std::string, RecordFileLines> lines;

    std::string& Member(int slot) { return lines[static_cast<std::size_t>(slot - 1)]; }
    const std::string& Member(int slot) const { return lines[static_cast<std::size_t>(slot - 1)]; }
    std::string& TopTen(int place) { return lines[static_cast<std::size_t>(place + 4)]; }
    const std::string& TopTen(int place) const {
        return lines[static_cast<std::size_t>(place + 4)];
    }
    const std::string& ControlLine() const { return lines[16]; }
};

// What is wrong with a record file's bytes, if anything.
enum class RecordFileFault { None, Shape, Checksums, Marker };

RecordFileFault FindRecordFileFault(std::string_view bytes);

// The 17 lines of a sound file, or nothing for a damaged one.
std::optional<RecordFile> ParseRecordFile(std::string_view bytes);

// The file's bytes with freshly computed checksums in line 17.
std::string FormatRecordFile(RecordFile file);

// The file the program ships: five empty slots, an empty top ten, the marker
// and a control line with `installLanguage` and the three-letter
// `distributionLabel`.
RecordFile InitialRecordFile(char installLanguage, std::string_view distributionLabel);

struct MemberRecord {
    std::string name; // without the padding blanks
    double rating = 0.0;
    int games = 0;
    int cycleScore = 0;
    std::string encodedPassword; // 15 digits
};

bool IsEmptySlot(std::string_view memberLine);
std::string FormatMemberLine(const MemberRecord& member);
// The member of a line, or nothing for an empty slot.
std::optional<MemberRecord> ParseMemberLine(std::string_view memberLine);

// The password (at most five characters, padded with blanks) as 15 digits.
std::string EncodePassword(std::string_view password);
// The five characters of an encoded password, trailing blanks removed; nothing
// when the text is not 15 digits of valid codes.
std::optional<std::string> DecodePassword(std::string_view encoded);

// The rating after a match: (games before the match x old rating + lead)
// / games after it, rounded to six decimals, limited to -99.99..99.99.
double RatingAfterMatch(double oldRating, int gameCounter, int gamesAtTable, int pointsLead);

// Removes member `slot` (1..5) and closes the gap; other slots change nothing.
void RemoveMemberAt(RecordFile& file, int slot);

// The slot of the member named `name`: `slot` when that line holds the name,
// else the first slot that does, else 0. Guards against a slot number that
// went stale because another copy of the game rewrote the file.
int FindMemberSlot(const RecordFile& file, int slot, std::string_view name);

// Enters a cycle score into the top ten above the first place whose score is
// less than or equal to it; returns the place 1..10, or 0.
int EnterTopTen(RecordFile& file, std::string_view name, int score);

// Enters a member line into the club above the first member whose rating is
// less than or equal to its rating, or into the first empty slot; returns the
// slot 1..5, or 0 when the record no longer qualifies.
int EnterClub(RecordFile& file, const std::string& memberLine);

} // namespace tavlira
