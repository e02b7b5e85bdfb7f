#include "ui/controls/SaluteBurst.h"

#include <QPainter>

namespace tavlira {

SaluteBurst* SaluteBurst::Play(const QImage& frames, QPoint centre) {
    if (frames.width() < FrameSize || frames.height() < FrameSize)
        return nullptr;
    auto* burst = new SaluteBurst(frames);
    burst->move(centre - QPoint(FrameSize / 2, FrameSize / 2));
    burst->show();
    return burst;
}

SaluteBurst::SaluteBurst(QImage frames)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                           Qt::WindowDoesNotAcceptFocus),
      strip(std::move(frames)) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(FrameSize, FrameSize);
    timer.setInterval(FrameMs);
    connect(&timer, &QTimer::timeout, this, &SaluteBurst::Next);
    timer.start();
}

void SaluteBurst::Next() {
    if (++frame >= FrameCount()) {
        timer.stop();
        close();
        return;
    }
    update();
}

void SaluteBurst::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), strip, QRect(frame * FrameSize, 0, FrameSize, FrameSize));
}

} // namespace tavlira
