#include "records/ClubList.h"

#include "records/TextLines.h"
#include "util/NumberFormat.h"

namespace tavlira {

std::string MemberButtonText(std::string_view memberLine, ClubDisplay mode) {
    const std::string name = PadRight(Chars(memberLine, 1, 20), NameLength);
    const std::string_view games = Chars(memberLine, 31, 37);
    if (mode == ClubDisplay::Score) {
        const std::string cycleGames =
            games == "#######" ? "###" : PadLeft(ParseInteger(games, 0) % GamesPerCycle, 3, ' ');
        return name + "    " + cycleGames + "    " + std::string(Chars(memberLine, 39, 44));
    }
    const bool empty = memberLine.size() < 30 || memberLine[29] == '#';
    const std::string rating =
        empty ? "######" : FormatFixed2(6, ParseDecimal(Chars(memberLine, 21, 30), 0.0));
    return name + "  " + std::string(games) + "  " + rating;
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
