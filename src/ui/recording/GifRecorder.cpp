#include "ui/recording/GifRecorder.h"

#include "i18n/words/Menu.h"
#include "ui/artwork/PictureSource.h"
#include "ui/common/ToScreen.h"

#include <QPainter>
#include <QSaveFile>
#include <QScreen>

namespace tavlira {
namespace {

// "Creating a GIF..." in red on the banner plate, over the middle of the window.
class GifNotice : public QWidget {
  public:
    GifNotice(QWidget* parent, const Settings& shown)
        : QWidget(parent), settings(shown), plate(PictureSource::BuiltIn().Data("AdvBar3")) {
        resize(175, 40);
        hide();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(rect(), plate);
        QFont font = FontFace(settings, FontLine::Large);
        font.setPixelSize(FontSize(settings, FontLine::Small, 20));
        painter.setFont(font);
        painter.setPen(QColor(255, 0, 0));
        painter.drawText(QRect(0, 10, width(), height() - 10), Qt::AlignHCenter | Qt::AlignTop,
                         ScreenText(Text(words::CreatingGif)));
    }

  private:
    const Settings& settings;
    QImage plate;
};

} // namespace

QString GifFileName(const QDateTime& time) {
    return time.toString(QStringLiteral("yyyy.MM.dd-hh.mm.ss")) + QStringLiteral(".gif");
}

GifRecorder::GifRecorder(QWidget& shown, const Settings& current, std::filesystem::path folder)
    : window(shown), settings(current), programFolder(std::move(folder)),
      pictures([this] { return WindowPicture(); }), notice(new GifNotice(&shown, current)) {
    timer.setInterval(SampleMs);
    connect(&timer, &QTimer::timeout, this, &GifRecorder::Capture);
}

void GifRecorder::Start() {
    recording.Clear();
    timer.start();
    Capture();
}

void GifRecorder::Capture() {
    if (!settings.SaveGamesAsGif || recording.FrameCount() >= GifRecording::MaxFrames)
        return;
    recording.Add(pictures(), settings.GifFrameDelay);
}

// Mode 2 copies the screen under the window, frame and title bar included;
// a platform that cannot read its screen gives the client area instead.
QImage GifRecorder::WindowPicture() const {
    if (settings.GifCaptureMode == 2)
        if (QScreen* screen = window.screen()) {
            const QRect frame = window.frameGeometry();
            const QImage shot =
                screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                    .toImage();
            if (!shot.isNull())
                return shot;
        }
    return window.grab().toImage();
}

std::optional<std::filesystem::path> GifRecorder::Finish(const QDateTime& now) {
    if (!settings.SaveGamesAsGif)
        return std::nullopt;
    notice->move(Round(window.width() / 2.0 - 87.5), Round(window.height() / 2.0 - 20));
    notice->show();
    notice->raise();
    notice->repaint(); // seen before the file is written

    const std::filesystem::path folder = programFolder / "GIFGame";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    const std::filesystem::path path = folder / GifFileName(now).toStdString();
    const QByteArray gif = recording.Encode(LastFrameMs);
    QSaveFile file(QString::fromStdString(path.string()));
    const bool written = !gif.isEmpty() && file.open(QIODevice::WriteOnly) &&
                         file.write(gif) == gif.size() && file.flush() &&
                         file.error() == QFileDevice::NoError && file.commit();

    recording.Clear();
    timer.stop();
    notice->hide();
    window.update();
    return written ? std::optional(path) : std::nullopt;
}

} // namespace tavlira
