// The frames of a recorded game and the GIF file they make, read back with
// Qt's GIF reader: unchanged pictures dropped, at most 250 frames, each
// frame's display time, and colours kept.

#include "media/GifRecording.h"

#include <QBuffer>
#include <QImageReader>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

// A picture of the table in small: green cloth with one card, white with a
// red and a black mark, placed at `cardX`.
QImage Table(int cardX) {
    QImage image(48, 32, QImage::Format_ARGB32);
    image.fill(QColor(0, 110, 40));
    for (int y = 4; y < 28; ++y)
        for (int x = cardX; x < cardX + 16; ++x)
            image.setPixelColor(x, y, Qt::white);
    image.setPixelColor(cardX + 4, 8, QColor(220, 0, 0));
    image.setPixelColor(cardX + 10, 20, Qt::black);
    return image;
}

struct ReadBack {
    int frames = 0;
    std::vector<int> delays;
    std::vector<QImage> images;
};

ReadBack Read(QByteArray gif) {
    QBuffer buffer(&gif);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    ReadBack back;
    back.frames = reader.imageCount();
    for (QImage image = reader.read(); !image.isNull(); image = reader.read()) {
        back.images.push_back(image);
        back.delays.push_back(reader.nextImageDelay());
    }
    return back;
}

TEST(GifRecording, UnchangedPicturesGiveOneFrameAndTheLastStaysLonger) {
    GifRecording recording;
    const int xs[] = {2, 2, 2, 20, 20, 2};
    int added = 0;
    for (const int x : xs)
        added += recording.Add(Table(x), 1000) ? 1 : 0;
    EXPECT_EQ(added, 3);
    ASSERT_EQ(recording.FrameCount(), 3);

    const ReadBack back = Read(recording.Encode(5000));
    EXPECT_EQ(back.frames, 3);
    EXPECT_EQ(back.delays, (std::vector<int>{1000, 1000, 5000}));
    ASSERT_EQ(back.images.size(), 3u);
    // The card's colours come back exactly.
    const QImage& second = back.images[1];
    EXPECT_EQ(second.pixelColor(0, 0), QColor(0, 110, 40));
    EXPECT_EQ(second.pixelColor(21, 5), QColor(Qt::white));
    EXPECT_EQ(second.pixelColor(24, 8), QColor(220, 0, 0));
    EXPECT_EQ(second.pixelColor(30, 20), QColor(Qt::black));
}

TEST(GifRecording, The251stFrameIsDropped) {
    GifRecording recording;
    for (int i = 0; i < GifRecording::MaxFrames; ++i) {
        QImage picture(8, 8, QImage::Format_ARGB32);
        picture.fill(QColor(i, 255 - i, i / 2));
        ASSERT_TRUE(recording.Add(picture, 30));
    }
    QImage later(8, 8, QImage::Format_ARGB32);
    later.fill(Qt::blue);
    EXPECT_FALSE(recording.Add(later, 30));
    EXPECT_EQ(recording.FrameCount(), 250);

    const ReadBack back = Read(recording.Encode(5000));
    EXPECT_EQ(back.frames, 250);
    EXPECT_EQ(back.delays.front(), 30);
    EXPECT_EQ(back.delays.back(), 5000);

    // Clearing starts a new recording, whose first picture is always kept.
    recording.Clear();
    EXPECT_EQ(recording.FrameCount(), 0);
    EXPECT_TRUE(recording.Encode(5000).isEmpty());
    EXPECT_TRUE(recording.Add(later, 30));
}

} // namespace
} // namespace tavlira
