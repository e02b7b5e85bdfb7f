// The loaders with the packs the build makes: every deck, back design and
// background comes out of its pack, and every way a pack can be missing or
// damaged ends with the built-in pictures, the pack named once and the
// choice corrected.
#include "ui/artwork/ArtworkPacks.h"
#include "ui/artwork/ArtworkTables.h"
#include "ui/artwork/FaceEllipse.h"
#include "ui/artwork/PictureStore.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>

namespace tavlira {
namespace {

namespace fs = std::filesystem;
using Libraries = std::vector<std::string>;

const fs::path kBuiltPacks = TAVLIRA_PACKS_DIR;
constexpr const char* kAllPacks[] = {DeckLibraryA, DeckLibraryB, DeckLibraryC, BackgroundLibrary,
                                     GraphLibrary};

QByteArray Fingerprint(const QImage& picture) {
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32);
    return QCryptographicHash::hash(QByteArrayView(pixels.constBits(), pixels.sizeInBytes()),
                                    QCryptographicHash::Sha1);
}

// Mean brightness (0..255) of the opaque pixels inside `area`.
double Brightness(const QImage& picture, const QRect& area) {
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    int counted = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!pixels.rect().contains(x, y) || qAlpha(pixels.pixel(x, y)) < 128)
                continue;
            sum += qGray(pixels.pixel(x, y));
            ++counted;
        }
    }
    return counted ? sum / counted : 0;
}

// Stretches of paper under the ellipse of a larger and of a small face.
const QRect kBelowTheEllipse(QPoint(10, 145), QPoint(115, 185));
const QRect kBelowTheSmallEllipse(QPoint(4, 64), QPoint(64, 88));

// A program folder inside a family folder, holding the packs a test puts
// there (links to the packs of the build, or damaged copies).
class Packs : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(family.isValid());
        fs::create_directory(Program());
        store.SetPackFolders({Program(), Family()});
    }
    fs::path Family() const { return family.path().toStdString(); }
    fs::path Program() const { return Family() / "Tavlira-Duo"; }

    void Place(const char* pack) { fs::create_symlink(kBuiltPacks / pack, Family() / pack); }
    void PlaceAllBut(const std::string& left) {
        for (const char* pack : kAllPacks)
            if (pack != left)
                Place(pack);
    }
    // The first `length` bytes of a built pack under its own name.
    void PlaceTruncated(const char* pack, qint64 length) {
        QFile in(QString::fromStdString((kBuiltPacks / pack).string()));
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        QFile out(QString::fromStdString((Family() / pack).string()));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(in.read(length));
    }

    QTemporaryDir family;
    PictureStore store;
};

TEST_F(Packs, EveryDeckComesOutOfItsPackWithItsPaperLight) {
    PlaceAllBut("");
    PictureStore builtIn;
    builtIn.LoadDeckFaces(0, 0, SizeClass::Large);
    std::set<QByteArray> kings;
    const CardCode two{'2', suit::Spades};
    const CardCode king{rank::King, suit::Hearts};
    for (int deck = 1; deck < DeckCount; ++deck) {
        SCOPED_TRACE(deck);
        const ArtworkLoad load = store.LoadDeckFaces(deck, 0, SizeClass::Large);
        ASSERT_TRUE(load.ok) << load.missingLibraries.front();
        EXPECT_EQ(store.DeckFace(), deck);
        EXPECT_EQ(store.WideDeck(), FindDeck(deck)->wide);
        const QImage face = store.FacePicture(two);
        EXPECT_EQ(face.size(), FindDeck(deck)->wide ? QSize(146, 198) : QSize(126, 198));
        // The two of spades is mostly paper: once the loader has turned the
        // ellipse back, the paper inside it is as light (or, on a dark card,
        // as dark) as below it; if either side forgot, they differ.
        EXPECT_NEAR(Brightness(face, FaceEllipseBox(false, store.WideDeck())),
                    Brightness(face, kBelowTheEllipse), 60);
        EXPECT_EQ(store.LargeSuitIcon(suit::Clubs).size(), QSize(40, 40));
        kings.insert(Fingerprint(store.FacePicture(king)));
    }
    kings.insert(Fingerprint(builtIn.FacePicture(king)));
    EXPECT_EQ(kings.size(), 48u) << "no two decks share their kings";
}

