#include "Lettering.h"

#include "Canvas.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>

namespace tavlira {

std::vector<PictureLanguage> PictureLanguages() {
    std::vector<PictureLanguage> languages;
    for (size_t i = 0; i < LanguageCount; ++i) {
        const QString suffix = QString::fromUtf8(LanguageSuffix[i].data(),
                                                 static_cast<qsizetype>(LanguageSuffix[i].size()));
        const bool taken =
            std::any_of(languages.begin(), languages.end(),
                        [&](const PictureLanguage& l) { return l.suffix == suffix; });
        if (!taken)
            languages.push_back({static_cast<LanguageIndex>(i), suffix});
    }
    return languages;
}

QString Lettered(const WordTable& table, LanguageIndex language) {
    const std::string_view text = table[language];
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
        .replace('`', QChar(0x2019));
}

namespace {

// A line of lettering shorter than this share of its box's height is split
// in two at a blank instead.
constexpr double kSmallestShare = 0.66;

// The caption's outline fitted into `box`, on one line or, when one line
// would have to shrink too far, on two lines split at the blank nearest the
// middle; with the height of one line.
std::pair<QPainterPath, double> FittedCaption(const QString& text, const QRectF& box) {
    const QFont font = CaptionFont(text, qRound(box.height() * 0.9));
    QPainterPath line;
    line.addText(0, 0, font, text);
    const QRectF ink = line.boundingRect();
    const double scale = std::min(box.width() / ink.width(), box.height() / ink.height());
    int split = -1;
    for (int i = 0; i < text.size(); ++i)
        if (text[i] == ' ' &&
            (split < 0 || std::abs(i - text.size() / 2) < std::abs(split - text.size() / 2)))
            split = i;
    if (scale >= kSmallestShare || split < 0) {
        const QPainterPath fitted = FitInBox(line, box);
        return {fitted, fitted.boundingRect().height()};
    }
    const QFont half = CaptionFont(text, qRound(box.height() * 0.45));
    const QFontMetricsF metrics(half);
    QPainterPath lines;
    const QString parts[] = {text.left(split), text.mid(split + 1)};
    for (int row = 0; row < 2; ++row)
        lines.addText(-metrics.horizontalAdvance(parts[row]) / 2, row * metrics.height() * 0.95,
                      half, parts[row]);
    const QPainterPath fitted = FitInBox(lines, box);
    return {fitted, fitted.boundingRect().height() / 2};
}

void DrawLettering(QPainter& painter, const QRectF& box, const QString& text, const QColor& top,
                   const QColor& bottom, const QColor& outline) {
    // Room for the outline and the shadow inside the box.
    const auto [path, lineHeight] = FittedCaption(text, box.adjusted(2, 2, -4, -4));
    const double outlineWidth = std::clamp(lineHeight / 16, 1.0, 4.0);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(
        QPen(QColor(0, 0, 0, 90), outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawPath(path.translated(1.5, 2));
    const QRectF ink = path.boundingRect();
    QLinearGradient body(ink.topLeft(), ink.bottomLeft());
    body.setColorAt(0, top);
    body.setColorAt(1, bottom);
    painter.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(body);
    painter.drawPath(path);
    painter.restore();
}

} // namespace

void DrawRedLettering(QPainter& painter, const QRectF& box, const QString& text) {
    DrawLettering(painter, box, text, QColor(255, 92, 72), QColor(196, 0, 0), QColor(92, 0, 0));
}

void DrawGoldLettering(QPainter& painter, const QRectF& box, const QString& text,
                       const QColor& outline) {
    DrawLettering(painter, box, text, QColor(255, 244, 170), QColor(214, 150, 30), outline);
}

} // namespace tavlira
