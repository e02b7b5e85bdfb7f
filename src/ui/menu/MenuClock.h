#pragma once
// The menu's clock: which digit pictures stand where on its 115 x 64 face for
// a given time, and when the colon between hours and minutes shows.

#include <QPoint>
#include <vector>

namespace tavlira {

// One character of the clock or the statistics board: '0'..'9' or '-', with
// the top-left corner of its 18 x 40 picture on the face.
struct FaceGlyph {
    char glyph = '0';
    QPoint at;
    bool operator==(const FaceGlyph&) const = default;
};

struct ClockFace {
    std::vector<FaceGlyph> digits;
    bool colon = false; // the colon picture at ClockColonAt
    bool operator==(const ClockFace&) const = default;
};

inline constexpr QPoint ClockColonAt(55, 24);

// Hours without a leading zero; the colon shows in the second half of each
// second, so it blinks once a second.
ClockFace ClockFaceAt(int hour, int minute, int millisecond);

} // namespace tavlira
