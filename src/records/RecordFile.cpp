#include "records/RecordFile.h"

#include "records/TextLines.h"
#include "util/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tavlira {
namespace {

constexpr std::size_t ChecksumBytes = 583; // 5 x 59 + 10 x 26 + 28
constexpr char MarkerByte = static_cast<char>(166);
constexpr int MaxGames = 9'999'999; // the 7-character field
constexpr int MinScore = -99'999;   // the 6-character field
constexpr int MaxScore = 999'999;
constexpr double RatingLimit = 99.99;

std::size_t ExpectedLength(std::size_t lineIndex) {
    if (lineIndex < 5)
        return MemberLineLength;
    if (lineIndex < 15)
        return TopTenLineLength;
    return MarkerLineLength;
}

ByteSums SumsOf(const RecordFile& file) {
    std::string joined;
    for (std::size_t i = 0; i + 1 < file.lines.size(); ++i)
        joined += file.lines[i];
    ByteSums sums;
    sums.Add(std::string_view(joined).substr(0, ChecksumBytes));
    return sums;
}

std::string FormatSums(const ByteSums& sums) {
    return PadLeft(sums.all, 6, '0') + PadLeft(sums.even, 6, '0') + PadLeft(sums.third, 6, '0');
}

bool ShapeIsRight(const std::vector<std::string>& lines) {
    if (lines.size() != RecordFileLines)
        return false;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].size() != ExpectedLength(i))
            return false;
    return true;
}

RecordFile FromLines(std::vector<std::string> lines) {
    RecordFile file;
    std::move(lines.begin(), lines.end(), file.lines.begin());
    return file;
}

// Shifts lines first..last-1 down by one (the last drops out) and writes
// `line` at first.
template <typename Lines>
void InsertAt(Lines& lines, std::size_t first, std::size_t last, std::string line) {
    std::move_backward(lines.begin() + static_cast<long>(first),
                       lines.begin() + static_cast<long>(last - 1),
                       lines.begin() + static_cast<long>(last));
    lines[first] = std::move(line);
}

std::string PaddedName(std::string_view name) {
    return PadRight(Printable(name), NameLength);
}

} // namespace

RecordFileFault FindRecordFileFault(std::string_view bytes) {
    // Reading one line beyond 17 tells a file with extra lines from a sound one.
    const std::vector<std::string> lines = SplitLines(bytes, RecordFileLines + 1);
    if (!ShapeIsRight(lines))
        return RecordFileFault::Shape;
    const RecordFile file = FromLines(lines);
    if (Chars(file.ControlLine(), 11, 28) != FormatSums(SumsOf(file)))
        return RecordFileFault::Checksums;
    const std::string& marker = file.lines[15];
    if (marker[0] != MarkerByte || marker[1] != '}')
        return RecordFileFault::Marker;
    return RecordFileFault::None;
}

std::optional<RecordFile> ParseRecordFile(std::string_view bytes) {
    if (FindRecordFileFault(bytes) != RecordFileFault::None)
        return std::nullopt;
    return FromLines(SplitLines(bytes, RecordFileLines));
}

std::string FormatRecordFile(RecordFile file) {
    std::string& control = file.lines[16];
    control = PadRight(control, MarkerLineLength).replace(10, 18, FormatSums(SumsOf(file)));
    return JoinLines({file.lines.begin(), file.lines.end()});
}

RecordFile InitialRecordFile(char installLanguage, std::string_view distributionLabel) {
    RecordFile file;
    for (int slot = 1; slot <= MemberSlots; ++slot)
        file.Member(slot) = EmptyMemberLine;
    for (int place = 1; place <= TopTenPlaces; ++place)
        file.TopTen(place) = std::string(NameLength, '#') + PadLeft(0, 6, ' ');
    file.lines[15] = std::string{MarkerByte, '}'} + std::string(MarkerLineLength - 2, '#');
    file.lines[16] = std::string(1, installLanguage) + "#####" + PadRight(distributionLabel, 3) +
                     "#" + std::string(18, '0');
    return file;
}

bool IsEmptySlot(std::string_view memberLine) {
    return memberLine.size() < 37 || memberLine[36] == '#';
}

