#include "GameFixtures.h"
#include "game/CaptureSearch.h"
#include "game/LayOff.h"
#include "game/Random.h"

#include <set>

namespace tavlira {
namespace {
using testing::Card;
using testing::Hand;
using testing::Places;
using testing::Table;

TEST(FindCapture, ChoosesByRatingThenEnumerationOrder) {
    struct Case {
        const char* what;
        HandRow hand;
        TableRow table;
        bool figures;
        int chosen;
        PlaceSet capturing;
        PlaceSet take;
    } cases[] = {
        {"most cards wins", Hand({"5ч"}), Table({"5б", "3п", "2ч", "Дк"}), false, 1, Places({1}),
         Places({2, 3, 4})},
        {"jack takes everything", Hand({"5ч", "Вп"}), Table({"5б", "3п", "2ч", "Дк"}), false, 2,
         Places({1, 2}), Places({1, 2, 3, 4})},
        {"equal sets: first enumerated", Hand({"7ч"}), Table({"7п", "##", "##", "##", "7б"}), false,
         1, Places({1}), Places({1})},
        {"equal cards: lowest hand place", Hand({"2б", "2ч"}), Table({"2п"}), false, 1,
         Places({1, 2}), Places({1})},
        {"nothing to take", Hand({"Дч", "Кб"}),
         Table({"2п", "3п", "4п", "6п", "7п", "8п", "9п", "1п"}), false, 0, Places({}), Places({})},
        {"queen takes queen", Hand({"Дч"}), Table({"Дп"}), false, 1, Places({1}), Places({1})},
        {"queen takes queen with points", Hand({"Дч"}, true), Table({"Дп"}, true), true, 1,
         Places({1}), Places({1})},
        {"three cards beat two", Hand({"6ч"}), Table({"1б", "4п", "2п", "2б", "2ч"}), false, 1,
         Places({1}), Places({3, 4, 5})},
        {"a bonus card outweighs more cards", Hand({"1ч"}), Table({"1б", "4п", "2п", "2б", "2ч"}),
         false, 1, Places({1}), Places({1})},
        {"club preferred among equal sizes", Hand({"9ч"}), Table({"9п", "9к"}), false, 1,
         Places({1}), Places({2})},
    };
    for (const auto& c : cases) {
        const CaptureChoice choice = FindCapture(c.hand, c.table, c.figures);
        EXPECT_EQ(choice.chosen, c.chosen) << c.what;
        EXPECT_EQ(choice.capturing, c.capturing) << c.what;
        EXPECT_EQ(choice.bestTakeSet, c.take) << c.what;
    }
}

TEST(FindCapture, RatingsPerHandPlace) {
    const CaptureChoice choice =
        FindCapture(Hand({"5ч", "Кп", "##", "Вк"}), Table({"5б", "3п"}), false);
    EXPECT_DOUBLE_EQ(choice.best[0], 0.16);
    EXPECT_DOUBLE_EQ(choice.best[1], -1.0); // cards on the table, none it can take
    EXPECT_DOUBLE_EQ(choice.best[2], -2.0); // empty hand place
    EXPECT_NEAR(choice.best[3], 0.24 + 0.04, 1e-12);
    EXPECT_DOUBLE_EQ(FindCapture(Hand({"5ч"}), Table({}), false).best[0], -2.0);
}

// Random hands and tables built to hit sums often: small cards, court cards,
// aces and bonus cards, with gaps on the table.
struct RandomPosition {
    HandRow hand;
    TableRow table;
};

RandomPosition MakeRandomPosition(RandomSource& random, bool figures) {
    RandomPosition p;
    p.hand.Fill(CardSlot::Empty());
    p.table.Fill(CardSlot::Empty());
    bool used[53] = {};
    auto draw = [&]() {
        int n;
        do {
            n = static_cast<int>(random.Below(52)) + 1;
        } while (used[n]);
        used[n] = true;
        const CardCode card = CardFromNumber(n);
        return CardSlot{card, RankOrder(card), GameValue(card, figures)};
    };
    const int handCards = static_cast<int>(random.Below(5));
    for (int i = 1; i <= handCards; ++i)
        p.hand[i] = draw();
    for (int place = 1; place <= TablePlaces; ++place)
        if (random.Below(4) != 0)
            p.table[place] = draw();
    return p;
}

TEST(FindCapture, AgreesWithTheLiteralSearch) {
    SeededRandom random(2024);
    for (int round = 0; round < 20000; ++round) {
        const bool figures = round % 2 == 1;
        const RandomPosition p = MakeRandomPosition(random, figures);
        const CaptureChoice fast = FindCapture(p.hand, p.table, figures);
        const CaptureChoice literal = FindCaptureReference(p.hand, p.table, figures);
        ASSERT_EQ(fast, literal) << "round " << round;
        for (int place = 1; place <= HandPlaces; ++place)
            ASSERT_EQ(HasLegalCapture(p.hand[place], p.table, figures),
                      fast.capturing.Contains(place))
                << "round " << round << " place " << place;
    }
}

TEST(ChooseLayOff, FollowsThePriorityLists) {
    struct Case {
        HandRow hand;
        bool figures;
        int place;
    } cases[] = {
        {Hand({"Тк", "5б", "1п", "Вч"}), false, 3},
        {Hand({"Тк", "5б", "1п", "Вч"}), true, 4},
        {Hand({"2к", "1б", "Тп"}), false, 3},
        {Hand({"2к", "1б", "Тп"}), true, 3},
        {Hand({"Вк", "Дк"}), false, 2},
        {Hand({"Вк", "Дк"}), true, 2},
        {Hand({}), false, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseLayOff(c.hand, c.figures), c.place);
}

TEST(ChooseLayOff, EachListHoldsEveryCardOnce) {
    for (bool figures : {false, true}) {
        std::set<std::string> cards;
        for (CardCode card : LayOffPriority(figures))
            cards.insert(card.Bytes());
        EXPECT_EQ(LayOffPriority(figures).size(), 52u);
        EXPECT_EQ(cards.size(), 52u);
    }
    EXPECT_EQ(LayOffPriority(false).front(), Card("1п"));
    EXPECT_EQ(LayOffPriority(false).back(), Card("Вк"));
    EXPECT_EQ(LayOffPriority(true).front(), Card("Кп"));
    EXPECT_EQ(LayOffPriority(true).back(), Card("2к"));
}

} // namespace
} // namespace tavlira
