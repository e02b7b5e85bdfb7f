#pragma once
// What every window of the game wears, whichever code opened it: when a
// window shows, its buttons take the piece set of "New buttons" and its
// controls the cursors of the current set; with the festive option on, a
// click on a skinned button bursts at the mouse.

#include "records/Settings.h"

#include <QImage>
#include <QObject>
#include <functional>

namespace tavlira {

class WindowLook : public QObject {
    Q_OBJECT

  public:
    // `burst` gives the frames of the festive burst (null without them).
    WindowLook(const Settings& settings, std::function<QImage()> burst, QObject* parent);

    // The look anew on every window now open.
    void Refresh();
    // Dresses one window.
    void Dress(QWidget& window) const;
    // A burst at a point of the screen, when `on`.
    void Salute(bool on, QPoint centre) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const Settings& settings;
    std::function<QImage()> burst;
};

} // namespace tavlira
