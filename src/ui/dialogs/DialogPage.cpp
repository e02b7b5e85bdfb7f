#include "ui/dialogs/DialogPage.h"

#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogParts.h"

#include <QImageReader>
#include <QScreen>
#include <QVBoxLayout>
#include <cmath>

namespace tavlira {
namespace {

QString GifResource(const QString& name) {
    return QStringLiteral(":/GIF/") + name;
}

// Room the window manager takes around a dialog: its title bar and frame.
constexpr int WindowFrameHeight = 40;

} // namespace

QImage GifFrame(const QString& name, int frame) {
    QImageReader reader(GifResource(name));
    QImage image;
    for (int i = 0; i <= frame; ++i)
        if (!reader.read(&image))
            return {};
    return image;
}

DialogPage::DialogPage(QSize size, QImage backgroundPicture, Painter paint, QWidget* parent)
    : QWidget(parent), pageSize(size), background(std::move(backgroundPicture)),
      content(std::move(paint)) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void DialogPage::AddAnimation(const PageAnimation& animation) {
    animations.push_back(animation);
    Shown picture;
    if (animation.running) {
        picture.movie = new QMovie(GifResource(animation.name), QByteArray(), this);
        connect(picture.movie, &QMovie::frameChanged, this,
                [this, movie = picture.movie, lastFrame = animation.lastFrame](int frame) {
                    if (lastFrame && frame >= *lastFrame)
                        movie->setPaused(true);
                    update();
                });
        picture.movie->start();
    } else {
        picture.still = GifFrame(animation.name, animation.stillFrame);
    }
    shown.push_back(picture);
}

void DialogPage::FitDialogToScreen(const QWidget& dialog) {
    const QScreen* screen = dialog.screen();
    if (!screen)
        return;
    const int free = screen->availableGeometry().height() - WindowFrameHeight;
    const int excess = dialog.sizeHint().height() - free;
    if (excess <= 0)
        return;
    zoom = std::max(0.5, static_cast<double>(pageSize.height() - excess) / pageSize.height());
    updateGeometry();
}

QSize DialogPage::sizeHint() const {
    return QSize(static_cast<int>(std::ceil(pageSize.width() * zoom)),
                 static_cast<int>(std::ceil(pageSize.height() * zoom)));
}

void DialogPage::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(zoom, zoom);
    if (!background.isNull())
        painter.drawImage(QRect(QPoint(0, 0), pageSize), background);
    for (std::size_t i = 0; i < animations.size(); ++i) {
        const QImage frame = shown[i].movie ? shown[i].movie->currentImage() : shown[i].still;
        if (!frame.isNull())
            painter.drawImage(animations[i].place, frame);
    }
    content(painter);
}

SkinnedButton* LayOutPageDialog(QDialog& dialog, DialogPage& page, const DialogHeader& header,
                                Settings& settings) {
    SkinnedButton* ok = OkOnlyButton(dialog);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(&page, 0, Qt::AlignHCenter);
    layout->addLayout(ButtonRow({ok}));
    ApplyDialogDesign(dialog, *layout, header, settings);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return ok;
}

} // namespace tavlira
