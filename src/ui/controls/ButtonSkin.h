#pragma once
// The colours of the skinned button. All button artwork is drawn in red; the
// eight skins are made from it by swapping and mixing colour channels, and a
// lightening factor moves a skin towards white.

#include <QColor>
#include <QImage>
#include <vector>

namespace tavlira {

enum class TColorSB { QRed, QGreen, QBlue, QNavy, QYellow, QViolet, QOrang, QCards };
inline constexpr int SkinCount = 8;

// The three standard heights of a button: 30, 45 and 60 pixels.
enum class THeightSB { Q30, Q45, Q60 };
int StandardHeight(THeightSB height);

// The pieces and gradient a height is drawn with. Heights up to 30 use the
// small pieces, 31..45 the middle ones and anything taller the large ones.
struct PieceClass {
    int index;    // 0, 1, 2: the piece set and gradient table
    int base;     // the standard height of the class: 30, 45 or 60
    int capWidth; // width of the left and right caps: 8, 13 or 17
    int rows;     // height of the pieces and of the gradient: 29, 44 or 59
};
PieceClass PieceClassFor(int height);

// How pieces are recoloured: the skin, the lightening in percent (0..100),
// and whether the alternative piece set is in use. In the alternative set
// only the pixels close to pure red take the `QCards` skin and the
// lightening, so its decorations keep their own colours.
struct SkinTone {
    TColorSB skin = TColorSB::QRed;
    int lighten = 0;
    bool alternativeSet = false;

    bool IsIdentity() const { return skin == TColorSB::QRed && lighten == 0; }
};

QRgb Recolour(QRgb pixel, SkinTone tone);
QImage Recolour(const QImage& piece, SkinTone tone);

// The face of a disabled button, alike in every skin: gray, darker and with
// little contrast, so that it is told apart from an enabled one at a glance.
QImage Muted(const QImage& face);

// Colour of row `row` of the middle gradient of a piece class, still red.
QRgb GradientRow(int classIndex, int row);

// The focus outline of the normal piece set and the focus dots of the
// alternative set.
QColor OutlineColour(TColorSB skin);
QColor DotColour(TColorSB skin);

} // namespace tavlira
