#include "ui/WindowFixture.h"

#include "game/CaptureSearch.h"
#include "game/LayOff.h"
#include "online/qt/ServiceAddress.h"
#include "records/RecordFile.h"
#include "records/RecordStore.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/LoginDialog.h"
#include "ui/dialogs/MessageBox.h"
#include "ui/window/TableView.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace tavlira::test {
namespace {

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

} // namespace

ProgramFolder::ProgramFolder() {
    std::random_device random;
    // The program folder's parent is the family folder of the shared online
    // files, which must be the test's own as well.
    path = std::filesystem::temp_directory_path() /
           ("tavlira-ui-" + std::to_string(random()) + std::to_string(random())) / "Tavlira-Duo";
    std::filesystem::create_directories(path);
    const std::string bytes = FormatRecordFile(InitialRecordFile('0', "TST"));
    WriteBytes(path / RecordFileName(RecordFileKind::Club), bytes);
    WriteBytes(path / RecordFileName(RecordFileKind::Net), bytes);
}

ProgramFolder::~ProgramFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path.parent_path(), ignored);
}

void ProgramFolder::WriteSettings(const Settings& settings) const {
    WriteBytes(path / SettingsFileName, FormatSettings(settings));
}

void ProgramFolder::AddMember(const std::string& name, const std::string& password) const {
    const std::filesystem::path club = path / RecordFileName(RecordFileKind::Club);
    RecordFile file = *ReadRecordFile(club);
    MemberRecord member{name, 1.5, 3, 4, EncodePassword(password)};
    file.Member(1) = FormatMemberLine(member);
    WriteBytes(club, FormatRecordFile(file));
}

std::string ProgramFolder::ReadFile(const std::string& name) const {
    std::ifstream in(path / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WaitIdle(MainWindow& form) {
    // The state of the match runs ahead of the screen; only an idle queue
    // shows what the state says.
    for (int round = 0; round < 200000; ++round) {
        QCoreApplication::processEvents();
        if (!form.Queue().Busy())
            return;
        QTest::qWait(1);
    }
    FAIL() << "the event queue never ran dry";
}

void AnswerNextModal(std::function<void(QWidget* dialog)> answer) {
    // A dialog that never opens must fail the test, not leave the poll
    // running into the next test's dialogs.
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout,
                     [poll, answer = std::move(answer), deadline = QDeadlineTimer(DialogWaitMs)] {
                         QWidget* dialog = QApplication::activeModalWidget();
                         if (!dialog && !deadline.hasExpired())
                             return;
                         poll->stop();
                         poll->deleteLater();
                         if (dialog)
                             answer(dialog);
                         else
                             ADD_FAILURE() << "no dialog opened within " << DialogWaitMs << " ms";
                     });
    poll->start();
}

void ClickAt(QWidget& widget, QRect where, Qt::MouseButton button) {
    QTest::mouseClick(&widget, button, Qt::NoModifier, where.center());
}

void EnterAsNewPlayer(MainWindow& form, const QString& name, const QString& password) {
    QTest::keyClick(&form, Qt::Key_Space);
    ASSERT_EQ(form.CurrentScreen(), Screen::Menu);
    AnswerNextModal([=](QWidget* dialog) {
        auto* login = qobject_cast<LoginDialog*>(dialog);
        ASSERT_NE(login, nullptr);
        login->NameBox()->setText(name);
        login->PasswordBox()->setText(password);
        login->PasswordAgainBox()->setText(password);
        login->OkButton()->click();
    });
    form.MenuButton(SlotNumber(NewPlayerSlot))->click();
    WaitIdle(form);
    ASSERT_EQ(form.CurrentScreen(), Screen::Table);
}

std::unique_ptr<StartedWindow> StartWindow(const Settings& settings, std::uint32_t seed) {
    // The online services answer from nowhere unless a test gives them a
    // server: port 9 of this machine refuses at once.
    if (!qEnvironmentVariableIsSet(ServiceBaseVariable))
        qputenv(ServiceBaseVariable, "http://127.0.0.1:9");
    auto window = std::make_unique<StartedWindow>();
    window->folder.WriteSettings(settings);
    window->form = std::make_unique<MainWindow>(window->folder.Path(), seed);
    EXPECT_TRUE(window->form->Start());
    window->form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window->form.get()));
    return window;
}

namespace {

bool PersonsTurn(const GameState& s) {
    return s.TableActive && s.Mover == LocalSeat && s.BeginState == UnderWay && !s.GameOver &&
           s.HandCount[LocalSeat] > 0;
}

// The person's move as the computer would choose it, made by clicks.
void PlayTurnByClicks(MainWindow& form) {
    const GameState& s = form.CurrentMatch().State();
    const CaptureChoice choice = FindCapture(s.Hand[LocalSeat], s.Table, s.FiguresHavePoints);
    if (choice.chosen != 0) {
        ClickAt(*form.Table(), form.Table()->HandCardRect(choice.chosen));
        ASSERT_EQ(s.PickedHandSlot, choice.chosen);
        ClickAt(*form.Table(), form.Table()->TableSlotRect(CaptureArea));
        WaitIdle(form);
        choice.bestTakeSet.ForEach([&](int place) {
            ClickAt(*form.Table(), form.Table()->TableSlotRect(place));
            WaitIdle(form);
        });
        ASSERT_TRUE(form.Table()->StartButton()->isEnabled()) << "the selection is a legal capture";
        form.Table()->StartButton()->click();
    } else if (TableHasFree(s)) {
        ClickAt(*form.Table(),
                form.Table()->HandCardRect(ChooseLayOff(s.Hand[LocalSeat], s.FiguresHavePoints)));
        ClickAt(*form.Table(), form.Table()->TableSlotRect(LowestFreeTablePlace(s)));
    } else {
        QTest::qWait(5); // no move: the next tick ends the game
    }
    WaitIdle(form);
}

} // namespace

void PlayGameByClicks(MainWindow& form) {
    const GameState& s = form.CurrentMatch().State();
    ASSERT_EQ(form.Table()->StartButton()->text(), "To Begin");
    form.Table()->StartButton()->click();
    WaitIdle(form);
    for (int step = 0; step < 2000 && !s.GameOver; ++step) {
        if (PersonsTurn(s))
            PlayTurnByClicks(form);
        else
            QTest::qWait(2); // the computer moves on the ticks of gameTick
        WaitIdle(form);
    }
    ASSERT_TRUE(s.GameOver);
}

} // namespace tavlira::test
