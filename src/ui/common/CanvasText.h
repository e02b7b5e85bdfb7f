#pragma once
// Text drawn on a canvas at a given top edge: centred between two x
// positions, right-aligned to an x position, or over its own shadow. The
// pictures of the dialogs and the menu place their texts this way, by the
// top of the line rather than by the baseline.

#include <QColor>
#include <QPainter>
#include <QString>

namespace tavlira {

enum class TextAlign { Left, Centre, Right };

// Draws `text` in the painter's font and pen with its top at `top`, aligned
// between `left` and `right` (Left uses only `left`, Right only `right`).
void DrawAligned(QPainter& painter, const QString& text, int left, int right, int top,
                 TextAlign align);
void DrawCentred(QPainter& painter, const QString& text, int left, int right, int top);
void DrawRightAligned(QPainter& painter, const QString& text, int right, int top);

// The colour with each channel halved: the shadow of a text in that colour.
QColor HalfIntensity(const QColor& colour);

// The text in `colour` over its shadow, which lies one pixel right and down.
void DrawWithShadow(QPainter& painter, const QString& text, const QColor& colour, int left,
                    int right, int top, TextAlign align);

} // namespace tavlira
