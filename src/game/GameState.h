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

enum class Seat : std::uint8_t { OpponentSeat = 1, LocalSeat = 2 };
using enum Seat;
inline constexpr Seat Seats[] = {OpponentSeat, LocalSeat};

constexpr Seat OtherSeat(Seat seat) {
    return seat == LocalSeat ? OpponentSeat : LocalSeat;
}

// `Mover`: the seat to move, or, once the game has ended, how it ended.
enum class Turn : std::uint8_t {
    None = 0,
    Opponent = 1,
    Local = 2,
    GameOver = 5,
    TimedOut = 6, // an online table game lost on time
};
constexpr Turn TurnOf(Seat seat) {
    return static_cast<Turn>(seat);
}
constexpr bool IsSeatTurn(Turn turn) {
    return turn == Turn::Opponent || turn == Turn::Local;
}
// The seat to move; only for a turn that names one (IsSeatTurn).
constexpr Seat SeatOf(Turn turn) {
    return static_cast<Seat>(turn);
}
constexpr bool operator==(Turn turn, Seat seat) {
    return turn == TurnOf(seat);
}

// `BeginState`: a game is dealt, then "To Begin" gets it under way.
enum class GamePhase : std::uint8_t { NotDealt = 0, Dealt = 1, UnderWay = 2 };
using enum GamePhase;

inline constexpr int HandPlaces = 4;
inline constexpr int TablePlaces = 8; // places a card can be laid off to
inline constexpr int CaptureArea = 9;
inline constexpr int DeckSize = 52;

struct CardSlot {
    CardCode code;
    std::uint8_t order = EmptyMark;
    std::uint8_t value = EmptyMark;

    static constexpr CardSlot Empty(std::uint8_t mark = EmptyMark) {
        return {CardCode{}, mark, mark};
    }
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
    GamePhase BeginState = NotDealt;
    Turn Mover = Turn::None;
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
    Turn LastTaker = Turn::None; // the seat that captured last; None before any capture

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
