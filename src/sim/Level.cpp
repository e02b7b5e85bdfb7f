#include "sim/Level.h"

namespace tavlira::sim {

std::optional<engine::ExpertOptions> ReadLevel(const Arguments& arguments) {
    if (!arguments.Has("level") || arguments.Text("level") == "classic")
        return std::nullopt;
    if (arguments.Text("level") != "expert")
        throw UsageError("--level is classic or expert, not '" + arguments.Text("level") + "'");
    return engine::ExpertOptions{};
}

bool PlayExpertTurn(Match& match, const engine::ExpertOptions& options) {
    const GameState& state = match.State();
    if (match.CurrentScreen() != Screen::Table || !state.TableActive)
        return false;
    const engine::ExpertChoice choice = engine::ExpertTurn(state, LocalSeat, options);
    if (choice.noMove)
        return false;
    match.ClickHand(choice.handPlace, MouseButton::Left);
    if (choice.capture.IsEmpty()) {
        match.ClickTable(choice.layOffPlace, MouseButton::Left);
        return true;
    }
    match.ClickTable(CaptureArea, MouseButton::Left);
    choice.capture.ForEach([&](int place) { match.ClickTable(place, MouseButton::Left); });
    match.PressStart(); // "Take"
    return true;
}

} // namespace tavlira::sim
