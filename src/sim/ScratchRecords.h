#pragma once
// What the commands that play through the match driver share: a scratch
// program folder with the record files of a fresh install, Ctrl-C and
// SIGTERM turned into a clean stop, and a record write that failed turned
// into an error.

#include "match/MatchEvent.h"
#include "records/RecordFile.h"

#include <csignal>
#include <exception>
#include <filesystem>
#include <iterator>
#include <optional>

namespace tavlira::sim {

// SIGINT or SIGTERM stopped the command; the program exits with 128 + signal.
class Interrupted : public std::exception {
  public:
    explicit Interrupted(int signal) : signal_(signal) {}
    int Signal() const { return signal_; }
    const char* what() const noexcept override { return "interrupted"; }

  private:
    int signal_;
};

// A scratch program folder holding the shipped record files, or with
// `netMember` at line 1 of the net file; removed again when the command
// ends, however it ends. Its name is unique (mkdtemp), so a second run with
// the same process id elsewhere cannot collide with it. Throws
// std::runtime_error when it cannot be made.
class ScratchInstall {
  public:
    explicit ScratchInstall(const std::optional<MemberRecord>& netMember = std::nullopt);
    ScratchInstall(const ScratchInstall&) = delete;
    ScratchInstall& operator=(const ScratchInstall&) = delete;
    ~ScratchInstall();
    const std::filesystem::path& Folder() const { return folder_; }

  private:
    void RemoveFolder();

    std::filesystem::path folder_;
};

// While it lives, SIGINT and SIGTERM only note that the command must stop;
// the command looks now and then (ThrowIfStopped) and unwinds, which removes
// its scratch folder. A blocking wait ends early when a signal arrives.
class StopSignals {
  public:
    StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;
    ~StopSignals();
    static void ThrowIfStopped();

  private:
    static constexpr int kSignals[] = {SIGINT, SIGTERM};
    struct sigaction previous_[std::size(kSignals)]{};
};

// A record the match could not write ends the command as an error
// (std::runtime_error).
void ThrowOnRecordFailure(const MatchOutbox& played);

} // namespace tavlira::sim
