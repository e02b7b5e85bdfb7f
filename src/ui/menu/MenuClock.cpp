#include "ui/menu/MenuClock.h"

namespace tavlira {

ClockFace ClockFaceAt(int hour, int minute, int millisecond) {
    constexpr int top = 15;
    const auto digit = [](int value) { return static_cast<char>('0' + value); };
    ClockFace face;
    if (hour / 10 != 0)
        face.digits.push_back({digit(hour / 10), {14, top}});
    face.digits.push_back({digit(hour % 10), {34, top}});
    face.digits.push_back({digit(minute / 10), {61, top}});
    face.digits.push_back({digit(minute % 10), {81, top}});
    face.colon = millisecond > 500;
    return face;
}

} // namespace tavlira
