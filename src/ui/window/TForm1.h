#pragma once
// The main window: the title screen, the main menu and the game table. It
// hands every click, button and tick to the match driver and shows what the
// driver's outbox says, through the one event queue. It decides no rule.

#include "match/Match.h"
#include "records/RecordStore.h"
#include "records/Settings.h"
#include "ui/artwork/PictureStore.h"
#include "ui/table/CardFlight.h"
#include "ui/window/EventQueue.h"
#include "ui/window/MainMenu.h"
#include "ui/window/TableDrawing.h"
#include "ui/window/TitleScreen.h"

#include <QMenu>
#include <QTimer>
#include <QWidget>
#include <array>
#include <filesystem>
#include <memory>
#include <optional>

namespace tavlira {

class BalloonHint;
class TQelCardsButton;

class TForm1 : public QWidget, private EventStage {
    Q_OBJECT

  public:
    // `programFolder` holds the settings and record files. Each shuffle uses
    // a fresh clock-seeded random source, or with `seed` a fixed sequence so
    // a match can be replayed.
    explicit TForm1(std::filesystem::path programFolder, std::optional<std::uint32_t> seed = {},
                    QWidget* parent = nullptr);
    ~TForm1() override;

    // Loads the settings and checks the club and net files. False when the
    // program must end: the error box has been shown, and the settings are
    // not saved at the end of this run.
    bool Start();

    // The table elements, named after the window's pictures.
    enum class Element { Cards1, Cards2, Stol, Koloda, Kon, Tab1, Tab2, Say1, Say2 };
    static constexpr int ElementCount = 9;

    Match& CurrentMatch() { return match; }
    Settings& CurrentSettings() { return settings; }
    const EventQueue& Queue() const { return queue; }
    Screen CurrentScreen() const { return screen; }
    // The table's drawing, from the first deal on.
    TableDrawing* Drawing() { return drawing.get(); }
    // Window rectangle of the person's hand card at `place` (1..4), empty
    // when the place holds no card.
    QRect HandCardRect(int place) const;
    QRect TableSlotRect(int slot) const;
    QRect ElementRect(Element element) const;
    bool ElementShown(Element element) const;

    TQelCardsButton* Button7() const { return button7; }
    TQelCardsButton* Button8() const { return button8; }
    // Member buttons 1..5, 6 "New Player", 11 "Exit".
    TQelCardsButton* MenuButton(int number) const;
    QMenu* PopupMenu1() const { return popupMenu1; }
    QAction* QuitAction() const { return quitAction; }
    QAction* ChangeNameAction() const { return changeNameAction; }
    QAction* SpeedAction() const { return speedAction; }

    // The game's tick, its pauses and its card flights take their time
    // multiplied by `factor`; 1, the default, is real time.
    void SetTimeScale(double factor);

    // "Please, wait..." over the window while the match is recorded.
    void ShowWaitBanner(bool on);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // EventStage
    void Apply(const MatchEvent& event) override;
    bool StartFlight(const event::FlyCards& flight) override;
    std::optional<int> NextFlightFrame() override;
    void QueueIdle() override;

    void ApplyGameEvent(const Event& event);
    void PlayOutbox();
    void ApplyWindowSize();
    void CreateTableButtons();
    void CreatePopupMenu();
    void ApplyLanguage();
    void ShowScreen(Screen next);
    void StartTitleAnimation();
    void ShowMainMenu();
    void LayoutTable();
    void CreateTableDrawing();
    void SetElement(Element element, QImage picture);
    void DrawBanners();
    void ApplyButtons(const TableButtons& buttons);
    void UpdateTimer1();
    void GameTick();
    void OpenLogin(int slot);
    void ChangeName();
    void ShowSpeed();
    void ShowAbout();
    void QuitToMenu();
    void CloseHint();
    void ShowGameBalloon();
    void PaintScene(QPainter& painter, QRect area) const;
    void PaintWaitBanner(QPainter& painter) const;
    QImage SceneImage() const;
    QPoint SpotPixel(const Spot& spot, bool from) const;
    int HandPlaceUnder(QPoint point) const;
    int TablePlaceUnder(QPoint point) const;
    QString PlayerScreenName() const;

    std::filesystem::path programFolder;
    Settings settings;
    bool recordFilesSound = false;
    DiskRecordStore records;
    Match match;
    EventQueue queue;
    MainMenu menu;
    PictureStore pictures;
    TableScale scale;
    std::unique_ptr<TableDrawing> drawing;
    Screen screen = Screen::Title;
    bool waitBanner = false;

    struct Picture {
        QImage image;
        bool shown = false;
    };
    std::array<Picture, ElementCount> elements;
    OneBased<std::vector<int>, 2> handX;         // per seat, from the last redraw
    OneBased<std::vector<int>, 2> previousHandX; // before the last redraw
    event::RedrawTable lastTable;
    PanelsSnapshot lastPanels;
    int stockLeft = 0;
    int gamesDealt = 0;
    OneBased<QString, 2> noMove; // the "No move" bubble of a seat, while shown

    std::unique_ptr<FlightCanvas> flightCanvas;
    std::unique_ptr<CardFlight> flight;
    FlightPacer pacer;

    TitleAnimation titleAnimation;
    std::array<QImage, TitleAnimation::CardCount> titleCards;
    QTimer titleTimer;

    QTimer timer1;
    TQelCardsButton* button7 = nullptr;
    TQelCardsButton* button8 = nullptr;
    QMenu* popupMenu1 = nullptr;
    QAction* quitAction = nullptr;
    QAction* changeNameAction = nullptr;
    QAction* speedAction = nullptr;
    QAction* aboutAction = nullptr;
    BalloonHint* balloon = nullptr;
    bool overGamePlate = false;
    double timeScale = 1.0;
};

} // namespace tavlira
