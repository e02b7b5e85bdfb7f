#pragma once
// The radio's station list, "QelRadio.rad" on disk or "QelRadio.ser" as
// fetched from the server: code page 1251 text, one station a line, a line
// beginning with '#' a comment. A station line is cut into fields at each
// '#':
//   field 0  characters 1..3 the country code, 5..11 the station identifier
//   field 1  not read
//   field 2  the station's name, as the station list shows it
//   field 3  the country's name
//   field 4  the stream address (http or https)
//   field 5  the station's logo in the radio picture pack (optional)
//   further fields are not read
// e.g. "RUS MAYAK01#-#Radio Mayak#Russian Federation#http://...#RRADIO_LOGO_MAYAK"
//
// The list may come from the network, so it is read as hostile: a line that
// is not a whole station (a short code or identifier, no name, an address
// that is not http or https) is left out, every field loses its control
// characters and is cut to a sane length, and a logo name that is not a
// plain resource name falls back to the unknown-station logo.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavlira {

inline constexpr const char* StationListDiskFile = "QelRadio.rad";
inline constexpr const char* StationListServerFile = "QelRadio.ser";
inline constexpr const char* UnknownStationLogo = "RRADIO_LOGO_RADIOUN";

// Nothing past this many bytes or stations is read.
inline constexpr std::size_t MaxStationListBytes = 1 << 20;
inline constexpr std::size_t MaxStations = 5000;
inline constexpr std::size_t MaxStationFieldLength = 200;
inline constexpr std::size_t MaxStationAddressLength = 1000;

struct Station {
    std::string code;    // "RUS"
    std::string id;      // up to seven characters
    std::string name;    // code page 1251
    std::string country; // code page 1251
    std::string address;
    std::string logo = UnknownStationLogo;
    friend bool operator==(const Station&, const Station&) = default;
};

// The countries of the radio dialog, in list order, and the code that
// selects their station lines.
struct RadioCountry {
    const char* name;
    const char* code;
};
inline constexpr std::array<RadioCountry, 28> RadioCountries{{
    {"Russian Federation", "RUS"},
    {"Ukraine", "UA0"},
    {"Belarus", "BEL"},
    {"Moldova", "MOL"},
    {"Estonia", "EST"},
    {"Latvia", "LAT"},
    {"Lithuania", "LIT"},
    {"Armenia", "ARM"},
    {"Georgia", "GEO"},
    {"Azerbaijan", "AZE"},
    {"Kazakhstan", "KZ0"},
    {"Uzbekistan", "UZ0"},
    {"USA", "USA"},
    {"Canada", "CAN"},
    {"United Kingdom", "UK0"},
    {"Australia", "AUS"},
    {"Deutschland", "DE0"},
    {"France", "FRA"},
    {"Italy", "ITA"},
    {"Netherlands", "NED"},
    {"Sweden", "SWE"},
    {"Czech Republic", "CZ0"},
    {"Spain", "ESP"},
    {"Brazil", "BRA"},
    {"India", "IND"},
    {"China", "CHI"},
    {"Japan", "JAP"},
    {"South Korea", "SK0"},
}};

// Every station of the list in file order.
std::vector<Station> ReadStationList(std::string_view text);

// The stations of one country code, in list order.
std::vector<Station> StationsOf(const std::vector<Station>& stations, std::string_view code);

// The station with identifier `id`; a later line with the same identifier
// overrides an earlier one.
std::optional<Station> FindStation(const std::vector<Station>& stations, std::string_view id);

// A name the radio picture pack may hold: letters, digits and '_' only.
bool IsPictureName(std::string_view name);

// An address the radio may stream from: http or https with a host.
bool IsStreamAddress(std::string_view address);

} // namespace tavlira
