#pragma once
// The settings file "Tavlira2.ini" in the program folder: 35 lines of code
// page 1251, ended by CR LF.
//
//   1 "<# General>"         2 the general flags, one character per setting:
//        1 language '0'..'9'      2 sound/music: '0' both off, '1' both on,
//        3 animated pictures        '2' sound only, '3' music only
//        4 flying cards           5 club list '1' score, '2' rating
//        6 network mode           7 own cursors
//        8 flight speed '1'..'6'  9 window size '1'..'5'
//       10 'R' install reported  11 'L' like sent
//       12 radio list '0' server first, '1' disk first
//       13 title style digit     14 new buttons
//       15 purple aux. windows   16 aux. design '1'..'3'
//       17 menu design '0'/'1'   18 table design '0'/'1'
//       19 salute on buttons     20 salute on cards
//      (on/off positions are '1'/'0'; a setting without a valid value is
//       written as '#', and read back as its default)
//   3 "<# Cards>"           4 deck face 0..47
//   5 "<# Decks>"           6 deck back "00".."12", then '1' for "always one"
//   7 "<# Individual>"      8 rule options: '1'/'0' figures have points, "#####"
//   9 "<# Fonts>"           10..13 font names, 14..17 their scales in per cent
//  18 "<# IP & Port>"       19 duel host address, 20 its port
//  21 "<# Background>"      22 background "00".."10" and variant '0'..'6'
//  23 "<# Name Of Player>"  24 last player name
//  25 "<# World Top Ten>"   26 world top-ten address (enciphered)
//                           27 nick (12), 28 region "c-nnn", 29 city (15),
//                           30 sex "M"/"W", 31 statistics address (enciphered)
//  32 "<# Save Games as GIF>" 33 byte 0xE8 on / 0xEB off, 34 capture mode 1/2,
//                           35 frame delay in milliseconds
//
// Reading is tolerant: a missing file, or one with fewer than 35 lines, gives
// every default; otherwise values are taken in line order until the first
// that is unusable, and everything after it keeps its default.

#include "records/FileSystem.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace tavlira {

struct FontChoice {
    std::string name;
    int scale = 100; // per cent
};

// The four font lines in file order.
enum class FontLine { Large = 0, Small = 1, Special1 = 2, Special2 = 3 };

struct Settings {
    // General flags
    int LanguageIndex = 0;
    bool SoundOn = true;
    bool MusicOn = true;
    bool GifAnimation = true;
    bool FlyingCards = true;
    int ClubListMode = 1; // 1 score, 2 rating
    bool NetworkMode = false;
    bool OwnCursor = true;
    int Speed = 4;      // 1..6
    int WindowSize = 1; // 1 small, 2 full screen, 3 average 1, 4 average 2, 5 large
    bool InstallReported = true;
    bool LikeSent = true;
    int RadioListFromServer = 0; // 0: the server's list first, 1: the disk's first
    int TitleVariant = 1;
    bool NewButtons = false;
    bool AuxDesignPurple = false;
    int AuxDesign = 2;   // 1 gray concise, 2 gray aristocratic, 3 gray with red ribbons
    int MenuDesign = 0;  // 0 customizable, 1 purple
    int TableDesign = 0; // 0 customizable, 1 purple
    bool SaluteButtons = false;
    bool SaluteCards = false;

    int DeckFace = 0;
    int DeckBack = 0;
    bool DeckBackAlwaysOne = false;
    bool FiguresHavePoints = false;

    std::array<FontChoice, 4> Fonts{
        {{"Comic Sans MS", 100}, {"Comic Sans MS", 100}, {"FixedSys", 100}, {"Courier New", 100}}};

    std::string ServerIp = "127.0.0.1";
    std::string ServerPort = "25666";
    int Background = 2;
    int BackgroundVariant = 0;
    std::string PlayerName = "Mr.X";

    std::string WorldTopTenAddress; // enciphered; see DefaultWorldTopTenAddress
    std::string WorldNick = "Incognito";
    // Continent digit 1..6 (Europe, Asia, North America, South America,
    // Oceania, Africa), a hyphen and a three-digit country number.
    std::string WorldRegion = "1-010";
    std::string WorldCity = "Moscow";
    char WorldSex = 'M';
    std::string StatisticsAddress; // enciphered; see DefaultStatisticsAddress

    bool SaveGamesAsGif = false;
    int GifCaptureMode = 1; // 1 client area, 2 the screen under the window
    int GifFrameDelay = 1000;

    Settings();
    FontChoice& Font(FontLine line) { return Fonts[static_cast<std::size_t>(line)]; }
};

// The built-in service addresses, in plain text: the companion server on
// this machine. The settings keep them enciphered with CipherKey::ServiceAddress.
inline constexpr std::string_view DefaultWorldTopTenAddress = "http://127.0.0.1:8066/wt/games.php";
inline constexpr std::string_view DefaultStatisticsAddress = "http://127.0.0.1:8066/stat/stat.php";

struct LoadedSettings {
    Settings settings;
    // The file was read up to the statistics address (line 31): only then is
    // the service directory looked up, and only then do the world top ten
    // and the chat count as available when that lookup is not made.
    bool reachedServiceAddresses = false;
};

inline constexpr std::string_view SettingsFileName = "Tavlira2.ini";
inline constexpr int SettingsFileLines = 35;

LoadedSettings ParseSettings(std::string_view bytes);
std::string FormatSettings(const Settings& settings);

// Reads "Tavlira2.ini" in `programFolder`; a missing or unreadable file (or
// anything else in its place: a folder, a FIFO) gives the defaults.
LoadedSettings LoadSettings(const std::filesystem::path& programFolder,
                            FileSystem& fileSystem = RealFileSystem());

enum class SettingsSave {
    Saved,
    Skipped, // a record file was missing or damaged in this run
    Failed,  // the caller shows "Can`t save options!"
};

// Rewrites "Tavlira2.ini" atomically under its lock; a failed attempt is tried
// once more. Failed also when the lock cannot be taken.
SettingsSave SaveSettings(const std::filesystem::path& programFolder, const Settings& settings,
                          bool recordFilesSound, FileSystem& fileSystem = RealFileSystem());

// Whether a region text names a continent and a country within its range.
bool IsValidWorldRegion(std::string_view region);

} // namespace tavlira
