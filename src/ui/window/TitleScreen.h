#pragma once
// The title screen: two framed boxes on black with the game's title in
// coloured letters, the release and author lines and the version, and four
// cards running round the inner box. It is designed for 760 x 500 and drawn
// scaled and centred in larger windows.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRegion>
#include <QSize>
#include <QTransform>
#include <array>

namespace tavlira {

// The moving parts of the title screen, advanced once every 20 ms: the
// letters' colours move one letter to the right every ten ticks, and each
// card moves one pixel clockwise round the rectangle (155, 68)-(550, 362).
class TitleAnimation {
  public:
    static constexpr int TickMs = 20;
    static constexpr int CardCount = 4;
    static constexpr QSize CardSize{60, 70}; // in base pixels

    TitleAnimation();
    // Advances one tick and returns what it changed, in base pixels: where
    // the cards were and are now, and the title when its colours moved.
    QRegion Tick();
    // The colour of letter `index` (0-based) of the title.
    QColor LetterColour(int index) const;
    // Top left corners of the cards, in base pixels.
    const std::array<QPoint, CardCount>& Cards() const { return cards; }

  private:
    std::array<QColor, 10> colourSlots; // colour slots 1..10 at indices 0..9
    int ticks = 0;                      // since the colours last moved
    std::array<QPoint, CardCount> cards;
};

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
// (the black, the boxes and the lines of text) pre-drawn for one window size,
// so that a tick only draws the letters and the cards again.
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
    QImage still;
    double stillScale = 0;
};

} // namespace tavlira
