#pragma once
// Records each game as an animated GIF while "SaveGamesAsGif" is on: from
// the first picture of the dealt table, ten samples a second of the main
// window (its client area, or with capture mode 2 the screen where the
// window lies, dialogs on top included), and at the end of the game one file
// in GIFGame/ named after the local date and time.

#include "media/GifRecording.h"
#include "records/Settings.h"

#include <QDateTime>
#include <QImage>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <optional>

namespace tavlira {

// "yyyy.mm.dd-hh.nn.ss.gif" for the moment `time`.
QString GifFileName(const QDateTime& time);

class GifRecorder : public QObject {
    Q_OBJECT

  public:
    static constexpr int SampleMs = 100;
    static constexpr int LastFrameMs = 5000;

    GifRecorder(QWidget& window, const Settings& settings, std::filesystem::path programFolder);

    // Tests take the pictures from elsewhere.
    void SetPictureSource(std::function<QImage()> source) { pictures = std::move(source); }

    // Begins a recording of the game just set up with its first picture;
    // frames left from a game that never finished are dropped.
    void Start();
    // Takes a picture and adds it unless it is unchanged or 250 are held;
    // nothing when recording is off.
    void Capture();
    // Writes the recording, its last frame shown 5 s, while the notice
    // "Creating a GIF..." stands over the window, and ends the recording.
    // The file written; nothing when recording is off or the file could not
    // be written (the game reports nothing then).
    std::optional<std::filesystem::path>
    Finish(const QDateTime& now = QDateTime::currentDateTime());

    // True from Start until Finish: the sampling timer runs.
    bool Recording() const { return timer.isActive(); }
    int FrameCount() const { return recording.FrameCount(); }
    // The notice's place while it is shown, for tests.
    const QWidget* Notice() const { return notice; }

  private:
    QImage WindowPicture() const;

    QWidget& window;
    const Settings& settings;
    std::filesystem::path programFolder;
    std::function<QImage()> pictures;
    GifRecording recording;
    QTimer timer;
    QWidget* notice;
};

} // namespace tavlira
