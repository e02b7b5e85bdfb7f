// The main window: start-up checks, what the table shows where, the queue
// holding input back while cards fly, leaving, renaming.

#include "i18n/words/Menu.h"
#include "i18n/words/Table.h"
#include "records/RecordStore.h"
#include "ui/WindowFixture.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/BalloonHint.h"
#include "ui/controls/Cursors.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/LoginDialog.h"
#include "ui/dialogs/MessageBox.h"
#include "ui/window/TableView.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

using test::WaitIdle;

// Answers the next box with its first button and keeps its text.
void AnswerBox(QString& text, int button = 0) {
    test::AnswerNextModal([&text, button](QWidget* dialog) {
        auto* box = qobject_cast<MessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        text = box->Message();
        box->Buttons().at(button)->click();
    });
}

TEST(WindowStart, AMissingOrDamagedClubFileEndsTheProgramWithItsErrorBox) {
    struct Case {
        const char* what;
        std::function<void(const std::filesystem::path&)> spoil;
        QString message;
    };
    const Case cases[] = {
        {"missing", [](const std::filesystem::path& club) { std::filesystem::remove(club); },
         "Can`t find the file"},
        {"damaged",
         [](const std::filesystem::path& club) {
             std::fstream file(club, std::ios::in | std::ios::out | std::ios::binary);
             file.seekp(2);
             file.put('Z');
         },
         "The incorrect file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::ProgramFolder folder;
        const std::filesystem::path club = folder.Path() / RecordFileName(RecordFileKind::Club);
        c.spoil(club);
        QString shown;
        AnswerBox(shown);
        {
            MainWindow form(folder.Path());
            EXPECT_FALSE(form.Start());
            form.close();
        }
        EXPECT_EQ(shown, c.message + " \"" + QString::fromStdString(club.string()) + "\"!");
        EXPECT_FALSE(std::filesystem::exists(folder.Path() / SettingsFileName))
            << "the settings are not saved in such a run";
    }
}

// The cards dealt to the table appear in their slots, pixel for pixel, in
// every window size.
TEST(WindowTable, DealtCardsAppearAtTheirSlotsInEveryWindowSize) {
    for (int size = 1; size <= 5; ++size) {
        SCOPED_TRACE(size);
        Settings settings;
        settings.WindowSize = size;
        auto window = test::StartWindow(settings);
        MainWindow& form = *window->form;
        test::EnterAsNewPlayer(form, "Probe", "1");
        const QImage shot = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shot.size(), form.size());
        for (int slot = 1; slot <= 4; ++slot) {
            const CardCode code = form.CurrentMatch().State().Table[slot].code;
            const QImage face =
                form.Table()->Drawing()->Cards().Face(code).convertToFormat(QImage::Format_RGB32);
            const QRect at = form.Table()->TableSlotRect(slot);
            ASSERT_EQ(at.size(), face.size());
            int same = 0, probes = 0;
            for (int y = 8; y < face.height() - 8; y += 7) {
                for (int x = 8; x < face.width() - 8; x += 7) {
                    ++probes;
                    same += shot.pixel(at.topLeft() + QPoint(x, y)) == face.pixel(x, y) ? 1 : 0;
                }
            }
            EXPECT_EQ(same, probes) << "slot " << slot;
        }
        EXPECT_TRUE(form.Table()->StartButton()->isVisible());
        EXPECT_EQ(form.Table()->StartButton()->geometry(),
                  form.Table()->Drawing()->Layout().startButton);
    }
}

// "To Begin", then the computer's opening moves until the person holds four
// cards and is to move.
void BeginAndAwaitPersonsTurn(MainWindow& form) {
    const GameState& s = form.CurrentMatch().State();
    form.Table()->StartButton()->click();
    for (int i = 0; i < 2000 && !(s.Mover == LocalSeat && s.HandCount[LocalSeat] == 4); ++i) {
        QTest::qWait(10);
        WaitIdle(form);
    }
    ASSERT_EQ(s.Mover, LocalSeat);
    ASSERT_FALSE(form.Queue().Busy());
}

