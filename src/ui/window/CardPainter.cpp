#include "ui/window/CardPainter.h"

#include <QPainterPath>

namespace tavlira {
namespace {

const QColor FrameOrange(255, 128, 64);

} // namespace

CardPainter::CardPainter(const PictureStore& pictures, QSize cardSize, int cornerDiameter)
    : store(pictures), card(cardSize), corner(cornerDiameter),
      small(pictures.PictureClass() == SizeClass::Small) {}

// A small cell has a black outline with cut corners around the picture; a
// larger one is the picture scaled to the cell with rounded, transparent
// corners.
QImage CardPainter::Cell(const QImage& picture) const {
    QImage cell(card, QImage::Format_ARGB32_Premultiplied);
    cell.fill(Qt::transparent);
    if (picture.isNull())
        return cell;
    QPainter painter(&cell);
    if (small) {
        painter.setPen(Qt::black);
        const int r = card.width() - 1, b = card.height() - 1;
        painter.drawLine(2, 0, r - 2, 0);
        painter.drawLine(2, b, r - 2, b);
        painter.drawLine(0, 2, 0, b - 2);
        painter.drawLine(r, 2, r, b - 2);
        painter.drawPoint(1, 1);
        painter.drawPoint(r - 1, 1);
        painter.drawPoint(1, b - 1);
        painter.drawPoint(r - 1, b - 1);
        painter.drawImage(1, 1, picture);
        return cell;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setClipPath(Outline(QPointF(0, 0)));
    painter.drawImage(QRect(QPoint(0, 0), card), picture);
    return cell;
}

QPainterPath CardPainter::Outline(QPointF at) const {
    QPainterPath path;
    const double radius = small ? 2.0 : corner / 2.0;
    path.addRoundedRect(QRectF(at, QSizeF(card)), radius, radius);
    return path;
}

const QImage& CardPainter::Face(CardCode code) {
    static const QImage none;
    if (code.IsEmpty())
        return none;
    const std::string key = code.Bytes();
    auto found = faces.find(key);
    if (found == faces.end()) {
        const QImage picture = small ? store.FaceBitmap(code) : store.FacePicture(code);
        found = faces.emplace(key, Cell(picture)).first;
    }
    return found->second;
}

const QImage& CardPainter::Back() {
    if (back.isNull())
        back = Cell(store.Back());
    return back;
}

void CardPainter::DrawCard(QPainter& painter, QPoint at, CardCode code) {
    if (!code.IsEmpty())
        painter.drawImage(at, Face(code));
}

void CardPainter::DrawBack(QPainter& painter, QPoint at) {
    painter.drawImage(at, Back());
}

void CardPainter::InvertCard(QImage& image, QPoint at, int width) const {
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    QPainterPath shape = Outline(QPointF(at));
    if (width >= 0 && width < card.width()) {
        QPainterPath strip;
        strip.addRect(QRectF(at, QSizeF(width, card.height())));
        shape = shape.intersected(strip);
    }
    // The difference from white is its own inverse on an opaque picture: the
    // same call restores the card.
    painter.fillPath(shape, Qt::white);
}

void CardPainter::FrameCard(QPainter& painter, QPoint at) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, !small);
    painter.setPen(QPen(FrameOrange, small ? 1 : 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(Outline(QPointF(at) + QPointF(0.5, 0.5)));
    painter.drawRect(QRect(at + QPoint(1, 1), card - QSize(3, 3)));
    painter.restore();
}

} // namespace tavlira
