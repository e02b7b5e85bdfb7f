#include "ui/table/FlightLayer.h"

#include <QEventLoop>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

struct FlightLayerFixture : testing::Test {
    FlightLayerFixture() {
        window.resize(300, 200);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, Qt::darkGreen);
        window.setPalette(palette);
        window.setAutoFillBackground(true);
        window.show();
        QObject::connect(&layer, &FlightLayer::Finished, [this] { ++finished; });
    }

    // Lets the event loop play the flight to its end; the guard only keeps a
    // broken flight from hanging the test.
    void PlayToEnd() {
        QEventLoop loop;
        QObject::connect(&layer, &FlightLayer::Finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        if (layer.FlightRunning())
            loop.exec();
    }

    QColor Shown(int x, int y) { return window.grab().toImage().pixelColor(x, y); }

    static QImage Card(QColor colour) {
        QImage card(20, 30, QImage::Format_ARGB32_Premultiplied);
        card.fill(colour);
        return card;
    }

    QWidget window;
    FlightLayer layer{&window};
    int finished = 0;
};

TEST_F(FlightLayerFixture, CardStaysAtItsEndUntilCleared) {
    layer.Play(PlanCardFlight({{0, 0}, {150, 60}}, {20, 30}, 6, false), {Card(Qt::red)}, 6);
    EXPECT_TRUE(layer.FlightRunning());
    PlayToEnd();
    EXPECT_EQ(finished, 1);
    EXPECT_FALSE(layer.FlightRunning());
    EXPECT_EQ(Shown(160, 70), QColor(Qt::red));
    EXPECT_EQ(Shown(5, 5), QColor(Qt::darkGreen));
    layer.Clear();
    EXPECT_EQ(Shown(160, 70), QColor(Qt::darkGreen));
}

TEST_F(FlightLayerFixture, GroupFlightLeavesTheWindowClean) {
    QImage clean(300, 200, QImage::Format_RGB32);
    clean.fill(Qt::blue); // the table already drawn without the cards
    const std::vector<CardPath> paths{{{10, 10}, {140, 201}}, {{200, 10}, {140, 201}}};
    layer.Play(PlanGroupFlight(paths, {20, 30}, 5), {Card(Qt::red), Card(Qt::yellow)}, 5, clean);
    PlayToEnd();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(Shown(20, 20), QColor(Qt::blue));
    EXPECT_EQ(Shown(150, 190), QColor(Qt::blue));
}

} // namespace
} // namespace tavlira
