#include "ui/controls/BalloonHint.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace tavlira {
namespace {

constexpr int Padding = 8;
constexpr int TailHeight = 12;
constexpr int Corner = 8;
const QColor Paper(255, 255, 225);

QFont TitleFont(QFont font) {
    font.setBold(true);
    return font;
}

} // namespace

BalloonHint::BalloonHint(QWidget* parent) : QWidget(parent, Qt::ToolTip) {
    setAttribute(Qt::WA_TranslucentBackground);
    closeTimer.setSingleShot(true);
    connect(&closeTimer, &QTimer::timeout, this, &QWidget::close);
}

void BalloonHint::ShowAt(QPoint anchor, const QString& newTitle, const QString& newText,
                         int timeoutMs) {
    title = newTitle;
    text = QString(newText).replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    picture = QPixmap();
    const QFontMetrics titleMetrics(TitleFont(font()));
    const QRect titleBox = titleMetrics.boundingRect(title);
    const QRect textBox =
        fontMetrics().boundingRect(QRect(0, 0, 400, 1000), Qt::TextWordWrap, text);
    const int gap = title.isEmpty() || text.isEmpty() ? 0 : Padding / 2;
    ShowBubble(anchor,
               QSize(std::max(titleBox.width(), textBox.width()),
                     (title.isEmpty() ? 0 : titleMetrics.height()) + gap + textBox.height()),
               timeoutMs);
}

void BalloonHint::ShowPictureAt(QPoint anchor, const QPixmap& newPicture, int width,
                                int timeoutMs) {
    title.clear();
    text.clear();
    picture = newPicture.scaledToWidth(width, Qt::SmoothTransformation);
    ShowBubble(anchor, picture.size(), timeoutMs);
}

// The tail hangs from the bubble's top-left part and ends at the anchor.
void BalloonHint::ShowBubble(QPoint anchor, QSize content, int timeoutMs) {
    resize(content.width() + 2 * Padding + 1, content.height() + 2 * Padding + TailHeight + 1);
    // Without a compositing window manager a translucent window shows black
    // where it paints nothing: the window is cut to the bubble and its
    // outline.
    QPainterPathStroker outlinePen;
    outlinePen.setWidth(2);
    const QPainterPath shape = Outline().united(outlinePen.createStroke(Outline()));
    setMask(QRegion(shape.toFillPolygon().toPolygon()));
    move(anchor - QPoint(Padding + Corner, 0));
    show();
    raise();
    if (timeoutMs > 0)
        closeTimer.start(timeoutMs);
    else
        closeTimer.stop();
    update();
}

QRect BalloonHint::BubbleRect() const {
    return QRect(0, TailHeight, width() - 1, height() - TailHeight - 1);
}

QPainterPath BalloonHint::Outline() const {
    QPainterPath bubble;
    bubble.addRoundedRect(BubbleRect(), Corner, Corner);
    const int tailX = Padding + Corner;
    QPainterPath tail;
    tail.moveTo(tailX, 0);
    tail.lineTo(tailX, TailHeight + 1);
    tail.lineTo(tailX + TailHeight, TailHeight + 1);
    tail.closeSubpath();
    return bubble.united(tail);
}

void BalloonHint::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setBrush(Paper);
    painter.drawPath(Outline());

    const QRect inside = BubbleRect().adjusted(Padding, Padding, -Padding, -Padding);
    if (!picture.isNull()) {
        painter.drawPixmap(inside.topLeft(), picture);
        return;
    }
    painter.setFont(TitleFont(font()));
    painter.drawText(inside, Qt::AlignLeft | Qt::AlignTop, title);
    const int titleHeight =
        title.isEmpty() ? 0 : QFontMetrics(painter.font()).height() + Padding / 2;
    painter.setFont(font());
    painter.drawText(inside.adjusted(0, titleHeight, 0, 0),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
}

void BalloonHint::mousePressEvent(QMouseEvent*) {
    close();
}

} // namespace tavlira
