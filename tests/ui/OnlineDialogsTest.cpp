// The online dialogs against a club server on 127.0.0.1: logging in and
// out, creating an account, the world top ten, the chat, sending a result
// and the world statistics, and what each shows when the server fails.

#include "records/OnlineFiles.h"
#include "ui/FakeClub.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/online/AccountDialog.h"
#include "ui/dialogs/online/ChatDialog.h"
#include "ui/dialogs/online/Countries.h"
#include "ui/dialogs/online/OnlineParts.h"
#include "ui/dialogs/online/ResultDialog.h"
#include "ui/dialogs/online/WorldStatsDialog.h"
#include "ui/dialogs/online/WorldTopTenDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tavlira::testing {
namespace {

using namespace std::chrono_literals;

// One run of the game's online side: the services at the club, the account
// and the settings, with a family folder of its own.
struct Online {
    explicit Online(FakeClub& club)
        : services(club.Base()), account(services, family.path().toStdString()) {
        services.Client().SetTimeouts({500ms, 500ms, 3000ms});
    }
    QTemporaryDir family;
    WebServices services;
    OnlineAccount account;
    Settings settings;
};

online::Account Bob() {
    online::Account bob;
    bob.Nick = "Bob";
    bob.Pw = "pass1";
    bob.City = "Oslo";
    bob.Country1 = "Norway";
    bob.Country2 = "1-035";
    bob.EMail = "bob@club";
    bob.DateR = "01.02.2026";
    bob.R04 = 70;
    return bob;
}

online::RecordRow Row(int score, const std::string& nick, const std::string& text = "#") {
    online::RecordRow row;
    row.Score = score;
    row.Nick = nick;
    row.City = "Oslo";
    row.Country = "1-035";
    row.R07 = "W";
    row.R09 = text;
    return row;
}

void Click(SkinnedButton* button) {
    ASSERT_TRUE(button->isEnabled());
    button->click();
}

TEST(AccountDialog, LogsInShowsTheResultsAndSignsOut) {
    FakeClub club;
    club.accounts["Bob"] = Bob();
    club.stats.Kon = 12;
    club.stats.Best = 30;
    club.stats.Rating = 12.5;
    Online online(club);
    AccountDialog dialog(nullptr, online.account, online.settings);
    dialog.SetNoticesShown(false);

    dialog.NickBox()->setText("Bob");
    dialog.PasswordBox()->setText("wrong");
    EXPECT_EQ(dialog.FieldLamp(AccountField::Nick)->Shown(), Lamp::Green);
    EXPECT_FALSE(dialog.CreateButton()->isEnabled()); // no city, no e-mail
    Click(dialog.LoginButton());
    ASSERT_TRUE(RunUntil([&] { return !dialog.LastNotice().isEmpty(); }));
    EXPECT_EQ(dialog.LastNotice(), "Login failed!");
    EXPECT_FALSE(online.account.LoggedIn());

    dialog.PasswordBox()->setText("pass1");
    Click(dialog.LoginButton());
    ASSERT_TRUE(RunUntil(
        [&] { return online.account.LoggedIn() && online.services.Client().Pending() == 0; }));
    EXPECT_EQ(online.account.State(), AccountState::LoggedIn);
    EXPECT_EQ(dialog.CityBox()->text(), "Oslo");
    EXPECT_EQ(dialog.RegistrationDate()->text(), "01.02.2026");
    EXPECT_EQ(dialog.LoginButton()->text(), "Sign out");
    EXPECT_TRUE(dialog.ResultsText().contains("Rating: 12.500"))
        << dialog.ResultsText().toStdString();
    EXPECT_TRUE(dialog.ResultsText().contains("Played games: 12"));
    EXPECT_EQ(dialog.PointsText(), "Qels: 70");
    EXPECT_TRUE(dialog.RatedChoice()->isEnabled());
    dialog.RatedChoice()->setChecked(true);
    EXPECT_EQ(online.account.State(), AccountState::RatedGame);

    Click(dialog.SaveButton());
    EXPECT_EQ(ReadAccountFile(online.account.FamilyFolder()), (RememberedAccount{"Bob", "pass1"}));
    EXPECT_TRUE(dialog.DeleteButton()->isEnabled());

    Click(dialog.LoginButton());
    EXPECT_EQ(online.account.State(), AccountState::LoggedOut);
    EXPECT_EQ(dialog.RegistrationDate()->text(), "00.00.0000");
    EXPECT_FALSE(dialog.RatedChoice()->isEnabled());
}

TEST(AccountDialog, CreatesAnAccountOnceAndSaysWhyNot) {
    FakeClub club;
    Online online(club);
    const auto create = [&](const QString& expected) {
        AccountDialog dialog(nullptr, online.account, online.settings);
        dialog.SetNoticesShown(false);
        dialog.NickBox()->setText("Ann");
        dialog.PasswordBox()->setText("word1");
        dialog.CityBox()->setText(QStringLiteral("Москва"));
        dialog.EMailBox()->setText("ann@club");
        dialog.RegionChoice()->Set({2, 5});
        EXPECT_EQ(dialog.FieldLamp(AccountField::City)->Shown(), Lamp::Yellow);
        Click(dialog.CreateButton());
        EXPECT_TRUE(RunUntil([&] { return !dialog.LastNotice().isEmpty(); }));
        EXPECT_EQ(dialog.LastNotice(), expected);
        online.account.SignOut();
    };
    create("Your account has been successfully created!");
    ASSERT_EQ(club.accounts.count("Ann"), 1u);
    const online::Account& made = club.accounts["Ann"];
    EXPECT_EQ(made.Country2, "2-005");
    EXPECT_EQ(made.Country1, "Bangladesh");
    EXPECT_EQ(made.City, "\xCC\xEE\xF1\xEA\xE2\xE0");
    EXPECT_EQ(made.DateR, QDate::currentDate().toString("dd.MM.yyyy").toStdString());

    create("The club already has a player with the same Nick!");
    club.silent = true;
    club.accounts.clear();
    create("Could not create account!");
}

TEST(OnlineAccount, ThePasswordTravelsWithoutTheAnswersSeparators) {
    FakeClub club;
    Online online(club);
    bool answered = false;
    online.account.LogIn("Bob", "a b$c#", false, [&](bool) { answered = true; });
    ASSERT_TRUE(RunUntil([&] { return answered; }));
    const std::vector<std::string> bodies = club.BodiesTo(online::AccountPath);
    ASSERT_FALSE(bodies.empty());
    EXPECT_NE(bodies[0].find("pw=a-b-c-"), std::string::npos) << bodies[0];
}

TEST(WorldTopTenDialog, ShowsEachBoardAndNoConnectWhenItCannot) {
    FakeClub club;
    club.boards[online::OwnBoardId] = {Row(180, "Ann"), Row(150, "Bob")};
    club.boards[online::AccountBoardId] = {Row(90, "Cid")};
    Online online(club);
    DiskRecordStore records(online.family.path().toStdString());
    WorldTopTenDialog dialog(nullptr, online.account, records, online.settings, 3);
    EXPECT_EQ(dialog.Title(), "WINDOWS. SCORE. GAMES IN CYCLE");
    ASSERT_TRUE(RunUntil([&] { return dialog.RowsText().contains("Bob"); }));
    EXPECT_TRUE(dialog.RowsText().startsWith("  1. Ann")) << dialog.RowsText().toStdString();
    EXPECT_TRUE(dialog.RowsText().contains("Norway"));
    EXPECT_TRUE(dialog.RowsText().contains("Woman"));
    ASSERT_TRUE(RunUntil([&] { return dialog.OwnText().contains("Number of games: 2"); }));

    dialog.ShowBoard(2);
    ASSERT_TRUE(RunUntil([&] { return dialog.RowsText().contains("Cid"); }));
    const std::vector<std::string> bodies = club.BodiesTo(online::TournamentPath);
    EXPECT_NE(std::find(bodies.begin(), bodies.end(), "gid=366"), bodies.end());

    club.silent = true;
    dialog.ShowBoard(4);
    ASSERT_TRUE(RunUntil([&] { return dialog.RowsText() == "No Connect"; }));
}

TEST(ChatDialog, SendsUnderThePassportWithTheNextNumberAndMarksWhatIsNew) {
    FakeClub club;
    club.boards[online::ChatBoardId] = {Row(123, "Ann", "Hello"), Row(122, "Bob"), Row(121, "Cid"),
                                        Row(120, "Dan")};
    Online online(club);
    online.settings.WorldNick = "Eve";
    online.settings.WorldCity = "Rome";
    WriteChatMarker(online.account.FamilyFolder(), {120, false, false});
    ChatDialog dialog(nullptr, online.services, online.settings, online.account.FamilyFolder(),
                      "Tavlira-Duo", {});
    dialog.SetNoticesShown(false);
    ASSERT_TRUE(RunUntil([&] { return dialog.BoardText().contains("Hello"); }));
    EXPECT_EQ(dialog.BoardText().count("[New]"), 3) << dialog.BoardText().toStdString();
    EXPECT_EQ(ReadChatMarker(online.account.FamilyFolder()).newestSeen, 123);

    ASSERT_TRUE(dialog.MessageBox()->isEnabled());
    dialog.MessageBox()->setText("Hi all");
    dialog.Send();
    ASSERT_TRUE(RunUntil([&] { return club.boards[online::ChatBoardId].size() == 5; }));
    const online::RecordRow& sent = club.boards[online::ChatBoardId].front();
    EXPECT_EQ(sent.Score, 124);
    EXPECT_EQ(sent.R09, "Hi_all");
    EXPECT_EQ(sent.Nick, "Eve");
    ASSERT_TRUE(RunUntil([&] { return dialog.MessageBox()->text().isEmpty(); }));
    EXPECT_FALSE(dialog.MessageBox()->isEnabled());
    EXPECT_EQ(ReadChatMarker(online.account.FamilyFolder()).newestSeen, 124);

    club.silent = true;
    dialog.Refresh();
    ASSERT_TRUE(RunUntil([&] { return dialog.BoardText() == "No Connect"; }));
}

TEST(ResultDialog, SendsTheScoreOnceAndAgainAfterAFailure) {
    FakeClub club;
    Online online(club);
    online.settings.WorldNick = "Eve";
    ResultDialog dialog(nullptr, online.services, online.settings, 140);
    dialog.SetNoticesShown(false);
    club.silent = true;
    Click(dialog.SendButton());
    ASSERT_TRUE(RunUntil([&] { return dialog.Failed(); }));
    EXPECT_TRUE(dialog.SendButton()->isEnabled());

    club.silent = false;
    Click(dialog.SendButton());
    ASSERT_TRUE(RunUntil([&] { return dialog.Place().has_value(); }));
    EXPECT_EQ(*dialog.Place(), 7);
    EXPECT_EQ(dialog.PlaceText(), "Your place: 7");
    EXPECT_FALSE(dialog.SendButton()->isEnabled());
    EXPECT_EQ(club.boards[online::OwnBoardId].front().Score, 140);
}

TEST(WorldStatsDialog, ShowsTheCountersAndSendsALike) {
    FakeClub club;
    club.world.Stat1 = 500;
    club.world.StatX = {900, 45, 30, 70, 12, 3};
    Online online(club);
    online.settings.WorldNick = "Eve";
    WorldStatsDialog dialog(nullptr, online.services, online.settings, {});
    ASSERT_TRUE(RunUntil([&] { return dialog.Stats().has_value(); }));
    EXPECT_TRUE(dialog.FiguresText().contains("Number of starts: 500"));
    EXPECT_TRUE(dialog.FiguresText().contains("Loss of people (game with PC): 70"));
    EXPECT_EQ(DynamicIq(*dialog.Stats()), 70);
    Click(dialog.LikeButton());
    ASSERT_TRUE(RunUntil([&] { return club.BodiesTo(online::StatisticsPath).size() == 3; }));
    EXPECT_EQ(club.BodiesTo(online::StatisticsPath)[1], "gid=66&stat3=1&stat4=Eve");
}

} // namespace
} // namespace tavlira::testing
