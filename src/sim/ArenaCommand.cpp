#include "sim/ArenaCommand.h"

#include "engine/Arena.h"
#include "sim/Arguments.h"

#include <charconv>
#include <cstdio>

namespace tavlira::sim {
namespace {

std::string Fixed(double x) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f", x);
    return buffer;
}

// A decimal number in [min, max], written with a point.
double Decimal(const Arguments& a, const std::string& name, double min, double max) {
    const std::string& text = a.Text(name);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !(value >= min && value <= max))
        throw UsageError("--" + name + " wants a number from " + Fixed(min) + " to " + Fixed(max) +
                         ", not '" + text + "'");
    return value;
}

} // namespace

void ArenaCommand(const std::vector<std::string>& args, std::ostream& out) {
    const Arguments a(
        args, {"deals", "budget-ms", "playouts", "threads", "seed", "exploration", "captures"},
        {"figures", "classic-opponent"});
    engine::ArenaOptions options;
    options.deals = static_cast<int>(a.Number("deals", 1, 10'000'000));
    options.figuresHavePoints = a.Has("figures");
    options.seed = a.Has("seed") ? static_cast<std::uint32_t>(a.Number("seed", 0, UINT32_MAX)) : 1;
    if (a.Has("budget-ms"))
        options.expert.budgetMs = static_cast<int>(a.Number("budget-ms", 1, 600'000));
    if (a.Has("playouts"))
        options.expert.playouts = static_cast<int>(a.Number("playouts", 1, 100'000'000));
    if (a.Has("threads"))
        options.expert.threads = static_cast<int>(a.Number("threads", 1, 64));
    if (a.Has("exploration"))
        options.expert.exploration = Decimal(a, "exploration", 0.0, 10.0);
    if (a.Has("captures"))
        options.expert.capturesPerCard = static_cast<int>(a.Number("captures", 1, 255));
    options.expert.classicOpponent = a.Has("classic-opponent");
    const engine::ArenaTotals totals = engine::PlayArena(options);
    out << "deals=" << totals.deals << '\n'
        << "expert.points=" << totals.expertPoints << '\n'
        << "classic.points=" << totals.classicPoints << '\n'
        << "margin=" << Fixed(totals.margin) << '\n'
        << "ci95=" << (totals.deals > 1 ? Fixed(totals.ci95) : "-") << '\n'
        << "playouts=" << totals.playouts << '\n'
        << "turns=" << totals.searchedTurns << '\n';
}

} // namespace tavlira::sim
