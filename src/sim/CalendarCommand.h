#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tavlira::sim {

// calendar --date YYYY-MM-DD [--language CODE]: the two Easter dates of that
// year and each holiday of that date with its hint.
void CalendarCommand(const std::vector<std::string>& args, std::ostream& out);

} // namespace tavlira::sim