// Centred on a screen smaller than itself, a window would hide its title bar
// above the top edge.
TEST(WindowStart, AWindowLargerThanTheScreenStaysOnIt) {
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    Settings settings;
    settings.WindowSize = static_cast<int>(WindowSizeMode::Large);
    auto window = test::StartWindow(settings);
    const QSize client = window->form->size();
    ASSERT_TRUE(client.width() > screen.width() || client.height() > screen.height())
        << "the test screen is too large to show the case";
    EXPECT_EQ(window->form->pos(), QPoint(std::max(0, (screen.width() - client.width()) / 2),
                                          std::max(0, (screen.height() - client.height()) / 2)));
}

// "Please, wait..." grows with the window like everything on it, its red
// text inside the banner.
TEST(WindowTable, TheWaitBannerGrowsWithTheWindow) {
    const auto banner = [](WindowSizeMode mode) {
        Settings settings;
        settings.WindowSize = static_cast<int>(mode);
        auto window = test::StartWindow(settings);
        test::EnterAsNewPlayer(*window->form, "Tester", "pw");
        TableView& table = *window->form->Table();
        table.ShowWaitBanner(true);
        const QImage shown = table.grab().toImage();
        const QRect where = table.WaitBannerRect();
        int red = 0;
        for (int y = where.top(); y <= where.bottom(); ++y)
            for (int x = where.left(); x <= where.right(); ++x)
                red += shown.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
        EXPECT_GT(red, 50) << "the text";
        const QPoint middle = QRect(QPoint(), table.size()).center();
        EXPECT_LE((where.center() - middle).manhattanLength(), 2);
        return where.size();
    };
    EXPECT_EQ(banner(WindowSizeMode::Small), QSize(350, 80));
    EXPECT_EQ(banner(WindowSizeMode::Medium1), QSize(455, 104));
}

TEST(WindowTable, InputWaitsWhileACardFlies) {
    Settings settings;
    settings.Speed = 1; // the slowest flights
    auto window = test::StartWindow(settings);
    MainWindow& form = *window->form;
    test::EnterAsNewPlayer(form, "Waiter", "1");
    const GameState& s = form.CurrentMatch().State();
    BeginAndAwaitPersonsTurn(form);

    // Lay the first card off on the lowest free place: it flies.
    const int freePlace = LowestFreeTablePlace(s);
    test::ClickAt(*form.Table(), form.Table()->HandCardRect(1));
    test::ClickAt(*form.Table(), form.Table()->TableSlotRect(freePlace));
    ASSERT_TRUE(form.Queue().FlightRunning());
    const int opponentCards = s.HandCount[OpponentSeat];
    // A click on a hand card while the card is in the air changes nothing,
    // and the computer does not move while it flies. The card is watched for
    // its first 100 ms only: at the slowest speed a flight takes some 300 ms
    // or more (2 ms a pixel), so the card is surely still in the air, where
    // a later look might already see the computer's own flight after it.
    test::ClickAt(*form.Table(), form.Table()->HandCardRect(1));
    QElapsedTimer inTheAir;
    inTheAir.start();
    while (inTheAir.elapsed() < 100) {
        EXPECT_EQ(s.PickedHandSlot, 0);
        EXPECT_EQ(s.HandCount[OpponentSeat], opponentCards);
        QTest::qWait(5);
    }
    ASSERT_TRUE(form.Queue().FlightRunning());
    EXPECT_EQ(s.HandCount[OpponentSeat], opponentCards);
    test::WaitIdle(form);
    EXPECT_FALSE(s.Table[freePlace].code.IsEmpty());
    EXPECT_EQ(s.HandCount[LocalSeat], 3);
}

