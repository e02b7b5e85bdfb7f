#include "gamelog/MoveLogShelf.h"

#include "gamelog/LogReplay.h"
#include "records/AtomicFile.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <ctime>
#include <system_error>
#include <unistd.h>

namespace tavlira {
namespace {

constexpr std::string_view Prefix = "game-";
constexpr std::string_view Suffix = ".moves";

// Logs this process has kept: with the process number, a name of its own.
std::atomic<int> keptByThisProcess{0};

std::string TimeStamp(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    const auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(
                            when.time_since_epoch() % std::chrono::seconds(1))
                            .count();
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[64];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d-%03d", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec,
                  static_cast<int>(millis < 0 ? 0 : millis));
    return text;
}

} // namespace

std::vector<std::filesystem::path> MoveLogShelf::Logs() const {
    std::vector<std::filesystem::path> logs;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder_, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.starts_with(Prefix) && name.ends_with(Suffix) && it->is_regular_file(error))
            logs.push_back(it->path());
    }
    std::sort(logs.begin(), logs.end());
    return logs;
}

std::optional<std::string> MoveLogShelf::Keep(const MoveLog& log,
                                              std::chrono::system_clock::time_point when) {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error)
        return folder_.string() + ": " + error.message();
    const std::string name = std::string(Prefix) + TimeStamp(when) + '-' +
                             std::to_string(getpid()) + '-' + std::to_string(++keptByThisProcess) +
                             std::string(Suffix);
    if (!ReplaceFile(folder_ / name, WriteMoveLog(log)))
        return (folder_ / name).string() + ": cannot be written";
    const std::vector<std::filesystem::path> logs = Logs();
    for (std::size_t i = 0; i + Kept < logs.size(); ++i)
        std::filesystem::remove(logs[i], error); // gone already: another copy removed it
    return std::nullopt;
}

std::optional<std::filesystem::path> MoveLogShelf::Newest() const {
    const std::vector<std::filesystem::path> logs = Logs();
    if (logs.empty())
        return std::nullopt;
    return logs.back();
}

std::optional<std::variant<MoveLog, LogError>> MoveLogShelf::ReadNewest() const {
    const std::optional<std::filesystem::path> newest = Newest();
    if (!newest)
        return std::nullopt;
    const std::optional<std::string> text = ReadWholeFile(*newest);
    if (!text)
        return LogError{0, newest->filename().string() + " cannot be read", LogFault::Unreadable};
    std::variant<MoveLog, LogError> read = ReadMoveLog(*text);
    if (const auto* log = std::get_if<MoveLog>(&read))
        if (std::optional<LogError> refused = VerifyMoveLog(*log))
            return *refused;
    return read;
}

} // namespace tavlira
