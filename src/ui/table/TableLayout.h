#pragma once
// Where every element of the game table stands in the window, and the places
// inside the hand and table pictures. Pure geometry: the window creates its
// pictures and buttons at these rectangles and asks these functions which
// card lies under the pointer.

#include "game/GameState.h"
#include "ui/table/TableScale.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace tavlira {

// Window rectangles of the table elements.
struct TableLayout {
    QRect opponentHand;  // hand of seat 1 (the opponent, at the top)
    QRect playerHand;    // hand of seat 2 (the person at this machine)
    QRect opponentPanel; // player panels
    QRect playerPanel;
    QRect gamePlate;      // game counter
    QRect opponentBanner; // message banners
    QRect playerBanner;
    QRect table;       // the table with its nine slots
    QRect stock;       // the deck pile
    QRect chatPanel;   // chat lines
    QRect chatEdit;    // chat entry under the chat lines
    QRect chatSend;    // its send button
    QRect startButton; // the two game buttons
    QRect secondButton;
    QRect opponentMoveClock; // move clocks of an online table game, beside the banners
    QRect playerMoveClock;
};

// `card` is the card cell (`CardWidth` x `CardHeight`) of the current deck
// and picture class; the hands are one card high.
TableLayout ComputeTableLayout(const TableScale& scale, QSize card);

// Top-left corner of back number `i` (1-based) of the deck pile inside the
// deck picture: the pile rises 2 base pixels every 6 cards.
QPoint DeckPileCardOrigin(const TableScale& scale, int i);

// Card x positions inside a hand picture spanning left..right: centred with a
// 3-pixel gap when the cards fit, otherwise overlapping at an even step that
// keeps the last card inside the span.
std::vector<int> SpreadHand(int left, int right, int count, int cardWidth);

// The hand place (1..n) under x, 0 when none. A gap between cards belongs to
// the card on its left; in an overlapping hand only the uncovered strip of a
// card counts. A place that holds no card never answers.
int HandPlaceAt(const std::vector<int>& handX, const std::vector<bool>& holdsCard, int cardWidth,
                int x);

// The part of hand card `place` (1-based) that shows, inside the hand
// picture: the whole card, or in an overlapping hand (the picture narrower
// than the cards side by side) the strip up to the next card.
QRect VisibleHandCard(const std::vector<int>& handX, int place, QSize card, int handWidth);

// The card slots inside the table picture, one per table place: the eight
// places and the capture area.
class TableSlots {
  public:
    // `narrowDeckOffset` (0 or 5 base pixels) centres narrow cards in the slots.
    TableSlots(const TableScale& scale, QSize card, int narrowDeckOffset);

    // Top-left corner of slot 1..9's card inside the table picture.
    QPoint CardOrigin(int slot) const;
    QRect CardRect(int slot) const;
    // The area its glow picture is stretched over.
    QRect GlowRect(int slot) const;
    // The slot under a point of the table picture, 0 when none. Each slot
    // answers one pixel beyond its card on the right and bottom; where slots
    // meet the higher number wins. Empty slots answer too.
    int TablePlaceAt(QPoint point) const;

  private:
    TableScale scale;
    QSize card;
    int offset;
};

// Where a card played by the opponent starts its flight: the middle of the
// opponent's hand picture.
QPoint OpponentFlightStart(const TableLayout& layout, QSize card);

// Where captured cards fly to: just outside the window, horizontally centred,
// above it for seat 1 and below it for seat 2.
QPoint CaptureFlightEnd(int seat, QSize client, QSize card);

} // namespace tavlira