// Waits, within a bound, until the person is to move and the queue is idle.
void AwaitPersonsTurn(MainWindow& form) {
    const GameState& s = form.CurrentMatch().State();
    for (int wait = 0; s.Mover != LocalSeat || form.Queue().Busy(); ++wait) {
        ASSERT_LT(wait, 4000) << "the computer never finished its move";
        QTest::qWait(5);
    }
}

// A mouse button pressed while a card flies and released on the person's
// next turn is no click, on a hand card or on a table button alike: a click
// acts only when pressed and released while the match waits for input.
TEST(WindowTable, APressMadeWhileACardFliesIsNoClickLater) {
    Settings settings;
    settings.Speed = 1;
    auto window = test::StartWindow(settings);
    MainWindow& form = *window->form;
    form.SetTimeScale(0.2);
    test::EnterAsNewPlayer(form, "Presser", "1");
    BeginAndAwaitPersonsTurn(form);
    const GameState& s = form.CurrentMatch().State();
    TableView& table = *form.Table();
    struct Target {
        const char* what;
        QWidget* widget;
        std::function<QPoint()> spot;
    };
    const Target targets[] = {
        {"hand card", &table, [&table] { return table.HandCardRect(1).center(); }},
        {"Score", table.SecondButton(), [&table] { return table.SecondButton()->rect().center(); }},
    };
    for (const Target& target : targets) {
        SCOPED_TRACE(target.what);
        const std::uint8_t panelView = s.PanelView;
        test::ClickAt(table, table.HandCardRect(1));
        test::ClickAt(table, table.TableSlotRect(LowestFreeTablePlace(s)));
        ASSERT_TRUE(form.Queue().FlightRunning());
        const QPoint spot = target.spot();
        QTest::mousePress(target.widget, Qt::LeftButton, Qt::NoModifier, spot);
        AwaitPersonsTurn(form);
        QTest::mouseRelease(target.widget, Qt::LeftButton, Qt::NoModifier, spot);
        EXPECT_EQ(s.PickedHandSlot, 0);
        EXPECT_EQ(s.PanelView, panelView);
    }
}

// Clicks on the hand and the table while the computer moves change nothing.
TEST(WindowTable, ClicksDuringTheComputersTurnChangeNothing) {
    Settings settings;
    auto window = test::StartWindow(settings);
    MainWindow& form = *window->form;
    form.SetTimeScale(0.25);
    test::EnterAsNewPlayer(form, "Clicker", "1");
    BeginAndAwaitPersonsTurn(form);
    const GameState& s = form.CurrentMatch().State();
    test::ClickAt(*form.Table(), form.Table()->HandCardRect(1));
    test::ClickAt(*form.Table(), form.Table()->TableSlotRect(LowestFreeTablePlace(s)));
    const int cardsLeft = s.HandCount[LocalSeat];
    for (int wait = 0; s.Mover != LocalSeat || form.Queue().Busy(); ++wait) {
        ASSERT_LT(wait, 4000) << "the computer never finished its move";
        test::ClickAt(*form.Table(), form.Table()->HandCardRect(1));
        test::ClickAt(*form.Table(), form.Table()->TableSlotRect(LowestFreeTablePlace(s)));
        QTest::qWait(2);
    }
    EXPECT_EQ(s.PickedHandSlot, 0);
    EXPECT_EQ(s.HandCount[LocalSeat], cardsLeft);
}

// Enter on a question about leaving keeps the player at the table: the
// default answer never throws the member's record away.
TEST(WindowTable, EnterOnALeaveQuestionKeepsThePlayerAtTheTable) {
    Settings settings;
    auto window = test::StartWindow(settings);
    MainWindow& form = *window->form;
    test::EnterAsNewPlayer(form, "Stayer", "1");
    const std::function<void()> leaves[] = {[&form] { form.QuitAction()->trigger(); },
                                            [&form] { form.close(); }};
    for (const auto& leave : leaves) {
        test::AnswerNextModal([](QWidget* box) {
            QWidget* focus = box->focusWidget();
            QTest::keyClick(focus ? focus : box, Qt::Key_Return);
        });
        leave();
        WaitIdle(form);
        EXPECT_EQ(form.CurrentScreen(), Screen::Table);
    }
}

