#pragma once
// The music and the radio of one run: the background song that plays on the
// title and the menu, the menu's MP3 player, and the internet radio, each
// with its player. The window tells it which screen shows and passes the
// player's switches on.

#include "media/BackgroundMusic.h"
#include "media/FluidMidiOutput.h"
#include "media/MediaStreamPlayer.h"
#include "media/Radio.h"
#include "media/SongPlayer.h"
#include "records/Settings.h"

#include <QObject>
#include <filesystem>
#include <memory>

namespace tavlira {

class MenuMusicAndRadio : public QObject {
    Q_OBJECT

  public:
    // `settings` belong to the window and hold "Music" and where the radio
    // reads its station list from.
    MenuMusicAndRadio(const std::filesystem::path& programFolder, Settings& settings,
                      QObject* parent = nullptr);

    // The settings are loaded: the radio looks for its list and pictures, the
    // playlist is fetched and the song starts when "Music" is on. False when
    // the song was wanted but cannot sound (no synthesizer or soundfont).
    bool Start();
    // The title and the menu let the song play; the table stops it.
    void ScreenShown(bool titleOrMenu);
    // The title screen is left: a radio that was on at the end of the last
    // run plays again, and the song makes way for it ("Music" goes off).
    void TitleLeft();
    // "Music" of the options.
    void SetMusicOn(bool on);
    // Where the radio reads its station list from changed in the options.
    void RadioSourceChanged();
    // The radio settings are written; at the end of the run.
    void Save() const { radio.Save(); }

    Radio& CurrentRadio() { return radio; }
    SongPlayer& Songs() { return songs; }
    BackgroundMusic& Music() { return music; }

  private:
    Settings& settings;
    MediaStreamPlayer radioStream;
    MediaStreamPlayer songStream;
    Radio radio;
    SongPlayer songs;
    FluidMidiOutput midi;
    BackgroundMusic music;
};

} // namespace tavlira
