#include "ui/dialogs/online/Countries.h"

#include <algorithm>
#include <array>

namespace tavlira {
namespace {

// A name without its own token travels with "_" for each blank, since the
// answers of the web server separate their values by blanks.

constexpr Country Europe[] = {
    {"Unknown", "Unknown"},
    {"Russia", "Russia"},
    {"Albania", "Albania"},
    {"Andorra", "Andorra"},
    {"Austria", "Austria"},
    {"Belarus", "Belarus"},
    {"Belgium", "Belgium"},
    {"Bosnia & Herzegovina", "Bosnia_Herz."},
    {"Bulgaria", "Bulgaria"},
    {"Croatia", "Croatia"},
    {"Czech Republic", "Czech_Republic"},
    {"Denmark", "Denmark"},
    {"Estonia", "Estonia"},
    {"Faroe Islands", "Faroe_Islands"},
    {"Finland", "Finland"},
    {"France", "France"},
    {"Germany", "Germany"},
    {"Gibraltar", "Gibraltar"},
    {"Greece", "Greece"},
    {"Guernsey", "Guernsey"},
    {"Hungary", "Hungary"},
    {"Iceland", "Iceland"},
    {"Ireland", "Ireland"},
    {"Isle of Man", "Isle_of_Man"},
    {"Italy", "Italy"},
    {"Jersey", "Jersey"},
    {"Latvia", "Latvia"},
    {"Liechtenstein", "Liechtenstein"},
    {"Lithuania", "Lithuania"},
    {"Luxembourg", "Luxembourg"},
    {"Macedonia", "Macedonia"},
    {"Malta", "Malta"},
    {"Moldova", "Moldova"},
    {"Monaco", "Monaco"},
    {"Netherlands", "Netherlands"},
    {"Norway", "Norway"},
    {"Poland", "Poland"},
    {"Portugal", "Portugal"},
    {"Romania", "Romania"},
    {"San Marino", "San_Marino"},
    {"Serbia-Montenegro", "Serbia-Mont."},
    {"Slovakia", "Slovakia"},
    {"Slovenia", "Slovenia"},
    {"Spain", "Spain"},
    {"Sweden", "Sweden"},
    {"Switzerland", "Switzerland"},
    {"Ukraine", "Ukraine"},
    {"Vatican City", "Vatican_City"},
    {"United Kingdom", "United_Kingdom"},
};

constexpr Country Asia[] = {
    {"Unknown", "Unknown"},
    {"Afghanistan", "Afghanistan"},
    {"Armenia", "Armenia"},
    {"Azerbaijan", "Azerbaijan"},
    {"Bahrain", "Bahrain"},
    {"Bangladesh", "Bangladesh"},
    {"Bhutan", "Bhutan"},
    {"British Indian Ocean Territory", "B.I.O.T."},
    {"Brunei", "Brunei"},
    {"Cambodia", "Cambodia"},
    {"China", "China"},
    {"Cyprus", "Cyprus"},
    {"East Timor", "East_Timor"},
    {"Georgia", "Georgia"},
    {"Hong Kong", "Hong_Kong"},
    {"India", "India"},
    {"Indonesia", "Indonesia"},
    {"Iran", "Iran"},
    {"Iraq", "Iraq"},
    {"Israel", "Israel"},
    {"Japan", "Japan"},
    {"Jordan", "Jordan"},
    {"Kazakhstan", "Kazakhstan"},
    {"Kuwait", "Kuwait"},
    {"Kyrgyzstan", "Kyrgyzstan"},
    {"Laos", "Laos"},
    {"Lebanon", "Lebanon"},
    {"Macau", "Macau"},
    {"Malaysia", "Malaysia"},
    {"Maledives", "Maledives"},
    {"Mongolia", "Mongolia"},
    {"Myanmar", "Myanmar"},
    {"Nepal", "Nepal"},
    {"North Korea", "North_Korea"},
    {"Oman", "Oman"},
    {"Pakistan", "Pakistan"},
    {"Philippines", "Philippines"},
    {"Qatar", "Qatar"},
    {"Saudi Arabia", "Saudi_Arabia"},
    {"Singapore", "Singapore"},
    {"South Korea", "South_Korea"},
    {"Sri-Lanka", "Sri-Lanka"},
    {"Syria", "Syria"},
    {"Taiwan", "Taiwan"},
    {"Tajikistan", "Tajikistan"},
    {"Thailand", "Thailand"},
    {"Turkey", "Turkey"},
    {"Turkmenistan", "Turkmenistan"},
    {"United Arab Emirates", "UAE"},
    {"Uzbekistan", "Uzbekistan"},
    {"Vietnam", "Vietnam"},
    {"Yemen", "Yemen"},
};

constexpr Country NorthAmerica[] = {
    {"Unknown", "Unknown"},
    {"Anguilla", "Anguilla"},
    {"Antigua and Barbuda", "Antigua-Barbuda"},
    {"Aruba", "Aruba"},
    {"Bahamas", "Bahamas"},
    {"Barbados", "Barbados"},
    {"Belize", "Belize"},
    {"Bermuda", "Bermuda"},
    {"British Virgin Islands", "BVI"},
    {"Canada", "Canada"},
    {"Cayman Islands", "Cayman_Islands"},
    {"Costa Rica", "Costa_Rica"},
    {"Cuba", "Cuba"},
    {"Dominica", "Dominica"},
    {"Dominican Republic", "Dominican_Rep."},
    {"El Salvador", "El_Salvador"},
    {"Greenland", "Greenland"},
    {"Grenada", "Grenada"},
    {"Guatemala", "Guatemala"},
    {"Haiti", "Haiti"},
    {"Honduras", "Honduras"},
    {"Jamaica", "Jamaica"},
    {"Martinique", "Martinique"},
    {"Mexico", "Mexico"},
    {"Montserrat", "Montserrat"},
    {"Nicaragua", "Nicaragua"},
    {"Panama", "Panama"},
    {"Puerto Rico", "Puerto_Rico"},
    {"Saint Kitts and Nevis", "Saint_Kitts_N."},
    {"Saint Lucia", "Saint_Lucia"},
    {"Saint Pierre and Miquelon", "Saint_Pierre_M."},
    {"Saint Vincent and the Grenadines", "S.V._Grenadines"},
    {"Trinidad and Tobago", "Trinidad_Tobago"},
    {"Turks and Caicos Islands", "Turks_Caicos_I."},
    {"USA", "USA"},
    {"Virgin Islands", "Virgin_Islands"},
};

constexpr Country SouthAmerica[] = {
    {"Unknown", "Unknown"},     {"Argentina", "Argentina"},
    {"Bolivia", "Bolivia"},     {"Brazil", "Brazil"},
    {"Chile", "Chile"},         {"Colombia", "Colombia"},
    {"Equador", "Equador"},     {"Falkland Islands", "Falkland_Isl."},
    {"Guyana", "Guyana"},       {"Paraquay", "Paraquay"},
    {"Peru", "Peru"},           {"South Georgia", "South_Georgia"},
    {"Suriname", "Suriname"},   {"Uruquay", "Uruquay"},
    {"Venezuela", "Venezuela"},
};

constexpr Country Oceania[] = {
    {"Unknown", "Unknown"},
    {"American Samoa", "American_Samoa"},
    {"Australia", "Australia"},
    {"Cook Islands", "Cook_Islands"},
    {"Fiji", "Fiji"},
    {"French Polynesia", "Fr._Polynesia"},
    {"Guam", "Guam"},
    {"Kiribati", "Kiribati"},
    {"Marshall Islands", "Marshall_Isl."},
    {"Micronesia", "Micronesia"},
    {"Nauru", "Nauru"},
    {"New Zealand", "New_Zealand"},
    {"Niue", "Niue"},
    {"Norfolk Island", "Norfolk_Island"},
    {"Northern Mariana Islands", "N._Mariana_Isl."},
    {"Palau", "Palau"},
    {"Papua New Guinea", "Papua_New_G."},
    {"Pitcairn Islands", "Pitcairn_Isl."},
    {"Samoa", "Samoa"},
    {"Solomon Islands", "Solomon_Islands"},
    {"Tonga", "Tonga"},
    {"Tuvalu", "Tuvalu"},
    {"Vanuatu", "Vanuatu"},
    {"Wallis and Futuna", "Wallis-Futuna"},
};

constexpr Country Africa[] = {
    {"Unknown", "Unknown"},
    {"Algeria", "Algeria"},
    {"Angola", "Angola"},
    {"Benin", "Benin"},
    {"Botswana", "Botswana"},
    {"Burkina Faso", "Burkina_Faso"},
    {"Burundi", "Burundi"},
    {"Cameroon", "Cameroon"},
    {"Cape Verde", "Cape_Verde"},
    {"Central African Republic", "CAR"},
    {"Chad", "Chad"},
    {"Comoros", "Comoros"},
    {"Congo Republic", "Congo_Republic"},
    {"Congo Democratic Republic", "Congo_DR"},
    {"Djibouti", "Djibouti"},
    {"Egypt", "Egypt"},
    {"Equatorial Guinea", "Eq._Guinea"},
    {"Eritrea", "Eritrea"},
    {"Ethiopia", "Ethiopia"},
    {"Gabon", "Gabon"},
    {"Gambia", "Gambia"},
    {"Ghana", "Ghana"},
    {"Guinea", "Guinea"},
    {"Guinea-Bissau", "Guinea-Bissau"},
    {"Ivory Coast (Cote Divoire)", "Cote_Divoire"},
    {"Kenya", "Kenya"},
    {"Lesotho", "Lesotho"},
    {"Liberia", "Liberia"},
    {"Libya", "Libya"},
    {"Madagascar", "Madagascar"},
    {"Malawi", "Malawi"},
    {"Mali", "Mali"},
    {"Mauretania", "Mauretania"},
    {"Mauritius", "Mauritius"},
    {"Morocco", "Morocco"},
    {"Mozambique", "Mozambique"},
    {"Namibia", "Namibia"},
    {"Niger", "Niger"},
    {"Nigeria", "Nigeria"},
    {"Rwanda", "Rwanda"},
    {"Saint Helena", "Saint_Helena"},
    {"Sao Tome and Principe", "Sao_Tome_Pr."},
    {"Senegal", "Senegal"},
    {"Seychelles", "Seychelles"},
    {"Sierra Leone", "Sierra_Leone"},
    {"Somalia", "Somalia"},
    {"South Africa", "South_Africa"},
    {"Sudan", "Sudan"},
    {"Swaziland", "Swaziland"},
    {"Tanzania", "Tanzania"},
    {"Togo", "Togo"},
    {"Tunisia", "Tunisia"},
    {"Uganda", "Uganda"},
    {"Zambia", "Zambia"},
    {"Zimbabwe", "Zimbabwe"},
};
constexpr std::array<std::span<const Country>, Continents> Lists{
    Europe, Asia, NorthAmerica, SouthAmerica, Oceania, Africa};

} // namespace

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