TEST_F(Packs, SmallFacesAreBitmapsWithTheirEllipseTurnedBack) {
    PlaceAllBut("");
    for (int deck : {6, 29, 36, 47}) {
        SCOPED_TRACE(deck);
        ASSERT_TRUE(store.LoadDeckFaces(deck, 0, SizeClass::Small).ok);
        const QImage face = store.FaceBitmap(CardCode{'2', suit::Hearts});
        EXPECT_EQ(face.size(), QSize(69, 94));
        EXPECT_NEAR(Brightness(face, FaceEllipseBox(true, true)),
                    Brightness(face, kBelowTheSmallEllipse), 60);
        EXPECT_TRUE(store.FacePicture(CardCode{'2', suit::Hearts}).isNull());
        const QImage icon = store.SuitIcon(suit::Diamonds);
        EXPECT_EQ(icon.size(), QSize(20, 20));
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "the silver around the pip is transparent";
    }
}

TEST_F(Packs, TheGraySurfaceOfDeck26sDiamondIconIsFloodedTransparent) {
    PlaceAllBut("");
    ASSERT_TRUE(store.LoadDeckFaces(26, 0, SizeClass::Small).ok);
    const QImage icon = store.SuitIcon(suit::Diamonds);
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(19, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(10, 10)), 255);
}

TEST_F(Packs, EveryBackDesignAtEveryCellShape) {
    PlaceAllBut("");
    struct Shape {
        int deck;
        SizeClass sizeClass;
        QSize size;
    };
    const Shape shapes[] = {{1, SizeClass::Small, {69, 94}},
                            {1, SizeClass::Large, {146, 198}},
                            {29, SizeClass::Medium, {126, 198}}};
    for (const Shape& shape : shapes) {
        for (int design = 0; design < BackDesignCount; ++design) {
            SCOPED_TRACE(testing::Message() << "deck " << shape.deck << " design " << design);
            ASSERT_TRUE(store.LoadDeckFaces(shape.deck, design, shape.sizeClass).ok);
            EXPECT_EQ(store.DeckBack(), design);
            std::set<QByteArray> pictures;
            for (int weekday = 1; weekday <= 7; ++weekday) {
                store.ChooseBackPicture(weekday, false, [](int n) { return n - 1; });
                EXPECT_EQ(store.Back().size(), shape.size);
                pictures.insert(Fingerprint(store.Back()));
            }
            // The designs of ten pictures show picture 10 whatever the day.
            EXPECT_EQ(pictures.size(), BackPictureCount(design) == 10 ? 1u : 7u);
        }
    }
}

TEST_F(Packs, EveryBackgroundAndThePurpleOne) {
    PlaceAllBut("");
    for (int design = 1; design <= BackgroundDesignCount; ++design) {
        for (int colour = 0; colour < BackgroundColourCount; ++colour) {
            SCOPED_TRACE(testing::Message() << design << '/' << colour);
            ASSERT_TRUE(store.LoadBackground(false, design, colour, 1, QSize(760, 500)).ok);
            EXPECT_EQ(store.Background().size(), QSize(760, 500));
            EXPECT_EQ(store.BackgroundDesign(), design);
        }
    }
    ASSERT_TRUE(store.LoadBackground(false, 9, 4, 5, QSize(1520, 1000)).ok);
    EXPECT_EQ(store.Background().size(), QSize(1520, 1000));
    ASSERT_TRUE(store.LoadBackground(true, 9, 4, 3, QSize(990, 650)).ok);
    EXPECT_TRUE(store.PurpleBackground());
    EXPECT_EQ(store.Background().size(), QSize(990, 650));
}

