#include "online/Answer.h"

#include "util/Cp1251.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace tavlira::online {

std::string AnswerFromWire(std::string_view utf8) {
    return Utf8ToCp1251(utf8);
}

std::string AnswerToWire(std::string_view cp1251) {
    return Cp1251ToUtf8(cp1251);
}

bool HasMarker(std::string_view answer, std::string_view marker) {
    return answer.find(marker) != std::string_view::npos;
}

std::optional<std::string_view> FirstRecord(std::string_view answer, char terminator) {
    const std::size_t start = answer.find('$');
    if (start == std::string_view::npos)
        return std::nullopt;
    const std::string_view rest = answer.substr(start + 1);
    return rest.substr(0, rest.find(terminator));
}

std::vector<std::string_view> ListRecords(std::string_view answer, std::size_t limit) {
    std::vector<std::string_view> records;
    std::size_t start = answer.find('$');
    while (start != std::string_view::npos && records.size() < limit) {
        const std::string_view rest = answer.substr(start + 1);
        records.push_back(rest.substr(0, rest.find_first_of("*$")));
        start = answer.find('$', start + 1);
    }
    return records;
}

Values::Values(std::string_view record, char separator) {
    std::size_t start = 0;
    while (true) {
        const std::size_t end = record.find(separator, start);
        values_.push_back(record.substr(start, end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
}

std::optional<std::string_view> Values::At(std::size_t n) const {
    if (n == 0 || n > values_.size())
        return std::nullopt;
    return values_[n - 1];
}

RecordReader& RecordReader::Text(std::size_t n, std::string& field) {
    if (const auto value = values_.At(n))
        field = *value;
    return *this;
}

RecordReader& RecordReader::FirstChar(std::size_t n, char& field) {
    if (const auto value = values_.At(n); value && !value->empty())
        field = value->front();
    return *this;
}

RecordReader& RecordReader::Integer(std::size_t n, int& field) {
    if (const auto value = values_.At(n)) {
        const auto number = ParseInteger(*value);
        if (number)
            field = static_cast<int>(*number);
        else
            ok_ = false;
    }
    return *this;
}

RecordReader& RecordReader::Fraction(std::size_t n, double& field) {
    if (const auto value = values_.At(n)) {
        const auto number = ParseFraction(*value);
        if (number)
            field = *number;
        else
            ok_ = false;
    }
    return *this;
}

std::optional<std::int64_t> ParseInteger(std::string_view text) {
    std::int64_t number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || error != std::errc{} || stop != end)
        return std::nullopt;
    if (number < INT32_MIN || number > INT32_MAX)
        return std::nullopt;
    return number;
}

std::optional<double> ParseFraction(std::string_view text) {
    std::string plain(text);
    for (char& c : plain) {
        if ((c < '0' || c > '9') && c != '-' && c != ' ') {
            c = '.';
            break;
        }
    }
    // A lone separator with no digit on either side is no number.
    if (plain.find_first_of("0123456789") == std::string::npos)
        return std::nullopt;
    double number = 0;
    const char* end = plain.data() + plain.size();
    const auto [stop, error] = std::from_chars(plain.data(), end, number);
    if (error != std::errc{} || stop != end || !std::isfinite(number))
        return std::nullopt;
    return number;
}

std::int64_t TrailingNumber(std::string_view answer) {
    const std::size_t last = answer.rfind('$');
    if (last == std::string_view::npos)
        return -1;
    std::string_view digits = answer.substr(last + 1);
    std::size_t count = 0;
    while (count < digits.size() && count < 9 && digits[count] >= '0' && digits[count] <= '9')
        ++count;
    if (count == 0)
        return -1;
    return *ParseInteger(digits.substr(0, count));
}

std::string FormatFraction(double value) {
    if (!std::isfinite(value) || std::fabs(value) < 0.00001)
        return "0";
    // Room for every finite double in fixed notation (the largest has 309
    // digits before the point); a shorter buffer would cut the number.
    char text[DBL_MAX_10_EXP + 20];
    std::snprintf(text, sizeof text, "%.6f", value);
    std::string out(text);
    while (out.back() == '0')
        out.pop_back();
    if (out.back() == '.')
        out.pop_back();
    return out == "-0" ? "0" : out;
}

bool ReadRefused(std::string_view answer) {
    const std::size_t record = answer.find('$');
    return record == std::string_view::npos || HasMarker(answer.substr(0, record), FailAnswer);
}

std::string NumberAnswer(std::int64_t number) {
    return "$" + std::to_string(number);
}

std::string AnswerText(std::string_view text) {
    if (text.empty())
        return "#";
    std::string out(text);
    for (char& c : out) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= ' ' || u == 0x7F || c == '$' || c == '*' || c == '~')
            c = '_';
    }
    return out;
}

RecordWriter& RecordWriter::Text(std::string_view text) {
    if (!values_.empty())
        values_ += ' ';
    values_ += AnswerText(text);
    return *this;
}

RecordWriter& RecordWriter::Number(std::int64_t number) {
    return Text(std::to_string(number));
}

RecordWriter& RecordWriter::Fraction(double number) {
    return Text(FormatFraction(number));
}

std::string RecordWriter::Record(char terminator) const {
    std::string record = "$" + values_;
    if (terminator != '\0')
        record += terminator;
    return record;
}

} // namespace tavlira::online
