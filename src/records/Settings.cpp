#include "records/Settings.h"

#include "records/AtomicFile.h"
#include "records/TextLines.h"
#include "util/NumberFormat.h"
#include "util/TextCipher.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace tavlira {
namespace {

namespace fs = std::filesystem;

// The fixed section marker lines and their line numbers.
struct SectionMarker {
    int line;
    std::string_view text;
};
constexpr SectionMarker SectionMarkers[] = {
    {1, "<# General>"},           {3, "<# Cards>"},           {5, "<# Decks>"},
    {7, "<# Individual>"},        {9, "<# Fonts>"},           {18, "<# IP & Port>"},
    {21, "<# Background>"},       {23, "<# Name Of Player>"}, {25, "<# World Top Ten>"},
    {32, "<# Save Games as GIF>"}};

std::string_view MarkerOf(int line) {
    for (const SectionMarker& marker : SectionMarkers)
        if (marker.line == line)
            return marker.text;
    return {};
}

constexpr char GifOn = static_cast<char>(0xE8);
constexpr char GifOff = static_cast<char>(0xEB);
constexpr std::size_t NickLength = 12;
constexpr std::size_t CityLength = 15;

// The highest country number of each continent 1..6.
constexpr int LastCountry[] = {48, 51, 35, 14, 23, 54};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// `c` as a digit within first..last, or nothing.
std::optional<int> DigitIn(char c, int first, int last) {
    if (!IsDigit(c) || c - '0' < first || c - '0' > last)
        return std::nullopt;
    return c - '0';
}

void TakeDigit(std::string_view line, std::size_t position, int first, int last, int& setting) {
    if (position <= line.size())
        if (const auto digit = DigitIn(line[position - 1], first, last))
            setting = *digit;
}

void TakeSwitch(std::string_view line, std::size_t position, bool& setting) {
    int value = setting ? 1 : 0;
    TakeDigit(line, position, 0, 1, value);
    setting = value == 1;
}

void TakeLetter(std::string_view line, std::size_t position, char yes, bool& setting) {
    if (position <= line.size())
        setting = line[position - 1] == yes;
}

void TakeSoundAndMusic(std::string_view line, Settings& s) {
    int code = -1;
    TakeDigit(line, 2, 0, 3, code);
    if (code < 0)
        return;
    s.SoundOn = code == 1 || code == 2;
    s.MusicOn = code == 1 || code == 3;
}

void ParseGeneralFlags(std::string_view line, Settings& s) {
    TakeDigit(line, 1, 0, 9, s.LanguageIndex);
    TakeSoundAndMusic(line, s);
    TakeSwitch(line, 3, s.GifAnimation);
    TakeSwitch(line, 4, s.FlyingCards);
    TakeDigit(line, 5, 1, 2, s.ClubListMode);
    TakeSwitch(line, 6, s.NetworkMode);
    TakeSwitch(line, 7, s.OwnCursor);
    TakeDigit(line, 8, 1, 6, s.Speed);
    TakeDigit(line, 9, 1, 5, s.WindowSize);
    TakeLetter(line, 10, 'R', s.InstallReported);
    TakeLetter(line, 11, 'L', s.LikeSent);
    TakeDigit(line, 12, 0, 1, s.RadioListFromServer);
    TakeDigit(line, 13, 1, 7, s.TitleVariant);
    TakeSwitch(line, 14, s.NewButtons);
    TakeSwitch(line, 15, s.AuxDesignPurple);
    TakeDigit(line, 16, 1, 3, s.AuxDesign);
    TakeDigit(line, 17, 0, 1, s.MenuDesign);
    TakeDigit(line, 18, 0, 1, s.TableDesign);
    TakeSwitch(line, 19, s.SaluteButtons);
    TakeSwitch(line, 20, s.SaluteCards);
}

// A decimal number within first..last replaces `setting`; anything else
// keeps it.
void TakeNumber(std::string_view text, long long first, long long last, int& setting) {
    const long long value = ParseInteger(text, first - 1);
    if (value >= first && value <= last)
        setting = static_cast<int>(value);
}

void ParseDeckBack(std::string_view line, Settings& s) {
    TakeNumber(line.substr(0, 2), 0, 12, s.DeckBack);
    s.DeckBackAlwaysOne = line[2] == '1';
}

void ParseBackground(std::string_view line, Settings& s) {
    if (line.size() != 3 || !IsDigit(line[0]) || !IsDigit(line[1]))
        return;
    const auto variant = DigitIn(line[2], 0, 6);
    const int background = (line[0] - '0') * 10 + (line[1] - '0');
    if (variant && background <= 10) {
        s.Background = background;
        s.BackgroundVariant = *variant;
    }
}

// Lines 10..24, each only while all before were usable. False when reading
// stopped early.
bool ParseFontsToName(const std::vector<std::string>& lines, Settings& s) {
    auto line = [&](int n) -> const std::string& { return lines[static_cast<std::size_t>(n - 1)]; };
    for (int i = 0; i < 4; ++i)
        if (line(10 + i).size() <= 1)
            return false;
    for (int i = 0; i < 4; ++i) {
        s.Fonts[static_cast<std::size_t>(i)].name = line(10 + i);
        TakeNumber(line(14 + i), 1, 1000, s.Fonts[static_cast<std::size_t>(i)].scale);
    }
    if (line(18) != MarkerOf(18))
        return false;
    s.ServerIp = line(19);
    s.ServerPort = line(20);
    if (line(21) != MarkerOf(21))
        return false;
    ParseBackground(line(22), s);
    if (line(23) != MarkerOf(23))
        return false;
    if (!line(24).empty())
        s.PlayerName = line(24);
    return true;
}

void ParseWorldValues(const std::vector<std::string>& lines, Settings& s) {
    auto line = [&](int n) -> const std::string& { return lines[static_cast<std::size_t>(n - 1)]; };
    s.WorldTopTenAddress = line(26);
    s.WorldNick = line(27).substr(0, NickLength);
    if (IsValidWorldRegion(line(28)))
        s.WorldRegion = line(28);
    s.WorldCity = line(29).substr(0, CityLength);
    s.WorldSex = line(30) == "W" ? 'W' : 'M';
    s.StatisticsAddress = line(31);
}

void ParseGifValues(const std::vector<std::string>& lines, Settings& s) {
    s.SaveGamesAsGif = lines[32] == std::string(1, GifOn);
    TakeNumber(lines[33], 1, 2, s.GifCaptureMode);
    TakeNumber(lines[34], 1, 60'000, s.GifFrameDelay);
}

char Switch(bool on) {
    return on ? '1' : '0';
}

// The digit of `value` when it lies within first..last, else '#'.
char DigitOr(int value, int first, int last) {
    return value >= first && value <= last ? static_cast<char>('0' + value) : '#';
}

char SoundMusicCode(bool soundOn, bool musicOn) {
    if (soundOn && musicOn)
        return '1';
    if (soundOn)
        return '2';
    return musicOn ? '3' : '0';
}

std::string FormatGeneralFlags(const Settings& s) {
    return {DigitOr(s.LanguageIndex, 0, 9),
            SoundMusicCode(s.SoundOn, s.MusicOn),
            Switch(s.GifAnimation),
            Switch(s.FlyingCards),
            DigitOr(s.ClubListMode, 1, 2),
            Switch(s.NetworkMode),
            Switch(s.OwnCursor),
            DigitOr(s.Speed, 1, 6),
            DigitOr(s.WindowSize, 1, 5),
            s.InstallReported ? 'R' : '#',
            s.LikeSent ? 'L' : '#',
            DigitOr(s.RadioListFromServer, 0, 1),
            DigitOr(s.TitleVariant, 1, 7),
            Switch(s.NewButtons),
            Switch(s.AuxDesignPurple),
            DigitOr(s.AuxDesign, 1, 3),
            DigitOr(s.MenuDesign, 0, 1),
            DigitOr(s.TableDesign, 0, 1),
            Switch(s.SaluteButtons),
            Switch(s.SaluteCards)};
}

fs::path SettingsPath(const fs::path& programFolder) {
    return programFolder / SettingsFileName;
}

} // namespace

Settings::Settings()
    : WorldTopTenAddress(EncodeText(DefaultWorldTopTenAddress, CipherKey::ServiceAddress)),
      StatisticsAddress(EncodeText(DefaultStatisticsAddress, CipherKey::ServiceAddress)) {}

bool IsValidWorldRegion(std::string_view region) {
    if (region.size() != 5 || region[1] != '-')
        return false;
    const auto continent = DigitIn(region[0], 1, 6);
    const std::string_view country = region.substr(2);
    if (!continent || !std::all_of(country.begin(), country.end(), IsDigit))
        return false;
    return ParseInteger(country, -1) <= LastCountry[*continent - 1];
}

LoadedSettings ParseSettings(std::string_view bytes) {
    LoadedSettings loaded;
    const std::vector<std::string> lines = SplitLines(bytes, SettingsFileLines);
    if (lines.size() < SettingsFileLines)
        return loaded;
    Settings& s = loaded.settings;
    ParseGeneralFlags(lines[1], s);
    TakeNumber(lines[3], 0, 47, s.DeckFace);
    if (lines[5].size() < 3)
        return loaded;
    ParseDeckBack(lines[5], s);
    s.FiguresHavePoints = !lines[7].empty() && lines[7][0] == '1';
    if (!ParseFontsToName(lines, s))
        return loaded;
    ParseWorldValues(lines, s);
    loaded.reachedServiceAddresses = true;
    ParseGifValues(lines, s);
    return loaded;
}

std::string FormatSettings(const Settings& s) {
    std::vector<std::string> lines(SettingsFileLines);
    auto line = [&](int n) -> std::string& { return lines[static_cast<std::size_t>(n - 1)]; };
    for (const SectionMarker& marker : SectionMarkers)
        line(marker.line) = marker.text;
    line(2) = FormatGeneralFlags(s);
    line(4) = std::to_string(s.DeckFace);
    line(6) = PadLeft(s.DeckBack, 2, '0') + Switch(s.DeckBackAlwaysOne);
    line(8) = std::string(1, Switch(s.FiguresHavePoints)) + "#####";
    for (int i = 0; i < 4; ++i) {
        line(10 + i) = s.Fonts[static_cast<std::size_t>(i)].name;
        line(14 + i) = std::to_string(s.Fonts[static_cast<std::size_t>(i)].scale);
    }
    line(19) = s.ServerIp;
    line(20) = s.ServerPort;
    line(22) = PadLeft(s.Background, 2, '0') + DigitOr(s.BackgroundVariant, 0, 6);
    line(24) = s.PlayerName;
    line(26) = s.WorldTopTenAddress;
    line(27) = s.WorldNick;
    line(28) = s.WorldRegion;
    line(29) = s.WorldCity;
    line(30) = std::string(1, s.WorldSex);
    line(31) = s.StatisticsAddress;
    line(33) = std::string(1, s.SaveGamesAsGif ? GifOn : GifOff);
    line(34) = std::to_string(s.GifCaptureMode);
    line(35) = std::to_string(s.GifFrameDelay);
    return JoinLines(lines);
}

LoadedSettings LoadSettings(const fs::path& programFolder, FileSystem& fileSystem) {
    const auto bytes = ReadWholeFile(SettingsPath(programFolder), fileSystem);
    return bytes ? ParseSettings(*bytes) : LoadedSettings{};
}

SettingsSave SaveSettings(const fs::path& programFolder, const Settings& settings,
                          bool recordFilesSound, FileSystem& fileSystem) {
    if (!recordFilesSound)
        return SettingsSave::Skipped;
    const fs::path path = SettingsPath(programFolder);
    const std::string bytes = FormatSettings(settings);
    const FileLock lock(path);
    if (!lock.Held())
        return SettingsSave::Failed;
    for (int attempt = 0; attempt < 2; ++attempt)
        if (ReplaceFile(path, bytes, fileSystem))
            return SettingsSave::Saved;
    return SettingsSave::Failed;
}

} // namespace tavlira
