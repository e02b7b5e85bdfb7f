#include "game/Deal.h"

#include "GameFixtures.h"

#include <algorithm>
#include <set>

namespace tavlira {
namespace {
using testing::Card;

// A random source that replays given numbers, for exact deals.
class ScriptedRandom final : public RandomSource {
  public:
    explicit ScriptedRandom(std::vector<std::uint32_t> values) : values_(std::move(values)) {}
    std::uint32_t Next32() override { return values_.at(next_++); }

  private:
    std::vector<std::uint32_t> values_;
    size_t next_ = 0;
};

GameState DealtGame(std::uint32_t seed, PlayMode mode = PlayMode::Computer, bool figures = false) {
    GameState state;
    state.Mode = mode;
    state.FiguresHavePoints = figures;
    SeededRandom random(seed);
    Shuffle(state, random);
    OpeningDeal(state);
    ResetGameFields(state);
    state.BeginState = UnderWay;
    return state;
}

TEST(Shuffle, DrawsAgainForNumbersAlreadyPlaced) {
    // 4 and then 4 again: the repeat is redrawn, so the second card is number 1.
    std::vector<std::uint32_t> draws = {3, 3, 0};
    for (std::uint32_t n = 1; n < 52; ++n)
        if (n != 3)
            draws.push_back(n);
    ScriptedRandom random(draws);
    GameState state;
    Shuffle(state, random);
    EXPECT_EQ(state.Deck[1].code, Card("2п"));
    EXPECT_EQ(state.Deck[2].code, Card("2ч"));
    EXPECT_EQ(state.Deck[3].code, Card("2б"));
}

TEST(Shuffle, SeedGivesTheSameDeckEverywhere) {
    // Pinned: a change here changes every replayed game.
    const GameState state = DealtGame(1);
    std::string first12;
    for (int i = 1; i <= 12; ++i)
        first12 += state.Deck[i].code.Bytes() + " ";
    EXPECT_EQ(Cp1251ToUtf8(first12), "Кб 1п 6ч Дч 6п 2б 3п Дб Тп Тч 5б 4п ");
}

TEST(Shuffle, IsAPermutationWithGameValues) {
    for (bool figures : {false, true}) {
        const GameState state = DealtGame(99, PlayMode::Computer, figures);
        std::set<std::string> seen;
        for (const CardSlot& slot : state.Deck) {
            seen.insert(slot.code.Bytes());
            EXPECT_EQ(slot.order, RankOrder(slot.code));
            EXPECT_EQ(slot.value, GameValue(slot.code, figures));
        }
        EXPECT_EQ(seen.size(), 52u);
    }
}

TEST(OpeningDeal, FourEachAndFourOnTheTable) {
    const GameState state = DealtGame(5);
    EXPECT_EQ(state.StockLeft, 40);
    EXPECT_EQ(state.NextCard, 13);
    EXPECT_EQ(state.HandCount[1], 4);
    EXPECT_EQ(state.HandCount[2], 4);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(state.Hand[1][i], state.Deck[i]);
        EXPECT_EQ(state.Hand[2][i], state.Deck[4 + i]);
        EXPECT_EQ(state.Table[i], state.Deck[8 + i]);
    }
    for (int place = 5; place <= 9; ++place)
        EXPECT_EQ(state.Table[place], CardSlot::Empty());
}

TEST(FirstMover, FollowsGameCounterAndRole) {
    struct Case {
        PlayMode mode;
        int counter;
        int mover;
    } cases[] = {
        {PlayMode::Computer, 1, 2},       {PlayMode::Computer, 2, 1},
        {PlayMode::DuelHost, 1, 2},       {PlayMode::DuelClient, 1, 1},
        {PlayMode::DuelClient, 2, 2},     {PlayMode::TablePosition1, 1, 1},
        {PlayMode::TablePosition2, 2, 2}, {PlayMode::TablePosition2, 1, 2},
    };
    for (const auto& c : cases) {
        GameState state;
        state.Mode = c.mode;
        state.GameCounter = c.counter;
        EXPECT_EQ(static_cast<int>(FirstMover(state)), c.mover)
            << static_cast<int>(c.mode) << " " << c.counter;
    }
}

// The seats in the order they received the cards of one refill.
std::vector<int> ReceivingOrder(PlayMode mode) {
    GameState state = DealtGame(3, mode);
    state.Hand[1].Fill(CardSlot::Empty());
    state.Hand[2].Fill(CardSlot::Empty());
    state.HandCount[1] = state.HandCount[2] = 0;
    Outbox out;
    EXPECT_TRUE(RefillDeal(state, out));
    std::vector<int> seats;
    for (const Event& e : out)
        if (auto* f = std::get_if<event::FlyCards>(&e))
            seats.push_back(static_cast<int>(f->to.seat));
    return seats;
}

TEST(RefillDeal, ReceivingOrderOfEachRole) {
    const std::vector<int> seat1First = {1, 2, 1, 2, 1, 2, 1, 2};
    const std::vector<int> seat2First = {2, 1, 2, 1, 2, 1, 2, 1};
    EXPECT_EQ(ReceivingOrder(PlayMode::Computer), seat1First);
    EXPECT_EQ(ReceivingOrder(PlayMode::DuelHost), seat1First);
    EXPECT_EQ(ReceivingOrder(PlayMode::TablePosition1), seat1First);
    EXPECT_EQ(ReceivingOrder(PlayMode::DuelClient), seat2First);
    EXPECT_EQ(ReceivingOrder(PlayMode::TablePosition2), seat2First);
}

TEST(RefillDeal, FiveRefillsEmptyTheStockAndNoSixth) {
    GameState state = DealtGame(11);
    Outbox out;
    for (int refill = 1; refill <= 5; ++refill) {
        state.Hand[1].Fill(CardSlot::Empty());
        state.Hand[2].Fill(CardSlot::Empty());
        state.HandCount[1] = state.HandCount[2] = 0;
        out.clear();
        ASSERT_TRUE(RefillDeal(state, out));
        EXPECT_EQ(state.StockLeft, 40 - 8 * refill);
        EXPECT_EQ(state.HandCount[1], 4);
        EXPECT_EQ(state.HandCount[2], 4);
        // Seat 1 receives first: its place 1 holds the first card of the refill.
        const int first = 13 + 8 * (refill - 1);
        EXPECT_EQ(state.Hand[1][1], state.Deck[first]);
        EXPECT_EQ(state.Hand[2][1], state.Deck[first + 1]);
        EXPECT_EQ(state.Hand[2][4], state.Deck[first + 7]);
        const bool lastRefill = refill == 5;
        const auto* sound = std::get_if<event::PlaySound>(&out.back());
        ASSERT_NE(sound, nullptr);
        EXPECT_EQ(sound->effect, lastRefill ? Effect::DeckUsedUp : Effect::CardLands);
    }
    EXPECT_EQ(state.NextCard, 53);
    state.Hand[1].Fill(CardSlot::Empty());
    state.Hand[2].Fill(CardSlot::Empty());
    state.HandCount[1] = state.HandCount[2] = 0;
    EXPECT_FALSE(RefillDeal(state, out));
}

TEST(RefillDeal, NotWhileACardWaitsOrCardsAreHeld) {
    GameState state = DealtGame(11);
    Outbox out;
    EXPECT_FALSE(RefillDeal(state, out)); // hands still full
    state.Hand[1].Fill(CardSlot::Empty());
    state.Hand[2].Fill(CardSlot::Empty());
    state.HandCount[1] = state.HandCount[2] = 0;
    state.Table[CaptureArea] = testing::Slot("5ч");
    EXPECT_FALSE(RefillDeal(state, out));
    EXPECT_TRUE(out.empty());
}

TEST(RefillDeal, CourtCardKeepsItsDealtValue) {
    // A king of clubs dealt without figure points is worth 0 in the hand.
    GameState state;
    std::vector<std::uint32_t> draws;
    for (std::uint32_t n = 0; n < 52; ++n)
        draws.push_back(n == 4 ? 46 : n == 46 ? 4 : n); // card 47, the king of clubs, at 5
    ScriptedRandom random(draws);
    Shuffle(state, random);
    OpeningDeal(state);
    EXPECT_EQ(state.Hand[2][1].code, Card("Кк"));
    EXPECT_EQ(state.Hand[2][1].value, 0);
    EXPECT_EQ(state.Hand[2][1].order, 12);
}

} // namespace
} // namespace tavlira
