#include "records/ClubList.h"

#include "records/TextLines.h"
#include "util/NumberFormat.h"

namespace tavlira {

namespace {

// The columns of one club-list line, already at their widths: name 20, games
// in the cycle 3, cycle score 6, total games 7, rating 6.
struct ClubColumns {
    std::string name, cycleGames, score, games, rating;
};

std::string JoinColumns(const ClubColumns& c, ClubDisplay mode) {
    if (mode == ClubDisplay::Score)
        return c.name + "    " + c.cycleGames + "    " + c.score;
    return c.name + "  " + c.games + "  " + c.rating;
}

} // namespace

std::string MemberButtonText(std::string_view memberLine, ClubDisplay mode) {
    const std::string_view games = Chars(memberLine, 31, 37);
    const bool noRating = memberLine.size() < 30 || memberLine[29] == '#';
    return JoinColumns(
        {PadRight(Chars(memberLine, 1, 20), NameLength),
         games == "#######" ? "###" : PadLeft(ParseInteger(games, 0) % CycleGames, 3, ' '),
         std::string(Chars(memberLine, 39, 44)), std::string(games),
         noRating ? "######" : FormatFixed2(6, ParseDecimal(Chars(memberLine, 21, 30), 0.0))},
        mode);
}

std::string AccountButtonText(const AccountRecord& account, ClubDisplay mode) {
    return JoinColumns({PadRight(account.nick, NameLength), PadLeft(account.cycleGames, 3, ' '),
                        PadLeft(account.score, 6, ' '), PadLeft(account.totalGames, 7, ' '),
                        FormatFixed2(6, account.rating)},
                       mode);
}

std::string FitClubText(std::string text, int maxWidth, const TextWidth& width) {
    std::size_t position = NameLength; // the next character to delete, from 1
    bool cutLetters = false;
    while (position >= 4 && position <= text.size() && width(text) >= maxWidth) {
        const char deleted = text[position - 1];
        cutLetters = cutLetters || (deleted != ' ' && deleted != '#');
        text.erase(position - 1, 1);
        --position;
    }
    if (cutLetters)
        text.replace(position - 3, 3, "...");
    return text;
}

ClubListView MakeClubListView(const RecordFile& file, ClubDisplay mode, const TextWidth& width,
                              const ClubHeadingWords& heading) {
    ClubListView view;
    for (int slot = 1; slot <= MemberSlots; ++slot) {
        const std::string& line = file.Member(slot);
        view.members[static_cast<std::size_t>(slot - 1)] = {
            FitClubText(MemberButtonText(line, mode), MemberButtonMaxWidth, width),
            !IsEmptySlot(line)};
    }
    for (int place = 1; place <= 3; ++place) {
        const std::string& line = file.TopTen(place);
        view.topThree[static_cast<std::size_t>(place - 1)] =
            FitClubText(std::string(Chars(line, 1, 20)) + "  " + std::string(Chars(line, 21, 26)),
                        TopThreePanelMaxWidth, width);
    }
    view.heading = mode == ClubDisplay::Score ? heading.scoreMode : heading.ratingMode;
    return view;
}

} // namespace tavlira
