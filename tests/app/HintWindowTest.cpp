// The expert's hint at the table: asked by the H key on the person's turn, it
// outlines the move the expert would make and makes none; the next click
// takes it away.

#include "app/MainWindow.h"
#include "ui/WindowFixture.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/window/TableView.h"

#include <QAction>
#include <QTest>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

bool WaitFor(const std::function<bool()>& done) {
    for (int round = 0; round < 20000 && !done(); ++round)
        QTest::qWait(1);
    return done();
}

TEST(MoveHint, OutlinesTheExpertsMoveAndMakesNone) {
    auto window = test::StartWindow(Settings{});
    MainWindow& form = *window->form;
    form.SetTimeScale(0.02);
    test::EnterAsNewPlayer(form, "Tester", "pw");
    // Before "To Begin" there is no turn to hint at.
    EXPECT_FALSE(form.MoveHintAllowed());
    form.Table()->StartButton()->click();
    ASSERT_TRUE(WaitFor([&] { return form.MoveHintAllowed() && !form.Queue().Busy(); }));

    engine::ExpertOptions options;
    options.playouts = 300;
    options.seed = 5;
    form.SetHintOptions(options);
    const GameState before = form.CurrentMatch().State();
    QTest::keyClick(&form, Qt::Key_H);
    ASSERT_TRUE(WaitFor([&] { return form.Table()->ShownMoveHint().has_value(); }));

    const engine::ExpertChoice expert = engine::ExpertTurn(before, LocalSeat, options);
    const TableView::MoveHint shown = *form.Table()->ShownMoveHint();
    EXPECT_EQ(shown.handPlace, expert.handPlace);
    EXPECT_EQ(shown.capture, expert.capture);
    EXPECT_EQ(shown.layOffPlace, expert.layOffPlace);
    EXPECT_NE(shown.handPlace, 0);
    // Nothing was played.
    const GameState& after = form.CurrentMatch().State();
    EXPECT_EQ(after.Hand, before.Hand);
    EXPECT_EQ(after.Table, before.Table);
    EXPECT_EQ(after.Mover, before.Mover);

    // The next click takes the hint away.
    test::ClickAt(*form.Table(), form.Table()->ElementRect(TableView::Element::stock));
    EXPECT_FALSE(form.Table()->ShownMoveHint().has_value());
}

} // namespace
} // namespace tavlira
