#pragma once
// The move logs of the last finished games, kept in one folder of the
// player's data: "game-<UTC time to the millisecond>-<process>-<n>.moves".
// Each log is written atomically under a name of its own, so two copies of
// the game running at once never write the same file, and a reader never
// sees half a log. After each log the oldest beyond the last `Kept` are
// removed; a name that sorts later is a later game.

#include "gamelog/MoveLog.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tavlira {

class MoveLogShelf {
  public:
    static constexpr int Kept = 20;

    explicit MoveLogShelf(std::filesystem::path folder) : folder_(std::move(folder)) {}

    const std::filesystem::path& Folder() const { return folder_; }

    // Keeps the log of a game that ended at `when`; on failure (a full disk,
    // a folder that cannot be written) the reason, and nothing is kept.
    std::optional<std::string> Keep(const MoveLog& log, std::chrono::system_clock::time_point when);

    // The log of the latest finished game, or nothing when none is kept.
    std::optional<std::filesystem::path> Newest() const;

    // The newest log, read and checked, or why it cannot be replayed;
    // nothing at all when no log is kept.
    std::optional<std::variant<MoveLog, LogError>> ReadNewest() const;

  private:
    std::vector<std::filesystem::path> Logs() const;

    std::filesystem::path folder_;
};

} // namespace tavlira
