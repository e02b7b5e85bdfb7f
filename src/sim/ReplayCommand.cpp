#include "sim/ReplayCommand.h"

#include "gamelog/LogReplay.h"
#include "records/AtomicFile.h"
#include "sim/Arguments.h"

namespace tavlira::sim {
namespace {

MoveLog ReadLog(const std::string& file) {
    const std::optional<std::string> text = ReadWholeFile(file);
    if (!text)
        throw std::runtime_error(file + ": cannot be read (missing, not a file, or too large)");
    auto read = ReadMoveLog(*text);
    if (const auto* error = std::get_if<LogError>(&read))
        throw std::runtime_error(file + ": " + Describe(*error));
    return std::get<MoveLog>(std::move(read));
}

} // namespace

void ReplayCommand(const std::vector<std::string>& args, std::ostream& out) {
    if (args.empty())
        throw UsageError("replay wants one or more move log files");
    for (const std::string& file : args)
        if (file.starts_with("--"))
            throw UsageError("unknown option '" + file + "'");
    long long seat1Points = 0;
    long long seat2Points = 0;
    for (const std::string& file : args) {
        const MoveLog log = ReadLog(file);
        if (const std::optional<LogError> error = VerifyMoveLog(log))
            throw std::runtime_error(file + ": " + Describe(*error));
        seat1Points += log.result.points[1];
        seat2Points += log.result.points[2];
        out << "log=" << Escaped(file) << " moves=" << log.moves.size() << " end="
            << (log.noMove ? "nomove-" + std::to_string(static_cast<int>(*log.noMove))
                           : std::string("sweep"))
            << " seat1.points=" << log.result.points[1] << " seat2.points=" << log.result.points[2]
            << '\n';
    }
    out << "games=" << args.size() << '\n'
        << "seat1.points=" << seat1Points << '\n'
        << "seat2.points=" << seat2Points << '\n';
}

} // namespace tavlira::sim
