#pragma once
// The computer's lay-off when it cannot capture: the first card of a fixed
// priority list that it holds. The lists give up high plain numbers of
// hearts, diamonds and spades first and keep clubs, aces, the bonus cards
// and (when court cards are worth nothing, so a jack takes anything) the
// jacks to the end.

#include "game/GameState.h"

#include <span>

namespace tavlira {

// The priority list in force, first card given up first; 52 cards each.
std::span<const CardCode> LayOffPriority(bool figuresHavePoints);

// The hand place 1..4 to lay off, or 0 when no hand place holds a card.
int ChooseLayOff(const HandRow& hand, bool figuresHavePoints);

} // namespace tavlira
