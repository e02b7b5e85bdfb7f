#include "ui/artwork/PictureStore.h"

#include <QCryptographicHash>
#include <gtest/gtest.h>
#include <set>

namespace tavlira {
namespace {

using Libraries = std::vector<std::string>;

int NeverCalled(int) {
    ADD_FAILURE() << "unexpected random draw";
    return 0;
}

QByteArray Fingerprint(const QImage& picture) {
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32);
    return QCryptographicHash::hash(QByteArrayView(pixels.constBits(), pixels.sizeInBytes()),
                                    QCryptographicHash::Sha1);
}

// Pixels of a face that are clearly red (the pips and indices of hearts and
// diamonds), and pixels that are not paper white.
struct Ink {
    int red = 0;
    int marked = 0;
};

Ink InkOf(const QImage& face) {
    Ink ink;
    const QImage pixels = face.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            const QRgb p = pixels.pixel(x, y);
            if (qAlpha(p) < 128)
                continue;
            if (qRed(p) > 170 && qGreen(p) < 90 && qBlue(p) < 90)
                ++ink.red;
            if (qRed(p) + qGreen(p) + qBlue(p) < 600)
                ++ink.marked;
        }
    }
    return ink;
}

QImage FaceOf(const PictureStore& store, CardCode card) {
    return store.PictureClass() == SizeClass::Small ? store.FaceBitmap(card)
                                                    : store.FacePicture(card);
}

class EachSizeClass : public testing::TestWithParam<SizeClass> {};

TEST_P(EachSizeClass, EveryFaceBackAndIconHasItsSize) {
    const bool small = GetParam() == SizeClass::Small;
    const QSize cardSize = small ? QSize(69, 94) : QSize(146, 198);
    PictureStore store;
    const ArtworkLoad load = store.LoadDeckFaces(0, 0, GetParam());
    EXPECT_TRUE(load.ok);
    EXPECT_TRUE(load.missingLibraries.empty());
    for (CardCode card : AllCards()) {
        EXPECT_EQ(FaceOf(store, card).size(), cardSize) << card.Bytes();
        // The other class's face is not in the store.
        EXPECT_TRUE((small ? store.FacePicture(card) : store.FaceBitmap(card)).isNull());
    }
    std::set<QByteArray> backs;
    for (int weekday = 1; weekday <= 7; ++weekday) {
        store.ChooseBackPicture(weekday, false, NeverCalled);
        EXPECT_EQ(store.BackPicture(), weekday);
        EXPECT_EQ(store.Back().size(), cardSize);
        backs.insert(Fingerprint(store.Back()));
    }
    EXPECT_EQ(backs.size(), 7u) << "each weekday has its own back";
    for (char suitByte : {suit::Hearts, suit::Diamonds, suit::Clubs, suit::Spades}) {
        EXPECT_EQ(store.SuitIcon(suitByte).size(), QSize(20, 20));
        EXPECT_EQ(store.LargeSuitIcon(suitByte).size(), QSize(40, 40));
    }
}

TEST_P(EachSizeClass, FacesAreDistinctInkedAndRedForRedSuits) {
    PictureStore store;
    store.LoadDeckFaces(0, 0, GetParam());
    const int area = FaceOf(store, AllCards()[0]).width() * FaceOf(store, AllCards()[0]).height();
    std::set<QByteArray> distinct;
    for (CardCode card : AllCards()) {
        const QImage face = FaceOf(store, card);
        distinct.insert(Fingerprint(face));
        const Ink ink = InkOf(face);
        EXPECT_GT(ink.marked, area / 50) << card.Bytes() << " is blank";
        if (card.IsCourt())
            continue; // court figures wear red in every suit
        const bool redSuit = card.suit == suit::Hearts || card.suit == suit::Diamonds;
        if (redSuit)
            EXPECT_GT(ink.red, area / 100) << card.Bytes();
        else
            EXPECT_EQ(ink.red, 0) << card.Bytes();
    }
    EXPECT_EQ(distinct.size(), 52u);
}

INSTANTIATE_TEST_SUITE_P(PictureStore, EachSizeClass,
                         testing::Values(SizeClass::Small, SizeClass::Medium, SizeClass::Large));

