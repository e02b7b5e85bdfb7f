#include "ui/artwork/BackChoice.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

namespace tavlira {
namespace {

int NeverCalled(int) {
    ADD_FAILURE() << "a design of seven pictures drew a random number";
    return 0;
}

TEST(BackChoice, WeekdayOrAlwaysOne) {
    for (int deckBack : {0, 3, 7, 12}) {
        for (int weekday = 1; weekday <= 7; ++weekday) {
            EXPECT_EQ(ChooseBackPicture(weekday, false, deckBack, NeverCalled), weekday);
            EXPECT_EQ(ChooseBackPicture(weekday, true, deckBack, NeverCalled), 7);
        }
    }
}

TEST(BackChoice, DesignsOfTenPicturesAreRandomWhateverTheDay) {
    std::mt19937 seeded(12345);
    const RandomBelow random = [&](int n) {
        return std::uniform_int_distribution<int>(0, n - 1)(seeded);
    };
    for (int deckBack : {8, 9, 10, 11}) {
        std::set<int> seen;
        for (int game = 0; game < 200; ++game)
            seen.insert(ChooseBackPicture(1 + game % 7, game % 2 == 0, deckBack, random));
        EXPECT_EQ(seen, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10})) << deckBack;
    }
    EXPECT_EQ(ChooseBackPicture(3, true, 9, [](int n) { return n - 1; }), 10);
    EXPECT_EQ(ChooseBackPicture(3, false, 9, [](int) { return 0; }), 1);
}

} // namespace
} // namespace tavlira
