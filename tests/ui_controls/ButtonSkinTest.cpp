#include "ui/controls/ButtonSkin.h"

#include <gtest/gtest.h>

namespace tavlira {
namespace {

std::string Text(QRgb c) {
    return std::to_string(qRed(c)) + "," + std::to_string(qGreen(c)) + "," +
           std::to_string(qBlue(c)) + "," + std::to_string(qAlpha(c));
}

TEST(RecolourTest, EverySkinFromRed) {
    using S = TColorSB;
    const QRgb artwork = qRgb(200, 100, 50);
    struct Case {
        S skin;
        bool alternativeSet;
        QRgb pixel;
        QRgb expected;
    };
    const Case cases[] = {
        {S::QRed, false, artwork, qRgb(200, 100, 50)},
        {S::QGreen, false, artwork, qRgb(100, 200, 50)},
        {S::QBlue, false, artwork, qRgb(50, 200, 200)},
        {S::QNavy, false, artwork, qRgb(50, 100, 200)},
        {S::QYellow, false, artwork, qRgb(200, 200, 50)},
        {S::QViolet, false, artwork, qRgb(200, 100, 200)},
        {S::QOrang, false, artwork, qRgb(200, 101, 35)},
        {S::QOrang, false, qRgb(100, 150, 20), qRgb(100, 150, 20)}, // not reddish: kept
        {S::QCards, false, artwork, qRgb(140, 0, 200)},
        {S::QCards, false, qRgb(20, 20, 20), qRgb(14, 0, 20)},
        // The alternative set only recolours what is close to pure red.
        {S::QCards, true, artwork, qRgb(120, 70, 200)},
        {S::QCards, true, qRgb(20, 20, 20), qRgb(20, 20, 20)},
        {S::QGreen, true, qRgb(20, 20, 20), qRgb(20, 20, 20)},
        {S::QNavy, false, qRgba(200, 100, 50, 128), qRgba(50, 100, 200, 128)}, // alpha kept
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Text(Recolour(c.pixel, {c.skin, 0, c.alternativeSet})), Text(c.expected))
            << "skin " << static_cast<int>(c.skin) << " from " << Text(c.pixel);
    }
}

TEST(RecolourTest, LighteningTowardsWhite) {
    const QRgb artwork = qRgb(200, 100, 50);
    const QRgb dark = qRgb(20, 20, 20);
    EXPECT_EQ(Text(Recolour(artwork, {TColorSB::QRed, 50, false})), Text(qRgb(228, 178, 152)));
    for (int s = 0; s < SkinCount; ++s) {
        const auto skin = static_cast<TColorSB>(s);
        EXPECT_EQ(Recolour(artwork, {skin, 100, false}), qRgb(255, 255, 255)) << s;
        EXPECT_EQ(Recolour(dark, {skin, 100, false}), qRgb(255, 255, 255)) << s;
        EXPECT_EQ(Recolour(artwork, {skin, 100, true}), qRgb(255, 255, 255)) << s;
        // The alternative set leaves colours far from red alone.
        EXPECT_EQ(Recolour(dark, {skin, 100, true}), dark) << s;
    }
}

TEST(RecolourTest, WholePiece) {
    QImage piece(3, 2, QImage::Format_ARGB32);
    piece.fill(qRgb(200, 100, 50));
    piece.setPixel(0, 0, qRgba(0, 0, 0, 0));
    const QImage blue = Recolour(piece, {TColorSB::QBlue, 0, false});
    EXPECT_EQ(blue.pixel(2, 1), qRgb(50, 200, 200));
    EXPECT_EQ(qAlpha(blue.pixel(0, 0)), 0);
    // Red without lightening is the artwork itself.
    EXPECT_EQ(Recolour(piece, {}), piece);
}

TEST(GradientTest, RowsOfTheThreeTables) {
    struct Case {
        int classIndex, row;
        QRgb expected;
    };
    const Case cases[] = {
        {0, 0, qRgb(128, 0, 0)},     {0, 1, qRgb(17, 0, 0)},     {0, 2, qRgb(135, 91, 91)},
        {0, 3, qRgb(232, 173, 173)}, {0, 13, qRgb(176, 80, 80)}, {0, 14, qRgb(152, 36, 36)},
        {0, 15, qRgb(136, 0, 0)},    {0, 27, qRgb(238, 0, 0)},   {0, 28, qRgb(128, 0, 0)},
        {1, 1, qRgb(11, 0, 0)},      {1, 2, qRgb(132, 93, 93)},  {1, 3, qRgb(239, 180, 180)},
        {1, 21, qRgb(175, 74, 74)},  {1, 22, qRgb(153, 34, 34)}, {1, 23, qRgb(136, 0, 0)},
        {1, 24, qRgb(142, 0, 0)},    {1, 42, qRgb(244, 0, 0)},   {1, 43, qRgb(128, 0, 0)},
        {2, 1, qRgb(9, 0, 0)},       {2, 2, qRgb(131, 94, 94)},  {2, 3, qRgb(243, 183, 183)},
        {2, 29, qRgb(172, 71, 71)},  {2, 30, qRgb(150, 33, 33)}, {2, 31, qRgb(132, 0, 0)},
        {2, 57, qRgb(246, 0, 0)},    {2, 58, qRgb(128, 0, 0)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Text(GradientRow(c.classIndex, c.row)), Text(c.expected))
            << "class " << c.classIndex << " row " << c.row;
}

TEST(PieceClassTest, HeightsPickTheirPieces) {
    struct Case {
        int height, index, capWidth, rows;
    };
    const Case cases[] = {{20, 0, 8, 29},  {30, 0, 8, 29},  {31, 1, 13, 44},
                          {45, 1, 13, 44}, {46, 2, 17, 59}, {90, 2, 17, 59}};
    for (const Case& c : cases) {
        const PieceClass pieces = PieceClassFor(c.height);
        EXPECT_EQ(pieces.index, c.index) << c.height;
        EXPECT_EQ(pieces.capWidth, c.capWidth) << c.height;
        EXPECT_EQ(pieces.rows, c.rows) << c.height;
    }
}

} // namespace
} // namespace tavlira
