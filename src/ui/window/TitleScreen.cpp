#include "ui/window/TitleScreen.h"

#include "i18n/words/Menu.h"
#include "ui/artwork/PictureSource.h"
#include "ui/common/ShownVersion.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/FittedFont.h"
#include "ui/table/TableScale.h"

#include <algorithm>
#include <array>

namespace tavlira {
namespace {

// A framed box: silver with a raised outer bevel and a sunken inner one.
void FramedBox(QPainter& painter, QRect box) {
    painter.fillRect(box, QColor(192, 192, 192));
    const auto bevel = [&](QRect r, const QColor& topLeft, const QColor& bottomRight) {
        for (int i = 0; i < 2; ++i) {
            const QRect edge = r.adjusted(i, i, -i, -i);
            painter.setPen(topLeft);
            painter.drawLine(edge.topLeft(), edge.topRight());
            painter.drawLine(edge.topLeft(), edge.bottomLeft());
            painter.setPen(bottomRight);
            painter.drawLine(edge.bottomLeft(), edge.bottomRight());
            painter.drawLine(edge.topRight(), edge.bottomRight());
        }
    };
    bevel(box, Qt::white, Qt::black);
    bevel(box.adjusted(5, 5, -5, -5), Qt::black, Qt::white);
}

// Texts stay inside the sunken bevel of the inner box, 230..530.
constexpr int InnerWidth = 284;

// Centres a line between x = 230 and x = 530 with its top at `y`; a line too
// long for the inner box is drawn smaller.
void CentredLine(QPainter& painter, const QString& text, int y, const QColor& colour) {
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPixelSize(24);
    painter.setFont(FittedFont(font, text, InnerWidth));
    painter.setPen(colour);
    const int width = painter.fontMetrics().horizontalAdvance(text);
    painter.drawText(230 + (300 - width) / 2, y + painter.fontMetrics().ascent(), text);
}

// The letters' font: bold Arial whose letter cells are at most 44 pixels
// tall, so that its letters fit the 26-pixel pitch of the title.
QFont TitleFont() {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    int size = 44;
    do
        font.setPixelSize(size--);
    while (size > 1 && QFontMetrics(font).height() > 44);
    return font;
}

// The title's letters, one colour each.
void ColouredTitle(QPainter& painter, const TitleAnimation& animation) {
    static const QFont font = TitleFont();
    const QString title = ScreenText(Text(words::TitleScreenTitle));
    const std::vector<int> lefts = TitleLetterPositions(title);
    painter.setFont(font);
    const int baseline = 175 + painter.fontMetrics().ascent();
    for (qsizetype i = 0; i < title.size(); ++i) {
        painter.setPen(animation.LetterColour(static_cast<int>(i)));
        painter.drawText(lefts[static_cast<std::size_t>(i)], baseline, QString(title[i]));
    }
}

// The path of the cards: corners of the rectangle they run round.
constexpr int PathLeft = 155, PathTop = 68, PathRight = 550, PathBottom = 362;
// The band of the title's letters, whose colours move.
constexpr QRect TitleRow(230, 160, 301, 75);

} // namespace

TitleAnimation::TitleAnimation()
    : colourSlots{QColor(128, 0, 0),   QColor(0, 0, 255), QColor(255, 255, 0),  QColor(0, 128, 0),
                  QColor(255, 0, 0),   QColor(0, 0, 128), QColor(255, 128, 64), QColor(0, 255, 255),
                  QColor(128, 0, 128), QColor(0, 255, 0)},
      cards{QPoint(PathLeft, PathTop), QPoint(PathRight, PathTop), QPoint(PathLeft, PathBottom),
            QPoint(PathRight, PathBottom)} {}

QRegion TitleAnimation::Tick() {
    QRegion changed;
    if (ticks == 10) {
        std::rotate(colourSlots.begin(), colourSlots.begin() + 1, colourSlots.end());
        colourPhase = (colourPhase + 1) % ColourSlots;
        ticks = 0;
        changed += TitleRow;
    }
    ++ticks;
    for (QPoint& card : cards) {
        changed += QRect(card, CardSize);
        if (card.y() == PathTop && card.x() < PathRight)
            card.rx() += 1;
        else if (card.x() == PathRight && card.y() < PathBottom)
            card.ry() += 1;
        else if (card.y() == PathBottom && card.x() > PathLeft)
            card.rx() -= 1;
        else
            card.ry() -= 1;
        changed += QRect(card, CardSize);
    }
    return changed;
}

QRegion TitleAnimation::Frame() {
    QRegion changed;
    for (int tick = 0; tick < TicksPerFrame; ++tick)
        changed += Tick();
    return changed;
}

// Letter 1 takes slot 9, letter 2 slot 8 ... letter 9 slot 1, letter 10
// slot 10; a longer title starts over.
QColor TitleAnimation::LetterColour(int index) const {
    const int letter = index % 10;
    return colourSlots[static_cast<std::size_t>(letter == 9 ? 9 : 8 - letter)];
}

namespace {

// How a letter moves the row: what it adds to the left edge of every later
// letter, to the start of the row, and to its own left edge.
struct LetterWidth {
    char16_t letter;
    int later;
    int start;
    int own;
};

// Wide letters push the rest to the right and the row's start to the left;
// narrow ones the other way, and stand a little to the right in their cell.
constexpr LetterWidth UnevenLetters[] = {
    {u'W', 8, -5, 0}, {u'M', 8, -5, 0},  {u'М', 8, -5, 0},  {u'Ж', 8, -5, 0},  {u'Ю', 8, -5, 0},
    {u'Q', 6, -4, 0}, {u'I', -12, 6, 3}, {u'Í', -12, 6, 3}, {u'-', -10, 6, 3},
};

constexpr int LetterPitch = 26, TitleCentre = 368;

} // namespace

std::vector<int> TitleLetterPositions(const QString& title) {
    const auto count = static_cast<int>(title.size());
    int start = TitleCentre - LetterPitch / 2 * (count - 1);
    int shift = 0; // what the letters so far add to the next one
    std::vector<int> lefts;
    for (int i = 0; i < count; ++i) {
        const auto uneven =
            std::find_if(std::begin(UnevenLetters), std::end(UnevenLetters),
                         [&](const LetterWidth& w) { return title[i] == QChar(w.letter); });
        const LetterWidth width =
            uneven == std::end(UnevenLetters) ? LetterWidth{0, 0, 0, 0} : *uneven;
        lefts.push_back(LetterPitch * i + shift + width.own);
        shift += width.later;
        start += width.start;
    }
    for (int& left : lefts)
        left += start;
    return lefts;
}

QTransform TitleTransform(QSize window, double scale) {
    QTransform transform;
    transform.translate((window.width() - BaseClientWidth * scale) / 2,
                        (window.height() - BaseClientHeight * scale) / 2);
    transform.scale(scale, scale);
    return transform;
}

QRegion WindowArea(const QRegion& parts, QSize window, double scale) {
    const QTransform toWindow = TitleTransform(window, scale);
    QRegion area;
    // A pixel more on each side covers what smoothing and rounding touch.
    for (const QRect& part : parts)
        area += toWindow.mapRect(QRectF(part)).toAlignedRect().adjusted(-1, -1, 1, 1);
    return area;
}

namespace {

void PaintStill(QPainter& painter, QSize window, double scale) {
    painter.fillRect(QRect(QPoint(0, 0), window), Qt::black);
    painter.save();
    painter.setTransform(TitleTransform(window, scale), true);
    painter.setRenderHint(QPainter::TextAntialiasing);
    FramedBox(painter, QRect(130, 50, 501, 401));
    FramedBox(painter, QRect(230, 150, 301, 201));
    CentredLine(painter, ScreenText(Text(words::TitleReleaseLine)), 240, QColor(255, 0, 0));
    CentredLine(painter, ScreenText(Text(words::TitleCreditLine)), 265, QColor(0, 0, 255));
    CentredLine(painter, QString::fromLatin1(ShownVersion), 315, QColor(0, 100, 100));
    // The logo on both sides of the version; without its picture the title
    // shows the rest.
    static const QImage logo = PictureSource::BuiltIn().Data("Logo");
    if (!logo.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (const QPoint at : {QPoint(250, 270), QPoint(445, 270)})
            painter.drawImage(QRect(at, QSize(64, 64)), logo);
    }
    painter.restore();
}

// Draws the letters of the title in their colours of now.
void PaintTitle(QPainter& painter, QSize window, double scale, const TitleAnimation& animation) {
    painter.save();
    painter.setTransform(TitleTransform(window, scale), true);
    painter.setRenderHint(QPainter::TextAntialiasing);
    ColouredTitle(painter, animation);
    painter.restore();
}

// Draws the cards that touch `area`, in window pixels. The cards are already
// as large as they are shown, so they are copied 1:1 instead of being
// resampled.
void PaintCards(QPainter& painter, const QRegion& area, QSize window, double scale,
                const TitleAnimation& animation,
                const std::array<QImage, TitleAnimation::CardCount>& cards) {
    const QTransform toWindow = TitleTransform(window, scale);
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const QPoint card = animation.Cards()[i];
        if (!cards[i].isNull() &&
            area.intersects(WindowArea(QRect(card, TitleAnimation::CardSize), window, scale)))
            painter.drawImage(toWindow.map(QPointF(card)).toPoint(), cards[i]);
    }
}

} // namespace

