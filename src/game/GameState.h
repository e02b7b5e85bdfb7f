#pragma once
// The one record of the running game. Numbering follows the game's own:
// seats 1 and 2 (1 the opponent, drawn at the top; 2 the person at this
// machine), hand places 1..4, table places 1..8 plus the capture area 9,
// deck positions 1..52.
//
// A place holds its card together with the card's rank order and value
// (`CardSlot`), so the three are always written together.

#include "game/Card.h"
#include "game/OneBased.h"
#include "game/PlaceSet.h"
#include "game/PlayMode.h"

#include <cstdint>

namespace tavlira {

inline constexpr int LocalSeat = 2;
inline constexpr int OpponentSeat = 1;
inline constexpr int HandPlaces = 4;
inline constexpr int TablePlaces = 8; // places a card can be laid off to
inline constexpr int CaptureArea = 9;
inline constexpr int DeckSize = 52;

// `Mover` beyond the two seats.
inline constexpr std::uint8_t MoverGameOver = 5;
inline constexpr std::uint8_t MoverTimedOut = 6; // an online table game lost on time

// `BeginState`.
inline constexpr std::uint8_t Dealt = 1;
inline constexpr std::uint8_t UnderWay = 2;

constexpr int OtherSeat(int seat) { return 3 - seat; }

struct CardSlot {
    CardCode code;
    std::uint8_t order = EmptyMark;
    std::uint8_t value = EmptyMark;

    static constexpr CardSlot Empty(std::uint8_t mark = EmptyMark) { return {CardCode{}, mark, mark}; }
    constexpr bool IsEmpty() const { return code.IsEmpty(); }
    friend constexpr bool operator==(const CardSlot&, const CardSlot&) = default;
};

using HandRow = OneBased<CardSlot, HandPlaces>;
using TableRow = OneBased<CardSlot, CaptureArea>;

// Which of the two table buttons may be pressed once a game is over.
struct EndButtons {
    bool nextGame = false;
    bool exitToMenu = false;
    friend constexpr bool operator==(const EndButtons&, const EndButtons&) = default;
};

struct GameState {
    bool TableActive = false;
    std::int32_t GameCounter = 0;
    OneBased<std::int32_t, 2> MatchPoints{};
    std::int32_t BaseScore = 0;
    OneBased<CardSlot, DeckSize> Deck{};
    bool GameOver = false;
    std::uint8_t NextCard = DeckSize + 1;
    OneBased<std::uint8_t, 2> HandCount{};
    std::uint8_t BeginState = 0;
    std::uint8_t Mover = 0;
    std::uint8_t GamesAtTable = 0;
    std::int32_t PointsLead = 0;
    std::int32_t ShownScore = 0;
    OneBased<HandRow, 2> Hand{};
    std::uint8_t StockLeft = 0;
    TableRow Table{};
    std::uint8_t PickedHandSlot = 0;
    bool PickedCanTake = false;
    PlaceSet PickedTableSlots;
    std::uint8_t PanelView = 1;
    OneBased<std::uint8_t, 2> Taken{};
    OneBased<std::uint8_t, 2> TakenClubs{};
    OneBased<std::uint8_t, 2> TakenBonus{};
    std::uint8_t LastTaker = 0;

    // The rules this game is played under.
    PlayMode Mode = PlayMode::Computer;
    bool FiguresHavePoints = false; // court cards carry 11, 12, 13 when dealt
    bool RatedSeries = false;       // logged in and playing for the world rating
    EndButtons Buttons;             // set when the game is scored
};

// True when at least one of table places 1..8 is empty; the capture area
// does not count.
bool TableHasFree(const GameState& state);
// The lowest empty table place among 1..8, or 0.
int LowestFreeTablePlace(const GameState& state);

} // namespace tavlira
