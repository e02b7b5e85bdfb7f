#pragma once
// The layer card flights are shown on: a child widget that covers the whole
// client area of the window while a flight plays and shows the flight's work
// picture. It plays one frame per timer shot, so the window stays responsive;
// the window's event queue starts a flight and waits for `Finished`.

#include "ui/table/CardFlight.h"

#include <QTimer>
#include <QWidget>
#include <optional>

namespace tavlira {

class FlightLayer : public QWidget {
    Q_OBJECT

  public:
    explicit FlightLayer(QWidget* window);

    // Starts a flight. `sprites` holds one picture per card of the frames (a
    // null picture flies invisibly). `clean` is the window as it looks without
    // the flying cards; when null, the window's current look is taken.
    void Play(std::vector<FlightFrame> frames, std::vector<QImage> sprites, int speed,
              QImage clean = {});
    bool FlightRunning() const { return flight && flight->FlightRunning(); }
    // Takes the layer away after a flight, once the window shows the cards
    // at their new places; until then the last frame stays on screen.
    void Clear();

  signals:
    void Finished();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void ShowNextFrame();

    std::optional<CardFlight> flight;
    std::optional<FlightCanvas> canvas;
    // Lives as long as the window: its step counting runs on across flights.
    FlightPacer pacer;
    QTimer frameTimer;
    int speed = 4;
};

} // namespace tavlira
