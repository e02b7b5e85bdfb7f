#include "ui/table/FlightLayer.h"

#include <QPaintEvent>
#include <QPainter>

namespace tavlira {

FlightLayer::FlightLayer(QWidget* window) : QWidget(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
    frameTimer.setSingleShot(true);
    // The pauses are 1 or 2 ms: a coarse timer would slow every flight down.
    frameTimer.setTimerType(Qt::PreciseTimer);
    connect(&frameTimer, &QTimer::timeout, this, &FlightLayer::ShowNextFrame);
}

void FlightLayer::Play(std::vector<FlightFrame> frames, std::vector<QImage> sprites,
                       int flightSpeed, QImage clean) {
    QWidget* window = parentWidget();
    if (clean.isNull()) {
        hide();
        clean = window->grab().toImage();
    }
    // A high-density screen grabs more pixels than the window has points.
    if (clean.size() != window->size())
        clean = clean.scaled(window->size());
    speed = flightSpeed;
    canvas.emplace(std::move(clean), std::move(sprites));
    flight.emplace(std::move(frames));
    setGeometry(window->rect());
    show();
    raise();
    ShowNextFrame();
}

void FlightLayer::ShowNextFrame() {
    if (!FlightRunning()) {
        emit Finished();
        return;
    }
    const FlightFrame& frame = flight->NextFrame();
    repaint(canvas->Apply(frame));
    frameTimer.start(pacer.PauseAfter(frame, speed));
}

void FlightLayer::Clear() {
    frameTimer.stop();
    hide();
    flight.reset();
    canvas.reset();
}

void FlightLayer::paintEvent(QPaintEvent* event) {
    if (!canvas)
        return;
    QPainter painter(this);
    painter.drawImage(event->rect(), canvas->Work(), event->rect());
}

} // namespace tavlira
