// The pictures and animations of the title, menu and dialog screens that
// other parts of the program load by name from the built-in resources.
#include "ui/artwork/PictureSource.h"

#include <QImageReader>
#include <QMovie>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tavlira {
namespace {

struct Named {
    std::string name;
    QSize size;
};

const std::vector<std::string> kSuffixes = {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze"};

std::vector<Named> StillPictures() {
    std::vector<Named> all = {
        {"Logo", {64, 64}},
        {"GTitle", {600, 160}},
        {"GSvSv", {100, 200}},
        {"GClockBG", {115, 64}},
        {"GBClockP", {3, 27}},
        {"GQels128", {128, 128}},
        {"GQelsT128", {128, 128}},
        {"LampR24", {24, 24}},
        {"LampY24", {24, 24}},
        {"LampG24", {24, 24}},
        {"AdvBar3", {350, 80}},
        {"GSvitok", {450, 700}},
        {"GMedal", {64, 80}},
        {"CountInfo", {300, 48}},
        {"GCap550", {550, 64}},
        {"GCap300", {300, 64}},
        {"GLenta380x120", {380, 120}},
        {"GLenta280x090", {280, 90}},
        {"GLenta200x100", {200, 100}},
    };
    for (const char* icon : {"Windows", "Android", "Account48", "AdvGiftR", "AdvGiftG", "Earth48",
                             "Stats", "GooglePlay", "IconHelp", "IconTour"})
        all.push_back({icon, {48, 48}});
    for (int frame = 0; frame < 6; ++frame)
        all.push_back({"GFlame" + std::to_string(frame), {20, 30}});
    for (const std::string set : {"B", "R", "A", "G", "Y", "V", "L", "N"}) {
        for (int digit = 0; digit <= 9; ++digit)
            all.push_back({"G" + set + "Clock" + std::to_string(digit), {18, 40}});
        if (set != "B")
            all.push_back({"G" + set + "ClockM", {18, 40}});
    }
    for (int place = 1; place <= 10; ++place)
        all.push_back({(place < 10 ? "GPlace0" : "GPlace") + std::to_string(place), {32, 32}});
    for (int place = 1; place <= 3; ++place)
        all.push_back({"GMEDAL0" + std::to_string(place), {24, 24}});
    for (const std::string& suffix : kSuffixes) {
        all.push_back({"Cap" + suffix, {800, 140}});
        all.push_back({"Elite" + suffix, {700, 80}});
        all.push_back({"Net__" + suffix, {700, 80}});
        all.push_back({"EndGame" + suffix, {400, 48}});
        all.push_back({"GFormEndG" + suffix, {380, 120}});
        all.push_back({"GFormCountL" + suffix, {200, 100}});
    }
    return all;
}

TEST(MenuArtwork, EveryPictureHasItsSize) {
    const PictureSource builtIn = PictureSource::BuiltIn();
    for (const Named& picture : StillPictures())
        EXPECT_EQ(builtIn.Data(picture.name).size(), picture.size) << picture.name;
}

// The menu tints its captions by swapping and mixing colour channels, which
// only gives the seven colours from red: no pixel may lean to green or blue.
TEST(MenuArtwork, CaptionsAreInRedTones) {
    const PictureSource builtIn = PictureSource::BuiltIn();
    for (const std::string& suffix : kSuffixes) {
        for (const std::string& name : {"Cap" + suffix, "Elite" + suffix, "Net__" + suffix}) {
            const QImage caption = builtIn.Data(name).convertToFormat(QImage::Format_ARGB32);
            int lettered = 0;
            for (int y = 0; y < caption.height(); ++y) {
                for (int x = 0; x < caption.width(); ++x) {
                    const QRgb pixel = caption.pixel(x, y);
                    if (qAlpha(pixel) < 128)
                        continue;
                    ++lettered;
                    ASSERT_GE(qRed(pixel), qGreen(pixel)) << name << ' ' << x << ',' << y;
                    ASSERT_GE(qRed(pixel), qBlue(pixel)) << name << ' ' << x << ',' << y;
                }
            }
            EXPECT_GT(lettered, caption.width() * caption.height() / 50) << name;
        }
    }
}

// The candelabrum and the flames have no alpha: RGB(0,128,0) is taken out as
// transparent. Their edges must not blend into that green, or a green seam
// would stay round them once the key is gone.
TEST(MenuArtwork, CandelabrumAndFlamesStandOnTheGreenKey) {
    const PictureSource builtIn = PictureSource::BuiltIn();
    const QRgb key = qRgb(0, 128, 0);
    std::vector<std::string> names = {"GSvSv"};
    for (int frame = 0; frame < 6; ++frame)
        names.push_back("GFlame" + std::to_string(frame));
    for (const std::string& name : names) {
        const QImage picture = builtIn.Data(name);
        ASSERT_FALSE(picture.isNull()) << name;
        EXPECT_FALSE(picture.hasAlphaChannel()) << name;
        EXPECT_EQ(picture.pixel(0, 0), key) << name;
        EXPECT_EQ(picture.pixel(picture.width() - 1, 0), key) << name;
        int drawn = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb pixel = picture.pixel(x, y) | 0xff000000u;
                if (pixel == key)
                    continue;
                ++drawn;
                const bool greenish =
                    qGreen(pixel) > qRed(pixel) + 20 && qGreen(pixel) > qBlue(pixel) + 20;
                ASSERT_FALSE(greenish) << name << ' ' << x << ',' << y;
            }
        }
        EXPECT_GT(drawn, picture.width() * picture.height() / 10) << name;
    }
    // The wick of every flame stands at the bottom middle of its frame.
    for (int frame = 0; frame < 6; ++frame)
        EXPECT_NE(builtIn.Data("GFlame" + std::to_string(frame)).pixel(10, 28), key) << frame;
}

