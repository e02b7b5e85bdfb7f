#pragma once
// The rules of the options dialog that do not depend on its widgets: which
// window sizes a screen holds, which card back choices are open, the limits
// of the font scales, when the background lists may be used, and how the
// dialog designs map onto the settings.

#include "records/Settings.h"

#include <QSize>
#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tavlira {

// The window sizes (1..5) the list offers on a screen of `screen` pixels:
// average window 1, average window 2 and the large window only when the
// screen holds 990 x 670, 1290 x 870 and 1520 x 1020 respectively.
std::vector<int> WindowSizesFitting(QSize screen);

// The three choices of the card back change.
enum class BackChange { ToChangeDecks = 0, AlwaysOne = 1, Random = 2 };

struct BackChangeChoices {
    bool toChangeEnabled = true;
    bool alwaysOneEnabled = true;
    bool randomEnabled = false;
    BackChange selected = BackChange::ToChangeDecks;
};

// The back designs of ten pictures (8..11) change the back at random every
// game: only "Random" is open and chosen. Every other design offers the two
// other choices, and "Random" falls back to the first.
BackChangeChoices BackChangeChoicesFor(int deckBack, bool alwaysOne);

// A font scale the player may set, in per cent.
inline constexpr int MinFontScale = 50;
inline constexpr int MaxFontScale = 150;
bool IsFontScale(int percent);
// Faces and scales of the "Default" button.
std::array<FontChoice, 4> DefaultFonts();

// The background lists are of no use while both the menu and the table wear
// the purple design, which has a background of its own.
bool BackgroundListsEnabled(const Settings& settings);
// The colour list needs a background design to colour.
bool BackgroundColourEnabled(const Settings& settings);

// The auxiliary window design list: gray aristocratic, gray concise, gray
// with red ribbons, purple.
int AuxDesignItem(const Settings& settings);
void SetAuxDesignItem(Settings& settings, int item);

// "Save games as GIFs" is open only in the small window; the capture mode
// and the frame delay only while it is on.
bool GifSavingOpen(const Settings& settings);
inline constexpr int MinGifFrameDelay = 10;
inline constexpr int MaxGifFrameDelay = 5000;

// The artwork packs the dialog can fetch, in the order of the "DLL" page.
inline constexpr std::array<std::string_view, 9> DownloadablePacks{
    "QelCards06A.dll", "QelCards06B.dll", "QelBackG03.dll",  "QelCalendar01.dll", "QelRadio.rad",
    "QelRadio02.dll",  "QelCVoice3.dll",  "QelCards06C.dll", "QelCGraph1.dll"};

// The caption of a download button: the pack's name without ".dll"; the
// graph pack's button reads "QelCGraph01".
std::string DownloadCaption(std::string_view fileName);

} // namespace tavlira

namespace tavlira {

// Whether a pack lies in one of the folders the game looks for packs in.
bool PackPresent(const std::vector<std::filesystem::path>& folders, std::string_view fileName);

// The flag of a language, "FlagO" + its three-letter code.
std::string FlagPictureName(int language);

} // namespace tavlira
