#pragma once
// A read-only witness of every game a driver plays: the deal, then each step
// with the events it emitted and the state it left. The match calls it for
// every move it applies, whoever made it (the person, the computer, a peer),
// so a witness sees the whole game in every mode. A witness cannot change the
// game: it only ever gets the state as const.

#include "game/Event.h"
#include "game/GameState.h"

namespace tavlira {

class GameObserver {
  public:
    virtual ~GameObserver() = default;
    // A game has been dealt (its deck, hands and table are set).
    virtual void GameDealt(const GameState& state) = 0;
    // A step of the game ran: `events` is what it emitted, `state` what it
    // left. Moves show as event::MoveMade.
    virtual void GameStepped(const GameState& state, const Outbox& events) = 0;
};

} // namespace tavlira
