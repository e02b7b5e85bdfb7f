#include "ui/controls/BalloonHint.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

TEST(BalloonHintTest, ShowsTitleAndLinesUntilClicked) {
    BalloonHint balloon;
    balloon.ShowAt(QPoint(100, 100), "Current game", "General number of game: 7\n\rCycle: 2", 0);
    EXPECT_TRUE(balloon.isVisible());
    EXPECT_EQ(balloon.Text(), "General number of game: 7\nCycle: 2");
    // The tail points at the anchor from the left part of the top edge.
    EXPECT_EQ(balloon.y(), 100);
    EXPECT_LT(balloon.x(), 100);
    EXPECT_GT(balloon.x() + balloon.width(), 100);
    // The window is cut to the bubble: nothing beside the tail or outside a
    // rounded corner is drawn, even where translucency is not available.
    const QRegion shape = balloon.mask();
    EXPECT_TRUE(shape.contains(balloon.rect().center()));
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(balloon.width() - 1, balloon.height() - 1)));
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 20), QPointF(5, 20), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&balloon, &click);
    EXPECT_FALSE(balloon.isVisible());
}

TEST(BalloonHintTest, PictureBalloonHasThePictureWidth) {
    QPixmap picture(200, 300);
    picture.fill(Qt::red);
    BalloonHint balloon;
    balloon.ShowPictureAt(QPoint(10, 10), picture, 100, 5000);
    EXPECT_TRUE(balloon.isVisible());
    const QImage shown = balloon.grab().toImage();
    EXPECT_GT(balloon.width(), 100);
    EXPECT_LT(balloon.width(), 130);
    EXPECT_EQ(shown.pixel(balloon.width() / 2, balloon.height() / 2), qRgb(255, 0, 0));
    balloon.close();
}

} // namespace
} // namespace tavlira
