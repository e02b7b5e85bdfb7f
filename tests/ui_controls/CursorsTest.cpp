#include "ui/controls/Cursors.h"

#include "ui/artwork/PictureSource.h"
#include "ui/controls/SaluteBurst.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

// Surfaces take the arrow, clickable controls the hand, text boxes the edit
// cursor; the program's set is drawn, the system's is the platform's shapes.
TEST(Cursors, EachControlTakesTheCursorOfItsKind) {
    PictureSource::BuiltIn(); // the program's pictures, where its cursors are
    QWidget window;
    auto* label = new QLabel("text", &window);
    auto* box = new QCheckBox("switch", &window);
    auto* edit = new QLineEdit(&window);
    Cursors& cursors = Cursors::Instance();
    cursors.SetOwn(false);
    cursors.Dress(window);
    EXPECT_EQ(Cursors::KindShown(window), CursorKind::Arrow);
    EXPECT_EQ(Cursors::KindShown(*label), CursorKind::Arrow);
    EXPECT_EQ(Cursors::KindShown(*box), CursorKind::Hand);
    EXPECT_EQ(Cursors::KindShown(*edit), CursorKind::Edit);
    EXPECT_EQ(box->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(edit->cursor().shape(), Qt::IBeamCursor);

    cursors.SetOwn(true);
    cursors.Dress(window);
    EXPECT_EQ(box->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(box->cursor().pixmap().size(), QSize(32, 32));
    for (const auto& [kind, frames] :
         {std::pair(CursorKind::Arrow, 1), std::pair(CursorKind::Hand, 4),
          std::pair(CursorKind::Wait, 8), std::pair(CursorKind::Edit, 2)})
        EXPECT_EQ(cursors.FrameCount(kind), frames);
}

TEST(SaluteBurst, PlaysEveryFrameOnceAndGoes) {
    QImage strip(SaluteBurst::FrameSize * 3, SaluteBurst::FrameSize, QImage::Format_ARGB32);
    strip.fill(Qt::yellow);
    QPointer<SaluteBurst> burst = SaluteBurst::Play(strip, QPoint(300, 200));
    ASSERT_FALSE(burst.isNull());
    EXPECT_EQ(burst->FrameCount(), 3);
    EXPECT_EQ(burst->geometry().center(), QPoint(299, 199));
    EXPECT_TRUE(QTest::qWaitFor([&burst] { return burst.isNull(); }, 5000));
    EXPECT_EQ(SaluteBurst::Play(QImage(), QPoint()), nullptr) << "no frames, no burst";
}

} // namespace
} // namespace tavlira
