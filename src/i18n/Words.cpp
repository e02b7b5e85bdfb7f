#include "i18n/Words.h"

#include <iterator>
#include <vector>

namespace tavlira {

namespace {

template <typename... Lists> std::vector<const WordTable*> Concatenate(const Lists&... lists) {
    std::vector<const WordTable*> all;
    (all.insert(all.end(), std::begin(lists), std::end(lists)), ...);
    return all;
}

} // namespace

std::span<const WordTable* const> AllWordTables() {
    static const std::vector<const WordTable*> all =
        Concatenate(words::AboutWords, words::CalendarWords, words::LoginWords, words::MediaWords,
                    words::MenuWords, words::NetworkWords, words::OnlineWords, words::OptionsWords,
                    words::RecordsWords, words::TableWords);
    return all;
}

} // namespace tavlira
