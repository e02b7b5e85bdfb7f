// The window's online duties with a club server on 127.0.0.1: a rated
// series from the account dialog to the booked result, the figures posted at
// the end of a match, the start count, and the chat that opens by itself at
// the table.

#include "online/qt/ServiceAddress.h"
#include "records/OnlineFiles.h"
#include "records/RecordFile.h"
#include "records/RecordStore.h"
#include "ui/ClubWindow.h"
#include "ui/FakeClub.h"
#include "ui/WindowFixture.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/online/AccountDialog.h"
#include "ui/dialogs/online/ChatDialog.h"
#include "ui/window/MenuPage.h"
#include "ui/window/TableView.h"

#include <QTest>
#include <fstream>
#include <gtest/gtest.h>

namespace tavlira::testing {
namespace {

TEST(WindowOnline, ARatedSeriesIsChargedPlayedAndBooked) {
    FakeClub club;
    online::Account bob;
    bob.Nick = "Bob";
    bob.Pw = "pass1";
    club.accounts["Bob"] = bob;
    club.stats = online::GameStats{10, 30, 1.5, 1, 8, 12, 0, "#"};
    auto window = OnClubMenu(club);
    MainWindow& form = *window->form;
    form.SetTimeScale(0.02);
    bool loggedIn = false;
    form.Account().LogIn("Bob", "pass1", true, [&](bool) { loggedIn = true; });
    ASSERT_TRUE(RunUntil([&] { return loggedIn; }));

    // Closing the account dialog in the rated state starts the series.
    test::AnswerNextModal([](QWidget* dialog) { dialog->close(); });
    emit form.Menu()->IconChosen(MenuIcon::Account);
    ASSERT_TRUE(RunUntil([&] { return form.CurrentScreen() == Screen::Table; }));
    test::WaitIdle(form);
    ASSERT_EQ(club.statsWritten.size(), 1u);
    EXPECT_EQ(club.statsWritten[0].Kon, 12);
    EXPECT_EQ(club.statsWritten[0].KonL, 0);
    const Match& match = form.CurrentMatch();
    EXPECT_EQ(match.PlayerSlot(), RatedAccountSlot);
    EXPECT_EQ(match.PlayerName(), "Bob");
    EXPECT_EQ(match.State().BaseScore, 12);
    EXPECT_EQ(match.State().GameCounter, 9); // the cycle's game 8 was the last played

    // A rated series is two games long.
    test::PlayGameByClicks(form);
    ASSERT_EQ(form.Table()->StartButton()->text(), "Next game");
    form.Table()->StartButton()->click();
    test::WaitIdle(form);
    test::PlayGameByClicks(form);
    ASSERT_TRUE(form.Table()->SecondButton()->isEnabled());
    const int lead = match.State().PointsLead;
    form.Table()->SecondButton()->click();
    ASSERT_TRUE(RunUntil([&] { return form.CurrentScreen() == Screen::Menu; }));

    // Booked on the start's copy, the cycle going on from game 8.
    ASSERT_EQ(club.statsWritten.size(), 2u);
    const online::GameStats& booked = club.statsWritten[1];
    EXPECT_EQ(booked.Kon, 12);
    EXPECT_EQ(booked.KonL, 10);
    EXPECT_EQ(booked.Score, 12 + lead);
    EXPECT_NEAR(match.Rating(), booked.Rating, 1e-6);
    EXPECT_EQ(form.Account().State(), AccountState::LoggedIn);
    // The figures of the match: two games against the computer.
    ASSERT_TRUE(RunUntil([&] { return !club.figuresPosted.empty(); }));
    const std::array<int, 12>& figures = club.figuresPosted.back().figures;
    EXPECT_EQ(figures[0], 2);
    EXPECT_EQ(figures[1], 0);
    EXPECT_EQ(figures[2] - figures[3], lead);
}

// Writes the club file of `folder` labelled `label`.
void LabelClubFile(const test::ProgramFolder& folder, const std::string& label) {
    std::ofstream out(folder.Path() / RecordFileName(RecordFileKind::Club), std::ios::binary);
    out << FormatRecordFile(InitialRecordFile('0', label));
}

TEST(WindowOnline, StartsAreCountedUnlessTheCopyIsLabelledIdd) {
    for (const std::string label : {"TST", "idd"}) {
        FakeClub club;
        qputenv(ServiceBaseVariable, club.Base().toString().toUtf8());
        test::ProgramFolder folder;
        Settings settings;
        settings.InstallReported = false;
        folder.WriteSettings(settings);
        LabelClubFile(folder, label);
        MainWindow form(folder.Path());
        qunsetenv(ServiceBaseVariable);
        ASSERT_TRUE(form.Start());
        form.StartOnline();
        // The directory, the remembered account (none) and the count.
        RunUntil(
            [&] { return form.Services().Client().Pending() == 0 && club.Requests().size() >= 1; });
        RunUntil([&] { return !club.startsCounted.empty(); }, label == "idd" ? 500 : 30000);
        if (label == "idd") {
            EXPECT_TRUE(club.startsCounted.empty());
            EXPECT_FALSE(form.CurrentSettings().InstallReported);
            continue;
        }
        ASSERT_EQ(club.startsCounted.size(), 1u);
        EXPECT_EQ(club.startsCounted[0].stat1, 1);
        EXPECT_EQ(club.startsCounted[0].stat2, 1); // the installation's first start
        ASSERT_TRUE(RunUntil([&] { return form.CurrentSettings().InstallReported; }));
    }
}

TEST(WindowOnline, ANewMessageOpensTheChatAtTheTable) {
    FakeClub club;
    online::RecordRow message;
    message.Score = 5;
    message.Nick = "Ann";
    auto window = OnClubMenu(club);
    MainWindow& form = *window->form;
    const std::filesystem::path family = form.Account().FamilyFolder();
    ASSERT_TRUE(WriteChatMarker(family, {5, false, true}));
    test::EnterAsNewPlayer(form, "Tester", "pw");
    club.boards[online::ChatBoardId] = {message};

    // Nothing new yet: the chat stays shut.
    for (int tick = 0; tick < 90; ++tick)
        form.OnlineCheckTick();
    ASSERT_TRUE(RunUntil([&] { return form.Services().Client().Pending() == 0; }));
    EXPECT_FALSE(form.Online().ChatOpen());

    message.Score = 6;
    club.boards[online::ChatBoardId] = {message};
    bool opened = false;
    test::AnswerNextModal([&](QWidget* dialog) {
        opened = qobject_cast<ChatDialog*>(dialog) != nullptr && form.Online().ChatOpen();
        dialog->close();
    });
    for (int tick = 0; tick < 90; ++tick)
        form.OnlineCheckTick();
    ASSERT_TRUE(RunUntil([&] { return opened; }));
    EXPECT_EQ(form.CurrentScreen(), Screen::Table);
    // The pop-up menu opens it as well.
    EXPECT_TRUE(form.ChatAction()->isEnabled());
}

} // namespace
} // namespace tavlira::testing
