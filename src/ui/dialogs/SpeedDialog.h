#pragma once
// The modal speed dialog "Choice of speed": a track bar from 1 to 6 that sets
// the flight speed at once, a card that glides at the chosen pace, and "Ok".

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QSlider>
#include <QTimer>
#include <functional>
#include <vector>

namespace tavlira {

class SkinnedButton;

class SpeedDialog : public QDialog {
    Q_OBJECT

  public:
    // `card` is the picture that glides; `changed` runs on every move of the bar.
    SpeedDialog(QWidget* parent, int speed, const QImage& card, std::function<void(int)> changed);

    QSlider* SpeedBar() const { return bar; }
    // The number shown under the bar for `speed`.
    QLabel* SpeedNumber(int speed) const;
    SkinnedButton* OkButton() const { return ok; }

    // Milliseconds between the frames of the gliding card for speed 1..6.
    static int FrameInterval(int speed);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QRect Lane() const;
    // Window x of the bar's tick for `value`.
    int TickX(int value) const;
    void PlaceNumbers();

    QSlider* bar;
    QWidget* numberRow;
    std::vector<QLabel*> numbers;
    SkinnedButton* ok;
    QImage card;
    QTimer timer;
    int phase = 0;
};

} // namespace tavlira
