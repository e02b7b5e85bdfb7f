#include "i18n/Words.h"

#include <algorithm>
#include <vector>

namespace tavlira {

namespace {

// The tables of all lists in order, each once: a table may stand in two
// setting lists (the first deck and the first back design share a name).
template <typename... Lists> std::vector<const WordTable*> Concatenate(const Lists&... lists) {
    std::vector<const WordTable*> all;
    const auto add = [&all](const auto& list) {
        for (const WordTable* table : list)
            if (std::find(all.begin(), all.end(), table) == all.end())
                all.push_back(table);
    };
    (add(lists), ...);
    return all;
}

} // namespace

std::span<const WordTable* const> AllWordTables() {
    static const std::vector<const WordTable*> all =
        Concatenate(words::AboutWords, words::CalendarWords, words::LoginWords, words::MediaWords,
                    words::MenuWords, words::NetworkWords, words::OnlineWords, words::OptionsWords,
                    words::RecordsWords, words::TableWords, words::ReplayWords, words::MonthNames,
                    words::ZodiacSigns, words::AnimalYears, words::RadioCountryNames,
                    words::DeckNames, words::BackDesignNames, words::BackgroundDesignNames,
                    words::BackgroundColourNames, words::WindowSizeNames);
    return all;
}

} // namespace tavlira
