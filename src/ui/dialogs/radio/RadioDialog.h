#pragma once
// The radio dialog "Qel Internet-Radio": the countries with their flags,
// the stations of the chosen country, the on/off picture, the volume
// picture with the station's logo and its "-" and "+" buttons, a line that
// tells what the stream is doing, and "Ok". Every choice acts at once.

#include "media/Radio.h"
#include "records/Settings.h"

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <string>
#include <vector>

namespace tavlira {

class SkinnedButton;

class RadioDialog : public QDialog {
    Q_OBJECT

  public:
    RadioDialog(QWidget* parent, Radio& radio, Settings& settings);

    QListWidget* Countries() const { return countries; }
    QListWidget* Stations() const { return stations; }
    QToolButton* OnOffButton() const { return onOff; }
    SkinnedButton* LouderButton() const { return louder; }
    SkinnedButton* QuieterButton() const { return quieter; }
    QLabel* StatusLine() const { return status; }
    // The identifiers of the stations listed, in list order.
    const std::vector<std::string>& StationIds() const { return stationIds; }

  private:
    void ChooseCountry(int index);
    void StationChosen(int row);
    void Refresh();

    Radio& radio;
    QListWidget* countries;
    QListWidget* stations;
    QToolButton* onOff;
    QLabel* volumePicture;
    SkinnedButton* louder;
    SkinnedButton* quieter;
    QLabel* status;
    std::vector<std::string> stationIds;
    bool filling = false;
};

} // namespace tavlira
