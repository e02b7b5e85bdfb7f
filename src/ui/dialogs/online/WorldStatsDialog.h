#pragma once
// The world statistics "WORLD STATS": the game's starts, unique starts,
// likes and the nick of the last like, and the counters of games played
// against the computer, over the network and online. "I like this game!"
// sends a like under the passport's nick, asking for the passport first
// while the nick is still "Incognito".

#include "online/World.h"
#include "records/Settings.h"

#include <QDialog>
#include <functional>
#include <optional>

class QLabel;

namespace tavlira {

class SkinnedButton;
class WebServices;

class WorldStatsDialog : public QDialog {
    Q_OBJECT

  public:
    // `askPassport` opens the passport; true when the nick is valid after it.
    WorldStatsDialog(QWidget* parent, WebServices& services, Settings& settings,
                     std::function<bool()> askPassport);

    QString FiguresText() const;
    SkinnedButton* LikeButton() const { return like; }
    const std::optional<online::WorldStats>& Stats() const { return stats; }

  private:
    void Read();
    void Like();

    WebServices& services;
    Settings& settings;
    std::function<bool()> askPassport;
    QLabel* figures;
    SkinnedButton* like;
    std::optional<online::WorldStats> stats;
};

// The percentage of games against the computer that people lost, as the
// menu's statistics board shows it: 0 when none were counted.
int DynamicIq(const online::WorldStats& stats);

} // namespace tavlira
