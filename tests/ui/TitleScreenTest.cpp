// The moving parts of the title screen.

#include "ui/window/TitleScreen.h"

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

} // namespace
} // namespace tavlira
