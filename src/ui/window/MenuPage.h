#pragma once
// The main menu page: the background with the title and the two captions,
// the club heading and the five member buttons filled from the current
// record file, "New Player", "Top Ten", "History", "Options", "Mode" and
// "Exit"; two animated pictures, two candelabra with flickering flames, in
// large windows a clock and a statistics board, and the icon columns at the
// window's edges.

#include "records/RecordFile.h"
#include "records/Settings.h"
#include "ui/menu/MenuArtwork.h"
#include "ui/menu/MenuLayout.h"
#include "ui/table/TableScale.h"

#include <QTime>
#include <QTimer>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

class QMovie;

namespace tavlira {

class SkinnedButton;

class MenuPage : public QWidget {
    Q_OBJECT

  public:
    // Button numbers: members 1..5, then the buttons below.
    static constexpr int NewPlayerButton = 6;
    static constexpr int TopTenButton = 9;
    static constexpr int OptionsButton = 10;
    static constexpr int ExitButton = 11;
    static constexpr int HistoryButton = 12;
    static constexpr int ModeButton = 13;

    // `background` is the window's background picture, `settings` its
    // settings; both belong to the window. The page changes the settings of
    // what it shows itself: the club list's mode and the captions' style.
    MenuPage(const QImage& background, Settings& settings, QWidget* parent = nullptr);
    ~MenuPage() override;

    // Lays the controls out for the window size and fills the member rows
    // from `records`, which belongs to the window's session and is read
    // again for every fill; without a readable record file every row is
    // empty and disabled.
    void Fill(const TableScale& scale, const std::optional<RecordFile>& records);

    // "Gif-animation" switched: the pictures run from their start, or rest.
    void AnimationSwitched() { RewindAnimations(); }

    // A numbered button; null for any other number.
    SkinnedButton* Button(int number) const;
    // The buttons in the order Tab and the arrow keys move through them.
    const std::vector<SkinnedButton*>& FocusChain() const { return focusChain; }
    const MenuLayout& Layout() const { return layout; }
  signals:
    // A member button (1..5) or "New Player" (6).
    void PlayerChosen(int slot);
    void TopTenChosen();
    void OptionsChosen();
    void HistoryChosen();
    void ExitChosen();
    void IconChosen(MenuIcon icon);
    // "Mode" switched the club list between score and rating.
    void ClubListModeSwitched();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    // One menu tick: the flames and the animated pictures move on, the
    // clock and, once a minute, the statistics board are drawn again.
    void Animate(const QTime& now);
    void CreateButtons();
    void SkinButtons();
    void FillClubList();
    void SwitchClubListMode();
    void CycleTitleVariant();
    void RewindAnimations();
    void AdvanceAnimations();
    void PaintFlames(QPainter& painter, QRect area) const;
    void PaintIcons(QPainter& painter, QRect area) const;
    void PaintClockAndBoard(QPainter& painter, QRect area) const;
    std::optional<MenuIcon> IconAt(QPoint point) const;
    void MoveFocus(SkinnedButton* from, int step);

    const QImage& background;
    Settings& settings;
    const std::optional<RecordFile>* records = nullptr;
    TableScale scale;
    MenuLayout layout;
    MenuArtwork artwork;
    SkinnedButton* heading;
    std::array<SkinnedButton*, ModeButton + 1> buttons{};
    std::vector<SkinnedButton*> focusChain;
    std::array<QMovie*, 2> animations{};
    std::array<int, 2> frameWait{}; // milliseconds until the next frame
    QTimer tick;
    int flamePhase = 0;
    ClockFace clockFace;
    MinuteLatch boardLatch;
    int boardVariant = 1;
    // The online account comes with a later version.
    AccountState account = AccountState::LoggedOut;
};

} // namespace tavlira
