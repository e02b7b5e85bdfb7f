#pragma once
// `tavlira-sim replay FILE...`: plays each move log again through the rules,
// checks every move and the logged end and result, and prints the scores.
// The first log that is damaged or does not come to its result ends the
// command with its name and why (status 1).

#include <ostream>
#include <string>
#include <vector>

namespace tavlira::sim {

void ReplayCommand(const std::vector<std::string>& args, std::ostream& out);

} // namespace tavlira::sim
