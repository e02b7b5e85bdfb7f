#pragma once
// The version the player sees on the title screen and in the about box. It
// is the version of the game's rules and records, which the program's own
// build version (`--version`) does not change.

namespace tavlira {

inline constexpr char ShownVersion[] = "V 5.7f";

} // namespace tavlira
