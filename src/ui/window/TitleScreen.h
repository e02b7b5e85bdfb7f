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
    void Tick();
    // The colour of letter `index` (0-based) of the title.
    QColor LetterColour(int index) const;
    // Top left corners of the cards, in base pixels.
    const std::array<QPoint, CardCount>& Cards() const { return cards; }
    // What a tick may change, in base pixels: the title and the cards.
    QRegion MovingParts() const;

  private:
    std::array<QColor, 10> colourSlots; // colour slots 1..10 at indices 0..9
    int ticks = 0;                      // since the colours last moved
    std::array<QPoint, CardCount> cards;
};

// From the 760 x 500 design to a window of `window` pixels at `scale`.
QTransform TitleTransform(QSize window, double scale);

// `cards` are drawn `CardSize` at the animation's card positions.
void PaintTitleScreen(QPainter& painter, QSize window, double scale,
                      const TitleAnimation& animation,
                      const std::array<QImage, TitleAnimation::CardCount>& cards);

} // namespace tavlira
