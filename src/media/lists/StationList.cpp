#include "media/lists/StationList.h"

#include "records/TextLines.h"

#include <algorithm>

namespace tavlira {
namespace {

// The fields of a line cut at each '#', without blanks at their ends.
std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t cut = line.find('#');
        fields.push_back(Trim(line.substr(0, cut)));
        if (cut == std::string_view::npos || fields.size() > 5)
            return fields;
        line.remove_prefix(cut + 1);
    }
}

bool IsPlainChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool HasControl(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

std::string Field(std::string_view text) {
    return std::string(Trim(Printable(text.substr(0, MaxStationFieldLength))));
}

std::optional<Station> ReadStation(std::string_view line) {
    if (line.empty() || line.front() == '#')
        return std::nullopt;
    const std::vector<std::string_view> fields = Fields(line);
    if (fields.size() < 5)
        return std::nullopt;
    // The code and the identifier stand at fixed places of the untrimmed field.
    const std::string_view head = line.substr(0, line.find('#'));
    Station station;
    station.code = std::string(Chars(head, 1, 3));
    station.id = std::string(Trim(Chars(head, 5, 11)));
    station.name = Field(fields[2]);
    station.country = Field(fields[3]);
    station.address = std::string(fields[4]);
    if (station.code.size() != 3 || station.id.empty() || HasControl(station.code) ||
        HasControl(station.id) || station.name.empty() || !IsStreamAddress(station.address))
        return std::nullopt;
    if (fields.size() > 5 && IsPictureName(fields[5]))
        station.logo = std::string(fields[5]);
    return station;
}

} // namespace

bool IsPictureName(std::string_view name) {
    return !name.empty() && name.size() <= 64 && std::all_of(name.begin(), name.end(), IsPlainChar);
}

bool IsStreamAddress(std::string_view address) {
    if (address.size() > MaxStationAddressLength || HasControl(address) ||
        address.find(' ') != std::string_view::npos)
        return false;
    for (std::string_view scheme : {"http://", "https://"}) {
        if (address.size() > scheme.size() && address.substr(0, scheme.size()) == scheme)
            return address[scheme.size()] != '/';
    }
    return false;
}

std::vector<Station> ReadStationList(std::string_view text) {
    std::vector<Station> stations;
    text = text.substr(0, MaxStationListBytes);
    for (const std::string& line : SplitLines(text, MaxStationListBytes)) {
        if (std::optional<Station> station = ReadStation(line))
            stations.push_back(std::move(*station));
        if (stations.size() == MaxStations)
            break;
    }
    return stations;
}

std::vector<Station> StationsOf(const std::vector<Station>& stations, std::string_view code) {
    std::vector<Station> chosen;
    std::copy_if(stations.begin(), stations.end(), std::back_inserter(chosen),
                 [code](const Station& station) { return station.code == code; });
    return chosen;
}

std::optional<Station> FindStation(const std::vector<Station>& stations, std::string_view id) {
    const auto last = std::find_if(stations.rbegin(), stations.rend(),
                                   [id](const Station& station) { return station.id == id; });
    if (last == stations.rend())
        return std::nullopt;
    return *last;
}

} // namespace tavlira
