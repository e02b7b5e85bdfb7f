#include "records/TextLines.h"

#include <charconv>

namespace tavlira {

std::vector<std::string> SplitLines(std::string_view text, std::size_t maxLines) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size() && lines.size() < maxLines) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string_view Chars(std::string_view line, std::size_t first, std::size_t last) {
    if (first < 1 || first > line.size() || last < first)
        return {};
    return line.substr(first - 1, last - first + 1);
}

std::string PadRight(std::string_view text, std::size_t width) {
    std::string padded(text.substr(0, width));
    padded.resize(width, ' ');
    return padded;
}

std::string AlignRight(std::string_view text, std::size_t width) {
    text = text.substr(0, width);
    return std::string(width - text.size(), ' ') + std::string(text);
}

std::string Printable(std::string_view text) {
    std::string clean(text);
    for (char& c : clean)
        if (static_cast<unsigned char>(c) < 32)
            c = ' ';
    return clean;
}

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

long long ParseInteger(std::string_view text, long long fallback) {
    text = Trim(text);
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return fallback;
    return value;
}

void ByteSums::Add(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const long long value = static_cast<unsigned char>(bytes[i]);
        const std::size_t position = i + 1;
        all += value;
        if (position % 2 == 0)
            even += value;
        if (position % 3 == 0)
            third += value;
    }
}

} // namespace tavlira
