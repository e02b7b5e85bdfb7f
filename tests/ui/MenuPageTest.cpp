// The main menu in the window: the buttons that change what the menu shows,
// the signals of the others, and the keyboard.
#include "ui/window/MenuPage.h"

#include "records/Settings.h"
#include "ui/WindowFixture.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/HelpWindow.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QToolTip>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

// A window on the menu; `prepare` may add members before the menu shows.
std::unique_ptr<test::StartedWindow>
OnMenu(const Settings& settings, std::function<void(test::ProgramFolder&)> prepare = {}) {
    auto window = test::StartWindow(settings);
    if (prepare)
        prepare(window->folder);
    QTest::keyClick(window->form.get(), Qt::Key_Space);
    EXPECT_EQ(window->form->CurrentScreen(), Screen::Menu);
    return window;
}

Settings SavedSettings(test::StartedWindow& window) {
    window.form->close();
    return LoadSettings(window.folder.Path()).settings;
}

TEST(MenuPage, ModeSwitchesTheClubListBetweenScoreAndRatingAndIsSaved) {
    auto window =
        OnMenu(Settings(), [](test::ProgramFolder& folder) { folder.AddMember("Alice", "abc"); });
    MenuPage& menu = *window->form->Menu();
    SkinnedButton* mode = menu.Button(MenuPage::ModeButton);
    const QString byScore = menu.Button(1)->text();
    ASSERT_TRUE(byScore.contains("Alice"));

    mode->click();
    EXPECT_EQ(window->form->CurrentSettings().ClubListMode, 2);
    const QString byRating = menu.Button(1)->text();
    EXPECT_TRUE(byRating.contains("Alice"));
    EXPECT_NE(byRating, byScore) << "the rows are filled again with the rating columns";
    EXPECT_TRUE(menu.Button(1)->isEnabled());

    mode->click();
    EXPECT_EQ(window->form->CurrentSettings().ClubListMode, 1);
    EXPECT_EQ(menu.Button(1)->text(), byScore);
    mode->click();
    EXPECT_EQ(SavedSettings(*window).ClubListMode, 2);
}

TEST(MenuPage, AClickOnTheCaptionCyclesItsStyleSevenToOneAndIsSaved) {
    Settings settings;
    settings.TitleVariant = 6;
    auto window = OnMenu(settings);
    MenuPage& menu = *window->form->Menu();
    test::ClickAt(menu, menu.Layout().caption);
    EXPECT_EQ(window->form->CurrentSettings().TitleVariant, 7);
    test::ClickAt(menu, menu.Layout().caption);
    EXPECT_EQ(window->form->CurrentSettings().TitleVariant, 1);
    test::ClickAt(menu, menu.Layout().clubCaption);
    EXPECT_EQ(window->form->CurrentSettings().TitleVariant, 2);
    test::ClickAt(menu, menu.Layout().exit.translated(0, -menu.Layout().rowHeight));
    EXPECT_EQ(window->form->CurrentSettings().TitleVariant, 2) << "a click elsewhere";
    EXPECT_EQ(SavedSettings(*window).TitleVariant, 2);
}

TEST(MenuPage, ButtonsStandByTheLayoutAndOpenTheirDialogs) {
    Settings settings;
    settings.WindowSize = 5;
    auto window = OnMenu(settings);
    MenuPage& menu = *window->form->Menu();
    const MenuLayout& layout = menu.Layout();
    EXPECT_EQ(menu.Button(MenuPage::TopTenButton)->geometry(), layout.topTen);
    EXPECT_EQ(menu.Button(MenuPage::ModeButton)->geometry(), layout.mode);
    EXPECT_EQ(menu.Button(5)->geometry(), layout.memberRows[4]);
    EXPECT_EQ(layout.topTen, QRect(80, 450, 200, 60));

    SkinnedButton* options = menu.Button(MenuPage::OptionsButton);
    EXPECT_TRUE(options->isVisible());
    EXPECT_EQ(options->text(), "Options");

    for (const auto& [number, title] : {std::pair(MenuPage::TopTenButton, "Top Ten"),
                                        std::pair(MenuPage::OptionsButton, "Options")}) {
        QString opened;
        test::AnswerNextModal([&opened](QWidget* dialog) {
            opened = dialog->windowTitle();
            dialog->close();
        });
        menu.Button(number)->click();
        EXPECT_EQ(opened, title);
    }
}

