#pragma once
// Texts on the screen come from word tables in ten languages, and a caption
// laid out for one language can be twice as wide in another. Instead of
// running over the edge of its button, frame or box, such a text is drawn in
// a smaller size of the same font.

#include <QFont>
#include <QString>

namespace tavlira {

// `font`, or the largest smaller size of it (down to 1 pixel or point) in
// which `text` is at most `width` pixels wide. `flags` are those of
// QFontMetrics::size, e.g. Qt::TextShowMnemonic.
QFont FittedFont(QFont font, const QString& text, int width, int flags = Qt::TextSingleLine);

} // namespace tavlira
