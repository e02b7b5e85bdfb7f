#pragma once
// The general count dialog, "Player:  <name>": where the running match
// stands within the member's record (games, place in the cycle, score and
// rating at the start of the match and now) on the parchment scroll, with
// its animation, the account icon with the online lamp, and the emblems of
// the kind of play. "Ok", Enter and Escape close it.

#include "records/GeneralCount.h"
#include "records/Settings.h"

#include <QDialog>
#include <QImage>
#include <QString>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace tavlira {

class DialogPage;
class SkinnedButton;

class GeneralCountDialog : public QDialog {
    Q_OBJECT

  public:
    // `playerName` in code page 1251.
    GeneralCountDialog(QWidget* parent, const MatchFigures& match, const std::string& playerName,
                       Settings& settings);

    // The seven labels, each with its value.
    const std::array<std::pair<QString, QString>, 7>& Pairs() const { return pairs; }
    // The emblems of the kind of play and the online lamp, by picture name.
    static std::vector<std::string> Emblems(PlayKind kind);
    static std::string Lamp(PlayKind kind);

    DialogPage* Page() const { return page; }
    SkinnedButton* OkButton() const { return ok; }

  private:
    void Paint(QPainter& painter) const;

    const Settings& settings;
    std::array<std::pair<QString, QString>, 7> pairs;
    QImage account;
    QImage lamp;
    DialogPage* page;
    SkinnedButton* ok = nullptr;
};

} // namespace tavlira
