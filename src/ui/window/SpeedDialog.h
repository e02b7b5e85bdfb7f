#pragma once
// The modal speed dialog "Choice of speed": a track bar from 1 to 6 that sets
// the flight speed at once, a card that glides at the chosen pace, and "Ok".

#include <QDialog>
#include <QImage>
#include <QSlider>
#include <QTimer>
#include <functional>

namespace tavlira {

class TQelCardsButton;

class SpeedDialog : public QDialog {
    Q_OBJECT

  public:
    // `card` is the picture that glides; `changed` runs on every move of the bar.
    SpeedDialog(QWidget* parent, int speed, const QImage& card, std::function<void(int)> changed);

    QSlider* SpeedBar() const { return bar; }
    TQelCardsButton* OkButton() const { return ok; }

    // Milliseconds between the frames of the gliding card for speed 1..6.
    static int FrameInterval(int speed);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect Lane() const;

    QSlider* bar;
    TQelCardsButton* ok;
    QImage card;
    QTimer timer;
    int phase = 0;
};

} // namespace tavlira