TEST(PictureStore, FacesAreFoundByTheFirstTwoBytesOfACode) {
    PictureStore store;
    store.LoadDeckFaces(0, 0, SizeClass::Small);
    const CardCode aceOfHearts{rank::Ace, suit::Hearts};
    const QImage ace = store.FaceBitmap(aceOfHearts);
    ASSERT_FALSE(ace.isNull());
    EXPECT_EQ(store.FaceBitmap(aceOfHearts.Bytes() + "##"), ace);
    EXPECT_TRUE(store.FaceBitmap("##").isNull());
    EXPECT_TRUE(store.FaceBitmap(std::string(1, rank::Ace)).isNull());
    EXPECT_TRUE(store.FaceBitmap(std::string{suit::Hearts, rank::Ace}).isNull());
}

TEST(PictureStore, SmallSuitIconsAreTransparentAroundThePip) {
    PictureStore store;
    store.LoadDeckFaces(0, 0, SizeClass::Small);
    const QImage hearts = store.SuitIcon(suit::Hearts);
    EXPECT_EQ(qAlpha(hearts.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(hearts.pixel(10, 10)), 255);
    EXPECT_GT(qRed(hearts.pixel(10, 10)), 180);
    EXPECT_LT(qGreen(hearts.pixel(10, 10)), 60);
    EXPECT_TRUE(store.SuitIcon('#').isNull());
}

// Every deck, back design and background outside the program's own artwork
// lives in a pack; a missing pack is reported and the built-in artwork used.
TEST(PictureStore, MissingPacksFallBackToTheBuiltInArtwork) {
    struct Case {
        int deckFace;
        int deckBack;
        Libraries missing;
    };
    const Case cases[] = {
        {5, 0, {"QelCards06A.dll"}},
        {33, 0, {"QelCards06B.dll"}},
        {45, 4, {"QelCards06C.dll", "QelCards06B.dll"}},
        {0, 9, {"QelCards06B.dll"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.deckFace);
        PictureStore store;
        const ArtworkLoad load = store.LoadDeckFaces(c.deckFace, c.deckBack, SizeClass::Medium);
        EXPECT_FALSE(load.ok);
        EXPECT_EQ(load.missingLibraries, c.missing);
        EXPECT_EQ(store.DeckFace(), 0);
        EXPECT_EQ(store.DeckBack(), 0);
        EXPECT_TRUE(store.WideDeck());
        EXPECT_EQ(store.FacePicture(AllCards()[0]).size(), QSize(146, 198));
        EXPECT_EQ(store.Back().size(), QSize(146, 198));
    }
}

TEST(PictureStore, BackgroundIsStretchedOutsideTheSmallWindow) {
    PictureStore store;
    ArtworkLoad load = store.LoadBackground(false, 2, 0, 1, QSize(760, 500));
    EXPECT_TRUE(load.ok);
    EXPECT_EQ(store.Background().size(), QSize(760, 500));

    load = store.LoadBackground(false, 2, 0, 3, QSize(990, 650));
    EXPECT_TRUE(load.ok);
    EXPECT_EQ(store.Background().size(), QSize(990, 650));

    // Design 0 leaves the picture as it is.
    load = store.LoadBackground(false, 0, 0, 1, QSize(760, 500));
    EXPECT_TRUE(load.ok);
    EXPECT_EQ(store.Background().size(), QSize(990, 650));
}

TEST(PictureStore, MissingBackgroundPacksFallBackToTheBuiltInBackground) {
    PictureStore store;
    ArtworkLoad load = store.LoadBackground(false, 5, 3, 4, QSize(1290, 850));
    EXPECT_EQ(load.missingLibraries, Libraries{"QelBackG03.dll"});
    EXPECT_EQ(store.BackgroundDesign(), 2);
    EXPECT_EQ(store.BackgroundColour(), 0);
    EXPECT_EQ(store.Background().size(), QSize(1290, 850));

    load = store.LoadBackground(true, 2, 0, 1, QSize(760, 500));
    EXPECT_FALSE(load.ok);
    EXPECT_EQ(load.missingLibraries, Libraries{"QelCGraph1.dll"});
    EXPECT_EQ(store.Background().size(), QSize(760, 500));
}

} // namespace
} // namespace tavlira
