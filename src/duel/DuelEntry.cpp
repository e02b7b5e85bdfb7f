#include "duel/DuelEntry.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace tavlira {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool MayBeAddressText(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return IsDigit(c) || c == '.'; });
}

bool MayBePortText(std::string_view text) {
    return std::all_of(text.begin(), text.end(), IsDigit);
}

bool IsAddress(std::string_view text) {
    int groups = 0;
    for (std::size_t start = 0;; ++groups) {
        const std::size_t dot = text.find('.', start);
        const std::size_t length = (dot == std::string_view::npos ? text.size() : dot) - start;
        if (length < 1 || length > 3)
            return false;
        if (dot == std::string_view::npos)
            return groups == 3;
        start = dot + 1;
    }
}

std::optional<std::uint16_t> PortOf(std::string_view text) {
    if (text.empty() || !MayBePortText(text))
        return std::nullopt;
    constexpr unsigned highest = std::numeric_limits<std::uint16_t>::max();
    unsigned port = 0;
    for (const char c : text)
        port = std::min(highest, port * 10 + static_cast<unsigned>(c - '0'));
    return static_cast<std::uint16_t>(port);
}

bool RevealKeys::Type(char key) {
    typed_ += key;
    // Read as a number: digits only, leading zeros allowed.
    const std::size_t first = typed_.find_first_not_of('0');
    const bool reads = MayBePortText(typed_) && first != std::string::npos &&
                       std::string_view(typed_).substr(first) == "86271";
    if (reads)
        typed_.clear();
    return reads;
}

void ChatLines::Add(ChatEntry entry) {
    if (used_ == Lines) {
        std::move(lines_.begin() + 1, lines_.end(), lines_.begin());
        --used_;
    }
    lines_[used_++] = std::move(entry);
}

} // namespace tavlira
