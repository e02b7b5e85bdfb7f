#include "ui/artwork/CardSize.h"

#include <gtest/gtest.h>

namespace tavlira {
namespace {

struct SizeCase {
    const char* window;
    double scale;
    SizeClass sizeClass;
    int wideWidth;
    int narrowWidth;
    int height;
};

TEST(CardSize, CellOfEveryWindowSize) {
    const SizeCase cases[] = {
        {"mode 1", 1.0, SizeClass::Small, 71, 71, 96},
        {"mode 3", 1.3, SizeClass::Medium, 92, 79, 125},
        {"mode 4", 1.7, SizeClass::Medium, 121, 104, 163},
        {"mode 5", 2.0, SizeClass::Large, 146, 126, 198},
        {"full screen 1920 x 1080", 1080.0 / 500, SizeClass::Large, 146, 126, 198},
        {"full screen 1024 x 768", 1024.0 / 760, SizeClass::Medium, 96, 82, 129},
        {"full screen 800 x 600", 800.0 / 760, SizeClass::Small, 71, 71, 96},
        // 106.5 and 91.5 round to the even neighbour.
        {"scale 1.5", 1.5, SizeClass::Medium, 106, 92, 144},
        {"just below medium", 1.2999, SizeClass::Small, 71, 71, 96},
        {"just below large", 1.9999, SizeClass::Medium, 142, 122, 192},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(c.window);
        const SizeClass sizeClass = PictureSizeClass(c.scale);
        EXPECT_EQ(sizeClass, c.sizeClass);
        EXPECT_EQ(CardWidth(sizeClass, c.scale, true), c.wideWidth);
        EXPECT_EQ(CardWidth(sizeClass, c.scale, false), c.narrowWidth);
        EXPECT_EQ(CardHeight(sizeClass, c.scale), c.height);
    }
}

TEST(CardSize, WideAndNarrowDecks) {
    for (int deck : {0, 1, 27, 40, 45})
        EXPECT_TRUE(IsWideDeck(deck)) << deck;
    for (int deck : {28, 29, 39, 41, 44, 46, 47})
        EXPECT_FALSE(IsWideDeck(deck)) << deck;
}

TEST(CardSize, NarrowDecksMoveTheSlotsOutsideTheSmallWindow) {
    EXPECT_EQ(NarrowDeckOffset(true, 3), 0);
    EXPECT_EQ(NarrowDeckOffset(false, 1), 0);
    EXPECT_EQ(NarrowDeckOffset(false, 2), 5);
    EXPECT_EQ(NarrowDeckOffset(false, 5), 5);
}

} // namespace
} // namespace tavlira
