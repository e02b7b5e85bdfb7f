#include "game/Card.h"

#include "GameFixtures.h"

namespace tavlira {
namespace {
using testing::Card;

TEST(Card, NumbersMapToRankAndSuit) {
    struct Case {
        int number;
        const char* card;
        int order;
        int value;
    } cases[] = {{1, "2ч", 1, 2},    {4, "2п", 1, 2},   {33, "1ч", 9, 10}, {37, "Вч", 10, 11},
                 {45, "Кч", 12, 13}, {49, "Тч", 13, 1}, {52, "Тп", 13, 1}, {42, "Дб", 11, 12}};
    for (const auto& c : cases) {
        EXPECT_EQ(CardFromNumber(c.number), Card(c.card)) << c.number;
        EXPECT_EQ(RankOrder(Card(c.card)), c.order) << c.card;
        EXPECT_EQ(FullValue(Card(c.card)), c.value) << c.card;
    }
}

TEST(Card, CourtCardsAreWorthNothingWithoutFigurePoints) {
    EXPECT_EQ(GameValue(Card("Вп"), false), 0);
    EXPECT_EQ(GameValue(Card("Вп"), true), 11);
    EXPECT_EQ(RankOrder(Card("Вп")), 10);
    EXPECT_EQ(GameValue(Card("Тк"), false), 1);
    EXPECT_EQ(GameValue(Card("9б"), false), 9);
}

TEST(Card, ClubsAndBonusCards) {
    EXPECT_TRUE(Card("1к").IsClub());
    EXPECT_FALSE(Card("1к").IsBonus());
    EXPECT_TRUE(Card("2к").IsClub());
    EXPECT_TRUE(Card("2к").IsBonus());
    EXPECT_TRUE(Card("1б").IsBonus());
    EXPECT_FALSE(Card("1б").IsClub());
    EXPECT_FALSE(CardCode::Empty().IsClub());
}

TEST(Card, OnlyRealCardsParse) {
    EXPECT_FALSE(CardCode::FromBytes("##"));
    EXPECT_FALSE(CardCode::FromBytes("5"));
    EXPECT_FALSE(CardCode::FromBytes("5x"));
    EXPECT_FALSE(CardCode::FromBytes("A\xF7"));
    EXPECT_EQ(CardCode::FromBytes("5\xF7")->Bytes(), "5\xF7");
}

} // namespace
} // namespace tavlira
