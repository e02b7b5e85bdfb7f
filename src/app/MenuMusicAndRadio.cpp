#include "app/MenuMusicAndRadio.h"

#include "media/lists/RadioAddresses.h"

namespace tavlira {

MenuMusicAndRadio::MenuMusicAndRadio(const std::filesystem::path& programFolder,
                                     Settings& windowSettings, QObject* parent)
    : QObject(parent), settings(windowSettings), radio(programFolder, radioStream),
      songs(QUrl(QString::fromLatin1(MusicServerFolder)), songStream), midi(BuiltInSong()),
      music(midi) {}

bool MenuMusicAndRadio::Start() {
    RadioSourceChanged();
    songs.FetchPlaylist();
    music.SetScreenAllows(true);
    music.SetEnabled(settings.MusicOn);
    return !settings.MusicOn || midi.Ready();
}

void MenuMusicAndRadio::ScreenShown(bool titleOrMenu) {
    music.SetScreenAllows(titleOrMenu);
}

void MenuMusicAndRadio::TitleLeft() {
    if (!radio.On())
        return;
    SetMusicOn(false);
    radio.ResumeSaved();
}

void MenuMusicAndRadio::SetMusicOn(bool on) {
    settings.MusicOn = on;
    music.SetEnabled(on);
}

// The settings value 0 reads the list from the server.
void MenuMusicAndRadio::RadioSourceChanged() {
    radio.Check(settings.RadioListFromServer == 0);
}

} // namespace tavlira
