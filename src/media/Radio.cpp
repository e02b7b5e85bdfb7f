#include "media/Radio.h"

#include "media/lists/RadioAddresses.h"
#include "records/AtomicFile.h"

#include <QFile>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <algorithm>

namespace tavlira {
namespace {

// A list server that does not answer within this time counts as unreachable.
constexpr int ListFetchTimeoutMs = 10000;

bool IsFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

QUrl AddressOf(const RadioSettings& settings) {
    return QUrl(QString::fromStdString(settings.stationAddress), QUrl::StrictMode);
}

} // namespace

Radio::Radio(std::filesystem::path folder, StreamPlayer& streams, QObject* parent)
    : QObject(parent), programFolder(std::move(folder)), familyFolder(programFolder.parent_path()),
      player(streams), listAddress(QString::fromLatin1(RadioServerFolder) + StationListDiskFile) {
    connect(&player, &StreamPlayer::StateChanged, this, &Radio::Changed);
}

Radio::~Radio() {
    StopFetching();
}

// A fetch given up reports nothing: it is forgotten before it is aborted.
void Radio::StopFetching() {
    if (QNetworkReply* old = fetching.data()) {
        fetching = nullptr;
        old->abort();
    }
}

void Radio::Check(bool server) {
    fromServer = server;
    // The settings are read at once, so the start knows whether the radio
    // was on; a radio found unavailable is switched off when the check ends.
    if (!settingsRead) {
        settings = LoadRadioSettings(familyFolder / RadioSettingsFileName);
        settingsRead = true;
    }
    checked = false;
    StopFetching();
    picturePack.clear();
    for (const std::filesystem::path& pack :
         {programFolder / RadioPicturePackName, familyFolder / RadioPicturePackName})
        if (IsFile(pack)) {
            picturePack = QString::fromStdString(pack.string());
            break;
        }
    if (!fromServer) {
        diskList.clear();
        for (const std::filesystem::path& list :
             {programFolder / StationListDiskFile, familyFolder / StationListDiskFile})
            if (IsFile(list)) {
                diskList = list;
                break;
            }
        return Finish(!diskList.empty());
    }
    QNetworkRequest request(listAddress);
    request.setTransferTimeout(ListFetchTimeoutMs);
    fetching = network.get(request);
    // A list larger than any station list is not one: the fetch stops
    // before it fills the memory.
    connect(fetching, &QNetworkReply::downloadProgress, fetching,
            [reply = fetching.data()](qint64 received, qint64) {
                if (received > static_cast<qint64>(MaxStationListBytes))
                    reply->abort();
            });
    connect(fetching, &QNetworkReply::finished, this,
            [this, reply = fetching.data()] { FetchFinished(reply); });
    emit Changed();
}

// The fetched list replaces the server copy only when it arrived whole.
void Radio::FetchFinished(QNetworkReply* reply) {
    reply->deleteLater();
    if (reply != fetching)
        return;
    fetching = nullptr;
    bool stored = false;
    if (reply->error() == QNetworkReply::NoError) {
        const QByteArray list = reply->read(MaxStationListBytes + 1);
        stored =
            list.size() <= static_cast<qsizetype>(MaxStationListBytes) &&
            ReplaceFile(familyFolder / StationListServerFile,
                        std::string_view(list.constData(), static_cast<std::size_t>(list.size())));
    }
    Finish(stored);
}

void Radio::Finish(bool listFound) {
    checked = true;
    available = listFound && !picturePack.isEmpty();
    everAvailable |= available;
    if (!available) {
        settings.on = false;
        player.Stop();
    } else if (std::exchange(resumeDue, false) && settings.on)
        Start();
    emit Changed();
}

RadioStatus Radio::Status() const {
    if (!checked)
        return RadioStatus::Checking;
    if (!available)
        return RadioStatus::Unavailable;
    if (!settings.on)
        return RadioStatus::Off;
    switch (player.State()) {
    case StreamState::Connecting:
    case StreamState::Buffering:
        return RadioStatus::Connecting;
    case StreamState::Playing:
        return RadioStatus::Playing;
    case StreamState::Stopped:
    case StreamState::Paused: // the radio never pauses
    case StreamState::Failed:
        break;
    }
    return RadioStatus::Failed;
}

void Radio::ResumeSaved() {
    if (!checked) {
        resumeDue = true;
        return;
    }
    if (available && settings.on)
        Start();
}

void Radio::SetOn(bool on) {
    if (!available)
        return;
    settings.on = on;
    if (on)
        Start();
    else
        player.Stop();
    emit Changed();
}

void Radio::Start() {
    player.SetVolume(settings.volume);
    player.Play(AddressOf(settings));
}

void Radio::StepVolume(int direction) {
    const int volume = std::clamp(settings.volume + RadioVolumeStep * direction, 0, 100);
    if (volume == settings.volume)
        return;
    settings.volume = volume;
    player.SetVolume(volume);
    emit Changed();
}

std::filesystem::path Radio::ListFile() const {
    return fromServer         ? familyFolder / StationListServerFile
           : diskList.empty() ? familyFolder / StationListDiskFile
                              : diskList;
}

std::optional<std::vector<Station>> Radio::ReadList() const {
    const std::optional<std::string> text = ReadWholeFile(ListFile());
    if (!text)
        return std::nullopt;
    return ReadStationList(*text);
}

std::optional<std::vector<Station>> Radio::ChooseCountry(int index) {
    if (index < 0 || index >= static_cast<int>(RadioCountries.size()))
        return std::nullopt;
    std::optional<std::vector<Station>> list = ReadList();
    if (!list)
        return std::nullopt;
    settings.countryIndex = index;
    return StationsOf(*list, RadioCountries[static_cast<std::size_t>(index)].code);
}

void Radio::Tune(const std::string& id) {
    const std::optional<std::vector<Station>> list = ReadList();
    const std::optional<Station> station = list ? FindStation(*list, id) : std::nullopt;
    if (!station)
        return;
    settings.stationName = station->name;
    settings.stationAddress = station->address;
    settings.country = station->country;
    settings.logo = station->logo;
    player.Stop();
    if (settings.on && available)
        Start();
    emit Changed();
}

// A radio that never was available this run keeps the file as it was, so a
// server that did not answer does not switch off the next run's radio.
void Radio::Save() const {
    if (everAvailable)
        SaveRadioSettings(familyFolder / RadioSettingsFileName, settings);
}

} // namespace tavlira
