#include "ui/table/TableScale.h"

#include "ui/common/ToScreen.h"

#include <algorithm>

namespace tavlira {

TableScale::TableScale(double sx, double sy, QSize clientSize)
    : scaleX(sx), scaleY(sy), scale(std::min(sx, sy)), client(clientSize) {}

TableScale TableScale::ForClient(QSize clientSize) {
    return TableScale(double(clientSize.width()) / BaseClientWidth,
                      double(clientSize.height()) / BaseClientHeight, clientSize);
}

TableScale TableScale::ForMode(WindowSizeMode mode, QSize fullScreenClient) {
    // The fixed sizes are rounded to tens, so they are not exactly 760 x 500
    // times their factor.
    switch (mode) {
    case WindowSizeMode::FullScreen:
        return ForClient(fullScreenClient);
    case WindowSizeMode::Medium1:
        return TableScale(1.3, 1.3, QSize(990, 650));
    case WindowSizeMode::Medium2:
        return TableScale(1.7, 1.7, QSize(1290, 850));
    case WindowSizeMode::Large:
        return TableScale(2.0, 2.0, QSize(1520, 1000));
    case WindowSizeMode::Small:
        break;
    }
    // Small, and any value a damaged settings file may hold.
    return TableScale(1.0, 1.0, QSize(BaseClientWidth, BaseClientHeight));
}

int TableScale::S(double n) const {
    return Round(n * scale);
}

int TableScale::X(int x, int w) const {
    return Round(scaleX * x) + Round((scaleX - scale) * w / 2);
}

int TableScale::Y(int y, int h) const {
    return Round(scaleY * y) + Round((scaleY - scale) * h / 2);
}

QRect TableScale::Place(QRect base) const {
    return QRect(X(base.x(), base.width()), Y(base.y(), base.height()), S(base.width()),
                 S(base.height()));
}

QPoint CentreOnScreen(QSize screen, QSize window) {
    return QPoint(Round((screen.width() - window.width()) / 2.0),
                  Round((screen.height() - window.height()) / 2.0));
}

} // namespace tavlira
