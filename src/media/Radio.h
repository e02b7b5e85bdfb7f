#pragma once
// The internet radio: the station list, the radio settings, and one stream
// player that plays the chosen station. The lists and settings live in the
// family folder (the parent of the program folder); the picture pack
// "QelRadio02.dll" in the program folder or the family folder.
//
// The radio is available when the picture pack is found and the station
// list is at hand: with the list read from the server that is the copy just
// fetched ("QelRadio.ser"; a failed fetch leaves the radio unavailable even
// when a disk list exists), else "QelRadio.rad" in the program folder or the
// family folder. The fetch runs in the background; until it ends the radio
// says it is checking.

#include "media/StreamPlayer.h"
#include "media/lists/StationList.h"
#include "records/RadioSettings.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <filesystem>
#include <optional>
#include <vector>

class QNetworkReply;

namespace tavlira {

inline constexpr const char* RadioPicturePackName = "QelRadio02.dll";

enum class RadioStatus { Checking, Unavailable, Off, Connecting, Playing, Failed };

class Radio : public QObject {
    Q_OBJECT

  public:
    // The stream player belongs to the caller and outlives the radio.
    Radio(std::filesystem::path programFolder, StreamPlayer& player, QObject* parent = nullptr);
    ~Radio() override;

    // Looks for the picture pack and the list again; `fromServer` fetches
    // the list from `listAddress` (the companion server's by default). The
    // settings file is read on the first check; a later check keeps what the
    // player chose since.
    void Check(bool fromServer);
    void SetListAddress(QUrl address) { listAddress = std::move(address); }

    RadioStatus Status() const;
    bool Available() const { return available; }
    bool On() const { return settings.on; }
    const RadioSettings& Current() const { return settings; }
    // The picture pack's file; empty when it is not found.
    const QString& PicturePack() const { return picturePack; }

    // Switches the stream on or off; nothing while the radio is unavailable.
    void SetOn(bool on);
    void Toggle() { SetOn(!settings.on); }
    // Starts the radio when it was on at the end of the last run: at once
    // when available, else as soon as the check finds it so.
    void ResumeSaved();

    // One step of 10 up (+1) or down (-1), within 0..100, heard at once.
    void StepVolume(int direction);

    // The stations of country `index` of RadioCountries, which becomes the
    // chosen country; nothing when the list cannot be read.
    std::optional<std::vector<Station>> ChooseCountry(int index);
    // Tunes to the station `id` of the list; a station that plays stops, and
    // with the radio on the new one starts.
    void Tune(const std::string& id);

    // Writes the settings file, once the radio has been available in this
    // run; a failure is silent.
    void Save() const;

  signals:
    // The status, the station or the volume changed.
    void Changed();

  private:
    std::filesystem::path ListFile() const;
    std::optional<std::vector<Station>> ReadList() const;
    void Finish(bool listFound);
    void FetchFinished(QNetworkReply* reply);
    void StopFetching();
    void Start();

    std::filesystem::path programFolder;
    std::filesystem::path familyFolder;
    StreamPlayer& player;
    QNetworkAccessManager network;
    QUrl listAddress;
    QPointer<QNetworkReply> fetching;
    bool fromServer = false;
    bool available = false;
    bool checked = false;
    bool settingsRead = false;
    bool everAvailable = false;
    bool resumeDue = false;
    std::filesystem::path diskList;
    QString picturePack;
    RadioSettings settings = RadioSettings::Defaults();
};

} // namespace tavlira