// Which packs are missing, what the load names, and what the store falls
// back to.
TEST_F(Packs, EachMissingPackFallsBackAndIsNamedOnce) {
    struct Case {
        const char* missing;
        int deck;
        int back;
        SizeClass sizeClass;
        Libraries named;
        int deckAfter;
        int backAfter;
    };
    const Case cases[] = {
        {DeckLibraryA, 5, 3, SizeClass::Large, {DeckLibraryA}, 0, 3},
        {DeckLibraryC, 41, 0, SizeClass::Small, {DeckLibraryC}, 0, 0},
        // The back pack missing: a wide deck keeps its faces.
        {DeckLibraryB, 8, 5, SizeClass::Medium, {DeckLibraryB}, 8, 0},
        // A narrow deck in the larger classes has no built-in backs: it gives
        // way to deck 0 too, with one message.
        {DeckLibraryB, 29, 0, SizeClass::Large, {DeckLibraryB}, 0, 0},
        {DeckLibraryB, 29, 7, SizeClass::Large, {DeckLibraryB}, 29, 0},
        // In the small class the narrow deck needs no back pack.
        {DeckLibraryB, 29, 0, SizeClass::Small, {}, 29, 0},
        // A deck of the back pack itself.
        {DeckLibraryB, 35, 3, SizeClass::Medium, {DeckLibraryB}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.missing << " deck " << c.deck << " back " << c.back);
        QTemporaryDir folder;
        PictureStore loader;
        loader.SetPackFolders({folder.path().toStdString()});
        for (const char* pack : kAllPacks)
            if (std::string(pack) != c.missing)
                fs::create_symlink(kBuiltPacks / pack,
                                   fs::path(folder.path().toStdString()) / pack);
        const ArtworkLoad load = loader.LoadDeckFaces(c.deck, c.back, c.sizeClass);
        EXPECT_EQ(load.ok, c.named.empty());
        EXPECT_EQ(load.missingLibraries, c.named);
        EXPECT_EQ(loader.DeckFace(), c.deckAfter);
        EXPECT_EQ(loader.DeckBack(), c.backAfter);
        EXPECT_EQ(loader.WideDeck(), IsWideDeck(c.deckAfter));
        EXPECT_FALSE(loader.Back().isNull());
        const QImage face = c.sizeClass == SizeClass::Small ? loader.FaceBitmap(AllCards()[0])
                                                            : loader.FacePicture(AllCards()[0]);
        EXPECT_FALSE(face.isNull());
    }
}

TEST_F(Packs, MissingBackgroundPacks) {
    // The built-in background never opens a pack.
    ArtworkLoad load = store.LoadBackground(false, 2, 0, 1, QSize(760, 500));
    EXPECT_TRUE(load.ok);
    PlaceAllBut(BackgroundLibrary);
    load = store.LoadBackground(false, 6, 2, 3, QSize(990, 650));
    EXPECT_EQ(load.missingLibraries, Libraries{BackgroundLibrary});
    EXPECT_EQ(store.BackgroundDesign(), 2);
    EXPECT_EQ(store.BackgroundColour(), 0);
    EXPECT_EQ(store.Background().size(), QSize(990, 650));
}

TEST_F(Packs, PurpleWithoutTheGraphPackShowsTheChosenBackground) {
    PlaceAllBut(GraphLibrary);
    const ArtworkLoad load = store.LoadBackground(true, 4, 1, 1, QSize(760, 500));
    EXPECT_EQ(load.missingLibraries, Libraries{GraphLibrary});
    EXPECT_FALSE(store.PurpleBackground());
    EXPECT_EQ(store.BackgroundDesign(), 4);
    EXPECT_EQ(store.BackgroundColour(), 1);
}

TEST_F(Packs, APackInTheProgramFolderComesBeforeTheFamilyFolder) {
    // A truncated copy in the program folder is passed over for the sound one
    // in the family folder.
    QFile::copy(QString::fromStdString((kBuiltPacks / GraphLibrary).string()),
                QString::fromStdString((Program() / GraphLibrary).string()));
    QFile::resize(QString::fromStdString((Program() / GraphLibrary).string()), 1000);
    Place(GraphLibrary);
    QImage strip;
    EXPECT_TRUE(LoadPictureFromLibrary("GTouch", GraphLibrary, store.Folders(), strip));
    EXPECT_EQ(strip.size(), QSize(3000, 100));
}

