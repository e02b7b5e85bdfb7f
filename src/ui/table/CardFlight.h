#pragma once
// Card flights: one card, or up to twelve at once, glide across the window in
// straight lines, one pixel step at a time. A flight is planned up front as a
// list of frames; the window plays them one by one from its event queue with a
// timer (pausing as `FlightPacer` says), so the window never blocks while a
// card is in the air. `FlightCanvas` composes each frame off screen.
//
// Playing a flight, in outline:
//   FlightCanvas canvas(pictureOfWindowWithoutTheCards, {cardPicture});
//   CardFlight flight(PlanCardFlight({from, to}, cardSize, speed, eraseAtEnd));
//   on each timer shot, while flight.FlightRunning():
//       const FlightFrame& frame = flight.NextFrame();
//       window.repaint(canvas.Apply(frame));   // paint canvas.Work() there
//       timer.start(pacer.PauseAfter(frame, speed));
// Coordinates are window client pixels; cards may start or end outside it.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace tavlira {

// The positions a card passes, one pixel step along the major axis each, from
// just after `from` up to and including `to`; the minor coordinate follows the
// straight line, rounded. Empty when the two points are equal.
std::vector<QPoint> FlightLine(QPoint from, QPoint to);

// The `Speed` setting, 1 (slowest) .. 6.
inline constexpr int SlowestFlightSpeed = 1;
inline constexpr int FastestFlightSpeed = 6;

// Pixel steps per drawn frame: the fastest speed draws every second position.
int StepsPerFrame(int speed);

struct FlightFrame {
    // Top-left corner of every card in window pixels, in the order the cards
    // were given; empty once the cards have left the window picture.
    std::vector<QPoint> cards;
    // Area restored from the clean picture before the cards are drawn.
    QRect restore;
    // Area of the window that changed and must be shown.
    QRect show;
    // True when the cards moved into this frame; only such frames are paced.
    bool moved = false;
};

struct CardPath {
    QPoint from;
    QPoint to;
};

// One card from `from` to `to`. The first frame shows it at its start; each
// later frame restores the card's previous rectangle and shows that rectangle
// grown by 2 pixels, which covers the new place too because a card moves at
// most 2 pixels per frame on each axis. With `eraseAtEnd` a last frame takes
// the card away again; otherwise it stays until the window redraws.
std::vector<FlightFrame> PlanCardFlight(CardPath path, QSize card, int speed, bool eraseAtEnd);

// Several cards at once, each on its own line; cards that have arrived wait
// for the others. Every frame restores and shows the box around all cards
// with a 10-pixel margin; the last frame restores that box without the cards.
std::vector<FlightFrame> PlanGroupFlight(const std::vector<CardPath>& paths, QSize card, int speed);

// A planned flight being played.
class CardFlight {
  public:
    explicit CardFlight(std::vector<FlightFrame> frames);

    // True until the last frame has been taken.
    bool FlightRunning() const { return next < frames.size(); }
    // The next frame to draw; only call while the flight is running.
    const FlightFrame& NextFrame() { return frames.at(next++); }
    int FrameCount() const { return static_cast<int>(frames.size()); }

  private:
    std::vector<FlightFrame> frames;
    std::size_t next = 0;
};

// The pause after each drawn step for a speed. The counter of speeds 3 and 4
// runs on across flights, so keep one pacer for the life of the window.
class FlightPacer {
  public:
    // Milliseconds to wait before the frame after `frame`.
    int PauseAfter(const FlightFrame& frame, int speed);

  private:
    int stepCounter = 0;
};

// The off-screen pictures of a flight: the clean picture (the window as it
// looks without the flying cards) and the work picture (clean plus the cards
// at their current places), which the window shows while the flight runs.
class FlightCanvas {
  public:
    // One sprite per card, in the order of the flight's cards; a null picture
    // flies invisibly.
    FlightCanvas(QImage clean, std::vector<QImage> sprites);

    // Draws a frame into the work picture; answers the window area to update.
    QRect Apply(const FlightFrame& frame);
    const QImage& Work() const { return work; }

  private:
    QImage clean;
    QImage work;
    std::vector<QImage> sprites;
};

} // namespace tavlira
