#include "ui/controls/FittedFont.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

QFont Sized(bool pixels, int size) {
    QFont font(QStringLiteral("DejaVu Sans"));
    if (pixels)
        font.setPixelSize(size);
    else
        font.setPointSize(size);
    font.setBold(true);
    return font;
}

int Size(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : font.pointSize();
}

TEST(FittedFont, KeepsAFittingTextAndShrinksAnOtherToTheLargestSizeThatFits) {
    struct Case {
        const char* text;
        bool pixels;
        int width;
    };
    const Case cases[] = {
        {"Exit", true, 200},        {"Exit to menu", true, 100}, {"Exit to menu", false, 100},
        {"Exit to menu", true, 10}, {"&Exit", true, 40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const QString text = QString::fromUtf8(c.text);
        const QFont original = Sized(c.pixels, 20);
        const QFont fitted = FittedFont(original, text, c.width, Qt::TextShowMnemonic);
        const auto width = [&](const QFont& f) {
            return QFontMetrics(f).size(Qt::TextShowMnemonic, text).width();
        };
        EXPECT_EQ(fitted.family(), original.family());
        EXPECT_TRUE(fitted.bold());
        EXPECT_EQ(fitted.pixelSize() > 0, c.pixels);
        if (width(original) <= c.width) {
            EXPECT_EQ(fitted, original);
            continue;
        }
        EXPECT_LE(width(fitted), c.width);
        // One size larger would not fit.
        EXPECT_GT(width(Sized(c.pixels, Size(fitted) + 1)), c.width);
    }
}

TEST(FittedFont, NeverGoesBelowOneUnit) {
    EXPECT_EQ(FittedFont(Sized(true, 20), "Exit to menu", 0).pixelSize(), 1);
    EXPECT_EQ(FittedFont(Sized(false, 20), "Exit to menu", -5).pointSize(), 1);
}

} // namespace
} // namespace tavlira
