#pragma once
// The outbox of the match driver: the game's own events (redraws, flights,
// sounds, pauses, moves) and what the driver adds around them — the table
// buttons, the screens, spoken cards, the record effects, and the dialogs and
// boxes it asks the window to show. Played first in, first out, like the game's events.

#include "game/Event.h"
#include "i18n/WordTable.h"
#include "match/RecordEffects.h"
#include "records/RecordStore.h"

#include <variant>
#include <vector>

namespace tavlira {

enum class Screen : std::uint8_t { Title, Menu, Table };

// One of the two table buttons: `Button7` (start) or `Button8` (second).
struct TableButton {
    const WordTable* label = nullptr;
    bool enabled = false;
    bool shown = false;
    friend bool operator==(const TableButton&, const TableButton&) = default;
};

struct TableButtons {
    TableButton start;  // "To Begin", "Take", "Next game"
    TableButton second; // "Exit to menu", "Score"
    friend bool operator==(const TableButtons&, const TableButtons&) = default;
};

namespace match_event {

// The table buttons change.
struct Buttons {
    TableButtons buttons;
};

// The window shows another screen. Leaving the table for the menu passes
// through `LeavingTable` (table hidden, "Please, wait..." shown) while the
// match is recorded.
struct ShowScreen {
    Screen screen = Screen::Menu;
};
struct LeavingTable {};

// Speak the card's name (a right-click on a card).
struct SpeakCard {
    CardCode card;
};

// A record effect to carry out (RunRecordEffect); the match waits for its
// outcome (Match::RecordDone) and goes on from there.
struct Record {
    RecordEffect effect;
};

// The player now plays under the new name ("To change a name").
struct NameChanged {};

// A record could not be written; the window shows the matching error box.
struct RecordFailure {
    enum class What : std::uint8_t { RecordFile, History } what = What::RecordFile;
};

// The 20th game of a cycle was recorded: the end-of-game dialog shows the
// outcome, then (outside network play) the world top-ten entry form.
struct EndOfCycle {
    StoreOutcome outcome;
    std::int32_t shownScore = 0;
};

// A duel host dealt a game: the deal must go to the client before anything
// else of the game.
struct HostDealt {};

// A duel client's table waits for the host's first deal ("Expectation of
// the server...").
struct AwaitingDeal {};

// The end of an online table game is confirmed: the window tells the table
// and reads the player's tournament record, then hands it to
// Match::TableResultRead.
struct TableGameEnds {};
// A rated series against the computer ended: its result (the points lead)
// and the cycle's score go to the account's statistics on the web server.
// The match waits, with the "Please, wait..." banner up, for
// Match::RatedMatchBooked.
struct RatedMatchEnded {
    std::int32_t result = 0;
    std::int32_t matchScore = 0;
};

} // namespace match_event

using MatchEvent =
    std::variant<Event, match_event::Buttons, match_event::ShowScreen, match_event::LeavingTable,
                 match_event::SpeakCard, match_event::Record, match_event::NameChanged,
                 match_event::RecordFailure, match_event::EndOfCycle, match_event::HostDealt,
                 match_event::AwaitingDeal, match_event::TableGameEnds,
                 match_event::RatedMatchEnded>;
using MatchOutbox = std::vector<MatchEvent>;

} // namespace tavlira
