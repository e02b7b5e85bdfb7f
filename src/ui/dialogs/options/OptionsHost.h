#pragma once
// What the options dialog asks of the running game. Every change the player
// makes is stored in the settings first; the dialog then calls the matching
// function here, so the game shows it at once.

#include "ui/artwork/PictureStore.h"

#include <filesystem>
#include <string>

namespace tavlira {

class OptionsHost {
  public:
    virtual ~OptionsHost() = default;

    // The captions of the main window in the current language.
    virtual void LanguageChanged() = 0;
    virtual void WindowSizeChanged() = 0;
    // The club file or the net file serves the menu's list now.
    virtual void NetworkModeChanged() = 0;
    virtual void MusicSwitched() = 0;
    // The radio's station list is read from the server or from disk.
    virtual void RadioSourceChanged() = 0;
    // The menu's animated pictures run or rest.
    virtual void AnimationSwitched() = 0;
    // Cursors or the button pieces changed.
    virtual void LookChanged() = 0;
    virtual void FontsChanged() = 0;
    virtual void RulesChanged() = 0;
    // Opens the speed dialog; the dialog's button shows the speed after it.
    virtual void ChooseSpeed() = 0;
    // The passport of the online account (nick, city, sex, country).
    virtual void OpenPassport() = 0;

    // The loaders of the artwork. A pack that is missing has been reported
    // to the player, and the settings follow what was loaded.
    virtual ArtworkLoad DeckChanged() = 0;
    virtual ArtworkLoad BacksChanged() = 0;
    virtual ArtworkLoad BackgroundChanged() = 0;
    // The menu or table design changed; false when the purple design's pack
    // is missing, after the settings went back to the customizable designs.
    virtual bool DesignChanged() = 0;

    virtual const PictureStore& Pictures() const = 0;
    // The program folder: downloaded packs go to its parent, the family
    // folder, where the game looks for them (`Pictures().Folders()`).
    virtual std::filesystem::path ProgramFolder() const = 0;
    // The short sounds of a download: success or failure.
    virtual void PlaySuccess() = 0;
    virtual void PlayFailure() = 0;
};

} // namespace tavlira
