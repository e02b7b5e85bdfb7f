#include "sim/MoveLogFolder.h"

#include "records/AtomicFile.h"

#include <cstdio>
#include <iostream>
#include <system_error>
#include <utility>

namespace tavlira::sim {

MoveLogFolder::MoveLogFolder(std::filesystem::path folder, std::string prefix)
    : folder_(std::move(folder)), prefix_(std::move(prefix)),
      recorder_([this](const MoveLog& log) { Write(log); }) {}

void MoveLogFolder::Write(const MoveLog& log) {
    ++written_;
    char number[16];
    std::snprintf(number, sizeof number, "%06d", written_);
    const std::filesystem::path path = folder_ / (prefix_ + '-' + number + ".moves");
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (!error && ReplaceFile(path, WriteMoveLog(log)))
        return;
    if (!std::exchange(failureTold_, true))
        std::cerr << "tavlira-sim: move logs are not written: " << path.string() << " "
                  << (error ? error.message() : std::string("cannot be written")) << '\n';
}

std::unique_ptr<MoveLogFolder> LogFolderOption(const std::optional<std::string>& folder,
                                               const std::string& prefix) {
    if (!folder)
        return nullptr;
    return std::make_unique<MoveLogFolder>(*folder, prefix);
}

} // namespace tavlira::sim
