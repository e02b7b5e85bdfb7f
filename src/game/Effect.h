#pragma once
// The sound effects of the game, by the resource name each is stored under.

#include <cstdint>
#include <string_view>

namespace tavlira {

enum class Effect : std::uint8_t {
    OpenForm,    // a dialog opens or a menu command is chosen
    Shuffle,     // the cards are shuffled for a new game
    CardLands,   // a card is played or dealt
    DeckUsedUp,  // the last refill emptied the stock
    NoMove,      // a seat has no move
    GameWon,     // the person won the game
    GameLost,    // the person lost the game
    GameDrawn,   // the game is drawn
    MatchGood,   // leaving with a positive points lead
    MatchBad,    // leaving with a negative points lead
    ResultBest,  // end-of-game dialog, best outcome
    ResultGood,  // end-of-game dialog, good outcome
    ResultBad,   // end-of-game dialog, bad outcome
    TimerTick,   // online move clock, more than 7 seconds left
    TimerUrgent, // online move clock, 1 to 7 seconds left
    Failure,     // something failed
    Success,     // success and return to the menu
};

constexpr std::string_view EffectResourceName(Effect effect) {
    constexpr std::string_view names[] = {
        "WOpenFo", "WTasoKo", "WHodsDo", "WKoloNo", "WPlMore", "WKoGutX",
        "WKoBadX", "WNichya", "WKoGood", "WKoBads", "WFiBest", "WFiGood",
        "WFiBads", "STimerA", "STimerB", "WWrongs", "WToMenK",
    };
    return names[static_cast<int>(effect)];
}

} // namespace tavlira