// Each icon opens its dialog; those of the online services open theirs
// even while the services cannot be reached.
TEST(MenuPage, IconsOpenTheirDialogs) {
    auto window = OnMenu(Settings());
    MenuPage& menu = *window->form->Menu();
    const auto textsOf = [](QWidget* dialog) {
        QStringList texts;
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            texts << label->text();
        return dialog->windowTitle() + '|' + texts.join('|');
    };
    const struct {
        MenuIcon icon;
        const char* shows;
    } opening[] = {{MenuIcon::Support, "We have been working on this game for a long time"},
                   {MenuIcon::MoreGames, "Our games"},
                   {MenuIcon::Tournament, "Log in to your account!"},
                   {MenuIcon::WorldTopTen, "WINDOWS. SCORE. GAMES IN CYCLE"},
                   {MenuIcon::Statistics, "WORLD STATS"},
                   {MenuIcon::Account, "Your account information"}};
    for (const auto& [icon, shows] : opening) {
        QString seen;
        test::AnswerNextModal([&](QWidget* dialog) {
            seen = textsOf(dialog);
            dialog->close();
        });
        test::ClickAt(menu, MenuIconRect(icon, menu.width()));
        EXPECT_TRUE(seen.contains(shows)) << shows << " in " << seen.toStdString();
    }

    QSignalSpy icons(&menu, &MenuPage::IconChosen);
    for (MenuIcon icon : {MenuIcon::GooglePlay, MenuIcon::AndroidPackage})
        test::ClickAt(menu, MenuIconRect(icon, menu.width()));
    EXPECT_EQ(icons.count(), 0);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    test::ClickAt(menu, MenuIconRect(MenuIcon::Help, menu.width()));
    const QList<HelpWindow*> help = window->form->findChildren<HelpWindow*>();
    ASSERT_EQ(help.size(), 1);
    EXPECT_TRUE(help.front()->isVisible());
    EXPECT_EQ(help.front()->Browser()->source().fileName(), "contents.html");
}

TEST(MenuPage, TabAndArrowsGoRoundTheButtonsThatCanBePressed) {
    auto window = OnMenu(Settings());
    MainWindow& form = *window->form;
    MenuPage& menu = *form.Menu();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&form] { return QApplication::activeWindow() == &form; }));
    // No members yet: the keys pass over their empty rows.
    SkinnedButton* newPlayer = menu.Button(MenuPage::NewPlayerButton);
    EXPECT_TRUE(newPlayer->hasFocus()) << "the first button a new user needs";
    const auto focused = [&menu] {
        for (int number = 0; number <= MenuPage::ModeButton; ++number)
            if (menu.Button(number) && menu.Button(number)->hasFocus())
                return number;
        return -1;
    };
    const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    const int forward[] = {MenuPage::OptionsButton, MenuPage::ModeButton,
                           MenuPage::ExitButton,    MenuPage::TopTenButton,
                           MenuPage::HistoryButton, MenuPage::NewPlayerButton};
    for (int expected : forward) {
        press(Qt::Key_Tab);
        EXPECT_EQ(focused(), expected);
    }
    press(Qt::Key_Up);
    EXPECT_EQ(focused(), MenuPage::HistoryButton);
    press(Qt::Key_Left);
    EXPECT_EQ(focused(), MenuPage::TopTenButton);
    press(Qt::Key_Backtab);
    EXPECT_EQ(focused(), MenuPage::ExitButton);
    press(Qt::Key_Down);
    EXPECT_EQ(focused(), MenuPage::TopTenButton);

    // Enter and Space press the focused button: each opens the top ten.
    int opened = 0;
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        test::AnswerNextModal([&opened](QWidget* dialog) {
            opened += dialog->windowTitle() == "Top Ten";
            dialog->close();
        });
        QTest::keyClick(menu.Button(MenuPage::TopTenButton), key);
    }
    EXPECT_EQ(opened, 2);
    ASSERT_EQ(menu.FocusChain().front(), menu.Button(MenuPage::TopTenButton));
}

} // namespace
} // namespace tavlira
