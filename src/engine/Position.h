#pragma once
// A whole game as the expert imagines it: one world consistent with what a
// seat knows, with every hidden card given a place. It plays the same rules
// as the game itself (turns, captures, refills, the final sweep, "No move")
// without the events a real game emits, so thousands of games can be played
// out in the time of one move.

#include "engine/PlayerView.h"
#include "game/GameState.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tavlira::engine {

// One whole turn: a card of the mover's hand either captures the table
// places of `take` (bit p for place p) or is laid off to `layOffPlace`.
struct Action {
    CardCode card;
    std::uint8_t handPlace = 0;
    std::uint16_t take = 0;
    std::uint8_t layOffPlace = 0; // 0 for a capture

    bool IsCapture() const { return take != 0; }
    // Names the turn by its card, not its hand place, so the same turn is
    // recognised whatever else the hand holds in another imagined world.
    std::uint32_t Key() const {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(card.rank)) << 24 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(card.suit)) << 16 |
               static_cast<std::uint32_t>(take) | static_cast<std::uint32_t>(layOffPlace) << 12;
    }
};

class Position {
  public:
    // The world where the unseen cards lie as `unseen` lists them after a
    // shuffle: the opponent's hand first, then the stock in deal order.
    Position(const PlayerView& view, const std::vector<CardSlot>& unseen);

    bool Over() const { return over_; }
    Seat Mover() const { return mover_; }

    // The mover's turns: every hand card's legal captures (the best rated
    // `capturesPerCard` of them: a jack that takes any selection would
    // otherwise bring up to 255) and, with a free table place, its lay-off
    // to the lowest one. None means the game is over by "No move".
    void LegalActions(std::vector<Action>& actions, int capturesPerCard) const;
    // The classic opponent's turn: the best capture, else its lay-off list.
    // False when the mover has no move.
    bool ClassicAction(Action& action) const;

    // Makes the turn, then what follows it: a refill when both hands are
    // empty, the final sweep when the stock is used up too.
    void Apply(const Action& action);
    // Ends the game by "No move": nobody gets the cards left.
    void EndByNoMove() { over_ = true; }

    // Plays on with the classic opponent's choices at both seats to the end.
    void PlayOut();

    // Points of the game for each seat as it stands, by the game's scoring.
    OneBased<int, 2> Points() const;

  private:
    void Tally(Seat seat, CardCode card);
    void AfterTurn();

    OneBased<HandRow, 2> hand_{};
    OneBased<int, 2> handCount_{};
    TableRow table_{};
    std::array<CardSlot, DeckSize> stock_{};
    int stockNext_ = 0;
    int stockEnd_ = 0;
    Seat refillFirst_ = OpponentSeat;
    OneBased<std::uint8_t, 2> taken_{};
    OneBased<std::uint8_t, 2> takenClubs_{};
    OneBased<std::uint8_t, 2> takenBonus_{};
    Turn lastTaker_ = Turn::None;
    Seat mover_ = LocalSeat;
    bool figures_ = false;
    bool over_ = false;
};

} // namespace tavlira::engine