TEST(MenuArtwork, AnimationsAreGifFilesWithTheirFramesAndLoops) {
    PictureSource::BuiltIn(); // registers the resources
    struct Animation {
        const char* name;
        QSize size;
        int frames; // 0: any number of frames above one
        bool loops;
        bool transparent;
    };
    const Animation animations[] = {
        {"GifMenu1", {160, 200}, 0, true, false},  {"GifMenu2", {160, 200}, 0, true, false},
        {"GTopTen", {240, 120}, 0, true, true},    {"GClubA", {60, 75}, 0, true, true},
        {"GClubB", {60, 75}, 0, true, true},       {"GClubC", {60, 75}, 0, true, true},
        {"GClubE", {60, 75}, 0, true, true},       {"GClubF", {60, 75}, 0, true, true},
        {"GClubG", {60, 75}, 0, true, true},       {"GEndBest", {150, 150}, 26, false, true},
        {"GEndGood", {150, 150}, 25, false, true}, {"GEndBads", {150, 150}, 8, true, true},
        {"GGenCount", {100, 100}, 0, true, true},
    };
    for (const Animation& animation : animations) {
        const QString path = QString(":/GIF/") + animation.name;
        QImageReader reader(path);
        EXPECT_EQ(reader.format(), "gif") << animation.name;
        EXPECT_EQ(reader.size(), animation.size) << animation.name;
        // -1: repeat forever; 0: play once.
        EXPECT_EQ(reader.loopCount(), animation.loops ? -1 : 0) << animation.name;
        int frames = 0;
        for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read()) {
            if (frames == 0) {
                EXPECT_EQ(qAlpha(frame.pixel(0, 0)) == 0, animation.transparent) << animation.name;
            }
            ++frames;
            EXPECT_GE(reader.nextImageDelay(), 60) << animation.name << " frame " << frames;
            EXPECT_LE(reader.nextImageDelay(), 100) << animation.name << " frame " << frames;
        }
        if (animation.frames > 0)
            EXPECT_EQ(frames, animation.frames) << animation.name;
        else
            EXPECT_GT(frames, 1) << animation.name;

        QMovie movie(path);
        EXPECT_TRUE(movie.isValid()) << animation.name;
        EXPECT_EQ(movie.frameCount(), frames) << animation.name;
    }
}

} // namespace
} // namespace tavlira
