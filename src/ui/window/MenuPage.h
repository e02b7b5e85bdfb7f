#pragma once
// The main menu page: the background with the title and the two captions,
// the club heading and the five member buttons filled from the current
// record file, "New Player", "Top Ten", "History", "Options", "Mode" and
// "Exit"; two animated pictures, two candelabra with flickering flames, in
// large windows a clock and a statistics board, the calendar's two pictures
// when the calendar pack is found, and the icon columns at the window's edges.

#include "records/RecordFile.h"
#include "records/Settings.h"
#include "ui/menu/CalendarPictures.h"
#include "ui/menu/MenuArtwork.h"
#include "ui/menu/MenuLayout.h"
#include "ui/table/TableScale.h"

#include <QTime>
#include <QTimer>
#include <QWidget>
#include <array>
#include <filesystem>
#include <optional>
#include <string>
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

    // The radio picture and the music player's buttons, children of the page
    // made by the window. The page places them at its bottom corners when
    // the window is large enough to show them: the radio from scale 1.6, the
    // music player from scale 1.5.
    void SetMediaControls(QWidget* radio, QWidget* music);
    // "Gif-animation" switched: the pictures run from their start, or rest.
    void AnimationSwitched() { RewindAnimations(); }

    // A numbered button; null for any other number.
    SkinnedButton* Button(int number) const;
    // The buttons in the order Tab and the arrow keys move through them.
    const std::vector<SkinnedButton*>& FocusChain() const { return focusChain; }
    const MenuLayout& Layout() const { return layout; }

    // The calendar pack files to try, in order (see CalendarPackPlaces); the
    // next Fill reads them. By default those of the program file's folder.
    void SetCalendarPlaces(std::vector<std::filesystem::path> places);
    // The day the calendar shows instead of today, for screenshots.
    void SetCalendarDay(std::optional<Date> day);
    // The calendar's pictures; none while no pack could be read.
    const std::optional<CalendarPictures>& Calendar() const { return calendar; }
    // Which of the year sign and holidays the second picture shows.
    std::size_t CalendarCycleShown() const { return calendarShown; }
    // One tick of the calendar timer (every 10 s while the menu is up): the
    // calendar is built again once the day has changed, and the second
    // picture moves on to the next of its pictures.
    void CalendarTick();
    // The account lamp and the statistics board follow the online account.
    void SetAccountState(AccountState state);
    AccountState Account() const { return account; }
    // The figure of board variant `variant` and its hint, once fetched; the
    // board shows it while that variant is up.
    void ShowBoardFigure(int variant, const std::string& value, const QString& hint);
    int BoardVariant() const { return boardVariant; }
    // The news and chat links under the right icon column; each stands out
    // while there is something the player has not seen yet.
    void SetIndicators(bool newsWaiting, bool chatWaiting);
    bool NewsWaiting() const { return newsWaiting; }
    bool ChatWaiting() const { return chatWaiting; }
    QRect NewsLink() const;
    QRect ChatLink() const;
    const std::string& BoardValue() const { return boardValue; }
    const QString& BoardHint() const { return boardHint; }

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
    void NewsChosen();
    void ChatChosen();
    // The statistics board turned to `variant`: its figure is wanted.
    void BoardFigureWanted(int variant);

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
    void TurnBoard(int variant);
    void CreateButtons();
    void SkinButtons();
    void FillClubList();
    void SwitchClubListMode();
    void CycleTitleVariant();
    void RewindAnimations();
    void AdvanceAnimations();
    void PaintFlames(QPainter& painter, QRect area) const;
    void PaintIcons(QPainter& painter, QRect area) const;
    void PaintIndicators(QPainter& painter, QRect area) const;
    void PaintClockAndBoard(QPainter& painter, QRect area) const;
    void PaintCalendar(QPainter& painter, QRect area) const;
    void BuildCalendarPictures();
    Date CalendarToday() const;
    std::optional<MenuIcon> IconAt(QPoint point) const;
    void MoveFocus(SkinnedButton* from, int step);
    void PlaceMediaControls();

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
    std::vector<std::filesystem::path> calendarPlaces;
    std::optional<Date> calendarDay;
    std::optional<CalendarPictures> calendar;
    std::size_t calendarShown = 0;
    QTimer calendarTimer;
    QWidget* radioControl = nullptr;
    QWidget* musicControl = nullptr;
    // Until its figure comes, a variant shows "00" and says so in its hint.
    std::string boardValue{NoConnectionValue};
    QString boardHint;
    AccountState account = AccountState::LoggedOut;
    bool newsWaiting = false;
    bool chatWaiting = false;
};

} // namespace tavlira
