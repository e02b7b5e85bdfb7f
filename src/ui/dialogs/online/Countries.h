#pragma once
// The countries of the account and the passport, in six continent lists
// (1 Europe, 2 Asia, 3 North America, 4 South America, 5 Oceania, 6 Africa),
// each opening with entry 0 "Unknown". A country travels two ways: as its
// token, a name without blanks, and as its region code, the continent digit,
// "-" and the entry number in three digits ("2-005").

#include "i18n/WordTable.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tavlira {

struct Country {
    const char* name; // English
    const char* token;
    const char* iso; // the ISO 3166 two-letter code; empty for "Unknown"
};

inline constexpr int Continents = 6;

struct Region {
    int continent = 1;
    int entry = 0;
    friend bool operator==(const Region&, const Region&) = default;
};

// The list of continent 1..6; empty for any other number.
std::span<const Country> CountriesOf(int continent);
std::string RegionCode(int continent, int entry);
// The region of a code that names an entry of a list; nothing otherwise.
std::optional<Region> ParseRegion(std::string_view code);
const Country& CountryAt(Region region);
// The country's name in `language` (UTF-8): the English name of the list,
// or the ISO list's translation, English where there is none.
std::string_view CountryName(const Country& country, LanguageIndex language);

} // namespace tavlira
