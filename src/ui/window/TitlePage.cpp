#include "ui/window/TitlePage.h"

#include "game/Card.h"

#include <QContextMenuEvent>
#include <QPainter>

namespace tavlira {

TitlePage::TitlePage(const PictureStore& store, const TableScale& tableScale, QWidget* parent)
    : QWidget(parent), pictures(store), scale(tableScale) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    timer.setInterval(TitleAnimation::FrameMs);
    connect(&timer, &QTimer::timeout, this, &TitlePage::Tick);
}

// The four aces of the chosen deck run round the title, resized once to
// their size on the screen and in the format the window paints fastest, so
// that no frame resamples or converts them.
void TitlePage::Start() {
    const char suits[] = {suit::Hearts, suit::Spades, suit::Diamonds, suit::Clubs};
    const QSize shown = (QSizeF(TitleAnimation::CardSize) * scale.Scale()).toSize();
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const std::string ace{rank::Ace, suits[i]};
        QImage face = pictures.FaceBitmap(ace);
        if (face.isNull())
            face = pictures.FacePicture(ace);
        cards[i] = face.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    // The lines of text may be in another language now.
    screen.Forget();
    timer.start();
}

void TitlePage::Stop() {
    timer.stop();
}

// Only what the frame changed is painted again.
void TitlePage::Tick() {
    update(WindowArea(animation.Frame(), size(), scale.Scale()));
}

void TitlePage::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    screen.Paint(painter, event->region(), size(), scale.Scale(), animation, cards);
}

void TitlePage::mouseReleaseEvent(QMouseEvent* /*event*/) {
    emit Left();
}

// The title has no pop-up menu.
void TitlePage::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
}

} // namespace tavlira