// The balloon of the game plate is not hidden under a tooltip; once the
// balloon has gone the plate's hint shows again.
TEST(WindowTable, NoTooltipCoversTheGamePlateBalloon) {
    Settings settings;
    auto window = test::StartWindow(settings);
    MainWindow& form = *window->form;
    test::EnterAsNewPlayer(form, "Hover", "1");
    const QRect plate = form.Table()->ElementRect(TableView::Element::gamePlate);
    QTest::mouseMove(form.Table(), plate.center());
    auto* balloon = form.findChild<BalloonHint*>();
    ASSERT_NE(balloon, nullptr);
    ASSERT_TRUE(balloon->isVisible());
    EXPECT_EQ(form.Table()->toolTip(), QString());
    balloon->hide();
    QTest::mouseMove(form.Table(), plate.center() + QPoint(1, 0));
    EXPECT_EQ(form.Table()->toolTip(), "Game: 1 / 20");
}

// The hand pointer shows where a click would act.
TEST(WindowTable, ThePointerShowsWhereAClickWouldAct) {
    Settings settings;
    auto window = test::StartWindow(settings);
    MainWindow& form = *window->form;
    test::EnterAsNewPlayer(form, "Pointer", "1");
    BeginAndAwaitPersonsTurn(form);
    const GameState& s = form.CurrentMatch().State();
    const int freePlace = LowestFreeTablePlace(s);
    const auto pointerAt = [&form](QRect where) {
        QTest::mouseMove(form.Table(), where.center());
        return Cursors::KindShown(*form.Table());
    };
    EXPECT_EQ(pointerAt(form.Table()->HandCardRect(1)), CursorKind::Hand);
    EXPECT_EQ(pointerAt(form.Table()->TableSlotRect(freePlace)), CursorKind::Arrow)
        << "nothing picked";
    test::ClickAt(*form.Table(), form.Table()->HandCardRect(1));
    EXPECT_EQ(pointerAt(form.Table()->TableSlotRect(freePlace)), CursorKind::Hand);
    EXPECT_EQ(pointerAt(form.Table()->HandCardRect(2)), CursorKind::Arrow)
        << "another card is picked";
    EXPECT_EQ(pointerAt(form.Table()->ElementRect(TableView::Element::gamePlate)),
              CursorKind::Arrow);
}

TEST(WindowTable, LeavingByThePopUpMenuAsksFirstAndForfeitsTheMemberOnYes) {
    Settings settings;
    auto window = test::StartWindow(settings);
    MainWindow& form = *window->form;
    window->folder.AddMember("Alice", "abc");
    QTest::keyClick(&form, Qt::Key_Space);
    test::AnswerNextModal([](QWidget* dialog) {
        auto* login = qobject_cast<LoginDialog*>(dialog);
        ASSERT_NE(login, nullptr);
        EXPECT_EQ(login->NameBox()->text(), "Alice");
        EXPECT_EQ(login->PasswordAgainBox(), nullptr);
        login->PasswordBox()->setText("abc");
        login->OkButton()->click();
    });
    form.MenuButton(1)->click();
    WaitIdle(form);
    ASSERT_EQ(form.CurrentScreen(), Screen::Table);
    EXPECT_TRUE(form.QuitAction()->isEnabled());
    EXPECT_TRUE(form.Table()->ElementShown(TableView::Element::table));

    QString question;
    AnswerBox(question, 1); // "No"
    form.QuitAction()->trigger();
    EXPECT_EQ(question,
              "You want to leave in the main menu?\nAll datas for want of it will be lost!");
    EXPECT_EQ(form.CurrentScreen(), Screen::Table);

    AnswerBox(question, 0); // "Yes"
    form.QuitAction()->trigger();
    WaitIdle(form);
    EXPECT_EQ(form.CurrentScreen(), Screen::Menu);
    EXPECT_FALSE(form.QuitAction()->isEnabled());
    EXPECT_FALSE(form.Table()->ElementShown(TableView::Element::table));
    EXPECT_FALSE(form.Table()->StartButton()->isVisible());
    EXPECT_FALSE(form.MenuButton(1)->isEnabled()) << "Alice forfeited her place";
}

