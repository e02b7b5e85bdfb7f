// A whole match of a new player against the computer, played through the
// window as a person plays it: clicks on the pictures at the places the
// layout gives, the table buttons, and the menu afterwards.

#include "game/CaptureSearch.h"
#include "game/LayOff.h"
#include "records/RecordStore.h"
#include "ui/WindowFixture.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/window/TableView.h"
#include "util/Cp1251.h"

#include <QTest>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

using test::PlayGameByClicks;
using test::WaitIdle;

TEST(WindowGame, ANewPlayerPlaysAMatchAndJoinsTheClub) {
    Settings settings;
    settings.Speed = 6;
    auto window = test::StartWindow(settings);
    MainWindow& form = *window->form;
    // The computer's capture pauses, its ticks and the flights all run, only
    // fifty times faster.
    form.SetTimeScale(0.02);
    test::EnterAsNewPlayer(form, "Tester", "pw");
    EXPECT_FALSE(form.Table()->SecondButton()->isEnabled());
    EXPECT_EQ(form.Table()->SecondButton()->text(), "Exit to menu");

    // Games follow one another until the rules let the player leave.
    for (int game = 0; game < 5 && !form.Table()->SecondButton()->isEnabled(); ++game) {
        if (game > 0) {
            ASSERT_EQ(form.Table()->StartButton()->text(), "Next game");
            form.Table()->StartButton()->click();
            WaitIdle(form);
        }
        PlayGameByClicks(form);
    }
    ASSERT_TRUE(form.Table()->SecondButton()->isEnabled());
    ASSERT_EQ(form.Table()->SecondButton()->text(), "Exit to menu");
    form.Table()->SecondButton()->click();
    WaitIdle(form);

    ASSERT_EQ(form.CurrentScreen(), Screen::Menu);
    EXPECT_TRUE(form.MenuButton(1)->isEnabled());
    EXPECT_TRUE(form.MenuButton(1)->text().contains("Tester"))
        << form.MenuButton(1)->text().toStdString();
    const std::string club = window->folder.ReadFile(RecordFileName(RecordFileKind::Club));
    EXPECT_EQ(club.substr(0, 6), "Tester");
}

} // namespace
} // namespace tavlira
