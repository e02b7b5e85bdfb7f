#include "ui/dialogs/options/OptionsRules.h"

#include "i18n/WordTable.h"
#include "ui/artwork/ArtworkTables.h"

#include <algorithm>

namespace tavlira {

std::vector<int> WindowSizesFitting(QSize screen) {
    // The smallest screen each of the average and large windows needs.
    constexpr std::array<std::pair<int, QSize>, 3> Needs{
        {{3, QSize(990, 670)}, {4, QSize(1290, 870)}, {5, QSize(1520, 1020)}}};
    std::vector<int> sizes{1, 2};
    for (const auto& [size, need] : Needs)
        if (screen.width() >= need.width() && screen.height() >= need.height())
            sizes.push_back(size);
    return sizes;
}

BackChangeChoices BackChangeChoicesFor(int deckBack, bool alwaysOne) {
    if (BackPictureCount(deckBack) == 10)
        return {false, false, true, BackChange::Random};
    return {true, true, false, alwaysOne ? BackChange::AlwaysOne : BackChange::ToChangeDecks};
}

bool IsFontScale(int percent) {
    return percent >= MinFontScale && percent <= MaxFontScale;
}

std::array<FontChoice, 4> DefaultFonts() {
    return Settings().Fonts;
}

bool BackgroundListsEnabled(const Settings& settings) {
    return !(settings.MenuDesign == 1 && settings.TableDesign == 1);
}

bool BackgroundColourEnabled(const Settings& settings) {
    return BackgroundListsEnabled(settings) && settings.Background != 0;
}

int AuxDesignItem(const Settings& settings) {
    if (settings.AuxDesignPurple)
        return 3;
    switch (settings.AuxDesign) {
    case 1:
        return 1;
    case 3:
        return 2;
    default:
        return 0;
    }
}

void SetAuxDesignItem(Settings& settings, int item) {
    constexpr std::array<int, 3> Designs{2, 1, 3};
    if (item == 3) {
        settings.AuxDesignPurple = true;
        return;
    }
    settings.AuxDesignPurple = false;
    settings.AuxDesign = Designs[static_cast<std::size_t>(std::clamp(item, 0, 2))];
}

bool GifSavingOpen(const Settings& settings) {
    return settings.WindowSize == 1;
}

std::string DownloadCaption(std::string_view fileName) {
    if (fileName == "QelCGraph1.dll")
        return "QelCGraph01";
    std::string caption(fileName);
    if (caption.size() > 4 && caption.substr(caption.size() - 4) == ".dll")
        caption.resize(caption.size() - 4);
    return caption;
}

} // namespace tavlira

namespace tavlira {

bool PackPresent(const std::vector<std::filesystem::path>& folders, std::string_view fileName) {
    std::error_code error;
    for (const std::filesystem::path& folder : folders)
        if (std::filesystem::is_regular_file(folder / fileName, error))
            return true;
    return false;
}

std::string FlagPictureName(int language) {
    const auto index = static_cast<std::size_t>(std::clamp(language, 0, 9));
    return "FlagO" + std::string(LanguageCodes[index]);
}

} // namespace tavlira
