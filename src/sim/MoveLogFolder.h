#pragma once
// `--log DIR` of the engine tool's players: each finished game's move log in
// a file of its own, "DIR/<prefix>-<n>.moves" with n counting the games of
// this run from 1. A log that cannot be written (a full disk, a folder that
// cannot be written) is skipped and never ends the run: the first failure is
// named once on stderr.

#include "gamelog/GameRecorder.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace tavlira::sim {

class MoveLogFolder {
  public:
    MoveLogFolder(std::filesystem::path folder, std::string prefix);

    // The witness to hand the game's driver.
    GameRecorder& Recorder() { return recorder_; }

  private:
    void Write(const MoveLog& log);

    std::filesystem::path folder_;
    std::string prefix_;
    int written_ = 0;
    bool failureTold_ = false;
    GameRecorder recorder_;
};

// A folder for `--log`, or nothing when the option is not given.
std::unique_ptr<MoveLogFolder> LogFolderOption(const std::optional<std::string>& folder,
                                               const std::string& prefix);

} // namespace tavlira::sim
