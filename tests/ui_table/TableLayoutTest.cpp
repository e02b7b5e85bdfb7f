#include "ui/table/TableLayout.h"

#include <gtest/gtest.h>

namespace tavlira {
namespace {

constexpr QSize FullHd(1920, 1080);

TEST(TableScaleTest, ScalesOfEveryWindowSize) {
    struct Case {
        WindowSizeMode mode;
        QSize screenClient;
        double scaleX, scaleY, scale;
        QSize client;
    };
    const Case cases[] = {
        {WindowSizeMode::Small, FullHd, 1.0, 1.0, 1.0, {760, 500}},
        {WindowSizeMode::Medium1, FullHd, 1.3, 1.3, 1.3, {990, 650}},
        {WindowSizeMode::Medium2, FullHd, 1.7, 1.7, 1.7, {1290, 850}},
        {WindowSizeMode::Large, FullHd, 2.0, 2.0, 2.0, {1520, 1000}},
        {WindowSizeMode::FullScreen, FullHd, 1920 / 760.0, 2.16, 2.16, FullHd},
        {WindowSizeMode::FullScreen, {1280, 1024}, 1280 / 760.0, 2.048, 1280 / 760.0, {1280, 1024}},
        // A value from a damaged settings file falls back to the small window.
        {static_cast<WindowSizeMode>(9), FullHd, 1.0, 1.0, 1.0, {760, 500}},
    };
    for (const Case& c : cases) {
        const TableScale scale = TableScale::ForMode(c.mode, c.screenClient);
        SCOPED_TRACE(static_cast<int>(c.mode));
        EXPECT_DOUBLE_EQ(scale.ScaleX(), c.scaleX);
        EXPECT_DOUBLE_EQ(scale.ScaleY(), c.scaleY);
        EXPECT_DOUBLE_EQ(scale.Scale(), c.scale);
        EXPECT_EQ(scale.ClientSize(), c.client);
    }
}

TEST(TableScaleTest, LengthsRoundHalfToEven) {
    const TableScale medium = TableScale::ForMode(WindowSizeMode::Medium1, {});
    EXPECT_EQ(medium.S(35), 46);                                           // 45.5
    EXPECT_EQ(medium.S(25), 32);                                           // 32.5
    EXPECT_EQ(TableScale::ForMode(WindowSizeMode::Medium2, {}).S(35), 60); // 59.5
}

TEST(TableScaleTest, CentresTheWindowOnTheScreen) {
    EXPECT_EQ(CentreOnScreen({1920, 1080}, {990, 650}), QPoint(465, 215));
    EXPECT_EQ(CentreOnScreen({1025, 768}, {760, 500}), QPoint(132, 134)); // 132.5
}

TableLayout LayoutFor(WindowSizeMode mode, QSize screenClient, QSize card) {
    return ComputeTableLayout(TableScale::ForMode(mode, screenClient), card);
}

TEST(TableLayoutTest, ElementRectanglesInEveryWindowSize) {
    struct Case {
        const char* what;
        WindowSizeMode mode;
        QSize screenClient;
        QSize card;
        QRect TableLayout::*element;
        QRect expected;
    };
    using M = WindowSizeMode;
    using L = TableLayout;
    const QSize small(71, 96), medium1(92, 125), medium2(121, 163), large(146, 198);
    const Case cases[] = {
        {"small hand 2", M::Small, {}, small, &L::playerHand, {100, 394, 560, 96}},
        {"small table", M::Small, {}, small, &L::table, {149, 140, 462, 220}},
        {"small button 8", M::Small, {}, small, &L::secondButton, {615, 340, 140, 30}},
        {"small send", M::Small, {}, small, &L::chatSend, {715, 101, 35, 35}},
        {"small entry", M::Small, {}, small, &L::chatEdit, {620, 109, 94, 20}},
        {"small clock 1", M::Small, {}, small, &L::opponentMoveClock, {470, 115, 160, 20}},
        {"small panel 2", M::Small, {}, small, &L::playerPanel, {10, 320, 130, 60}},
        {"990 table", M::Medium1, {}, medium1, &L::table, {194, 182, 601, 286}},
        {"990 hand 2", M::Medium1, {}, medium1, &L::playerHand, {130, 512, 728, 125}},
        {"990 button 8", M::Medium1, {}, medium1, &L::secondButton, {800, 442, 182, 39}},
        {"990 send", M::Medium1, {}, medium1, &L::chatSend, {929, 131, 46, 46}},
        {"990 entry", M::Medium1, {}, medium1, &L::chatEdit, {806, 141, 122, 26}},
        {"1290 deck", M::Medium2, {}, medium2, &L::stock, {1044, 255, 255, 255}},
        {"1290 clock 2", M::Medium2, {}, medium2, &L::playerMoveClock, {799, 629, 272, 34}},
        {"1520 hand 1", M::Large, {}, large, &L::opponentHand, {400, 20, 720, 198}},
        {"1520 button 7", M::Large, {}, large, &L::startButton, {1230, 620, 280, 60}},
        // Full screen: elements keep their uniform size, centred in the cell.
        {"wide table", M::FullScreen, FullHd, large, &L::table, {461, 302, 998, 475}},
        {"wide hand 1", M::FullScreen, FullHd, large, &L::opponentHand, {571, 22, 778, 198}},
        {"wide button 7", M::FullScreen, FullHd, large, &L::startButton, {1554, 670, 354, 65}},
        {"tall table", M::FullScreen, {1280, 1024}, medium2, &L::table, {251, 327, 778, 371}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(LayoutFor(c.mode, c.screenClient, c.card).*c.element, c.expected);
    }
}

TEST(TableLayoutTest, DeckPileRisesEverySixCards) {
    const TableScale small = TableScale::ForMode(WindowSizeMode::Small, {});
    EXPECT_EQ(DeckPileCardOrigin(small, 1), QPoint(36, 48));
    EXPECT_EQ(DeckPileCardOrigin(small, 6), QPoint(36, 48));
    EXPECT_EQ(DeckPileCardOrigin(small, 7), QPoint(36, 46));
    EXPECT_EQ(DeckPileCardOrigin(small, 25), QPoint(36, 40));
    EXPECT_EQ(DeckPileCardOrigin(small, 52), QPoint(36, 40));
    EXPECT_EQ(DeckPileCardOrigin(TableScale::ForMode(WindowSizeMode::Large, {}), 13),
              QPoint(72, 88));
}

TEST(TableLayoutTest, FlightEnds) {
    const TableLayout small = LayoutFor(WindowSizeMode::Small, {}, {71, 96});
    EXPECT_EQ(OpponentFlightStart(small, {71, 96}), QPoint(344, 10)); // 344.5
    EXPECT_EQ(CaptureFlightEnd(1, {760, 500}, {71, 96}), QPoint(344, -96));
    EXPECT_EQ(CaptureFlightEnd(2, {760, 500}, {71, 96}), QPoint(344, 501));
}

TEST(SpreadHandTest, PositionsOfCards) {
    struct Case {
        int left, right, count, cardWidth;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {0, 560, 4, 71, {132, 206, 280, 354}},   // fit with a 3-pixel gap, centred
        {10, 570, 4, 71, {142, 216, 290, 364}},  // the centre follows the left edge
        {0, 1120, 4, 146, {262, 411, 560, 709}}, // large cards
        {0, 360, 9, 71, {0, 35, 70, 105, 140, 175, 210, 245, 280}}, // overlapping
        {0, 360, 0, 71, {}},
        {0, 50, 1, 71, {0}}, // one card wider than its picture
    };
    for (const Case& c : cases)
        EXPECT_EQ(SpreadHand(c.left, c.right, c.count, c.cardWidth), c.expected)
            << c.left << ".." << c.right << " x" << c.count;
}

TEST(HandPlaceAtTest, PlaceUnderPoint) {
    const std::vector<int> fitting{132, 206, 280, 354};
    const std::vector<int> overlapping = SpreadHand(0, 360, 9, 71);
    const std::vector<bool> allHeld(9, true);
    const std::vector<bool> secondEmpty{true, false, true, true};
    struct Case {
        const std::vector<int>& handX;
        const std::vector<bool>& holds;
        int x;
        int expected;
    };
    const Case cases[] = {
        {fitting, allHeld, 132, 1},     {fitting, allHeld, 202, 1},
        {fitting, allHeld, 205, 1}, // the gap belongs to the card on its left
        {fitting, allHeld, 206, 2},     {fitting, allHeld, 354, 4},
        {fitting, allHeld, 424, 4},     {fitting, allHeld, 425, 0},
        {fitting, allHeld, 131, 0},     {fitting, secondEmpty, 210, 0},
        {fitting, secondEmpty, 205, 1}, {overlapping, allHeld, 34, 1},
        {overlapping, allHeld, 35, 2},  {overlapping, allHeld, 350, 9},
        {overlapping, allHeld, 351, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HandPlaceAt(c.handX, c.holds, 71, c.x), c.expected) << "x = " << c.x;
    EXPECT_EQ(HandPlaceAt({}, {}, 71, 0), 0);
}

TEST(VisibleHandCardTest, OverlappedCardsShowAStrip) {
    const QSize card(71, 96);
    const std::vector<int> fitting{132, 206, 280, 354};
    const std::vector<int> overlapping = SpreadHand(0, 360, 9, 71);
    EXPECT_EQ(VisibleHandCard(fitting, 2, card, 560), QRect(206, 0, 71, 96));
    EXPECT_EQ(VisibleHandCard(overlapping, 1, card, 360), QRect(0, 0, 35, 96));
    EXPECT_EQ(VisibleHandCard(overlapping, 9, card, 360), QRect(280, 0, 71, 96));
}

TEST(TablePlaceAtTest, SlotUnderPoint) {
    const TableScale small = TableScale::ForMode(WindowSizeMode::Small, {});
    const TableScale medium = TableScale::ForMode(WindowSizeMode::Medium1, {});
    const TableSlots smallSlots(small, {71, 96}, 0);
    const TableSlots narrowSlots(medium, {79, 125}, 5);
    // Cards larger than their slots make neighbours overlap.
    const TableSlots oversized(small, {100, 120}, 0);
    struct Case {
        const TableSlots& table;
        QPoint point;
        int expected;
    };
    const Case cases[] = {
        {smallSlots, {20, 9}, 1},    {smallSlots, {91, 105}, 1}, // one pixel beyond the card
        {smallSlots, {92, 50}, 0},   {smallSlots, {19, 9}, 0},     {smallSlots, {198, 65}, 9},
        {smallSlots, {269, 161}, 9}, {smallSlots, {376, 116}, 8},  {smallSlots, {300, 200}, 7},
        {smallSlots, {0, 0}, 0},     {narrowSlots, {32, 12}, 1}, // S(25) = 32
        {narrowSlots, {31, 12}, 0},  {narrowSlots, {111, 137}, 1}, {oversized, {115, 50}, 2},
        {oversized, {200, 100}, 9}, // the higher slot wins
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.table.TablePlaceAt(c.point), c.expected) << c.point.x() << "," << c.point.y();
}

TEST(TableSlotsTest, CardAndGlowRectangles) {
    const TableSlots small(TableScale::ForMode(WindowSizeMode::Small, {}), {71, 96}, 0);
    EXPECT_EQ(small.CardRect(9), QRect(198, 65, 71, 96));
    EXPECT_EQ(small.GlowRect(9), QRect(187, 55, 92, 116));
    const TableSlots large(TableScale::ForMode(WindowSizeMode::Large, {}), {126, 198}, 5);
    EXPECT_EQ(large.CardRect(2), QRect(228, 18, 126, 198));
    EXPECT_EQ(large.GlowRect(2), QRect(206, -2, 168, 238));
}

} // namespace
} // namespace tavlira
