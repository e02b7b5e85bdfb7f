// The login dialog and the speed dialog.

#include "i18n/words/Login.h"
#include "ui/WindowFixture.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/LoginDialog.h"
#include "ui/dialogs/MessageBox.h"
#include "ui/dialogs/SpeedDialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

// Each refusal shows its text, keeps the dialog open and puts the focus
// back where the mistake is.
TEST(LoginDialog, RefusalsShowTheirTextAndKeepTheDialogOpen) {
    struct Case {
        LoginError error;
        const char* text;
        bool focusOnName;
    };
    const Case cases[] = {
        {LoginError::IncorrectName, "Incorrect name!", true},
        {LoginError::PasswordsDoNotCoincide, "The passwords do not coincide!", false},
        {LoginError::IncorrectPassword, "The incorrect password!", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::string typedName;
        LoginDialog dialog(
            nullptr, QString(), "Mr.X", 20,
            [&](const std::string& name, const std::string&, const std::string&) {
                typedName = name;
                return c.error;
            },
            [] {});
        dialog.show();
        QString shown;
        test::AnswerNextModal([&shown](QWidget* box) {
            shown = qobject_cast<MessageBox*>(box)->Message();
            qobject_cast<MessageBox*>(box)->Buttons().at(0)->click();
        });
        dialog.NameBox()->setText(QString::fromUtf8("Иван"));
        dialog.OkButton()->click();
        EXPECT_EQ(shown, c.text);
        EXPECT_EQ(typedName, "\xC8\xE2\xE0\xED") << "names reach the check in code page 1251";
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), 0);
        QWidget* expected = c.focusOnName ? dialog.NameBox() : dialog.PasswordBox();
        EXPECT_EQ(dialog.focusWidget(), expected);
    }
}

TEST(LoginDialog, BoxesKeepTheirLengthsAndHidePasswords) {
    LoginDialog dialog(
        nullptr, QString(), "Mr.X", 9,
        [](const std::string&, const std::string&, const std::string&) { return LoginError::None; },
        [] {});
    EXPECT_EQ(dialog.NameBox()->text(), "Mr.X");
    EXPECT_EQ(dialog.NameBox()->maxLength(), 9);
    EXPECT_EQ(dialog.PasswordBox()->maxLength(), 5);
    EXPECT_EQ(dialog.PasswordBox()->echoMode(), QLineEdit::Password);
    dialog.show();
    dialog.OkButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// Every question of the game threatens to throw something away, so Enter,
// wherever the focus stands in the box, answers "No".
TEST(MessageBox, EnterAnswersAQuestionNo) {
    test::AnswerNextModal([](QWidget* box) {
        QWidget* focus = box->focusWidget();
        QTest::keyClick(focus ? focus : box, Qt::Key_Return);
    });
    EXPECT_FALSE(QuestionBox(nullptr, "Leave?"));
}

// Types `text` into `box` one character at a time, as a keyboard does.
void Type(QLineEdit* box, const QString& text) {
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(box, &press);
    }
}

// Record files and move messages are code page 1251: a character it cannot
// hold is refused as it is typed, with a hint that says why, in every box.
TEST(LoginDialog, RefusesCharactersTheRecordFilesCannotHold) {
    LoginDialog dialog(
        nullptr, QString(), "Mr.X", 20,
        [](const std::string&, const std::string&, const std::string&) { return LoginError::None; },
        [] {});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    for (QLineEdit* box : {dialog.NameBox(), dialog.PasswordBox(), dialog.PasswordAgainBox()}) {
        box->clear();
        QToolTip::hideText();
        Type(box, QString::fromUtf8("Ив") + QChar(0x5F20) + 'a');
        EXPECT_EQ(box->text(), QString::fromUtf8("Ив") + 'a');
        EXPECT_TRUE(QToolTip::isVisible());
        EXPECT_EQ(QToolTip::text(), ScreenText(Text(words::OnlyCp1251Characters)));
    }
}

TEST(SpeedDialog, EveryMoveOfTheBarSetsTheSpeedAtOnce) {
    int speed = 4;
    QImage card(71, 96, QImage::Format_RGB32);
    card.fill(Qt::blue);
    SpeedDialog dialog(nullptr, speed, card, [&speed](int chosen) { speed = chosen; });
    EXPECT_EQ(dialog.SpeedBar()->value(), 4);
    EXPECT_EQ(dialog.SpeedBar()->minimum(), 1);
    EXPECT_EQ(dialog.SpeedBar()->maximum(), 6);
    dialog.SpeedBar()->setValue(6);
    EXPECT_EQ(speed, 6);
    dialog.SpeedBar()->setValue(1);
    EXPECT_EQ(speed, 1);
    EXPECT_EQ(dialog.windowTitle(), "Choice of speed");
}

// Each number stands centred under the handle as the handle stands at that
// speed, so the numbers line up with the ticks.
TEST(SpeedDialog, TheNumbersStandUnderTheirTicks) {
    SpeedDialog dialog(nullptr, 4, QImage(), [](int) {});
    dialog.show();
    QSlider* bar = dialog.SpeedBar();
    for (int speed = 1; speed <= 6; ++speed) {
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = Qt::Horizontal;
        option.minimum = 1;
        option.maximum = 6;
        option.sliderPosition = speed;
        option.sliderValue = speed;
        option.tickPosition = bar->tickPosition();
        const QRect handle =
            bar->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, bar);
        QLabel* number = dialog.SpeedNumber(speed);
        ASSERT_NE(number, nullptr);
        EXPECT_EQ(number->text(), QString::number(speed));
        const int numberMiddle = number->mapTo(&dialog, number->rect().center()).x();
        EXPECT_NEAR(numberMiddle, bar->mapTo(&dialog, handle.center()).x(), 1) << speed;
        EXPECT_GT(number->mapTo(&dialog, QPoint(0, 0)).y(), bar->mapTo(&dialog, QPoint(0, 0)).y());
    }
}

} // namespace
} // namespace tavlira
