#pragma once
// One card as the table shows it: the face or back picture in the card cell
// of the current picture class, with its outline (small class) or rounded
// corners (larger classes), and the two highlight styles. Pictures are scaled
// once per layout and cached, so drawing a hand or a flight frame only copies.

#include "game/Card.h"
#include "ui/artwork/PictureStore.h"

#include <QImage>
#include <QPainter>
#include <QSize>
#include <map>
#include <string>

namespace tavlira {

class CardPainter {
  public:
    // `cornerDiameter` is S(8), the rounding of the larger classes.
    CardPainter(const PictureStore& store, QSize card, int cornerDiameter);

    QSize CardSize() const { return card; }

    // The card cell with the face of `code`; a null picture for an empty code.
    const QImage& Face(CardCode code);
    // The cell with the back of the current game.
    const QImage& Back();
    // A new game may show another back picture; the faces stay.
    void ForgetBack() { back = QImage(); }

    void DrawCard(QPainter& painter, QPoint at, CardCode code);
    void DrawBack(QPainter& painter, QPoint at);

    // The selection highlight: inverts the card's shape; doing it twice
    // restores the card. `width` below the card width inverts only the
    // visible strip of a card that the next card in a hand overlaps.
    void InvertCard(QImage& image, QPoint at, int width = -1) const;
    // The orange frame of a card waiting in the capture area.
    void FrameCard(QPainter& painter, QPoint at) const;

  private:
    QImage Cell(const QImage& picture) const;
    QPainterPath Outline(QPointF at) const;

    const PictureStore& store;
    QSize card;
    int corner;
    bool small;
    std::map<std::string, QImage> faces;
    QImage back;
};

} // namespace tavlira
