#include "records/History.h"

#include "records/AtomicFile.h"
#include "records/TextLines.h"
#include "util/NumberFormat.h"

#include <algorithm>
#include <limits>
#include <system_error>

namespace tavlira {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t SummedChars = 99;
constexpr std::size_t GameLineLength = 114;
constexpr std::size_t TotalsLineLength = 30;
constexpr std::size_t NameWidth = 51;
constexpr char ClosingMark = '$';
constexpr char GameCodeByte = static_cast<char>(166);
// Readers look at every line; the byte cap of ReadWholeFile bounds them.
constexpr std::size_t MaxLines = std::numeric_limits<std::size_t>::max();

ByteSums LineSums(std::string_view line) {
    ByteSums sums;
    sums.Add(line.substr(0, SummedChars));
    return sums;
}

std::string WithLineSums(std::string body) {
    const ByteSums sums = LineSums(body);
    return body + PadLeft(sums.all, 5, '0') + PadLeft(sums.even, 5, '0') +
           PadLeft(sums.third, 5, '0');
}

char KindMarker(PlayKind kind) {
    switch (kind) {
    case PlayKind::RatedOnline:
        return 'A';
    case PlayKind::Tournament:
        return 'T';
    case PlayKind::NetworkDuel:
        return 'N';
    case PlayKind::Computer:
        break;
    }
    return 'L';
}

// The three sums of a totals line, or nothing when it is too short or not
// made of digits.
std::optional<ByteSums> ReadTotals(std::string_view line) {
    if (line.size() < TotalsLineLength)
        return std::nullopt;
    const std::string_view digits = line.substr(0, TotalsLineLength);
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return ByteSums{ParseInteger(digits.substr(0, 10), -1), ParseInteger(digits.substr(10, 10), -1),
                    ParseInteger(digits.substr(20, 10), -1)};
}

// The index of the closing line, which is also the number of games, when the
// file is valid.
std::optional<std::size_t> ValidClosingLine(const std::vector<std::string>& lines) {
    ByteSums totals;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        totals += LineSums(line);
        if (!line.empty() && line[0] == ClosingMark) {
            const auto stored = i + 1 < lines.size() ? ReadTotals(lines[i + 1]) : std::nullopt;
            return stored == totals ? std::optional(i) : std::nullopt;
        }
        if (line.size() < GameLineLength)
            return std::nullopt;
    }
    return std::nullopt;
}

std::vector<std::string> GameLinesOf(std::string_view bytes) {
    std::vector<std::string> lines = SplitLines(bytes, MaxLines);
    const auto closing = ValidClosingLine(lines);
    lines.resize(closing.value_or(0));
    return lines;
}

std::string ClosingLine() {
    std::string body{ClosingMark, GameCodeByte, '}'};
    body.resize(SummedChars, '#');
    return WithLineSums(body);
}

std::string TotalsLine(const std::vector<std::string>& lines) {
    ByteSums totals;
    for (const std::string& line : lines)
        totals += LineSums(line);
    return PadLeft(totals.all, 10, '0') + PadLeft(totals.even, 10, '0') +
           PadLeft(totals.third, 10, '0');
}

// "<file>.damaged", or "<file>.damaged2", ... when that is taken by anything,
// even a dangling link.
fs::path FreeBackupPath(const fs::path& path) {
    std::error_code error;
    for (int copy = 1;; ++copy) {
        fs::path backup = path;
        backup += ".damaged" + (copy == 1 ? std::string() : std::to_string(copy));
        if (!fs::exists(fs::symlink_status(backup, error)))
            return backup;
    }
}

// Whether there is anything at the path worth keeping: an empty file is not.
bool HoldsSomething(const FileBytes& file) {
    return file.state == FileState::Unreadable ||
           (file.state == FileState::Read && !file.bytes.empty());
}

} // namespace

HistoryFileCheck VerifyHistoryBytes(std::string_view bytes) {
    const auto closing = ValidClosingLine(SplitLines(bytes, MaxLines));
    if (!closing)
        return {};
    return {true, static_cast<int>(*closing)};
}

