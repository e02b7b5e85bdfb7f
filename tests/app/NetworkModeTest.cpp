// Network play chosen from the window: the pop-up's "Multiplayer" switches
// between the computer and network duels in the menu only, the settings keep
// the choice, and the duel's login opens the help page about network play.

#include "records/Settings.h"
#include "ui/WindowFixture.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/HelpWindow.h"
#include "ui/dialogs/LoginDialog.h"

#include <QAction>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

// The "?" of a dialog.
SkinnedButton* HelpButtonOf(QWidget* dialog) {
    for (SkinnedButton* button : dialog->findChildren<SkinnedButton*>())
        if (button->text() == "?")
            return button;
    return nullptr;
}

// Opens the new player's login and returns the page its "?" opens, and
// whether it held the duel's controls.
std::pair<QString, bool> LoginHelp(MainWindow& form) {
    std::pair<QString, bool> seen;
    test::AnswerNextModal([&](QWidget* dialog) {
        auto* login = qobject_cast<LoginDialog*>(dialog);
        ASSERT_NE(login, nullptr);
        seen.second = login->HostChoice() != nullptr;
        SkinnedButton* help = HelpButtonOf(login);
        ASSERT_NE(help, nullptr);
        help->click();
        const auto* shown = login->findChild<HelpWindow*>();
        ASSERT_NE(shown, nullptr);
        seen.first = shown->Browser()->source().fileName();
        login->reject();
    });
    form.MenuButton(SlotNumber(NewPlayerSlot))->click();
    return seen;
}

TEST(NetworkMode, ThePopUpSwitchesItInTheMenuAndTheSettingsKeepIt) {
    auto window = test::StartWindow(Settings{});
    MainWindow& form = *window->form;
    QAction* multiplayer = form.NetworkModeAction();
    EXPECT_FALSE(multiplayer->isEnabled()); // the title screen
    EXPECT_EQ(multiplayer->text(), "Multiplayer");
    QTest::keyClick(&form, Qt::Key_Space);
    ASSERT_TRUE(multiplayer->isEnabled());
    EXPECT_FALSE(multiplayer->isChecked());
    EXPECT_EQ(LoginHelp(form), std::make_pair(QString("menu.html"), false));

    multiplayer->trigger();
    EXPECT_TRUE(multiplayer->isChecked());
    EXPECT_TRUE(form.CurrentSettings().NetworkMode);
    EXPECT_EQ(form.CurrentMatch().RecordKind(), RecordFileKind::Net);
    EXPECT_EQ(LoginHelp(form), std::make_pair(QString("network.html"), true));

    form.close();
    EXPECT_TRUE(LoadSettings(window->folder.Path()).settings.NetworkMode);
}

TEST(NetworkMode, AtTheTableTheModeStaysAsItIs) {
    auto window = test::StartWindow(Settings{});
    MainWindow& form = *window->form;
    test::EnterAsNewPlayer(form, "Player", "pw");
    QAction* multiplayer = form.NetworkModeAction();
    EXPECT_FALSE(multiplayer->isEnabled());
    multiplayer->setEnabled(true); // even a stray trigger changes nothing
    multiplayer->trigger();
    EXPECT_FALSE(form.CurrentSettings().NetworkMode);
    EXPECT_FALSE(multiplayer->isChecked());
    EXPECT_EQ(form.CurrentMatch().RecordKind(), RecordFileKind::Club);
}

} // namespace
} // namespace tavlira
