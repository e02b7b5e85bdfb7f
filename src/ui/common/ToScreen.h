#pragma once
// Values of the core made ready for the screen: lengths rounded to whole
// pixels, code page 1251 bytes and word-table texts as Qt strings, and the
// font a settings line names.

#include "records/Settings.h"

#include <QDate>
#include <QFont>
#include <QString>
#include <string_view>

namespace tavlira {

// Rounds half to even, as every scaled length of the window is rounded.
int Round(double x);

// Code page 1251 bytes (names, record fields) as screen text.
QString FromBytes(std::string_view bytes);

// A word-table text for the screen: UTF-8, and the LF CR line break of the
// tables as one line break.
QString ScreenText(std::string_view text);

// A date in the short form the history files and their list show:
// "31.12.2026".
QString ShortDate(const QDate& date);

// The face and size percentage the settings give a font line.
const FontChoice& FontOf(const Settings& settings, FontLine line);
// A font of the face the settings give `line`.
QFont FontFace(const Settings& settings, FontLine line);
// A length of text in `line`: `pixels` times the line's scale, at least 1.
int FontSize(const Settings& settings, FontLine line, double pixels);
// The face of `line` at FontSize(`pixels`).
QFont SizedFont(const Settings& settings, FontLine line, double pixels, bool bold = false);

} // namespace tavlira
