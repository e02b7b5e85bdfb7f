// A whole match of a new player against the computer, played through the
// window as a person plays it: clicks on the pictures at the places the
// layout gives, the table buttons, and the menu afterwards.

#include "game/CaptureSearch.h"
#include "game/LayOff.h"
#include "records/RecordStore.h"
#include "ui/WindowFixture.h"
#include "ui/controls/TQelCardsButton.h"
#include "util/Cp1251.h"

#include <QTest>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

using test::ClickAt;
using test::WaitIdle;

bool PersonsTurn(const GameState& s) {
    return s.TableActive && s.Mover == LocalSeat && s.BeginState == UnderWay && !s.GameOver &&
           s.HandCount[LocalSeat] > 0;
}

// The person's move as the computer would choose it, made by clicks.
void PlayTurnByClicks(TForm1& form) {
    const GameState& s = form.CurrentMatch().State();
    const CaptureChoice choice = FindCapture(s.Hand[LocalSeat], s.Table, s.FiguresHavePoints);
    if (choice.chosen != 0) {
        ClickAt(form, form.HandCardRect(choice.chosen));
        ASSERT_EQ(s.PickedHandSlot, choice.chosen);
        ClickAt(form, form.TableSlotRect(CaptureArea));
        WaitIdle(form);
        choice.bestTakeSet.ForEach([&](int place) {
            ClickAt(form, form.TableSlotRect(place));
            WaitIdle(form);
        });
        ASSERT_TRUE(form.Button7()->isEnabled()) << "the selection is a legal capture";
        form.Button7()->click();
    } else if (TableHasFree(s)) {
        ClickAt(form, form.HandCardRect(ChooseLayOff(s.Hand[LocalSeat], s.FiguresHavePoints)));
        ClickAt(form, form.TableSlotRect(LowestFreeTablePlace(s)));
    } else {
        QTest::qWait(5); // no move: the next tick ends the game
    }
    WaitIdle(form);
}

void PlayGameByClicks(TForm1& form) {
    const GameState& s = form.CurrentMatch().State();
    ASSERT_EQ(form.Button7()->text(), "To Begin");
    form.Button7()->click();
    WaitIdle(form);
    for (int step = 0; step < 2000 && !s.GameOver; ++step) {
        if (PersonsTurn(s))
            PlayTurnByClicks(form);
        else
            QTest::qWait(2); // the computer moves on the ticks of Timer1
        WaitIdle(form);
    }
    ASSERT_TRUE(s.GameOver);
}

TEST(WindowGame, ANewPlayerPlaysAMatchAndJoinsTheClub) {
    Settings settings;
    settings.Speed = 6;
    auto window = test::StartWindow(settings);
    TForm1& form = *window->form;
    // The computer's capture pauses, its ticks and the flights all run, only
    // fifty times faster.
    form.SetTimeScale(0.02);
    test::EnterAsNewPlayer(form, "Tester", "pw");
    EXPECT_FALSE(form.Button8()->isEnabled());
    EXPECT_EQ(form.Button8()->text(), "Exit to menu");

    // Games follow one another until the rules let the player leave.
    for (int game = 0; game < 5 && !form.Button8()->isEnabled(); ++game) {
        if (game > 0) {
            ASSERT_EQ(form.Button7()->text(), "Next game");
            form.Button7()->click();
            WaitIdle(form);
        }
        PlayGameByClicks(form);
    }
    ASSERT_TRUE(form.Button8()->isEnabled());
    ASSERT_EQ(form.Button8()->text(), "Exit to menu");
    form.Button8()->click();
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
