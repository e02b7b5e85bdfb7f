#pragma once
// The festive burst: the frames of a strip picture played over the screen,
// centred on a point, then gone. It takes no clicks and no focus, so the
// window under it goes on as if it were not there.

#include <QImage>
#include <QTimer>
#include <QWidget>

namespace tavlira {

class SaluteBurst : public QWidget {
    Q_OBJECT

  public:
    static constexpr int FrameSize = 100;
    static constexpr int FrameMs = 12;

    // Plays the square frames of `strip` (FrameSize wide each) centred on
    // `centre`, a point of the screen. A strip without a whole frame plays
    // nothing. The burst deletes itself when it ends.
    static SaluteBurst* Play(const QImage& strip, QPoint centre);

    int Frame() const { return frame; }
    int FrameCount() const { return strip.width() / FrameSize; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    explicit SaluteBurst(QImage frames);
    void Next();

    QImage strip;
    int frame = 0;
    QTimer timer;
};

} // namespace tavlira
