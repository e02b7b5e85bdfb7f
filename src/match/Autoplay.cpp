#include "match/Autoplay.h"

#include "game/CaptureSearch.h"
#include "game/LayOff.h"
#include "game/Play.h"

namespace tavlira {

bool PlayPersonTurn(Match& match) {
    const GameState& s = match.State();
    if (s.Mover != LocalSeat || s.GameOver || s.HandCount[LocalSeat] == 0)
        return false;
    const CaptureChoice choice = FindCapture(s.Hand[LocalSeat], s.Table, s.FiguresHavePoints);
    if (choice.chosen != 0) {
        match.ClickHand(choice.chosen, MouseButton::Left);
        match.ClickTable(CaptureArea, MouseButton::Left);
        choice.bestTakeSet.ForEach([&](int place) { match.ClickTable(place, MouseButton::Left); });
        match.PressStart();
        return true;
    }
    if (!TableHasFree(s))
        return false;
    match.ClickHand(ChooseLayOff(s.Hand[LocalSeat], s.FiguresHavePoints), MouseButton::Left);
    match.ClickTable(LowestFreeTablePlace(s), MouseButton::Left);
    return true;
}

void PlayGameToEnd(Match& match, const std::function<void(const MatchOutbox&)>& played) {
    if (match.State().BeginState == Dealt)
        match.PressStart();
    // A game has at most 52 plays and a few refills; the bound only guards
    // against a driver fault turning into an endless loop.
    for (int step = 0; step < 1000 && !match.State().GameOver; ++step) {
        if (!PlayPersonTurn(match))
            match.Tick();
        played(match.TakeOutbox());
    }
}

} // namespace tavlira
