#pragma once
// The title page of the main window: the title screen with its running
// cards. A click or a released key leaves it.

#include "ui/artwork/PictureStore.h"
#include "ui/table/TableScale.h"
#include "ui/window/TitleScreen.h"

#include <QTimer>
#include <QWidget>
#include <array>

namespace tavlira {

class TitlePage : public QWidget {
    Q_OBJECT

  public:
    // `pictures` and `scale` belong to the window and change with its size.
    TitlePage(const PictureStore& pictures, const TableScale& scale, QWidget* parent = nullptr);

    // Starts the animation with the aces of the current deck; Stop ends it.
    void Start();
    void Stop();

  signals:
    void Left();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void Tick();

    const PictureStore& pictures;
    const TableScale& scale;
    TitleAnimation animation;
    TitleScreenPainter screen;
    std::array<QImage, TitleAnimation::CardCount> cards;
    QTimer timer;
};

} // namespace tavlira
