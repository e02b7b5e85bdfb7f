#include "util/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tavlira {
namespace {

// Writes round(number * 10^decimals) with a comma before the last `decimals`
// digits. Negative zero after rounding is written as zero.
std::string FormatScaled(double number, int decimals) {
    // The files never hold such numbers; the clamp keeps the conversion below
    // defined for a damaged value.
    if (!std::isfinite(number))
        number = 0.0;
    number = std::clamp(number, -1e9, 1e9);
    const double scale = std::pow(10.0, decimals);
    const long long scaled = static_cast<long long>(RoundHalfEven(number * scale));
    const unsigned long long magnitude = static_cast<unsigned long long>(std::llabs(scaled));
    std::string digits = std::to_string(magnitude);
    if (digits.size() <= static_cast<size_t>(decimals))
        digits.insert(0, static_cast<size_t>(decimals) + 1 - digits.size(), '0');
    digits.insert(digits.size() - static_cast<size_t>(decimals), 1, ',');
    return scaled < 0 ? "-" + digits : digits;
}

std::string PadText(std::string text, int width, char fill) {
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<size_t>(width) - text.size(), fill);
    return text;
}

} // namespace

double RoundHalfEven(double x) {
    // std::nearbyint honours the current rounding mode, which is
    // round-to-nearest-even unless someone changed it; do it explicitly.
    double floor = std::floor(x);
    double diff = x - floor;
    if (diff > 0.5)
        return floor + 1.0;
    if (diff < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

double ParseDecimal(std::string_view text, double fallback) {
    std::string normalized(text);
    for (char& c : normalized) {
        if (c != ' ' && c != '-' && (c < '0' || c > '9')) {
            c = '.';
            break;
        }
    }
    size_t first = normalized.find_first_not_of(' ');
    size_t last = normalized.find_last_not_of(' ');
    if (first == std::string::npos)
        return fallback;
    const char* begin = normalized.data() + first;
    const char* end = normalized.data() + last + 1;
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(begin, end, value, std::chars_format::fixed);
    if (ec != std::errc() || ptr != end || !std::isfinite(value))
        return fallback;
    return value;
}

std::string PadLeft(long long number, int width, char fill) {
    if (number >= 0 || fill != '0')
        return PadText(std::to_string(number), width, fill);
    // The zeros go between the sign and the digits. The magnitude is taken
    // unsigned: the most negative number has no positive counterpart.
    const unsigned long long magnitude = 0ULL - static_cast<unsigned long long>(number);
    std::string text(1, '-');
    text += PadText(std::to_string(magnitude), width - 1, '0');
    return text;
}

std::string FormatFixed2(int width, double number) {
    return PadText(FormatScaled(number, 2), width, ' ');
}

std::string FormatRating(double number) {
    return PadText(FormatScaled(number, 6), 10, ' ');
}

} // namespace tavlira
