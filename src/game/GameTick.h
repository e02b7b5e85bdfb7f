#pragma once
// The steps of a game that no seat's move makes: the computer's turn, the
// refill, the final sweep and "No move". The match and the self-play run the
// same tick.

#include "game/Event.h"
#include "game/GameState.h"

#include <cstdint>

namespace tavlira {

// Who plays a seat: the person at this machine, the built-in computer, or a
// network peer whose moves arrive as messages.
enum class Player : std::uint8_t { Person, Computer, Peer };
using SeatPlayers = OneBased<Player, 2>;

// One tick of a game under way: the computer's whole turn when it is to move
// and holds cards; otherwise the refill when it is due, the final sweep when
// it is due, and "No move" for a seat that has none. Returns whether anything
// happened (false once the game is over).
bool GameTick(GameState& state, const SeatPlayers& players, Outbox& out);

} // namespace tavlira
