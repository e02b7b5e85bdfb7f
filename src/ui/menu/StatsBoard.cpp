#include "ui/menu/StatsBoard.h"

#include "i18n/words/Menu.h"
#include "i18n/words/Online.h"

#include <algorithm>
#include <array>

namespace tavlira {

AccountLamp AccountLampOf(AccountState state) {
    switch (state) {
    case AccountState::LoggedIn:
        return {"LampY24", &words::LoggedIn};
    case AccountState::RatedGame:
        return {"LampG24", &words::RatedGameOn};
    case AccountState::LoggedOut:
        break;
    }
    return {"LampR24", &words::NotLoggedIn};
}

int StatsBoardVariant(int minute, AccountState account) {
    const int variant = minute % StatsBoardVariants + 1;
    return variant == 6 && account == AccountState::LoggedOut ? 7 : variant;
}

bool MinuteLatch::Due(int second) {
    if (second != 1) {
        set = false;
        return false;
    }
    if (set)
        return false;
    set = true;
    return true;
}

StatsBoardLook StatsBoardLookOf(int variant) {
    constexpr std::array<StatsBoardLook, StatsBoardVariants> looks{{
        {'R', "Windows"},
        {'A', "Windows"},
        {'G', "Windows"},
        {'Y', "Android"},
        {'V', "Account48"},
        {'L', "GQels128"},
        {'N', "Account48"},
    }};
    return looks[static_cast<std::size_t>(std::clamp(variant, 1, StatsBoardVariants) - 1)];
}

BoardCount BoardCountOf(long long count) {
    constexpr std::array<std::pair<long long, char>, 3> units{
        {{1'000'000'000, 'G'}, {1'000'000, 'M'}, {1'000, 'K'}}};
    for (const auto& [size, letter] : units)
        if (count >= size)
            return {std::to_string(count / size), letter};
    return {std::to_string(count), '\0'};
}

std::vector<FaceGlyph> BoardGlyphs(std::string_view value) {
    static const std::array<std::vector<int>, 6> lefts{{
        {50},
        {38, 58},
        {29, 49, 69},
        {27, 42, 57, 72},
        {28, 40, 52, 64, 76},
        {15, 24, 33, 42, 51, 60},
    }};
    std::vector<FaceGlyph> glyphs;
    if (value.empty() || value.size() > lefts.size())
        return glyphs;
    const std::vector<int>& x = lefts[value.size() - 1];
    for (std::size_t i = 0; i < value.size(); ++i)
        glyphs.push_back({value[i], {x[i], 15}});
    return glyphs;
}

std::string NoConnectionHint(int variant) {
    // The hints of the top lists end in ": " before the player's nick, the
    // others are complete texts; the failure is joined on accordingly.
    struct Hint {
        const WordTable* text;
        std::string_view joint;
    };
    const std::array<Hint, StatsBoardVariants> hints{{
        {&words::DynamicIqForWindows, ": "},
        {&words::GamesPlayedWithPc, ": "},
        {&words::BestWindowsPlayer, ""},
        {&words::BestAndroidPlayer, ""},
        {&words::BestAccountPlayer, ""},
        {&words::Qels, ": "},
        {&words::ClubMembers, " "},
    }};
    const Hint& hint =
        hints[static_cast<std::size_t>(std::clamp(variant, 1, StatsBoardVariants) - 1)];
    std::string text(Text(*hint.text));
    text += hint.joint;
    text += Text(words::NoConnectHint);
    return text;
}

} // namespace tavlira
