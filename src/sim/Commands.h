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

// The whole command line after the program name: the command and its
// options. Output goes to `out`; a bad command line writes one line to `err`
// and gives 2, any other failure one line and 1, success 0.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace tavlira::sim
