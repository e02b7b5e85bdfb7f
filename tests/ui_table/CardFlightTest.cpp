#include "ui/table/CardFlight.h"

#include <gtest/gtest.h>

namespace tavlira {
namespace {

constexpr QSize Card(71, 96);

int MovedFrames(const std::vector<FlightFrame>& frames) {
    return static_cast<int>(
        std::count_if(frames.begin(), frames.end(), [](const FlightFrame& f) { return f.moved; }));
}

TEST(FlightLineTest, OnePixelStepAlongTheMajorAxis) {
    struct Case {
        QPoint from, to;
        std::vector<QPoint> expected;
    };
    const Case cases[] = {
        {{0, 0}, {4, 2}, {{1, 0}, {2, 1}, {3, 2}, {4, 2}}}, // halves round to even
        {{5, 10}, {5, 7}, {{5, 9}, {5, 8}, {5, 7}}},        // vertical: x stays
        {{3, 0}, {0, -1}, {{2, 0}, {1, -1}, {0, -1}}},      // towards the origin
        {{0, 0}, {1, 3}, {{0, 1}, {1, 2}, {1, 3}}},         // steep: y is the major axis
        {{2, 2}, {2, 2}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FlightLine(c.from, c.to), c.expected) << c.to.x() << "," << c.to.y();
}

TEST(CardFlightTest, DiagonalFrameCountAtEverySpeed) {
    for (int speed = SlowestFlightSpeed; speed <= FastestFlightSpeed; ++speed) {
        const auto frames = PlanCardFlight({{0, 0}, {100, 100}}, Card, speed, false);
        const int expectedMoves = speed == FastestFlightSpeed ? 50 : 100;
        EXPECT_EQ(MovedFrames(frames), expectedMoves) << "speed " << speed;
        ASSERT_EQ(frames.size(), expectedMoves + 1u); // the start position comes first
        EXPECT_EQ(frames.front().cards, std::vector<QPoint>{QPoint(0, 0)});
        EXPECT_EQ(frames.back().cards, std::vector<QPoint>{QPoint(100, 100)});
    }
}

TEST(CardFlightTest, FastestSpeedAlwaysDrawsTheEnd) {
    const auto frames = PlanCardFlight({{0, 0}, {7, 3}}, Card, FastestFlightSpeed, false);
    std::vector<QPoint> drawn;
    for (const FlightFrame& frame : frames)
        drawn.push_back(frame.cards.at(0));
    EXPECT_EQ(drawn, (std::vector<QPoint>{{0, 0}, {2, 1}, {4, 2}, {6, 3}, {7, 3}}));
}

TEST(CardFlightTest, EachFrameRestoresTheOldPlaceAndShowsBoth) {
    for (int speed : {1, FastestFlightSpeed}) {
        const auto frames = PlanCardFlight({{300, 20}, {10, 240}}, Card, speed, false);
        for (std::size_t i = 1; i < frames.size(); ++i) {
            const QRect before(frames[i - 1].cards.at(0), Card);
            const QRect after(frames[i].cards.at(0), Card);
            ASSERT_EQ(frames[i].restore, before);
            ASSERT_TRUE(frames[i].show.contains(before.united(after))) << i;
        }
    }
}

TEST(CardFlightTest, EraseAtEndTakesTheCardAway) {
    const auto kept = PlanCardFlight({{0, 0}, {0, 10}}, Card, 3, false);
    const auto erased = PlanCardFlight({{0, 0}, {0, 10}}, Card, 3, true);
    ASSERT_EQ(erased.size(), kept.size() + 1);
    const FlightFrame& last = erased.back();
    EXPECT_TRUE(last.cards.empty());
    EXPECT_FALSE(last.moved);
    EXPECT_EQ(last.restore, QRect(QPoint(0, 10), Card));
    EXPECT_TRUE(last.show.contains(last.restore));
}

TEST(GroupFlightTest, CardsThatArrivedWaitForTheOthers) {
    const std::vector<CardPath> paths{{{0, 0}, {10, 0}}, {{100, 100}, {100, 104}}};
    for (int speed : {4, FastestFlightSpeed}) {
        const auto frames = PlanGroupFlight(paths, Card, speed);
        const int moves = speed == FastestFlightSpeed ? 5 : 10;
        ASSERT_EQ(frames.size(), moves + 1u);
        EXPECT_EQ(frames[moves - 1].cards, (std::vector<QPoint>{{10, 0}, {100, 104}}));
        EXPECT_EQ(frames[moves / 2].cards.at(1), QPoint(100, 104));
        // Each box holds the cards before and after their move.
        std::vector<QPoint> before{{0, 0}, {100, 100}};
        for (int i = 0; i < moves; ++i) {
            for (std::size_t c = 0; c < paths.size(); ++c) {
                EXPECT_TRUE(frames[i].restore.contains(QRect(before[c], Card)));
                EXPECT_TRUE(frames[i].restore.contains(QRect(frames[i].cards[c], Card)));
            }
            EXPECT_EQ(frames[i].show, frames[i].restore);
            before = frames[i].cards;
        }
        // The cards vanish: the last box is restored without them.
        EXPECT_TRUE(frames.back().cards.empty());
        EXPECT_EQ(frames.back().restore, frames[moves - 1].restore);
    }
}

TEST(GroupFlightTest, BoxHasATenPixelMargin) {
    const auto frames = PlanGroupFlight({{{50, 60}, {51, 60}}, {{200, 30}, {200, 31}}}, Card, 1);
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.front().restore, QRect(40, 20, 200 + 71 - 50 + 20, 60 + 96 - 30 + 20));
}

TEST(CardFlightTest, RunsUntilTheLastFrameIsTaken) {
    CardFlight flight(PlanCardFlight({{0, 0}, {2, 0}}, Card, 1, true));
    int taken = 0;
    while (flight.FlightRunning()) {
        flight.NextFrame();
        ++taken;
    }
    EXPECT_EQ(taken, 4);
    EXPECT_EQ(flight.FrameCount(), 4);
}

TEST(FlightPacerTest, PauseAfterEachDrawnStep) {
    const std::vector<std::vector<int>> expected{
        {2, 2, 2, 2, 2, 2}, {1, 1, 1, 1, 1, 1}, {0, 1, 0, 1, 0, 1},
        {0, 0, 1, 0, 0, 1}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0},
    };
    const FlightFrame moved{{}, {}, {}, true};
    for (int speed = 1; speed <= 6; ++speed) {
        FlightPacer pacer;
        std::vector<int> pauses;
        for (int i = 0; i < 6; ++i)
            pauses.push_back(pacer.PauseAfter(moved, speed));
        EXPECT_EQ(pauses, expected[speed - 1]) << "speed " << speed;
    }
}

TEST(FlightPacerTest, CountingRunsOnAcrossFlights) {
    FlightPacer pacer;
    const FlightFrame still{{}, {}, {}, false};
    const FlightFrame moved{{}, {}, {}, true};
    EXPECT_EQ(pacer.PauseAfter(still, 1), 0);
    EXPECT_EQ(pacer.PauseAfter(moved, 3), 0);
    // A new flight starts; its first step is the counter's second.
    EXPECT_EQ(pacer.PauseAfter(still, 3), 0);
    EXPECT_EQ(pacer.PauseAfter(moved, 3), 1);
}

TEST(FlightCanvasTest, DrawsCardsOverTheCleanPictureAndRestoresBehindThem) {
    QImage clean(120, 100, QImage::Format_RGB32);
    clean.fill(Qt::darkGreen);
    QImage sprite(10, 10, QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::red);
    const QSize card(10, 10);
    FlightCanvas canvas(clean, {sprite});
    CardFlight flight(PlanCardFlight({{0, 50}, {110, 50}}, card, 5, true));

    const auto colourAt = [&](int x, int y) { return QColor(canvas.Work().pixel(x, y)); };
    EXPECT_EQ(canvas.Apply(flight.NextFrame()), QRect(0, 48, 12, 14)); // clipped to the window
    EXPECT_EQ(colourAt(5, 55), QColor(Qt::red));
    canvas.Apply(flight.NextFrame());
    EXPECT_EQ(colourAt(0, 55), QColor(Qt::darkGreen)); // restored behind the card
    EXPECT_EQ(colourAt(10, 55), QColor(Qt::red));
    while (flight.FlightRunning())
        canvas.Apply(flight.NextFrame());
    EXPECT_EQ(colourAt(115, 55), QColor(Qt::darkGreen)); // erased at the end
    EXPECT_EQ(canvas.Work(), clean.convertToFormat(canvas.Work().format()));
}

TEST(FlightCanvasTest, InvisibleCardsMoveWithoutPainting) {
    QImage clean(50, 50, QImage::Format_RGB32);
    clean.fill(Qt::blue);
    FlightCanvas canvas(clean, {QImage()});
    for (const FlightFrame& frame : PlanCardFlight({{0, 0}, {20, 20}}, {10, 10}, 2, false))
        canvas.Apply(frame);
    EXPECT_EQ(canvas.Work(), clean.convertToFormat(canvas.Work().format()));
}

} // namespace
} // namespace tavlira
