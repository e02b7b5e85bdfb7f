// The keyboard in the game's dialogs: Escape, Enter and Tab, and F1 and the
// "?" button that open the dialog's page of the help.

#include "ui/WindowFixture.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/DialogPresenter.h"
#include "ui/dialogs/HelpWindow.h"
#include "ui/dialogs/HistoryDialog.h"
#include "ui/dialogs/IconTextDialog.h"
#include "ui/dialogs/LoginDialog.h"
#include "ui/dialogs/MessageBox.h"
#include "ui/dialogs/NoticeDialog.h"
#include "ui/dialogs/SpeedDialog.h"

#include <QApplication>
#include <QTest>
#include <QTextBrowser>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace tavlira {
namespace {

LoginError AcceptAnything(const std::string&, const std::string&, const std::string&) {
    return LoginError::None;
}

struct KeyCase {
    const char* name;
    std::function<std::unique_ptr<QDialog>()> make;
    // The result Escape and Enter end the dialog with, from where the focus
    // stands when it opens.
    int onEscape;
    int onEnter;
};

const KeyCase keyCases[] = {
    {"login",
     [] {
         return std::make_unique<LoginDialog>(nullptr, QString(), "Mr.X", 20, AcceptAnything,
                                              [] {});
     },
     QDialog::Rejected, QDialog::Accepted},
    {"question",
     [] { return std::make_unique<MessageBox>(nullptr, MessageBox::Kind::Question, "Leave?"); },
     QDialog::Rejected, QDialog::Rejected},
    {"error",
     [] { return std::make_unique<MessageBox>(nullptr, MessageBox::Kind::Error, "Failed."); },
     QDialog::Accepted, QDialog::Accepted},
    {"speed", [] { return std::make_unique<SpeedDialog>(nullptr, 3, QImage(), [](int) {}); },
     QDialog::Accepted, QDialog::Accepted},
    {"history",
     [] {
         return std::make_unique<HistoryDialog>(nullptr, RECORDS_FIXTURE_DIR, "Club", std::nullopt,
                                                [] {});
     },
     QDialog::Accepted, QDialog::Accepted},
    {"notice",
     [] {
         return std::make_unique<NoticeDialog>(nullptr, "No connection.", QString(),
                                               "https://example.org");
     },
     QDialog::Accepted, QDialog::Accepted},
    {"about", [] { return std::make_unique<AboutDialog>(nullptr, [] {}); }, QDialog::Accepted,
     QDialog::Accepted},
    {"advertising", [] { return std::unique_ptr<QDialog>(AdvertisingDialog(nullptr)); },
     QDialog::Accepted, QDialog::Accepted},
    {"support", [] { return std::unique_ptr<QDialog>(SupportDialog(nullptr)); }, QDialog::Accepted,
     QDialog::Accepted},
};

// Escape answers as "Cancel" does, or as "Ok" where it is the only answer;
// Enter presses the default button; a question answers "No" to both.
TEST(DialogKeys, EscapeCancelsAndEnterPressesTheDefaultButton) {
    for (const KeyCase& c : keyCases) {
        for (const auto& [key, result] :
             {std::pair{Qt::Key_Escape, c.onEscape}, std::pair{Qt::Key_Return, c.onEnter}}) {
            SCOPED_TRACE(std::string(c.name) + (key == Qt::Key_Escape ? " Escape" : " Enter"));
            const std::unique_ptr<QDialog> dialog = c.make();
            dialog->show();
            ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            ASSERT_TRUE(dialog->isAncestorOf(focus));
            QTest::keyClick(focus, key);
            EXPECT_FALSE(dialog->isVisible());
            EXPECT_EQ(dialog->result(), result);
        }
    }
}

// Tab reaches every button of the dialog.
TEST(DialogKeys, TabReachesEveryButton) {
    for (const KeyCase& c : keyCases) {
        SCOPED_TRACE(c.name);
        const std::unique_ptr<QDialog> dialog = c.make();
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        const QList<SkinnedButton*> buttons = dialog->findChildren<SkinnedButton*>();
        std::set<QWidget*> reached;
        for (qsizetype step = 0; step <= dialog->findChildren<QWidget*>().size(); ++step) {
            reached.insert(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (SkinnedButton* button : buttons)
            EXPECT_TRUE(reached.count(button)) << button->text().toStdString();
        dialog->close();
    }
}

// The arrows move between the buttons, and Enter presses the one with the
// focus: Left from "No" and Enter answer a question "Yes".
TEST(DialogKeys, ArrowsMoveBetweenTheButtons) {
    MessageBox question(nullptr, MessageBox::Kind::Question, "Leave?");
    question.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&question));
    const QList<SkinnedButton*> buttons = question.Buttons();
    ASSERT_EQ(buttons.size(), 2);
    ASSERT_EQ(QApplication::focusWidget(), buttons[1]);
    QTest::keyClick(buttons[1], Qt::Key_Left);
    ASSERT_EQ(QApplication::focusWidget(), buttons[0]);
    QTest::keyClick(buttons[0], Qt::Key_Return);
    EXPECT_FALSE(question.isVisible());
    EXPECT_EQ(question.result(), QDialog::Accepted);
}

HelpWindow* OnlyHelpWindow() {
    HelpWindow* found = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<HelpWindow*>(window); help && help->isVisible())
            found = help;
    return found;
}

// F1 and the "?" button, pressed with Enter, open the dialog's page. The help window opens over
// the dialog, which would otherwise keep it from the keyboard and the mouse,
// and stays open beside the game when the dialog ends.
TEST(DialogHelp, F1AndTheHelpButtonOpenTheDialogsPage) {
    QWidget window;
    Settings settings;
    DialogPresenter dialogs(&window, settings, [] {});
    const struct {
        const char* name;
        std::function<void()> open;
        const char* page;
    } cases[] = {
        {"login", [&] { dialogs.Login(QString(), "Mr.X", AcceptAnything); }, "menu.html"},
        {"history", [&] { dialogs.ShowHistory(RECORDS_FIXTURE_DIR); }, "records.html"},
        {"about", [&] { dialogs.About(); }, "contents.html"},
    };
    for (const auto& c : cases) {
        for (const bool byKey : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (byKey ? " F1" : " ?"));
            QString page;
            bool overTheDialog = false;
            test::AnswerNextModal([&](QWidget* dialog) {
                QApplication::setActiveWindow(dialog);
                if (byKey) {
                    QTest::keyClick(dialog, Qt::Key_F1);
                } else {
                    const QList<SkinnedButton*> buttons = dialog->findChildren<SkinnedButton*>();
                    for (SkinnedButton* button : buttons)
                        if (button->text() == "?") {
                            button->setFocus();
                            QTest::keyClick(button, Qt::Key_Return);
                        }
                }
                if (HelpWindow* help = OnlyHelpWindow()) {
                    page = help->Browser()->source().fileName();
                    overTheDialog = help->parentWidget() == dialog;
                }
                qobject_cast<QDialog*>(dialog)->reject();
            });
            c.open();
            EXPECT_EQ(page, c.page);
            EXPECT_TRUE(overTheDialog);
            HelpWindow* help = OnlyHelpWindow();
            ASSERT_NE(help, nullptr) << "the help stays open when the dialog ends";
            EXPECT_EQ(help->parentWidget(), &window);
            help->close();
        }
    }
}

} // namespace
} // namespace tavlira