void PaintTitleScreen(QPainter& painter, QSize window, double scale,
                      const TitleAnimation& animation,
                      const std::array<QImage, TitleAnimation::CardCount>& cards) {
    PaintStill(painter, window, scale);
    PaintTitle(painter, window, scale, animation);
    PaintCards(painter, QRect(QPoint(0, 0), window), window, scale, animation, cards);
}

void TitleScreenPainter::Paint(QPainter& painter, const QRegion& area, QSize window, double scale,
                               const TitleAnimation& animation,
                               const std::array<QImage, TitleAnimation::CardCount>& cards) {
    const qreal pixelRatio = painter.device()->devicePixelRatioF();
    if (still.isNull() || still.deviceIndependentSize() != QSizeF(window) ||
        still.devicePixelRatio() != pixelRatio || stillScale != scale) {
        still = QImage(window * pixelRatio, QImage::Format_RGB32);
        still.setDevicePixelRatio(pixelRatio);
        QPainter stillPainter(&still);
        PaintStill(stillPainter, window, scale);
        stillScale = scale;
        titleArea =
            WindowArea(TitleRow, window, scale).boundingRect() & QRect(QPoint(0, 0), window);
        titles = {};
    }
    // Rectangle by rectangle, each clipped to itself alone: then the still
    // parts and the title are plain copies, and so are the cards. Under a
    // clip of several rectangles Qt's raster engine blends a picture line by
    // line and hands every 64 lines to a worker thread, and at the larger
    // window sizes the wake-ups of those threads cost more than the pixels.
    const auto copy = [&](QRect part, const QImage& from, QPoint origin) {
        painter.drawImage(part, from,
                          QRectF((part.topLeft() - origin) * pixelRatio, part.size() * pixelRatio));
    };
    painter.save();
    for (const QRect& part : area) {
        painter.setClipRect(part, Qt::ReplaceClip);
        copy(part, still, QPoint(0, 0));
        if (part.intersects(titleArea))
            copy(part & titleArea, Title(animation, window, scale), titleArea.topLeft());
        PaintCards(painter, part, window, scale, animation, cards);
    }
    painter.restore();
}

// Drawing the letters each time their colours move cost about a quarter of
// the idle title screen at the large window size (letters that large are
// drawn from their outlines), so the title row is drawn once for each of the
// ten ways its colours stand, over the still parts under it.
const QImage& TitleScreenPainter::Title(const TitleAnimation& animation, QSize window,
                                        double scale) {
    QImage& title = titles[static_cast<std::size_t>(animation.ColourPhase())];
    if (title.isNull()) {
        const qreal pixelRatio = still.devicePixelRatio();
        title = still.copy(QRect(titleArea.topLeft() * pixelRatio, titleArea.size() * pixelRatio));
        title.setDevicePixelRatio(pixelRatio);
        QPainter titlePainter(&title);
        titlePainter.translate(-titleArea.topLeft());
        PaintTitle(titlePainter, window, scale, animation);
    }
    return title;
}

} // namespace tavlira
