#pragma once
// Number parsing and fixed-width formatting for the text files (record files,
// history, settings). Decimals are written with a comma; rounding is
// round-half-to-even throughout.

#include <string>
#include <string_view>

namespace tavlira {

// Round half to even, the rounding of every "round" in the files.
double RoundHalfEven(double x);

// Lenient decimal parsing: surrounding blanks are ignored and the first
// character that is neither a blank, '-' nor a digit is read as the decimal
// separator, so "  2,82" and "2.82" both give 2.82. An empty or unreadable
// text gives `fallback`.
double ParseDecimal(std::string_view text, double fallback);

// `number` in decimal, padded on the left with `fill` to `width` characters
// (blanks for record fields, '0' for checksums). A wider number is not cut.
std::string PadLeft(long long number, int width, char fill);

// `number` rounded to hundredths with a comma ("0,00", "0,05", "-0,50"),
// padded on the left with blanks to `width`.
std::string FormatFixed2(int width, double number);

// `number` rounded to six decimals with a comma, right-aligned in 10
// characters ("  0,000000").
std::string FormatRating(double number);

} // namespace tavlira
