#pragma once
// The title screen: two framed boxes on black with the game's title in
// coloured letters, the release and author lines and the version, and four
// cards running round the inner box. It is designed for 760 x 500 and drawn
// scaled and centred in larger windows.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>
#include <QTransform>
#include <array>
#include <vector>

namespace tavlira {

// The moving parts of the title screen, advanced by a tick of 20 ms: the
// letters' colours move one letter to the right every ten ticks, and each
// card moves one pixel clockwise round the rectangle (155, 68)-(550, 362).
class TitleAnimation {
  public:
    static constexpr int TickMs = 20;
    // The screen shows every second tick: the cards move 2 pixels every
    // 40 ms at the same speed, and half the frames halve what the idle title
    // screen costs (each frame wakes the program, paints and sends its pixels
    // to the display, which waits for the display's answer).
    static constexpr int FrameMs = 40;
    static constexpr int TicksPerFrame = FrameMs / TickMs;
    static constexpr int CardCount = 4;
    static constexpr QSize CardSize{60, 70}; // in base pixels
    static constexpr int ColourSlots = 10;

    TitleAnimation();
    // Advances one tick and returns what it changed, in base pixels: where
    // the cards were and are now, and the title when its colours moved.
    QRegion Tick();
    // Advances the ticks of one frame and returns what they changed.
    QRegion Frame();
    // The colour of letter `index` (0-based) of the title.
    QColor LetterColour(int index) const;
    // How often the colours have moved, modulo ColourSlots: the letters look
    // the same in the same phase.
    int ColourPhase() const { return colourPhase; }
    // Top left corners of the cards, in base pixels.
    const std::array<QPoint, CardCount>& Cards() const { return cards; }

  private:
    std::array<QColor, ColourSlots> colourSlots; // colour slots 1..10 at indices 0..9
    int ticks = 0;                               // since the colours last moved
    int colourPhase = 0;
    std::array<QPoint, CardCount> cards;
};

// The left edge of each letter of `title` on the title screen, in base
// pixels: the letters stand 26 pixels apart and the row is centred on 368,
// with corrections for the letters that are much wider or narrower than that.
std::vector<int> TitleLetterPositions(const QString& title);

// From the 760 x 500 design to a window of `window` pixels at `scale`.
QTransform TitleTransform(QSize window, double scale);

// The window pixels a region of base pixels touches, drawn at `scale`.
QRegion WindowArea(const QRegion& parts, QSize window, double scale);

// `cards` are drawn 1:1 at the animation's card positions; they are
// `CardSize` at `scale`.
void PaintTitleScreen(QPainter& painter, QSize window, double scale,
                      const TitleAnimation& animation,
                      const std::array<QImage, TitleAnimation::CardCount>& cards);

// Paints the title screen like PaintTitleScreen, but keeps what never moves
// (the black, the boxes and the lines of text) and the title in each of its
// colourings pre-drawn for one window size, so that a frame only copies
// pictures and draws the cards.
class TitleScreenPainter {
  public:
    // Paints `area` of the window, in window pixels.
    void Paint(QPainter& painter, const QRegion& area, QSize window, double scale,
               const TitleAnimation& animation,
               const std::array<QImage, TitleAnimation::CardCount>& cards);
    // Draws the still parts again at the next paint, e.g. after the language
    // changed.
    void Forget() { still = QImage(); }

  private:
    const QImage& Title(const TitleAnimation& animation, QSize window, double scale);

    QImage still;
    double stillScale = 0;
    QRect titleArea;                                        // the title row, in window pixels
    std::array<QImage, TitleAnimation::ColourSlots> titles; // by ColourPhase()
};

} // namespace tavlira
