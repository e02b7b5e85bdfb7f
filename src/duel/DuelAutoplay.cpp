#include "duel/DuelAutoplay.h"

#include "match/Autoplay.h"

namespace tavlira {

bool ActAsPerson(Match& match) {
    const GameState& s = match.State();
    if (match.CurrentScreen() != Screen::Table || !s.TableActive)
        return false;
    const TableButtons buttons = match.Buttons();
    // "Next game" is taken whenever the buttons offer it: a match is as long
    // as the rules let it be.
    if (s.GameOver && buttons.start.enabled) {
        match.PressStart();
        return true;
    }
    if (s.GameOver && buttons.second.enabled) {
        match.PressSecond(); // "Exit to menu"
        return true;
    }
    if (!s.GameOver && s.BeginState == Dealt && buttons.start.enabled) {
        match.PressStart(); // "To Begin"
        return true;
    }
    return !s.GameOver && s.BeginState == UnderWay && PlayPersonTurn(match);
}

} // namespace tavlira
