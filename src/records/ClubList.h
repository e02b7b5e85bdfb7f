#pragma once
// The texts of the club list on the main menu: five member buttons, the three
// top-three panels and the heading, from the lines of the current record file.

#include "records/RecordFile.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace tavlira {

// The club list shows either cycle games and score or total games and rating
// (the setting ClubListMode 1 or 2).
enum class ClubDisplay { Score = 1, Rating = 2 };

// Width in pixels of a code page 1251 text in the first special font at
// height 11; the screen passes its real font metrics.
using TextWidth = std::function<int(std::string_view)>;

inline constexpr int MemberButtonMaxWidth = 361;
inline constexpr int TopThreePanelMaxWidth = 251;

struct MemberButton {
    std::string text;
    bool enabled = false; // an empty slot cannot be chosen
};

struct ClubListView {
    std::array<MemberButton, MemberSlots> members;
    std::array<std::string, 3> topThree;
    std::string heading;
};

// The two rows of the club heading word table, already translated for the
// current language: row 1 heads the score mode, row 2 the rating mode.
struct ClubHeadingWords {
    std::string_view scoreMode;
    std::string_view ratingMode;
};

// The text of member line `memberLine` in the given mode, before shortening.
std::string MemberButtonText(std::string_view memberLine, ClubDisplay mode);

// The online account's figures as the server reports them.
struct AccountRecord {
    std::string nick;
    int cycleGames = 0;
    int score = 0;
    int totalGames = 0;
    double rating = 0.0;
};

// The fifth button's text while logged in to an online account: the same
// columns as a member's, filled from the account's record.
std::string AccountButtonText(const AccountRecord& account, ClubDisplay mode);

// Shortens `text` while it measures `maxWidth` or more: characters are deleted
// from position 20 (the end of the name) down to position 4 at most; when a
// deleted character was not a blank or '#', the name's last three remaining
// characters become "...".
std::string FitClubText(std::string text, int maxWidth, const TextWidth& width);

ClubListView MakeClubListView(const RecordFile& file, ClubDisplay mode, const TextWidth& width,
                              const ClubHeadingWords& heading);

} // namespace tavlira
