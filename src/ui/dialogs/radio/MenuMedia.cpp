#include "ui/dialogs/radio/MenuMedia.h"

#include "i18n/words/Media.h"
#include "i18n/words/Online.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/BalloonHint.h"
#include "ui/dialogs/radio/RadioPictures.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace tavlira {
namespace {

constexpr int BlinkMs = 400;
constexpr int SongBalloonMs = 5000;

} // namespace

MenuRadio::MenuRadio(Radio& theRadio, QWidget* parent) : QWidget(parent), radio(theRadio) {
    setFixedSize(RadioPictureWidth, RadioPictureHeight);
    setCursor(Qt::PointingHandCursor);
    dark = MenuRadioPicture(RadioStatus::Unavailable);
    blink.setInterval(BlinkMs);
    connect(&blink, &QTimer::timeout, this, [this] {
        lampLit = !lampLit;
        update();
    });
    connect(&radio, &Radio::Changed, this, &MenuRadio::Follow);
    Follow();
}

// The lamp blinks only while the station connects, so the idle menu does
// not wake for it.
void MenuRadio::Follow() {
    const RadioStatus status = radio.Status();
    picture = MenuRadioPicture(status);
    if (status == RadioStatus::Connecting || status == RadioStatus::Checking)
        blink.start();
    else {
        blink.stop();
        lampLit = true;
    }
    setToolTip(Hint());
    update();
}

QString MenuRadio::Hint() const {
    QString hint =
        ScreenText(Text(words::QelInternetRadio)) + ": " + FromBytes(radio.Current().stationName);
    switch (radio.Status()) {
    case RadioStatus::Checking:
    case RadioStatus::Connecting:
        return hint + "\n" + ScreenText(Text(words::StreamConnecting));
    case RadioStatus::Failed:
        return hint + "\n" + ScreenText(Text(words::NoConnect));
    case RadioStatus::Off:
    case RadioStatus::Playing:
    case RadioStatus::Unavailable:
        break;
    }
    return hint;
}

void MenuRadio::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, lampLit ? picture : dark);
}

void MenuRadio::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        return QWidget::mousePressEvent(event);
    if (!radio.Available())
        emit NoticeWanted();
    else if (event->button() == Qt::LeftButton)
        radio.Toggle();
    else
        emit DialogWanted();
}

bool MenuRadio::event(QEvent* event) {
    // The right click is the radio's own: no context menu of the window.
    if (event->type() == QEvent::ContextMenu)
        return true;
    return QWidget::event(event);
}

MenuMusic::MenuMusic(SongPlayer& songs, QWidget* parent) : QWidget(parent), player(songs) {
    setFixedSize(VolumePlace().right() + 1, ButtonSize);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    for (const char* name : {"MP_Play", "MP_Pause", "MP_Next", "MP_Volume"})
        pictures.push_back(MenuMediaPicture(name));
    // Without a playlist the buttons are neither drawn nor clicked.
    const auto follow = [this] {
        setAttribute(Qt::WA_TransparentForMouseEvents, !player.Created());
        update();
    };
    connect(&player, &SongPlayer::Changed, this, follow);
    follow();
}

void MenuMusic::paintEvent(QPaintEvent*) {
    if (!player.Created())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(PlayPlace(), pictures[player.Playing() ? 1 : 0]);
    painter.drawImage(NextPlace(), pictures[2]);
    painter.drawImage(VolumePlace(), pictures[3]);
    QFont font = painter.font();
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::yellow);
    painter.drawText(VolumePlace(), Qt::AlignCenter, QString::number(player.Volume()));
}

void MenuMusic::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    const QPoint at = event->position().toPoint();
    if (PlayPlace().contains(at))
        player.PlayPause();
    else if (NextPlace().contains(at))
        player.Next();
    else if (VolumePlace().contains(at)) {
        // The designed button is 60 wide: 1..25 lowers, 35 and more raises.
        const int x = (at.x() - VolumePlace().left()) * 60 / ButtonSize;
        if (x >= 35)
            player.StepVolume(+1);
        else if (x >= 1 && x <= 25)
            player.StepVolume(-1);
    }
}

void MenuMusic::mouseMoveEvent(QMouseEvent* event) {
    const bool over = PlayPlace().contains(event->position().toPoint());
    if (over && !overPlay && player.Created()) {
        const Song& song = player.Current();
        // Made on first use: the window's other balloons are found by their
        // type, and this one should not stand among them before it is shown.
        if (!balloon)
            balloon = new BalloonHint(this);
        balloon->ShowAt(mapToGlobal(PlayPlace().center()), QString::fromStdString(song.artist),
                        QString::fromStdString(song.title), SongBalloonMs);
    }
    overPlay = over;
    QWidget::mouseMoveEvent(event);
}

void MenuMusic::leaveEvent(QEvent* event) {
    overPlay = false;
    QWidget::leaveEvent(event);
}

} // namespace tavlira
