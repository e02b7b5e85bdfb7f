#pragma once
// The plain title screen: two framed boxes on black with the game's title in
// coloured letters, the release and author lines and the version. It is
// designed for 760 x 500 and drawn scaled and centred in larger windows.

#include <QPainter>
#include <QSize>

namespace tavlira {

void PaintTitleScreen(QPainter& painter, QSize window, double scale);

} // namespace tavlira
