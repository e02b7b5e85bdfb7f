#include "app/WindowLook.h"

#include "ui/controls/Cursors.h"
#include "ui/controls/SaluteBurst.h"
#include "ui/controls/SkinnedButton.h"

#include <QApplication>
#include <QMouseEvent>

namespace tavlira {

WindowLook::WindowLook(const Settings& playerSettings, std::function<QImage()> burstFrames,
                       QObject* parent)
    : QObject(parent), settings(playerSettings), burst(std::move(burstFrames)) {
    qApp->installEventFilter(this);
}

void WindowLook::Refresh() {
    Cursors::Instance().SetOwn(settings.OwnCursor);
    for (QWidget* window : QApplication::topLevelWidgets())
        Dress(*window);
}

void WindowLook::Dress(QWidget& window) const {
    for (SkinnedButton* button : window.findChildren<SkinnedButton*>())
        button->SetPlenk(settings.NewButtons);
    Cursors::Instance().Dress(window);
}

void WindowLook::Salute(bool on, QPoint centre) const {
    if (on && burst)
        SaluteBurst::Play(burst(), centre);
}

bool WindowLook::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->isWindow() && !qobject_cast<SaluteBurst*>(widget))
            Dress(*widget);
    } else if (event->type() == QEvent::MouseButtonRelease) {
        auto* button = qobject_cast<SkinnedButton*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (button && button->isEnabled() && mouse->button() == Qt::LeftButton &&
            button->rect().contains(mouse->position().toPoint()))
            Salute(settings.SaluteButtons, mouse->globalPosition().toPoint());
    }
    return false;
}

} // namespace tavlira
