// The table pictures and button pieces other parts of the program load by
// name from the built-in resources.
#include "ui/artwork/PictureSource.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

QImage Read(char type, const std::string& name) {
    const PictureSource builtIn = PictureSource::BuiltIn();
    switch (type) {
    case 'B':
        return builtIn.Bitmap(name);
    case 'J':
        return builtIn.Jpeg(name);
    default:
        return builtIn.Data(name);
    }
}

TEST(ArtworkResources, TablePicturesHaveTheirSizes) {
    struct Case {
        char type; // R data, B bitmap, J JPEG
        const char* name;
        QSize size;
    };
    const Case cases[] = {
        {'J', "FonG", {760, 500}},       {'J', "FonGB", {1520, 1000}},
        {'R', "GKolodaSmall", {58, 25}}, {'R', "GKolodaSmallB", {116, 50}},
        {'R', "RamkaCBSm", {130, 60}},   {'R', "RamkaCBBg", {260, 120}},
        {'R', "RamkaCGSm", {130, 60}},   {'R', "RamkaCGBg", {260, 120}},
        {'R', "RamkaERSm", {130, 90}},   {'R', "RamkaERBg", {260, 180}},
        {'R', "SPBlue", {160, 20}},      {'R', "SPGreenB", {320, 40}},
        {'R', "SPRed", {160, 20}},       {'R', "SPYellowB", {320, 40}},
        {'R', "SPFiolet", {160, 20}},    {'R', "GTimerY", {50, 50}},
        {'R', "GTimerR", {50, 50}},      {'R', "Hand_Right", {60, 40}},
        {'B', "Hand_Right", {30, 20}},   {'R', "LightY", {188, 240}},
        {'R', "LightR", {188, 240}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Read(c.type, c.name).size(), c.size) << c.type << ' ' << c.name;
    EXPECT_TRUE(Read('R', "NoSuchPicture").isNull());
}

double DistanceFromRed(QRgb pixel) {
    return std::hypot(qRed(pixel) - 255, qGreen(pixel), qBlue(pixel));
}

// The button recolours its pieces by swapping colour channels, so the
// classic pieces are pure reds and greys of red (green equals blue).
TEST(ArtworkResources, ClassicButtonPiecesAreRed) {
    for (const auto& [rows, capWidth] : {std::pair{29, 8}, {44, 13}, {59, 17}}) {
        for (const auto& [part, width] : {std::pair{"L", capWidth}, {"R", capWidth}, {"2", 2}}) {
            const std::string name = "R" + std::to_string(rows) + "_" + part;
            const QImage piece = Read('R', name).convertToFormat(QImage::Format_ARGB32);
            ASSERT_EQ(piece.size(), QSize(width, rows)) << name;
            for (int y = 0; y < rows; ++y) {
                for (int x = 0; x < width; ++x) {
                    const QRgb pixel = piece.pixel(x, y);
                    if (qAlpha(pixel) == 0)
                        continue;
                    ASSERT_EQ(qGreen(pixel), qBlue(pixel)) << name << ' ' << x << ',' << y;
                    ASSERT_GE(qRed(pixel), qGreen(pixel)) << name << ' ' << x << ',' << y;
                }
            }
        }
    }
}

// The alternative set recolours only pixels near pure red: its body is, its
// grey rim is not, so the rim keeps its colour in every skin.
TEST(ArtworkResources, NewButtonPiecesHaveRedBodyAndNeutralRim) {
    for (int rows : {29, 44, 59}) {
        const std::string name = "Q" + std::to_string(rows) + "_2";
        const QImage middle = Read('R', name);
        ASSERT_EQ(middle.size(), QSize(2, rows)) << name;
        EXPECT_GE(DistanceFromRed(middle.pixel(0, 0)), 180) << name;
        EXPECT_GE(DistanceFromRed(middle.pixel(0, rows - 1)), 180) << name;
        for (int y = 1; y < rows - 1; ++y)
            EXPECT_LT(DistanceFromRed(middle.pixel(1, y)), 180) << name << " row " << y;
        const QImage left = Read('R', "Q" + std::to_string(rows) + "_L");
        const QImage right = Read('R', "Q" + std::to_string(rows) + "_R");
        EXPECT_EQ(left.mirrored(true, false), right) << name;
        EXPECT_EQ(qAlpha(left.pixel(0, 0)), 0) << "rounded corner of " << name;
    }
}

} // namespace
} // namespace tavlira
