#pragma once
// The commands of tavlira-sim. Each writes `key=value` lines to `out` and
// throws UsageError for a bad command line.

#include <ostream>
#include <string>
#include <vector>

namespace tavlira::sim {

void PlayCommand(const std::vector<std::string>& args, std::ostream& out);
void BestCommand(const std::vector<std::string>& args, std::ostream& out);
void LayOffCommand(const std::vector<std::string>& args, std::ostream& out);
void MatchCommand(const std::vector<std::string>& args, std::ostream& out);

} // namespace tavlira::sim
