#pragma once
// The pictures a skinned button is built from: for each of the three height
// classes a left cap, a right cap and a 2-pixel-wide middle, in a normal and
// an alternative set, all drawn in red.

#include <QImage>
#include <array>
#include <memory>

namespace tavlira {

struct ButtonPieces {
    QImage left;
    QImage right;
    QImage middle;
};

struct ButtonPieceSet {
    // Indexed by the height class: caps of 29, 44 and 59 rows.
    std::array<ButtonPieces, 3> normal;
    std::array<ButtonPieces, 3> alternative;

    const ButtonPieces& Pieces(int classIndex, bool alternativeSet) const {
        return (alternativeSet ? alternative : normal).at(classIndex);
    }
};

// The program's own pieces, read once from the built-in resources
// (":/RCDATA/R29_L" .. ":/RCDATA/Q59_2"). A missing picture stays null and
// the button is then drawn without it.
std::shared_ptr<const ButtonPieceSet> BuiltInButtonPieces();

} // namespace tavlira
