#pragma once
// Faces in an artwork pack are stored with the pixels inside a fixed ellipse
// inverted (bitwise NOT of the colour, alpha kept); the loader inverts them
// back. The same call does both, since inverting twice restores a picture.
// Built-in faces are stored as they are shown and never pass through here.

#include <QImage>
#include <QRect>

namespace tavlira {

// The ellipse's bounding box, right and bottom edges exclusive: (10, 10)-(84,
// 59) for a small face, (10, 10)-(188, 136) for a wide deck's larger picture
// and (10, 10)-(188, 116) for a narrow deck's. Parts of the box outside the
// picture are simply not there.
QRect FaceEllipseBox(bool smallFace, bool wideDeck);

// Inverts the colour of every pixel whose centre lies inside the filled
// ellipse of `box`. The picture is converted to 32-bit straight RGB or ARGB first if need be.
void InvertEllipse(QImage& picture, const QRect& box);

} // namespace tavlira
