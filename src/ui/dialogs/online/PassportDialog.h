#pragma once
// The passport "My Passport": the nick, city, sex and country under which
// results go to the world top ten and messages to the chat, kept in the
// settings. "Ok" takes them, and the dialog closes at all, only while the
// nick and the city are valid; otherwise the focus goes to the first box
// that is not.

#include "records/Settings.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace tavlira {

class LampView;
class RegionBoxes;
class SkinnedButton;

class PassportDialog : public QDialog {
    Q_OBJECT

  public:
    PassportDialog(QWidget* parent, Settings& settings);

    QLineEdit* NickBox() const { return nick; }
    QLineEdit* CityBox() const { return city; }
    QComboBox* Sex() const { return sex; }
    RegionBoxes* RegionChoice() const { return region; }
    SkinnedButton* OkButton() const { return ok; }

    void done(int result) override;

  private:
    bool Valid() const;
    void Check();

    Settings& settings;
    QLineEdit* nick;
    QLineEdit* city;
    LampView* nickLamp;
    LampView* cityLamp;
    QComboBox* sex;
    RegionBoxes* region;
    SkinnedButton* ok;
};

} // namespace tavlira
