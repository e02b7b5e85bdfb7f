// Arbitrary bytes as a station list, a playlist page and a radio settings
// file. Every station read must be playable and filed under its own code,
// every song a plain file name of the music folder, and radio settings must
// save and read back to the same file.

#include "FuzzCheck.h"
#include "media/lists/Playlist.h"
#include "media/lists/StationList.h"
#include "records/RadioSettings.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavlira;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::vector<Station> stations = ReadStationList(bytes);
    FUZZ_CHECK(stations.size() <= MaxStations);
    for (const Station& station : stations) {
        FUZZ_CHECK(station.code.size() == 3 && !station.id.empty() && !station.name.empty());
        FUZZ_CHECK(IsStreamAddress(station.address) && IsPictureName(station.logo));
        FUZZ_CHECK(FindStation(stations, station.id).has_value());
        FUZZ_CHECK(!StationsOf(stations, station.code).empty());
    }

    for (const Song& song : ReadPlaylist(bytes)) {
        FUZZ_CHECK(song.file.size() <= MaxPlaylistLineLength);
        FUZZ_CHECK(song.file.find('/') == std::string::npos && song.file.front() != '.');
    }

    const RadioSettings radio = ParseRadioSettings(bytes);
    FUZZ_CHECK(radio.volume >= 0 && radio.volume <= 100);
    const std::string saved = FormatRadioSettings(radio);
    FUZZ_CHECK(FormatRadioSettings(ParseRadioSettings(saved)) == saved);
    return 0;
}
