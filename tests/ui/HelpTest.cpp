// The help window: its pages, their languages, and F1 and the pop-up item.

#include "i18n/WordTable.h"
#include "match/Match.h"
#include "ui/WindowFixture.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogPresenter.h"
#include "ui/dialogs/HelpWindow.h"
#include "ui/window/TableView.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

// The page a window shows, by file name: "menu.html".
QString PageName(const HelpWindow& help) {
    return help.Browser()->source().fileName();
}

HelpWindow* OnlyHelpWindow(const QWidget& parent) {
    const QList<HelpWindow*> windows = parent.findChildren<HelpWindow*>();
    EXPECT_LE(windows.size(), 1) << "one help window serves every request";
    return windows.isEmpty() ? nullptr : windows.front();
}

// F1 belongs to the game window, so it works while that window, not the help
// window beside it, is the active one.
void Activate(QWidget& window) {
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; }));
}

TEST(HelpPages, EachTopicHasItsPage) {
    struct Case {
        int topic;
        const char* url;
    };
    const Case cases[] = {
        {HelpMenu, "qrc:/help/en/menu.html"},     {HelpDealt, "qrc:/help/en/dealt.html"},
        {HelpUnderWay, "qrc:/help/en/play.html"}, {0, "qrc:/help/en/contents.html"},
        {3, "qrc:/help/en/contents.html"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HelpPage(c.topic, LanguageIndex::English).toString(), c.url) << c.topic;
    EXPECT_EQ(HelpContentsPage(LanguageIndex::English).toString(), "qrc:/help/en/contents.html");
}

// Russian has its own pages; every other language reads the English ones.
TEST(HelpPages, RussianHasItsOwnPagesOthersFallBackToEnglish) {
    EXPECT_EQ(HelpPage(HelpDealt, LanguageIndex::Russian).toString(), "qrc:/help/ru/dealt.html");
    for (const LanguageIndex language :
         {LanguageIndex::German, LanguageIndex::Chinese, LanguageIndex::Korean})
        EXPECT_EQ(HelpPage(HelpDealt, language).toString(), "qrc:/help/en/dealt.html");
}

// Both languages ship the same pages, each with a title, and every link
// between them leads to a page that exists.
TEST(HelpPages, BothLanguagesHoldTheSamePagesAndTheirLinksLeadSomewhere) {
    const QStringList english = QDir(":/help/en").entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(english.isEmpty());
    EXPECT_EQ(QDir(":/help/ru").entryList(QDir::Files, QDir::Name), english);
    const QRegularExpression link(R"(href="([^"]+)\")");
    for (const QString folder : {":/help/en/", ":/help/ru/"}) {
        for (const QString& page : english) {
            SCOPED_TRACE((folder + page).toStdString());
            QFile file(folder + page);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            EXPECT_TRUE(text.contains("<title>")) << "a page without a title";
            for (auto match = link.globalMatch(text); match.hasNext();) {
                const QString target = match.next().captured(1);
                EXPECT_TRUE(QFile::exists(folder + target)) << target.toStdString();
            }
        }
    }
}

// The pages open in the interface language: Russian gives the Russian page,
// German the English one.
TEST(HelpWindow, OpensInTheInterfaceLanguage) {
    QWidget parent;
    Settings settings;
    DialogPresenter dialogs(&parent, settings, [] {});
    SetLanguage(LanguageIndex::Russian);
    dialogs.Help(HelpMenu);
    HelpWindow* help = OnlyHelpWindow(parent);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->Browser()->documentTitle(), QString::fromUtf8("Главное меню"));
    EXPECT_EQ(help->windowTitle(), QString::fromUtf8("Помощь"));

    SetLanguage(LanguageIndex::German);
    dialogs.Help(HelpMenu);
    EXPECT_EQ(OnlyHelpWindow(parent), help);
    EXPECT_EQ(help->Browser()->documentTitle(), "The main menu");
    EXPECT_EQ(help->windowTitle(), "Hilfe");
    SetLanguage(LanguageIndex::English);
}

// A link of the contents, reached with Tab and followed with Enter, opens its
// page in the same window.
TEST(HelpWindow, ContentsLinksOpenTheirPages) {
    QWidget parent;
    Settings settings;
    DialogPresenter dialogs(&parent, settings, [] {});
    dialogs.HelpContents();
    HelpWindow* help = OnlyHelpWindow(parent);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(PageName(*help), "contents.html");
    help->Browser()->setFocus();
    QTest::keyClick(help->Browser(), Qt::Key_Tab);
    QTest::keyClick(help->Browser(), Qt::Key_Return);
    EXPECT_EQ(help->Browser()->source().toString(), "qrc:/help/en/menu.html");
    EXPECT_EQ(help->Browser()->documentTitle(), "The main menu");
}

// F1 follows the phase: the menu, a dealt game, a game under way; the pop-up
// item opens the contents; one window serves them all and Escape closes it.
TEST(HelpWindow, F1OpensTheTopicOfThePhaseInOneWindow) {
    auto window = test::StartWindow(Settings());
    MainWindow& form = *window->form;
    QTest::keyClick(&form, Qt::Key_F1);
    EXPECT_EQ(OnlyHelpWindow(form), nullptr) << "the title screen has no help topic";

    QTest::keyClick(&form, Qt::Key_Space);
    ASSERT_EQ(form.CurrentScreen(), Screen::Menu);
    QTest::keyClick(&form, Qt::Key_F1);
    HelpWindow* help = OnlyHelpWindow(form);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(PageName(*help), "menu.html");
    QTest::keyClick(help->Browser(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());

    form.SetTimeScale(0.02);
    test::EnterAsNewPlayer(form, "Tester", "pw");
    Activate(form);
    QTest::keyClick(&form, Qt::Key_F1);
    EXPECT_EQ(OnlyHelpWindow(form), help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(PageName(*help), "dealt.html");

    form.Table()->StartButton()->click();
    test::WaitIdle(form);
    Activate(form);
    QTest::keyClick(&form, Qt::Key_F1);
    EXPECT_EQ(PageName(*help), "play.html");

    form.HelpAction()->trigger();
    EXPECT_EQ(OnlyHelpWindow(form), help);
    EXPECT_EQ(PageName(*help), "contents.html");
    EXPECT_EQ(form.HelpAction()->text(), "Help");
}

} // namespace
} // namespace tavlira
