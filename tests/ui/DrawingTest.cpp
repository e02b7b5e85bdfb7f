// The pictures of the table elements: highlights that undo themselves, the
// selection and capture-area marks, and banners.

#include "i18n/WordTable.h"
#include "ui/table/TableScale.h"
#include "ui/window/TableDrawing.h"

#include <gtest/gtest.h>

namespace tavlira {
namespace {

CardCode Card(const char* bytes) {
    return *CardCode::FromBytes(bytes);
}

struct DrawingSetup {
    explicit DrawingSetup(WindowSizeMode mode) : scale(TableScale::ForMode(mode, QSize())) {
        store.LoadDeckFaces(0, 0, PictureSizeClass(scale.Scale()));
        store.LoadBackground(false, 2, 0, static_cast<int>(mode), scale.ClientSize());
        drawing = std::make_unique<TableDrawing>(store, store.Background(), scale,
                                                 static_cast<int>(mode), TableFonts());
    }
    TableScale scale;
    PictureStore store;
    std::unique_ptr<TableDrawing> drawing;
};

// Small, medium and large pictures alike: inverting a card twice gives back
// the card, and once turns each pixel inside it to its complement.
TEST(TableDrawing, InvertingACardTwiceRestoresItInEveryPictureClass) {
    for (WindowSizeMode mode :
         {WindowSizeMode::Small, WindowSizeMode::Medium2, WindowSizeMode::Large}) {
        SCOPED_TRACE(static_cast<int>(mode));
        DrawingSetup setup(mode);
        event::RedrawTable table;
        table.cards[1] = Card("\xD2\xEF"); // ace of spades
        const QImage original = setup.drawing->Table(table);
        const QPoint origin = setup.drawing->Slots().CardOrigin(1);
        const QPoint inside = origin + QPoint(setup.drawing->CardSize().width() / 2, 10);

        QImage image = original;
        setup.drawing->Cards().InvertCard(image, origin);
        EXPECT_EQ(image.pixel(inside), original.pixel(inside) ^ 0x00FFFFFF);
        setup.drawing->Cards().InvertCard(image, origin);
        EXPECT_EQ(image, original);
    }
}

TEST(TableDrawing, SelectedTableCardsAreInvertedAndTheWaitingCardIsFramed) {
    DrawingSetup setup(WindowSizeMode::Small);
    event::RedrawTable table;
    table.cards[2] = Card("5\xEA"); // five of clubs
    table.cards[9] = Card("5\xF7"); // five of hearts
    const QImage plain = setup.drawing->Table(table);
    table.highlighted.Add(2);
    table.highlighted.Add(9);
    const QImage marked = setup.drawing->Table(table);

    const QPoint slot2 = setup.drawing->Slots().CardOrigin(2) + QPoint(35, 48);
    EXPECT_EQ(marked.pixel(slot2), plain.pixel(slot2) ^ 0x00FFFFFF);
    const QPoint frame9 = setup.drawing->Slots().CardOrigin(9) + QPoint(35, 1);
    EXPECT_EQ(QColor(marked.pixel(frame9)), QColor(255, 128, 64));
}

TEST(TableDrawing, ABannerIgnoresTrailingBlanksAndAnEmptyTextClearsIt) {
    DrawingSetup setup(WindowSizeMode::Medium1);
    const QImage trimmed = setup.drawing->Banner(LocalSeat, "Tester", BannerColour::Green);
    EXPECT_EQ(setup.drawing->Banner(LocalSeat, "Tester   ", BannerColour::Green), trimmed);
    const QImage cleared = setup.drawing->Banner(LocalSeat, "", BannerColour::Green);
    EXPECT_EQ(cleared, setup.drawing->Under(setup.drawing->Layout().playerBanner));
    EXPECT_NE(cleared, trimmed);
}

// The picked hand card is inverted; its neighbours stay as they were.
TEST(TableDrawing, ThePickedHandCardIsInverted) {
    DrawingSetup setup(WindowSizeMode::Small);
    event::RedrawHand hand;
    hand.seat = LocalSeat;
    hand.faceUp = true;
    const char* codes[] = {"2\xF7", "3\xF7", "4\xF7", "6\xF7"};
    for (int place = 1; place <= 4; ++place)
        hand.cards[place] = Card(codes[place - 1]);
    std::vector<int> handX;
    const QImage plain = setup.drawing->Hand(hand, handX);
    hand.raised = 2;
    std::vector<int> raisedX;
    const QImage raised = setup.drawing->Hand(hand, raisedX);
    ASSERT_EQ(handX, raisedX);
    const int y = 48;
    for (int place = 1; place <= 4; ++place) {
        const int x = handX[static_cast<std::size_t>(place - 1)] + 35;
        const QRgb expected = place == 2 ? plain.pixel(x, y) ^ 0x00FFFFFF : plain.pixel(x, y);
        EXPECT_EQ(raised.pixel(x, y), expected) << "card " << place;
    }
}

// Whether any pixel in columns [from, to) of the picture is mainly blue, the
// colour of the plate's and the deck's texts.
bool BlueIn(const QImage& picture, int from, int to) {
    for (int y = 0; y < picture.height(); ++y)
        for (int x = from; x < to; ++x) {
            const QColor c = picture.pixelColor(x, y);
            if (c.blue() > c.red() + 80 && c.blue() > c.green() + 80)
                return true;
        }
    return false;
}

// "Game 20" is twice as long in some languages as in others; however long,
// it stays off the border of the game plate's frame.
TEST(TableDrawing, TheGamePlateTextStaysInsideItsFrameInEveryLanguage) {
    const LanguageIndex before = CurrentLanguage();
    for (WindowSizeMode mode : {WindowSizeMode::Small, WindowSizeMode::Large}) {
        DrawingSetup setup(mode);
        const int border = setup.scale.S(6);
        for (std::size_t language = 0; language < LanguageCount; ++language) {
            SetLanguage(*LanguageAt(static_cast<int>(language)));
            const QImage plate = setup.drawing->GameCounter(20);
            EXPECT_TRUE(BlueIn(plate, border, plate.width() - border));
            EXPECT_FALSE(BlueIn(plate, 0, border)) << language;
            EXPECT_FALSE(BlueIn(plate, plate.width() - border, plate.width())) << language;
        }
    }
    SetLanguage(before);
}

} // namespace
} // namespace tavlira
