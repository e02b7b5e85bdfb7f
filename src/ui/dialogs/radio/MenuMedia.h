#pragma once
// The menu's media controls, laid over the menu page: the radio picture and
// the music player's three buttons.

#include "media/Radio.h"
#include "media/SongPlayer.h"

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <vector>

namespace tavlira {

class BalloonHint;

// The radio on its shelf. A left click switches the radio on or off, a right
// click asks for the radio dialog; while the radio is unavailable either
// click asks for the notice that names the missing files. The lamp is dark
// while unavailable, red while off or when the station failed, and green
// while on; it blinks while the station connects, and the hint tells the
// station and what its stream does.
class MenuRadio : public QWidget {
    Q_OBJECT

  public:
    MenuRadio(Radio& radio, QWidget* parent);
    QString Hint() const;

  signals:
    void DialogWanted();
    void NoticeWanted();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void Follow();

    Radio& radio;
    QImage picture;
    QImage dark;
    QTimer blink;
    bool lampLit = true;
};

// Play/pause, next and the volume with its number. A click on the left of
// the volume button lowers the volume, on its right raises it. Pointing at
// the play button shows the song's artist and title.
class MenuMusic : public QWidget {
    Q_OBJECT

  public:
    static constexpr int ButtonSize = 48;
    static constexpr int Gap = 6;

    MenuMusic(SongPlayer& player, QWidget* parent);
    // The three buttons' places, in the widget.
    static QRect PlayPlace() { return QRect(0, 0, ButtonSize, ButtonSize); }
    static QRect NextPlace() { return PlayPlace().translated(ButtonSize + Gap, 0); }
    static QRect VolumePlace() { return NextPlace().translated(ButtonSize + Gap, 0); }
    // The balloon of the play button; null until it first shows.
    BalloonHint* SongBalloon() const { return balloon; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    SongPlayer& player;
    std::vector<QImage> pictures; // play, pause, next, volume
    BalloonHint* balloon = nullptr;
    bool overPlay = false;
};

} // namespace tavlira
