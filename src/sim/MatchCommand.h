#pragma once
// `tavlira-sim match` with the file operations of its record store given, so
// that tests can make every write fail as on a full disk.

#include "records/FileSystem.h"

#include <exception>
#include <ostream>
#include <string>
#include <vector>

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

// Throws std::runtime_error when a record could not be written, and
// Interrupted when SIGINT or SIGTERM arrived; the scratch folder is removed
// in every case.
void MatchCommandOnFiles(const std::vector<std::string>& args, std::ostream& out,
                         FileSystem& files);

} // namespace tavlira::sim
