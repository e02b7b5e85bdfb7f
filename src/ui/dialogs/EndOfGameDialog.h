#pragma once
// The end-of-game dialog "The completion of game", shown when a member's
// cycle of 20 games has been recorded: the outcome by the place the cycle
// score reached in the top ten (best for place 1, good for places 2..10, bad
// for none), its animation, a medal with the place, and the emblem of the
// kind of play. "Ok", Enter and Escape close it.

#include "records/RecordStore.h"
#include "records/Settings.h"
#include "ui/dialogs/DialogPage.h"

#include <QColor>
#include <QDialog>
#include <QString>
#include <string>
#include <vector>

namespace tavlira {

class SkinnedButton;

// What the dialog shows for a finished cycle.
struct EndOfGameView {
    struct Line {
        QString text;
        int pixels = 20; // the height of its font
        QColor colour;
    };

    CycleOutcome outcome = CycleOutcome::Bad;
    std::vector<Line> lines; // top to bottom
    PageAnimation animation;
    std::string medalPlace; // "GPlace01".."GPlace10" over the medal; empty: no medal
    PageAnimation emblem;   // of the kind of play, beside the texts
};

// `topTenPlace` 1..10, or 0 (and a world place beyond 10) for none;
// `networkGame` for a cycle of network duels.
EndOfGameView MakeEndOfGameView(int topTenPlace, int cycleScore, bool networkGame,
                                bool animationsOn);

class EndOfGameDialog : public QDialog {
    Q_OBJECT

  public:
    EndOfGameDialog(QWidget* parent, const EndOfGameView& view, Settings& settings);

    const EndOfGameView& View() const { return view; }
    SkinnedButton* OkButton() const { return ok; }

  private:
    void Paint(QPainter& painter) const;

    EndOfGameView view;
    const Settings& settings;
    QImage medal;
    QImage medalPlace;
    DialogPage* page;
    SkinnedButton* ok = nullptr;
};

} // namespace tavlira
