#pragma once
// The level a headless bot plays at: "classic", the computer opponent of
// the rules (the default, whose games the pinned signatures follow), or
// "expert", the searching opponent of src/engine.
//
//   --level classic|expert

#include "engine/Expert.h"
#include "match/Match.h"
#include "sim/Arguments.h"

#include <optional>

namespace tavlira::sim {

// The expert's options for --level expert, nothing for the classic level;
// any other level is a usage error.
std::optional<engine::ExpertOptions> ReadLevel(const Arguments& arguments);

// The person's turn in `match` as the expert chooses it, made with the
// clicks a person makes: the hand card, the capture area or the lay-off
// place, each table card of a capture and "Take". False when it is not the
// person's turn or the person has no move.
bool PlayExpertTurn(Match& match, const engine::ExpertOptions& options);

} // namespace tavlira::sim
