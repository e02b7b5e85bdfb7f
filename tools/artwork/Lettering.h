#pragma once
// Lettering of the captions in every picture language, from the word tables.

#include "i18n/WordTable.h"

#include <QPainter>
#include <QRectF>
#include <QString>
#include <vector>

namespace tavlira {

// The languages that have pictures of their own (the others show the
// English ones), with the suffix of their picture names.
struct PictureLanguage {
    LanguageIndex language;
    QString suffix;
};
std::vector<PictureLanguage> PictureLanguages();

// A word-table text as it is lettered: the backquote of the tables is an
// apostrophe.
QString Lettered(const WordTable& table, LanguageIndex language);

// Red lettering for the captions the menu tints by swapping channels: a body
// close to pure red, lighter at the top, a dark red outline and a soft dark
// shadow; the text shrinks to fit `box`.
void DrawRedLettering(QPainter& painter, const QRectF& box, const QString& text);

// Gold lettering with a dark outline, for the captions laid over the red
// ribbons and the gray headers.
void DrawGoldLettering(QPainter& painter, const QRectF& box, const QString& text,
                       const QColor& outline);

} // namespace tavlira