TEST(WindowTable, RenamingTheMemberStoresTheNewName) {
    Settings settings;
    auto window = test::StartWindow(settings);
    MainWindow& form = *window->form;
    window->folder.AddMember("Alice", "abc");
    QTest::keyClick(&form, Qt::Key_Space);
    test::AnswerNextModal([](QWidget* dialog) {
        auto* login = qobject_cast<LoginDialog*>(dialog);
        login->PasswordBox()->setText("abc");
        login->OkButton()->click();
    });
    form.MenuButton(1)->click();
    WaitIdle(form);

    QString notice;
    test::AnswerNextModal([&notice](QWidget* dialog) {
        auto* rename = qobject_cast<LoginDialog*>(dialog);
        ASSERT_NE(rename, nullptr);
        rename->NameBox()->setText("Bob");
        rename->PasswordBox()->setText("xyz");
        rename->PasswordAgainBox()->setText("xyz");
        AnswerBox(notice);
        rename->OkButton()->click();
    });
    form.ChangeNameAction()->trigger();
    EXPECT_EQ(notice, "Your name and/or the password were successfully changed!\nNew name: Bob");
    EXPECT_EQ(form.CurrentMatch().PlayerName(), "Bob");
    const std::string club = window->folder.ReadFile(RecordFileName(RecordFileKind::Club));
    EXPECT_EQ(club.substr(0, 20), "Bob                 ");
    EXPECT_EQ(ReadMemberPassword(window->folder.Path() / RecordFileName(RecordFileKind::Club), 1),
              "xyz");
}

TEST(WindowStart, TheSettingsLanguageLabelsTheWindowAndItsMenu) {
    Settings settings;
    settings.LanguageIndex = static_cast<int>(LanguageIndex::Russian);
    auto window = test::StartWindow(settings);
    const auto russian = [](const WordTable& table) {
        return ScreenText(table[LanguageIndex::Russian]);
    };
    EXPECT_EQ(window->form->windowTitle(), russian(words::GameTitle));
    EXPECT_EQ(window->form->QuitAction()->text(), russian(words::ExitToMenu));
    EXPECT_EQ(window->form->SpeedAction()->text(), russian(words::Speed));
    SetLanguage(LanguageIndex::English);
}

// The login box of a new player offers the name last typed there, after a
// restart too.
TEST(WindowStart, TheLoginBoxOffersTheLastNameTyped) {
    Settings settings;
    auto window = test::StartWindow(settings);
    test::EnterAsNewPlayer(*window->form, "Dana", "1");
    QString question;
    AnswerBox(question, 0); // "Yes", leave the game
    ASSERT_TRUE(window->form->close());
    MainWindow again(window->folder.Path());
    ASSERT_TRUE(again.Start());
    again.show();
    QTest::keyClick(&again, Qt::Key_Space);
    QString offered;
    test::AnswerNextModal([&offered](QWidget* dialog) {
        offered = qobject_cast<LoginDialog*>(dialog)->NameBox()->text();
        dialog->close();
    });
    again.MenuButton(SlotNumber(NewPlayerSlot))->click();
    EXPECT_EQ(offered, "Dana");
}

TEST(WindowClose, SettingsAreSavedAtExitWithTheChosenSpeed) {
    Settings settings;
    auto window = test::StartWindow(settings);
    MainWindow& form = *window->form;
    form.CurrentSettings().Speed = 2;
    EXPECT_TRUE(form.close()) << "no question outside the table";
    EXPECT_EQ(LoadSettings(window->folder.Path()).settings.Speed, 2);
}

} // namespace
} // namespace tavlira
