#pragma once
// A balloon hint: a small rounded bubble with a bold title and a few lines of
// text (or a picture), pointing at a spot of a window with a short tail. It
// closes by itself after its time-out, when clicked, or when closed.

#include <QPainterPath>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace tavlira {

class BalloonHint : public QWidget {
    Q_OBJECT

  public:
    explicit BalloonHint(QWidget* parent = nullptr);

    // Shows the balloon with its tail at `anchor` (global coordinates). Line
    // breaks may be written LF CR as in the word tables. A time-out of 0
    // keeps the balloon until it is closed.
    void ShowAt(QPoint anchor, const QString& title, const QString& text, int timeoutMs);
    // A picture balloon of the given width, the picture scaled to fit.
    void ShowPictureAt(QPoint anchor, const QPixmap& picture, int width, int timeoutMs);

    QString Title() const { return title; }
    QString Text() const { return text; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void ShowBubble(QPoint anchor, QSize content, int timeoutMs);
    QRect BubbleRect() const;
    // The bubble with its tail, as outlined.
    QPainterPath Outline() const;

    QString title;
    QString text;
    QPixmap picture;
    QTimer closeTimer;
};

} // namespace tavlira
