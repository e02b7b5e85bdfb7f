#pragma once
// `tavlira-sim match` with the file operations of its record store given, so
// that tests can make every write fail as on a full disk.

#include "records/FileSystem.h"
#include "sim/ScratchRecords.h"

#include <ostream>
#include <string>
#include <vector>

namespace tavlira::sim {

// Throws std::runtime_error when a record could not be written, and
// Interrupted when SIGINT or SIGTERM arrived; the scratch folder is removed
// in every case.
void MatchCommandOnFiles(const std::vector<std::string>& args, std::ostream& out,
                         FileSystem& files);

} // namespace tavlira::sim
