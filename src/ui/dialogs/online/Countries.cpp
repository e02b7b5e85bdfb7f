#include "ui/dialogs/online/Countries.h"

#include "i18n/words/Online.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace tavlira {
namespace {

// A name without its own token travels with "_" for each blank, since the
// answers of the web server separate their values by blanks.

constexpr Country Europe[] = {
    {"Unknown", "Unknown", ""},
    {"Russia", "Russia", "RU"},
    {"Albania", "Albania", "AL"},
    {"Andorra", "Andorra", "AD"},
    {"Austria", "Austria", "AT"},
    {"Belarus", "Belarus", "BY"},
    {"Belgium", "Belgium", "BE"},
    {"Bosnia & Herzegovina", "Bosnia_Herz.", "BA"},
    {"Bulgaria", "Bulgaria", "BG"},
    {"Croatia", "Croatia", "HR"},
    {"Czech Republic", "Czech_Republic", "CZ"},
    {"Denmark", "Denmark", "DK"},
    {"Estonia", "Estonia", "EE"},
    {"Faroe Islands", "Faroe_Islands", "FO"},
    {"Finland", "Finland", "FI"},
    {"France", "France", "FR"},
    {"Germany", "Germany", "DE"},
    {"Gibraltar", "Gibraltar", "GI"},
    {"Greece", "Greece", "GR"},
    {"Guernsey", "Guernsey", "GG"},
    {"Hungary", "Hungary", "HU"},
    {"Iceland", "Iceland", "IS"},
    {"Ireland", "Ireland", "IE"},
    {"Isle of Man", "Isle_of_Man", "IM"},
    {"Italy", "Italy", "IT"},
    {"Jersey", "Jersey", "JE"},
    {"Latvia", "Latvia", "LV"},
    {"Liechtenstein", "Liechtenstein", "LI"},
    {"Lithuania", "Lithuania", "LT"},
    {"Luxembourg", "Luxembourg", "LU"},
    {"Macedonia", "Macedonia", "MK"},
    {"Malta", "Malta", "MT"},
    {"Moldova", "Moldova", "MD"},
    {"Monaco", "Monaco", "MC"},
    {"Netherlands", "Netherlands", "NL"},
    {"Norway", "Norway", "NO"},
    {"Poland", "Poland", "PL"},
    {"Portugal", "Portugal", "PT"},
    {"Romania", "Romania", "RO"},
    {"San Marino", "San_Marino", "SM"},
    {"Serbia-Montenegro", "Serbia-Mont.", "CS"},
    {"Slovakia", "Slovakia", "SK"},
    {"Slovenia", "Slovenia", "SI"},
    {"Spain", "Spain", "ES"},
    {"Sweden", "Sweden", "SE"},
    {"Switzerland", "Switzerland", "CH"},
    {"Ukraine", "Ukraine", "UA"},
    {"Vatican City", "Vatican_City", "VA"},
    {"United Kingdom", "United_Kingdom", "GB"},
};

constexpr Country Asia[] = {
    {"Unknown", "Unknown", ""},
    {"Afghanistan", "Afghanistan", "AF"},
    {"Armenia", "Armenia", "AM"},
    {"Azerbaijan", "Azerbaijan", "AZ"},
    {"Bahrain", "Bahrain", "BH"},
    {"Bangladesh", "Bangladesh", "BD"},
    {"Bhutan", "Bhutan", "BT"},
    {"British Indian Ocean Territory", "B.I.O.T.", "IO"},
    {"Brunei", "Brunei", "BN"},
    {"Cambodia", "Cambodia", "KH"},
    {"China", "China", "CN"},
    {"Cyprus", "Cyprus", "CY"},
    {"East Timor", "East_Timor", "TL"},
    {"Georgia", "Georgia", "GE"},
    {"Hong Kong", "Hong_Kong", "HK"},
    {"India", "India", "IN"},
    {"Indonesia", "Indonesia", "ID"},
    {"Iran", "Iran", "IR"},
    {"Iraq", "Iraq", "IQ"},
    {"Israel", "Israel", "IL"},
    {"Japan", "Japan", "JP"},
    {"Jordan", "Jordan", "JO"},
    {"Kazakhstan", "Kazakhstan", "KZ"},
    {"Kuwait", "Kuwait", "KW"},
    {"Kyrgyzstan", "Kyrgyzstan", "KG"},
    {"Laos", "Laos", "LA"},
    {"Lebanon", "Lebanon", "LB"},
    {"Macau", "Macau", "MO"},
    {"Malaysia", "Malaysia", "MY"},
    {"Maledives", "Maledives", "MV"},
    {"Mongolia", "Mongolia", "MN"},
    {"Myanmar", "Myanmar", "MM"},
    {"Nepal", "Nepal", "NP"},
    {"North Korea", "North_Korea", "KP"},
    {"Oman", "Oman", "OM"},
    {"Pakistan", "Pakistan", "PK"},
    {"Philippines", "Philippines", "PH"},
    {"Qatar", "Qatar", "QA"},
    {"Saudi Arabia", "Saudi_Arabia", "SA"},
    {"Singapore", "Singapore", "SG"},
    {"South Korea", "South_Korea", "KR"},
    {"Sri-Lanka", "Sri-Lanka", "LK"},
    {"Syria", "Syria", "SY"},
    {"Taiwan", "Taiwan", "TW"},
    {"Tajikistan", "Tajikistan", "TJ"},
    {"Thailand", "Thailand", "TH"},
    {"Turkey", "Turkey", "TR"},
    {"Turkmenistan", "Turkmenistan", "TM"},
    {"United Arab Emirates", "UAE", "AE"},
    {"Uzbekistan", "Uzbekistan", "UZ"},
    {"Vietnam", "Vietnam", "VN"},
    {"Yemen", "Yemen", "YE"},
};

constexpr Country NorthAmerica[] = {
    {"Unknown", "Unknown", ""},
    {"Anguilla", "Anguilla", "AI"},
    {"Antigua and Barbuda", "Antigua-Barbuda", "AG"},
    {"Aruba", "Aruba", "AW"},
    {"Bahamas", "Bahamas", "BS"},
    {"Barbados", "Barbados", "BB"},
    {"Belize", "Belize", "BZ"},
    {"Bermuda", "Bermuda", "BM"},
    {"British Virgin Islands", "BVI", "VG"},
    {"Canada", "Canada", "CA"},
    {"Cayman Islands", "Cayman_Islands", "KY"},
    {"Costa Rica", "Costa_Rica", "CR"},
    {"Cuba", "Cuba", "CU"},
    {"Dominica", "Dominica", "DM"},
    {"Dominican Republic", "Dominican_Rep.", "DO"},
    {"El Salvador", "El_Salvador", "SV"},
    {"Greenland", "Greenland", "GL"},
    {"Grenada", "Grenada", "GD"},
    {"Guatemala", "Guatemala", "GT"},
    {"Haiti", "Haiti", "HT"},
    {"Honduras", "Honduras", "HN"},
    {"Jamaica", "Jamaica", "JM"},
    {"Martinique", "Martinique", "MQ"},
    {"Mexico", "Mexico", "MX"},
    {"Montserrat", "Montserrat", "MS"},
    {"Nicaragua", "Nicaragua", "NI"},
    {"Panama", "Panama", "PA"},
    {"Puerto Rico", "Puerto_Rico", "PR"},
    {"Saint Kitts and Nevis", "Saint_Kitts_N.", "KN"},
    {"Saint Lucia", "Saint_Lucia", "LC"},
    {"Saint Pierre and Miquelon", "Saint_Pierre_M.", "PM"},
    {"Saint Vincent and the Grenadines", "S.V._Grenadines", "VC"},
    {"Trinidad and Tobago", "Trinidad_Tobago", "TT"},
    {"Turks and Caicos Islands", "Turks_Caicos_I.", "TC"},
    {"USA", "USA", "US"},
    {"Virgin Islands", "Virgin_Islands", "VI"},
};

constexpr Country SouthAmerica[] = {
    {"Unknown", "Unknown", ""},       {"Argentina", "Argentina", "AR"},
    {"Bolivia", "Bolivia", "BO"},     {"Brazil", "Brazil", "BR"},
    {"Chile", "Chile", "CL"},         {"Colombia", "Colombia", "CO"},
    {"Equador", "Equador", "EC"},     {"Falkland Islands", "Falkland_Isl.", "FK"},
    {"Guyana", "Guyana", "GY"},       {"Paraquay", "Paraquay", "PY"},
    {"Peru", "Peru", "PE"},           {"South Georgia", "South_Georgia", "GS"},
    {"Suriname", "Suriname", "SR"},   {"Uruquay", "Uruquay", "UY"},
    {"Venezuela", "Venezuela", "VE"},
};

constexpr Country Oceania[] = {
    {"Unknown", "Unknown", ""},
    {"American Samoa", "American_Samoa", "AS"},
    {"Australia", "Australia", "AU"},
    {"Cook Islands", "Cook_Islands", "CK"},
    {"Fiji", "Fiji", "FJ"},
    {"French Polynesia", "Fr._Polynesia", "PF"},
    {"Guam", "Guam", "GU"},
    {"Kiribati", "Kiribati", "KI"},
    {"Marshall Islands", "Marshall_Isl.", "MH"},
    {"Micronesia", "Micronesia", "FM"},
    {"Nauru", "Nauru", "NR"},
    {"New Zealand", "New_Zealand", "NZ"},
    {"Niue", "Niue", "NU"},
    {"Norfolk Island", "Norfolk_Island", "NF"},
    {"Northern Mariana Islands", "N._Mariana_Isl.", "MP"},
    {"Palau", "Palau", "PW"},
    {"Papua New Guinea", "Papua_New_G.", "PG"},
    {"Pitcairn Islands", "Pitcairn_Isl.", "PN"},
    {"Samoa", "Samoa", "WS"},
    {"Solomon Islands", "Solomon_Islands", "SB"},
    {"Tonga", "Tonga", "TO"},
    {"Tuvalu", "Tuvalu", "TV"},
    {"Vanuatu", "Vanuatu", "VU"},
    {"Wallis and Futuna", "Wallis-Futuna", "WF"},
};

constexpr Country Africa[] = {
    {"Unknown", "Unknown", ""},
    {"Algeria", "Algeria", "DZ"},
    {"Angola", "Angola", "AO"},
    {"Benin", "Benin", "BJ"},
    {"Botswana", "Botswana", "BW"},
    {"Burkina Faso", "Burkina_Faso", "BF"},
    {"Burundi", "Burundi", "BI"},
    {"Cameroon", "Cameroon", "CM"},
    {"Cape Verde", "Cape_Verde", "CV"},
    {"Central African Republic", "CAR", "CF"},
    {"Chad", "Chad", "TD"},
    {"Comoros", "Comoros", "KM"},
    {"Congo Republic", "Congo_Republic", "CG"},
    {"Congo Democratic Republic", "Congo_DR", "CD"},
    {"Djibouti", "Djibouti", "DJ"},
    {"Egypt", "Egypt", "EG"},
    {"Equatorial Guinea", "Eq._Guinea", "GQ"},
    {"Eritrea", "Eritrea", "ER"},
    {"Ethiopia", "Ethiopia", "ET"},
    {"Gabon", "Gabon", "GA"},
    {"Gambia", "Gambia", "GM"},
    {"Ghana", "Ghana", "GH"},
    {"Guinea", "Guinea", "GN"},
    {"Guinea-Bissau", "Guinea-Bissau", "GW"},
    {"Ivory Coast (Cote Divoire)", "Cote_Divoire", "CI"},
    {"Kenya", "Kenya", "KE"},
    {"Lesotho", "Lesotho", "LS"},
    {"Liberia", "Liberia", "LR"},
    {"Libya", "Libya", "LY"},
    {"Madagascar", "Madagascar", "MG"},
    {"Malawi", "Malawi", "MW"},
    {"Mali", "Mali", "ML"},
    {"Mauretania", "Mauretania", "MR"},
    {"Mauritius", "Mauritius", "MU"},
    {"Morocco", "Morocco", "MA"},
    {"Mozambique", "Mozambique", "MZ"},
    {"Namibia", "Namibia", "NA"},
    {"Niger", "Niger", "NE"},
    {"Nigeria", "Nigeria", "NG"},
    {"Rwanda", "Rwanda", "RW"},
    {"Saint Helena", "Saint_Helena", "SH"},
    {"Sao Tome and Principe", "Sao_Tome_Pr.", "ST"},
    {"Senegal", "Senegal", "SN"},
    {"Seychelles", "Seychelles", "SC"},
    {"Sierra Leone", "Sierra_Leone", "SL"},
    {"Somalia", "Somalia", "SO"},
    {"South Africa", "South_Africa", "ZA"},
    {"Sudan", "Sudan", "SD"},
    {"Swaziland", "Swaziland", "SZ"},
    {"Tanzania", "Tanzania", "TZ"},
    {"Togo", "Togo", "TG"},
    {"Tunisia", "Tunisia", "TN"},
    {"Uganda", "Uganda", "UG"},
    {"Zambia", "Zambia", "ZM"},
    {"Zimbabwe", "Zimbabwe", "ZW"},
};
constexpr std::array<std::span<const Country>, Continents> Lists{
    Europe, Asia, NorthAmerica, SouthAmerica, Oceania, Africa};

// The ISO names in the ten languages, sorted by code (tools/countries).
struct IsoNames {
    const char* code;
    std::array<const char*, LanguageCount> names;
};
constexpr IsoNames IsoCountries[] = {
#include "CountryNames.inc"
};

} // namespace

