// The moving parts of the title screen.

#include "ui/window/TitleScreen.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

void Ticks(TitleAnimation& animation, int count) {
    for (int i = 0; i < count; ++i)
        animation.Tick();
}

TEST(TitleAnimation, TheColoursMoveOneLetterToTheRightEveryTenTicks) {
    TitleAnimation animation;
    // Letter 1 starts purple, letter 2 aqua, letter 10 lime; an eleventh
    // letter repeats the first.
    EXPECT_EQ(animation.LetterColour(0), QColor(128, 0, 128));
    EXPECT_EQ(animation.LetterColour(1), QColor(0, 255, 255));
    EXPECT_EQ(animation.LetterColour(9), QColor(0, 255, 0));
    EXPECT_EQ(animation.LetterColour(10), animation.LetterColour(0));
    std::array<QColor, 10> start;
    for (int i = 0; i < 10; ++i)
        start[static_cast<std::size_t>(i)] = animation.LetterColour(i);

    Ticks(animation, 10);
    EXPECT_EQ(animation.LetterColour(0), start[0]) << "ten ticks show the first colours";
    animation.Tick();
    for (int i = 1; i < 9; ++i)
        EXPECT_EQ(animation.LetterColour(i), start[static_cast<std::size_t>(i - 1)]) << i;
    Ticks(animation, 9);
    EXPECT_EQ(animation.LetterColour(2), start[1]);
    animation.Tick();
    EXPECT_EQ(animation.LetterColour(3), start[1]);
}

TEST(TitleAnimation, TheCardsRunClockwiseRoundTheBoxAndKeepTheirDistance) {
    TitleAnimation animation;
    using Cards = std::array<QPoint, TitleAnimation::CardCount>;
    const Cards corners{QPoint(155, 68), QPoint(550, 68), QPoint(155, 362), QPoint(550, 362)};
    EXPECT_EQ(animation.Cards(), corners);
    animation.Tick();
    // Top edge right, right edge down, bottom edge left, left edge up.
    EXPECT_EQ(animation.Cards(),
              (Cards{QPoint(156, 68), QPoint(550, 69), QPoint(155, 361), QPoint(549, 362)}));
    // The right edge is 294 pixels long, the top one 395.
    Ticks(animation, 293);
    EXPECT_EQ(animation.Cards()[1], QPoint(550, 362));
    Ticks(animation, 101);
    EXPECT_EQ(animation.Cards()[0], QPoint(550, 68));
    // A whole lap brings every card back to its corner.
    Ticks(animation, 2 * (395 + 294) - 395);
    EXPECT_EQ(animation.Cards(), corners);
}

TEST(TitleLetterPositions, LettersStand26ApartCentredOn368WithTheWideAndNarrowOnesCorrected) {
    const struct {
        const char* title;
        std::vector<int> lefts;
    } cases[] = {
        {"A", {368}},
        {"ABCDEFGHJK", {251, 277, 303, 329, 355, 381, 407, 433, 459, 485}},
        // The row starts at 368 - 39 - 5 + 6 + 6; "W" pushes the later
        // letters 8 to the right, "I" 12 and "-" 10 to the left, and both
        // narrow letters stand 3 to the right in their own cell.
        {"WI-A", {336, 373, 387, 400}},
        // "Q" adds 6 after it, and a Cyrillic wide letter counts as "W".
        {"QAЖB", {320, 352, 378, 412}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TitleLetterPositions(QString::fromUtf8(c.title)), c.lefts) << c.title;
}

// Cards with a pattern, so that a card drawn in a wrong place or half
// painted over shows.
std::array<QImage, TitleAnimation::CardCount> PatternCards(double scale) {
    std::array<QImage, TitleAnimation::CardCount> cards;
    const QSize size = (QSizeF(TitleAnimation::CardSize) * scale).toSize();
    for (std::size_t i = 0; i < cards.size(); ++i) {
        cards[i] = QImage(size, QImage::Format_ARGB32_Premultiplied);
        cards[i].fill(QColor::fromHsv(static_cast<int>(i) * 80, 200, 230));
        QPainter painter(&cards[i]);
        painter.setPen(Qt::black);
        for (int x = 0; x < size.width(); x += 7)
            painter.drawLine(x, 0, size.width() - x, size.height());
    }
    return cards;
}

QImage Fresh(QSize window, double scale, const TitleAnimation& animation,
             const std::array<QImage, TitleAnimation::CardCount>& cards) {
    QImage picture(window, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&picture);
    PaintTitleScreen(painter, window, scale, animation, cards);
    return picture;
}

TEST(TitleScreenPainter, RepaintingOnlyWhatEachFrameChangedShowsTheWholePictureOfThatPhase) {
    struct Case {
        QSize window;
        double scale;
    };
    // The small and large windows, and a scale that puts edges between pixels.
    const Case cases[] = {{{760, 500}, 1.0}, {{1520, 1000}, 2.0}, {{1100, 700}, 1.3}};
    for (const Case& c : cases) {
        const auto cards = PatternCards(c.scale);
        TitleAnimation animation;
        TitleScreenPainter screen;
        QImage shown(c.window, QImage::Format_ARGB32_Premultiplied);
        {
            QPainter painter(&shown);
            screen.Paint(painter, shown.rect(), c.window, c.scale, animation, cards);
        }
        EXPECT_EQ(shown, Fresh(c.window, c.scale, animation, cards)) << c.scale;
        int frame = 0;
        // Frames past the colours' moves and past the cards' corners; a
        // frame of two ticks runs a card round a corner.
        for (int checkpoint : {1, 5, 6, 7, 29, 150, 350}) {
            for (; frame < checkpoint; ++frame) {
                const QRegion changed = WindowArea(animation.Frame(), c.window, c.scale);
                QPainter painter(&shown);
                screen.Paint(painter, changed, c.window, c.scale, animation, cards);
            }
            EXPECT_EQ(shown, Fresh(c.window, c.scale, animation, cards))
                << "scale " << c.scale << ", frame " << frame;
        }
    }
}

} // namespace
} // namespace tavlira