TEST_F(Packs, DamagedPacksAreRefusedAndTheBuiltInArtKept) {
    PictureStore builtIn;
    builtIn.LoadDeckFaces(0, 0, SizeClass::Medium);
    const QByteArray builtInAce = Fingerprint(builtIn.FacePicture(AllCards()[51]));
    const qint64 size = QFile(QString::fromStdString((kBuiltPacks / DeckLibraryC).string())).size();
    // Cut in the pictures, in the names, in the tree, and a header only.
    for (qint64 length : {size / 3, size - 2000, size - 11, qint64{20}, qint64{0}}) {
        SCOPED_TRACE(length);
        fs::remove(Family() / DeckLibraryC);
        PlaceTruncated(DeckLibraryC, length);
        const ArtworkLoad load = store.LoadDeckFaces(40, 0, SizeClass::Medium);
        EXPECT_EQ(load.missingLibraries, Libraries{DeckLibraryC});
        EXPECT_EQ(store.DeckFace(), 0);
        EXPECT_EQ(Fingerprint(store.FacePicture(AllCards()[51])), builtInAce);
    }
    fs::remove(Family() / GraphLibrary);
    PlaceTruncated(GraphLibrary, 200000);
    EXPECT_EQ(store.LoadBackground(true, 2, 0, 1, QSize(760, 500)).missingLibraries,
              Libraries{GraphLibrary});
}

TEST_F(Packs, AFolderOrFifoUnderAPackNameIsNoPack) {
    fs::create_directory(Family() / DeckLibraryA);
    ASSERT_EQ(mkfifo((Family() / DeckLibraryC).c_str(), 0600), 0);
    EXPECT_EQ(store.LoadDeckFaces(3, 0, SizeClass::Small).missingLibraries,
              Libraries{DeckLibraryA});
    EXPECT_EQ(store.LoadDeckFaces(45, 0, SizeClass::Small).missingLibraries,
              Libraries{DeckLibraryC});
}

TEST_F(Packs, LoadPictureFromLibrary) {
    QImage picture;
    EXPECT_FALSE(LoadPictureFromLibrary("GTouch", GraphLibrary, store.Folders(), picture));
    Place(GraphLibrary);
    EXPECT_TRUE(LoadPictureFromLibrary("GTouch", GraphLibrary, store.Folders(), picture));
    EXPECT_EQ(picture.size(), QSize(3000, 100));
    EXPECT_TRUE(LoadPictureFromLibrary("BGLilu", GraphLibrary, store.Folders(), picture,
                                       ResourceKind::Jpeg));
    EXPECT_FALSE(LoadPictureFromLibrary("NoSuchPicture", GraphLibrary, store.Folders(), picture));
    // Without a pack name: the program's own pictures.
    EXPECT_TRUE(LoadPictureFromLibrary("FonG", "", {}, picture, ResourceKind::Jpeg));
    EXPECT_EQ(picture.size(), QSize(760, 500));
}

TEST(PackFolders, ProgramFolderFirstThenFamilyThenTheProgramsOwn) {
    const PackFolders portable =
        SearchFolders("/games/Tavlira/Tavlira-Duo/", "/games/Tavlira/Tavlira-Duo");
    EXPECT_EQ(portable, (PackFolders{"/games/Tavlira/Tavlira-Duo", "/games/Tavlira",
                                     "/games/Tavlira/share/tavlira-duo/packs"}));
    const PackFolders installed =
        SearchFolders("/home/p/.local/share/Tavlira/Tavlira-Duo", "/usr/bin");
    EXPECT_EQ(installed, (PackFolders{"/home/p/.local/share/Tavlira/Tavlira-Duo",
                                      "/home/p/.local/share/Tavlira", "/usr/bin", "/usr",
                                      "/usr/share/tavlira-duo/packs"}));
}

TEST(FaceEllipse, InvertingTwiceRestoresAndOnlyTheEllipseChanges) {
    QImage picture(146, 198, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgba(x, y, (x * y) & 0xFF, 200));
    const QImage original = picture;
    const QRect box = FaceEllipseBox(false, true);
    InvertEllipse(picture, box);
    EXPECT_NE(picture, original);
    EXPECT_EQ(picture.pixel(0, 0), original.pixel(0, 0)) << "outside the box";
    EXPECT_EQ(picture.pixel(12, 12), original.pixel(12, 12)) << "a corner of the box";
    const QRgb centre = original.pixel(98, 73);
    EXPECT_EQ(picture.pixel(98, 73),
              qRgba(255 - qRed(centre), 255 - qGreen(centre), 255 - qBlue(centre), qAlpha(centre)));
    InvertEllipse(picture, box);
    EXPECT_EQ(picture, original);
}

} // namespace
} // namespace tavlira
