#pragma once
// The table page of the main window: it paints the table's elements from the
// snapshots the match sends, plays card flights from what their events
// carry, finds the card under the pointer and shows the table's hints. It
// hands each click on as a signal and decides no rule.

#include "match/Match.h"
#include "records/Settings.h"
#include "ui/artwork/PictureStore.h"
#include "ui/table/CardFlight.h"
#include "ui/window/TableDrawing.h"

#include <QWidget>
#include <array>
#include <memory>
#include <optional>

namespace tavlira {

class BalloonHint;
class SkinnedButton;

class TableView : public QWidget {
    Q_OBJECT

  public:
    // The pictures of the table.
    enum class Element {
        opponentHand,
        playerHand,
        table,
        stock,
        gamePlate,
        opponentPanel,
        playerPanel,
        opponentBanner,
        playerBanner,
        opponentClock,
        playerClock
    };
    static constexpr int ElementCount = 11;

    // `match`, `settings`, `pictures` and `scale` belong to the window; the
    // view reads them.
    TableView(const Match& match, const Settings& settings, PictureStore& pictures,
              const TableScale& scale, QWidget* parent = nullptr);
    ~TableView() override;

    // The window size or the artwork changed: the table is drawn anew at the
    // next deal.
    void ForgetDrawing();
    // A new deal: the table's pictures for the current size, a back picture
    // for the day, every element shown. A replay's deal is no new game: the
    // plate keeps the number of the last game dealt, and hides while no game
    // has been dealt since the program started.
    enum class DealKind { Game, Replay };
    void Deal(DealKind kind = DealKind::Game);
    // The table is left: its elements and buttons hide.
    void Clear();
    // The artwork, the fonts or the language changed: a table on screen is
    // drawn anew at once, from what it showed last; otherwise the next deal
    // draws it.
    void Redraw();

    void ApplyGameEvent(const Event& event);
    void ApplyButtons(const TableButtons& buttons);
    // "Please, wait..." over the table while the match is recorded.
    void ShowWaitBanner(bool on);
    bool WaitBannerShown() const { return waitBanner; }
    // Where the banner stands: in the middle, growing with the window.
    QRect WaitBannerRect() const;
    // Prepares the flight of `flight`; false when nothing is to fly.
    bool StartFlight(const event::FlyCards& flight);
    // Shows the next frame: the pause before the one after it in
    // milliseconds, or nothing when the flight has ended.
    std::optional<int> NextFlightFrame();

    // Clicks reach the match only while input is open. Closing it also
    // forgets a button pressed before, so a press made while the match was
    // busy never completes a click later.
    void SetInputOpen(bool open);
    void CloseHint();
    // The banners anew, after the player's name changed.
    void DrawBanners();
    // The move clock beside a seat's banner shows `seconds`; -1 hides it.
    // The clocks hide at every deal.
    void ShowMoveClock(Seat seat, int seconds);
    // What the clock of `seat` shows, -1 while it is hidden.
    int MoveClockShown(Seat seat) const { return clockSeconds[seat]; }
    // The player's picture shown in a balloon while the pointer is on a
    // seat's banner; an empty path shows none.
    void SetBannerPicture(Seat seat, const QString& path);
    QString BannerPicture(Seat seat) const { return bannerPictures[seat]; }
    // The opponent's hand drawn face up (the duel's hidden reveal) or down.
    void SetOpponentRevealed(bool on);
    bool OpponentRevealed() const { return opponentRevealed; }

    // A move shown without being made: the person's hand card outlined with
    // the table cards it would capture, or with the empty place it would be
    // laid off to. It stays until the next click or the next deal.
    struct MoveHint {
        int handPlace = 0;
        PlaceSet capture;
        int layOffPlace = 0;
        friend bool operator==(const MoveHint&, const MoveHint&) = default;
    };
    void ShowMoveHint(const MoveHint& hint);
    void ClearMoveHint();
    const std::optional<MoveHint>& ShownMoveHint() const { return moveHint; }

    // The table's drawing, from the first deal on.
    TableDrawing* Drawing() { return drawing.get(); }
    // Rectangle of the person's hand card at `place` (1..4), empty when the
    // place holds no card.
    QRect HandCardRect(int place) const;
    QRect TableSlotRect(int slot) const;
    QRect ElementRect(Element element) const;
    bool ElementShown(Element element) const;
    SkinnedButton* StartButton() const { return startButton; }
    SkinnedButton* SecondButton() const { return secondButton; }
    // The number the game plate shows: the games dealt since the start.
    int GamesDealt() const { return gamesDealt; }

  signals:
    // `place` is the hand or table place under the pointer, 0 for none.
    void HandClicked(int place, MouseButton button);
    void TableClicked(int place, MouseButton button);
    void PanelClicked();
    void StartPressed();
    void SecondPressed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateDrawing();
    void SetElement(Element element, QImage picture);
    void ShowPointer(QPoint point);
    void ShowHint(QPoint point);
    void ShowGameBalloon();
    void ShowBannerPicture(QPoint point);
    void PaintScene(QPainter& painter, QRect area) const;
    void PaintWaitBanner(QPainter& painter) const;
    void PaintMoveHint(QPainter& painter) const;
    QImage SceneImage() const;
    QPoint SpotPixel(const Spot& spot, bool from, const event::FlyCards& flight) const;
    int HandPlaceUnder(QPoint point) const;
    int TablePlaceUnder(QPoint point) const;
    int FlightSpeed() const;

    const Match& match;
    const Settings& settings;
    PictureStore& pictures;
    const TableScale& scale;
    std::unique_ptr<TableDrawing> drawing;
    bool atTable = false;
    bool waitBanner = false;
    bool inputOpen = true;
    bool opponentRevealed = false;
    std::optional<MoveHint> moveHint;
    std::optional<Qt::MouseButton> pressed; // a press made while input was open

    struct Picture {
        QImage image;
        bool shown = false;
    };
    std::array<Picture, ElementCount> elements;
    // The last picture events of the hands, the table, the stock and the
    // panels, which a redraw plays again.
    std::array<std::optional<Event>, 5> shownEvents;
    std::vector<int> playerHandX; // card positions in the person's hand as shown
    int gamesDealt = 0;
    OneBased<QString, 2> noMove; // the "No move" bubble of a seat, while shown
    OneBased<int, 2> clockSeconds;
    OneBased<QString, 2> bannerPictures; // files of the players' pictures
    std::optional<Seat> overBanner;      // the seat whose banner the pointer is on

    std::unique_ptr<FlightCanvas> flightCanvas;
    std::unique_ptr<CardFlight> flight;
    FlightPacer pacer;

    SkinnedButton* startButton;
    SkinnedButton* secondButton;
    BalloonHint* balloon;
    bool overGamePlate = false;
};

} // namespace tavlira