fs::path HistoryFilePath(const fs::path& historyFolder, std::string_view clubFileStem, int number) {
    return historyFolder / (std::string(clubFileStem) + "_I" + PadLeft(number, 4, '0') + ".hst");
}

HistoryFileInfo VerifyHistoryFile(const fs::path& path) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes)
        return {};
    const HistoryFileCheck check = VerifyHistoryBytes(*bytes);
    std::error_code error;
    return {check.valid, check.games, fs::last_write_time(path, error)};
}

std::string FormatHistoryLine(const HisStr& entry, std::string_view time, std::string_view date) {
    const double rating = std::clamp(entry.HRei, -999'999.99, 9'999'999.99);
    std::string body = AlignRight(Printable(time), 5) + AlignRight(Printable(date), 10) +
                       PadRight(Printable(entry.HName), NameWidth) +
                       PadLeft(std::clamp(entry.HKon, -99, 999), 3, ' ') +
                       PadLeft(std::max(entry.HRes, -999'999'999), 10, ' ') +
                       AlignRight(FormatFixed2(10, rating), 10) + KindMarker(entry.Ac) +
                       std::string(9, '#');
    return WithLineSums(std::move(body));
}

std::string AppendHistory(std::string_view existing, std::span<const HisStr> entries,
                          std::string_view time, std::string_view date) {
    std::vector<std::string> lines = GameLinesOf(existing);
    for (const HisStr& entry : entries)
        lines.push_back(FormatHistoryLine(entry, time, date));
    lines.push_back(ClosingLine());
    lines.push_back(TotalsLine(lines));
    return JoinLines(lines);
}

bool WriteHistory(const fs::path& historyFolder, std::string_view clubFileStem,
                  std::span<const HisStr> entries, std::string_view time, std::string_view date,
                  FileSystem& fileSystem) {
    std::error_code error;
    fs::create_directories(historyFolder, error);
    const FileLock lock(historyFolder / (std::string(clubFileStem) + "_I"));
    if (!lock.Held())
        return false;
    for (int number = 1; number <= HistoryLastFileNumber; ++number) {
        const fs::path path = HistoryFilePath(historyFolder, clubFileStem, number);
        const FileBytes file = fileSystem.Read(path, MaxOwnFileBytes);
        const HistoryFileCheck check =
            file.state == FileState::Read ? VerifyHistoryBytes(file.bytes) : HistoryFileCheck{};
        if (check.valid && check.games >= HistoryGamesPerFile)
            continue;
        // A file that cannot be continued (damaged, too large to read, not a
        // file at all) is moved aside before its number is started afresh.
        if (!check.valid && HoldsSomething(file) && !fileSystem.Rename(path, FreeBackupPath(path)))
            return false;
        const std::string_view kept = check.valid ? std::string_view(file.bytes) : "";
        return ReplaceFile(path, AppendHistory(kept, entries, time, date), fileSystem);
    }
    return false;
}

std::vector<HistoryListItem> ListHistoryFiles(const fs::path& historyFolder,
                                              std::string_view clubFileStem) {
    std::vector<HistoryListItem> items;
    for (int number = 1; number <= HistoryLastFileNumber; ++number) {
        const HistoryFileInfo info =
            VerifyHistoryFile(HistoryFilePath(historyFolder, clubFileStem, number));
        if (!info.valid)
            break;
        items.push_back({number, info.modified});
    }
    return items;
}

std::vector<HistoryRow> ReadHistoryRows(std::string_view bytes) {
    std::vector<HistoryRow> rows;
    for (const std::string& line : GameLinesOf(bytes)) {
        auto field = [&](std::size_t first, std::size_t last) {
            return std::string(Trim(Chars(line, first, last)));
        };
        rows.push_back({field(1, 5), field(6, 15), field(16, 66), field(67, 69), field(70, 79),
                        field(80, 89), line[89]});
    }
    return rows;
}

} // namespace tavlira