std::string FormatMemberLine(const MemberRecord& member) {
    const double rating = std::clamp(member.rating, -RatingLimit, RatingLimit);
    return PaddedName(member.name) + FormatRating(rating) +
           PadLeft(std::clamp(member.games, 0, MaxGames), 7, ' ') + " " +
           PadLeft(std::clamp(member.cycleScore, MinScore, MaxScore), 6, ' ') +
           PadRight(member.encodedPassword, 15);
}

std::optional<MemberRecord> ParseMemberLine(std::string_view memberLine) {
    if (IsEmptySlot(memberLine))
        return std::nullopt;
    MemberRecord member;
    const std::string_view name = Chars(memberLine, 1, 20);
    member.name = std::string(name.substr(0, name.find_last_not_of(' ') + 1));
    member.rating = ParseDecimal(Chars(memberLine, 21, 30), 0.0);
    member.games = static_cast<int>(ParseInteger(Chars(memberLine, 31, 37), 0));
    member.cycleScore = static_cast<int>(ParseInteger(Chars(memberLine, 39, 44), 0));
    member.encodedPassword = std::string(Chars(memberLine, 45, 59));
    return member;
}

std::string EncodePassword(std::string_view password) {
    std::string encoded;
    for (const char c : PadRight(password, PasswordLength))
        encoded += PadLeft(static_cast<unsigned char>(c) + PasswordOffset, 3, '0');
    return encoded;
}

std::optional<std::string> DecodePassword(std::string_view encoded) {
    if (encoded.size() != PasswordLength * 3)
        return std::nullopt;
    std::string password;
    for (std::size_t i = 0; i < encoded.size(); i += 3) {
        const std::string_view group = encoded.substr(i, 3);
        if (!std::all_of(group.begin(), group.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return std::nullopt;
        const long long code = ParseInteger(group, -1) - PasswordOffset;
        if (code < 0 || code > 255)
            return std::nullopt;
        password += static_cast<char>(code);
    }
    password.erase(password.find_last_not_of(' ') + 1);
    return password;
}

double RatingAfterMatch(double oldRating, int gameCounter, int gamesAtTable, int pointsLead) {
    if (gameCounter <= 0)
        return oldRating;
    const double gamesBefore = gameCounter - gamesAtTable;
    const double mean = (gamesBefore * oldRating + pointsLead) / gameCounter;
    return std::clamp(RoundHalfEven(mean * 1e6) / 1e6, -RatingLimit, RatingLimit);
}

void RemoveMemberAt(RecordFile& file, int slot) {
    if (slot < 1 || slot > MemberSlots)
        return;
    const auto first = file.lines.begin() + slot - 1;
    std::move(first + 1, file.lines.begin() + MemberSlots, first);
    file.Member(MemberSlots) = EmptyMemberLine;
}

int FindMemberSlot(const RecordFile& file, int slot, std::string_view name) {
    const std::string wanted = PaddedName(name);
    auto holdsName = [&](int s) {
        const std::string& line = file.Member(s);
        return !IsEmptySlot(line) && Chars(line, 1, 20) == wanted;
    };
    if (slot >= 1 && slot <= MemberSlots && holdsName(slot))
        return slot;
    for (int s = 1; s <= MemberSlots; ++s)
        if (holdsName(s))
            return s;
    return 0;
}

int EnterTopTen(RecordFile& file, std::string_view name, int score) {
    for (int place = 1; place <= TopTenPlaces; ++place) {
        const long long placeScore =
            ParseInteger(Chars(file.TopTen(place), 21, 26), std::numeric_limits<long long>::min());
        if (placeScore <= score) {
            const std::string line =
                PaddedName(name) + PadLeft(std::clamp(score, MinScore, MaxScore), 6, ' ');
            InsertAt(file.lines, static_cast<std::size_t>(place + 4), 15, line);
            return place;
        }
    }
    return 0;
}

int EnterClub(RecordFile& file, const std::string& memberLine) {
    const double rating = ParseDecimal(Chars(memberLine, 21, 30), 0.0);
    for (int slot = 1; slot <= MemberSlots; ++slot) {
        const std::string& line = file.Member(slot);
        if (IsEmptySlot(line) ||
            ParseDecimal(Chars(line, 21, 30), -std::numeric_limits<double>::infinity()) <= rating) {
            InsertAt(file.lines, static_cast<std::size_t>(slot - 1), MemberSlots, memberLine);
            return slot;
        }
    }
    return 0;
}

} // namespace tavlira
