// The window's sounds, recorded instead of played: the effects of the game
// in their order, "SoundOn", and the right-click that speaks a card.

#include "i18n/WordTable.h"
#include "media/CardVoice.h"
#include "media/Sounds.h"
#include "ui/WindowFixture.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/window/MenuPage.h"
#include "ui/window/TableView.h"

#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

using test::ClickAt;
using test::WaitIdle;

// Every sound is there and lasts 10 ms.
class RecordingOutput : public SoundOutput {
  public:
    std::optional<int> Start(SoundLibrary, const std::string& name) override {
        started.push_back(name);
        return 10;
    }
    std::vector<std::string> started;
};

struct LanguageGuard {
    ~LanguageGuard() { SetLanguage(LanguageIndex::English); }
};

TEST(WindowSound, ANewGameSoundsItsShuffleThenEachPlayedCardLands) {
    auto window = test::StartWindow(Settings{});
    MainWindow& form = *window->form;
    RecordingOutput output;
    form.CurrentSession().UseSoundOutput(output);
    form.SetTimeScale(0.02);
    test::EnterAsNewPlayer(form, "Tester", "pw");
    // The login dialog opened, then the cards were shuffled.
    EXPECT_EQ(output.started, (std::vector<std::string>{"WOpenFo", "WTasoKo"}));

    output.started.clear();
    form.Table()->StartButton()->click();
    WaitIdle(form);
    // The first card played, by the person (a lay-off) or by the computer.
    const GameState& s = form.CurrentMatch().State();
    for (int step = 0; step < 500 && output.started.empty(); ++step) {
        if (s.Mover == Turn::Local) {
            ClickAt(*form.Table(), form.Table()->HandCardRect(1));
            ClickAt(*form.Table(), form.Table()->TableSlotRect(LowestFreeTablePlace(s)));
        }
        QTest::qWait(2);
        WaitIdle(form);
    }
    ASSERT_FALSE(output.started.empty());
    EXPECT_EQ(output.started.front(), "WHodsDo");
}

// With effects off the game is silent, but a right-click on a hand card or
// an occupied table place still names the card in the current language.
TEST(WindowSound, ARightClickSpeaksTheCardEvenWithSoundOff) {
    LanguageGuard guard;
    Settings settings;
    settings.SoundOn = false;
    auto window = test::StartWindow(settings);
    MainWindow& form = *window->form;
    RecordingOutput output;
    form.CurrentSession().UseSoundOutput(output);
    form.SetTimeScale(0.02);
    test::EnterAsNewPlayer(form, "Tester", "pw");
    form.Table()->StartButton()->click();
    WaitIdle(form);
    EXPECT_TRUE(output.started.empty());

    SetLanguage(LanguageIndex::German);
    const GameState& s = form.CurrentMatch().State();
    ClickAt(*form.Table(), form.Table()->HandCardRect(1), Qt::RightButton);
    WaitIdle(form);
    int occupied = 0;
    int empty = 0;
    for (int place = 1; place <= TablePlaces; ++place)
        (s.Table[place].code.IsEmpty() ? empty : occupied) = place;
    ASSERT_NE(occupied, 0);
    ASSERT_NE(empty, 0);
    ClickAt(*form.Table(), form.Table()->TableSlotRect(empty), Qt::RightButton);
    ClickAt(*form.Table(), form.Table()->TableSlotRect(occupied), Qt::RightButton);
    WaitIdle(form);
    EXPECT_EQ(output.started,
              (std::vector<std::string>{
                  VoiceResourceName(s.Hand[LocalSeat][1].code, LanguageIndex::German),
                  VoiceResourceName(s.Table[occupied].code, LanguageIndex::German)}));
}

// "Exit to menu" sounds as its question opens, not after it is answered.
TEST(WindowSound, TheLeavingQuestionSoundsAsItOpens) {
    auto window = test::StartWindow(Settings{});
    MainWindow& form = *window->form;
    RecordingOutput output;
    form.CurrentSession().UseSoundOutput(output);
    test::EnterAsNewPlayer(form, "Tester", "pw");
    output.started.clear();
    std::vector<std::string> heardWhileAsking;
    test::AnswerNextModal([&](QWidget* box) {
        heardWhileAsking = output.started;
        QTest::keyClick(box, Qt::Key_Escape);
    });
    form.QuitAction()->trigger();
    EXPECT_EQ(heardWhileAsking, (std::vector<std::string>{"WOpenFo"}));
    EXPECT_EQ(output.started, (std::vector<std::string>{"WOpenFo"}));
}

// "Mode" on the menu sounds as a menu command does.
TEST(WindowSound, ModeSoundsAsItSwitchesTheClubList) {
    auto window = test::StartWindow(Settings{});
    MainWindow& form = *window->form;
    RecordingOutput output;
    form.CurrentSession().UseSoundOutput(output);
    QTest::keyClick(&form, Qt::Key_Space);
    ASSERT_EQ(form.CurrentScreen(), Screen::Menu);
    output.started.clear();
    form.Menu()->Button(MenuPage::ModeButton)->click();
    EXPECT_EQ(output.started, (std::vector<std::string>{"WOpenFo"}));
}

} // namespace
} // namespace tavlira
