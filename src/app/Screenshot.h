#pragma once
// `tavlira-duo --screenshot SCREEN FILE.png`: one screen of the game drawn
// offscreen into a PNG picture, for the README and for tests of the whole
// program. The game runs in a temporary program folder holding sample
// records, which is removed at the end, so the player's own settings, record
// and history files are neither read nor written.

#include "i18n/WordTable.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace tavlira {

struct ScreenshotRequest {
    QString screen; // one of ScreenshotScreens()
    QString file;
    int windowSize = 1; // the setting's number, 1..5
    LanguageIndex language = LanguageIndex::English;
};

// The screens that can be taken.
QStringList ScreenshotScreens();

// The language of a two-letter code: en, ru, de, fr, es, zh, it, cs, ja, ko.
std::optional<LanguageIndex> LanguageOfCode(const QString& code);
QStringList LanguageCodeList();

// Shows the screen the request names in a window of its size and language,
// and writes it as a PNG file. False, after a message on standard error, when
// the screen is unknown or the game or the file fails.
bool TakeScreenshot(const ScreenshotRequest& request);

} // namespace tavlira
