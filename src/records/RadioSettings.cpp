#include "records/RadioSettings.h"

#include "media/lists/RadioAddresses.h"
#include "media/lists/StationList.h"
#include "records/AtomicFile.h"
#include "records/TextLines.h"

#include <algorithm>

namespace tavlira {
namespace {

constexpr std::size_t RadioSettingsLines = 7;

// Line `number` (from 1) without control characters, blanks at its ends or
// anything past the longest field; empty when the file is shorter.
std::string Line(const std::vector<std::string>& lines, std::size_t number) {
    if (number > lines.size())
        return {};
    const std::string printable = Printable(lines[number - 1]);
    return std::string(Trim(Trim(printable).substr(0, MaxStationAddressLength)));
}

} // namespace

RadioSettings RadioSettings::Defaults() {
    RadioSettings settings;
    settings.stationName = DefaultStationName;
    settings.stationAddress = DefaultStationAddress;
    settings.country = DefaultStationCountry;
    settings.logo = DefaultStationLogo;
    return settings;
}

RadioSettings ParseRadioSettings(std::string_view text) {
    RadioSettings settings = RadioSettings::Defaults();
    const std::vector<std::string> lines =
        SplitLines(text.substr(0, MaxStationListBytes), RadioSettingsLines);
    const std::string name = Line(lines, 1);
    const std::string address = Line(lines, 2);
    if (!name.empty() && IsStreamAddress(address)) {
        settings.stationName = name;
        settings.stationAddress = address;
        settings.country = Line(lines, 3);
        const std::string logo = Line(lines, 4);
        settings.logo = IsPictureName(logo) ? logo : UnknownStationLogo;
    }
    settings.on = Line(lines, 5) == "1";
    const long long volume = ParseInteger(Line(lines, 6), DefaultRadioVolume);
    settings.volume = volume >= 0 && volume <= 100 ? static_cast<int>(volume) : DefaultRadioVolume;
    const long long country = ParseInteger(Line(lines, 7), 0);
    settings.countryIndex = country >= 0 && country < static_cast<long long>(RadioCountries.size())
                                ? static_cast<int>(country)
                                : 0;
    return settings;
}

std::string FormatRadioSettings(const RadioSettings& settings) {
    return JoinLines({Printable(settings.stationName), Printable(settings.stationAddress),
                      Printable(settings.country), Printable(settings.logo),
                      settings.on ? "1" : "0", std::to_string(std::clamp(settings.volume, 0, 100)),
                      std::to_string(settings.countryIndex)});
}

RadioSettings LoadRadioSettings(const std::filesystem::path& file, FileSystem& fileSystem) {
    const std::optional<std::string> text = ReadWholeFile(file, fileSystem);
    return text ? ParseRadioSettings(*text) : RadioSettings::Defaults();
}

bool SaveRadioSettings(const std::filesystem::path& file, const RadioSettings& settings,
                       FileSystem& fileSystem) {
    return ReplaceFile(file, FormatRadioSettings(settings), fileSystem);
}

} // namespace tavlira
