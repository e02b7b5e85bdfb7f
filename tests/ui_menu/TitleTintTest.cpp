#include "ui/menu/TitleTint.h"

#include <gtest/gtest.h>

namespace tavlira {
namespace {

TEST(TitleTintTest, EachVariantOnPureRedAndOnAMixedPixel) {
    struct Case {
        int variant;
        QRgb red;
        QRgb mixed; // from (200, 80, 40)
    };
    const Case cases[] = {
        {1, qRgb(255, 0, 0), qRgb(200, 80, 40)},
        // B' = round(0.7 * 40) = 28, G' = 28 + round(0.4 * 172) = 97
        {2, qRgb(255, 102, 0), qRgb(200, 97, 28)},
        {3, qRgb(255, 255, 0), qRgb(200, 200, 40)},
        {4, qRgb(0, 255, 0), qRgb(80, 200, 40)},
        {5, qRgb(0, 255, 255), qRgb(40, 200, 200)},
        {6, qRgb(0, 0, 255), qRgb(40, 80, 200)},
        {7, qRgb(255, 0, 255), qRgb(200, 80, 200)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.variant);
        EXPECT_EQ(TintTitlePixel(qRgb(255, 0, 0), c.variant), c.red);
        EXPECT_EQ(TintTitlePixel(qRgb(200, 80, 40), c.variant), c.mixed);
    }
}

TEST(TitleTintTest, OrangeLeavesPixelsThatAreNotReddish) {
    EXPECT_EQ(TintTitlePixel(qRgb(10, 200, 10), 2), qRgb(10, 200, 10));
    EXPECT_EQ(TintTitlePixel(qRgb(90, 90, 20), 2), qRgb(90, 90, 20));
}

TEST(TitleTintTest, APictureIsTintedPixelByPixelKeepingItsAlpha) {
    QImage picture(2, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(255, 0, 0, 255));
    picture.setPixel(1, 0, qRgba(200, 80, 40, 0));
    const QImage blue = TintTitle(picture, 6);
    EXPECT_EQ(blue.pixel(0, 0), qRgba(0, 0, 255, 255));
    EXPECT_EQ(blue.pixel(1, 0), qRgba(40, 80, 200, 0));
    EXPECT_TRUE(TintTitle(QImage(), 3).isNull());
}

TEST(TitleTintTest, AClickCyclesTheVariantsSevenBackToOne) {
    EXPECT_EQ(NextTitleVariant(1), 2);
    EXPECT_EQ(NextTitleVariant(6), 7);
    EXPECT_EQ(NextTitleVariant(7), 1);
    EXPECT_EQ(NextTitleVariant(0), 1) << "a damaged setting starts again at 1";
}

} // namespace
} // namespace tavlira
