#pragma once
// The program's text files are code page 1251 lines ended by CR LF. Readers
// also accept a bare LF or CR as a line end, so a file that passed through an
// editor still reads.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavlira {

// At most `maxLines` lines (the rest of the file is ignored); a last line
// without a line end counts, an empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text, std::size_t maxLines);

// Every line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// Characters `first`..`last` (counted from 1) of `line`, or fewer when the
// line is shorter.
std::string_view Chars(std::string_view line, std::size_t first, std::size_t last);

// `text` cut or padded with blanks on the right to `width`.
std::string PadRight(std::string_view text, std::size_t width);

// `text` cut to its first `width` characters, padded with blanks on the left
// to `width`.
std::string AlignRight(std::string_view text, std::size_t width);

// `text` with every control character (CR, LF, ...) turned into a blank, so
// that a name cannot break the line structure of a file.
std::string Printable(std::string_view text);

// `text` without blanks at either end.
std::string_view Trim(std::string_view text);

// A whole decimal integer (blanks around it allowed), or `fallback`.
long long ParseInteger(std::string_view text, long long fallback);

// The three checksums of the record and history files, over byte values with
// positions counted from 1: all bytes, bytes at even positions, bytes at
// positions divisible by 3.
struct ByteSums {
    long long all = 0;
    long long even = 0;
    long long third = 0;

    void Add(std::string_view bytes);
    ByteSums& operator+=(const ByteSums& other) {
        all += other.all;
        even += other.even;
        third += other.third;
        return *this;
    }
    friend bool operator==(const ByteSums&, const ByteSums&) = default;
};

} // namespace tavlira