std::string_view CountryName(const Country& country, LanguageIndex language) {
    if (language == LanguageIndex::English)
        return country.name;
    if (country.iso[0] == '\0')
        return words::UnknownCountry[language];
    const auto* found = std::lower_bound(
        std::begin(IsoCountries), std::end(IsoCountries), country.iso,
        [](const IsoNames& row, const char* code) { return std::strcmp(row.code, code) < 0; });
    if (found == std::end(IsoCountries) || std::strcmp(found->code, country.iso) != 0)
        return country.name;
    return found->names[static_cast<std::size_t>(language)];
}

std::span<const Country> CountriesOf(int continent) {
    if (continent < 1 || continent > Continents)
        return {};
    return Lists[static_cast<std::size_t>(continent - 1)];
}

std::string RegionCode(int continent, int entry) {
    std::string digits = std::to_string(entry);
    digits.insert(0, 3 - std::min<std::size_t>(3, digits.size()), '0');
    return std::to_string(continent) + "-" + digits;
}

std::optional<Region> ParseRegion(std::string_view code) {
    if (code.size() != 5 || code[1] != '-')
        return std::nullopt;
    const int continent = code[0] - '0';
    int entry = 0;
    for (const char c : code.substr(2)) {
        if (c < '0' || c > '9')
            return std::nullopt;
        entry = entry * 10 + (c - '0');
    }
    const std::span<const Country> list = CountriesOf(continent);
    if (list.empty() || entry >= static_cast<int>(list.size()))
        return std::nullopt;
    return Region{continent, entry};
}

const Country& CountryAt(Region region) {
    return CountriesOf(region.continent)[static_cast<std::size_t>(region.entry)];
}

} // namespace tavlira
