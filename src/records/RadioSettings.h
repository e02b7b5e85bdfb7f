#pragma once
// The radio settings "QelRadio.ini" in the family folder: seven lines of
// code page 1251, ended by CR LF.
//   1 station name      2 stream address     3 country name
//   4 logo picture name 5 "1" when the radio was playing, anything else when not
//   6 volume 0..100     7 index of the chosen country (0-based)
//
// A missing file gives the defaults: the built-in station, off, volume 30,
// the first country. A file that exists is read line by line; a line that
// is missing or unusable keeps its default, and a station whose address is
// not a stream address is replaced by the built-in station as a whole.

#include "records/FileSystem.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tavlira {

inline constexpr const char* RadioSettingsFileName = "QelRadio.ini";
inline constexpr int RadioVolumeStep = 10;
inline constexpr int DefaultRadioVolume = 30;

struct RadioSettings {
    std::string stationName;
    std::string stationAddress;
    std::string country;
    std::string logo;
    bool on = false;
    int volume = DefaultRadioVolume;
    int countryIndex = 0;

    // The built-in station, off, volume 30, the first country.
    static RadioSettings Defaults();
    friend bool operator==(const RadioSettings&, const RadioSettings&) = default;
};

RadioSettings ParseRadioSettings(std::string_view text);
std::string FormatRadioSettings(const RadioSettings& settings);

// The defaults when the file is missing or unreadable.
RadioSettings LoadRadioSettings(const std::filesystem::path& file,
                                FileSystem& fileSystem = RealFileSystem());
// False when the file could not be written; the old file is then unchanged.
bool SaveRadioSettings(const std::filesystem::path& file, const RadioSettings& settings,
                       FileSystem& fileSystem = RealFileSystem());

} // namespace tavlira
