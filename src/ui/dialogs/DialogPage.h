#pragma once
// The page of a records dialog: one picture of a fixed size, such as the
// parchment scroll, with texts and pictures placed at positions on it and
// animated pictures playing on it. A page higher than the screen leaves room
// for is drawn smaller as a whole, so nothing of it is cut off.

#include "ui/dialogs/DialogDesign.h"

#include <QDialog>
#include <QImage>
#include <QMovie>
#include <QPainter>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

namespace tavlira {

// An animated picture of the program's own, :/GIF/<name>.
struct PageAnimation {
    QString name;
    QRect place;
    // Off (the player's "Gif-animation" setting), the picture stands on
    // `stillFrame`.
    bool running = true;
    int stillFrame = 0;
    // A picture that plays once comes to rest on this frame.
    std::optional<int> lastFrame{};
};

// Frame `frame` (counted from 0) of :/GIF/<name>; null when there is none.
QImage GifFrame(const QString& name, int frame);

class DialogPage : public QWidget {
    Q_OBJECT

  public:
    using Painter = std::function<void(QPainter&)>;

    // `content` paints over `background` in page coordinates.
    DialogPage(QSize pageSize, QImage background, Painter content, QWidget* parent);

    void AddAnimation(const PageAnimation& animation);
    const std::vector<PageAnimation>& Animations() const { return animations; }
    // The movie of a running animation; null for a still one.
    QMovie* Movie(std::size_t index) const { return shown[index].movie; }

    // Draws the page smaller when `dialog`, which holds it, is higher than
    // the screen's free height.
    void FitDialogToScreen(const QWidget& dialog);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Shown {
        QMovie* movie = nullptr; // a running animation
        QImage still;            // a still one
    };

    QSize pageSize;
    QImage background;
    Painter content;
    std::vector<PageAnimation> animations;
    std::vector<Shown> shown;
    double zoom = 1.0;
};

class SkinnedButton;

// Lays out a dialog drawn on one page: the page, centred, over its "Ok"
// (the default button, which Escape presses too), under the header of the
// current design; the dialog keeps the size of its contents. Returns the
// "Ok".
SkinnedButton* LayOutPageDialog(QDialog& dialog, DialogPage& page, const DialogHeader& header,
                                Settings& settings);

} // namespace tavlira
