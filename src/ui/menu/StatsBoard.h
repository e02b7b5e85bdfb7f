#pragma once
// The menu's statistics board and account lamp: which of the seven figures
// the board shows in a given minute, how a figure's characters are placed on
// the board's 115 x 64 face, and the hints. The figures come from the online
// services; until they answer, the board shows "00" and says so in its hint.

#include "i18n/WordTable.h"
#include "ui/menu/MenuClock.h"

#include <string>
#include <string_view>
#include <vector>

namespace tavlira {

// The player's online account; any other stored value counts as logged out.
enum class AccountState { LoggedOut = 1, LoggedIn = 2, RatedGame = 3 };

struct AccountLamp {
    const char* picture; // 24 x 24, right of the account icon
    const WordTable* hint;
};
AccountLamp AccountLampOf(AccountState state);

inline constexpr int StatsBoardVariants = 7;

// The board turns to the next of its seven figures every minute; the
// account's balance (6) needs a logged-in account, else the club's member
// count (7) shows instead.
int StatsBoardVariant(int minute, AccountState account);

// Lets the board be redrawn once a minute: due at second 1 of each minute,
// and only once during that second however often it is asked.
class MinuteLatch {
  public:
    bool Due(int second);

  private:
    bool set = false;
};

struct StatsBoardLook {
    char colour;      // the digit set: "G" + colour + "Clock" + digit, or + "M" for a minus
    const char* icon; // drawn at 16 x 16
};
StatsBoardLook StatsBoardLookOf(int variant);

// A count of games as the board shows it: below 1000 as it is, else in
// thousands, millions or milliards, cut down, with the letter K, M or G.
struct BoardCount {
    std::string digits;
    char unit = '\0';
    bool operator==(const BoardCount&) const = default;
};
BoardCount BoardCountOf(long long count);

// Where each character of a value stands; the spacing narrows as the value
// grows, and a value longer than six characters is not drawn.
std::vector<FaceGlyph> BoardGlyphs(std::string_view value);

// The value shown while a figure could not be fetched.
inline constexpr std::string_view NoConnectionValue = "00";
// The hint of a variant whose figure could not be fetched, in the current
// language.
std::string NoConnectionHint(int variant);

} // namespace tavlira
