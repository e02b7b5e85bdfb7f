// The menu's online parts with a club server on 127.0.0.1: the account
// lamp follows the login, and the chat link stands out while there is a
// message not yet seen.

#include "app/BoardFigures.h"
#include "online/qt/ServiceAddress.h"
#include "records/OnlineFiles.h"
#include "ui/ClubWindow.h"
#include "ui/FakeClub.h"
#include "ui/WindowFixture.h"
#include "ui/dialogs/online/ChatDialog.h"
#include "ui/window/MenuPage.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace tavlira::testing {
namespace {

TEST(MenuOnline, TheLampFollowsTheAccountAndTheChatLinkWhatIsNew) {
    FakeClub club;
    online::Account bob;
    bob.Nick = "Bob";
    bob.Pw = "pass1";
    club.accounts["Bob"] = bob;
    online::RecordRow message;
    message.Score = 5;
    message.Nick = "Ann";
    club.boards[online::ChatBoardId] = {message};
    auto window = OnClubMenu(club);
    MainWindow& form = *window->form;
    MenuPage& menu = *form.Menu();

    ASSERT_TRUE(RunUntil([&] { return menu.ChatWaiting(); }));
    EXPECT_FALSE(menu.NewsWaiting());

    bool done = false;
    form.Account().LogIn("Bob", "pass1", true, [&](bool) { done = true; });
    ASSERT_TRUE(RunUntil([&] { return done; }));
    EXPECT_EQ(menu.Account(), AccountState::RatedGame);
    form.Account().SignOut();
    EXPECT_EQ(menu.Account(), AccountState::LoggedOut);

    // The chat shows the board, which counts its messages as seen.
    test::AnswerNextModal([](QWidget* dialog) {
        if (auto* chat = qobject_cast<ChatDialog*>(dialog))
            RunUntil([chat] { return !chat->BoardText().isEmpty(); });
        dialog->close();
    });
    test::ClickAt(menu, menu.ChatLink());
    EXPECT_FALSE(menu.ChatWaiting());
    EXPECT_EQ(ReadChatMarker(form.Account().FamilyFolder()).newestSeen, 5);
}

} // namespace
} // namespace tavlira::testing

namespace tavlira::testing {
namespace {

TEST(BoardFigures, EachVariantShowsItsFigureOrNoConnect) {
    FakeClub club;
    club.world.StatX = {1500, 0, 1, 3};
    online::RecordRow best;
    best.Score = 182;
    best.Nick = "Ann";
    club.boards[online::OwnBoardId] = {best};
    QTemporaryDir family;
    WebServices services(club.Base());
    services.Client().SetTimeouts({std::chrono::milliseconds(300), std::chrono::milliseconds(300),
                                   std::chrono::milliseconds(2000)});
    OnlineAccount account(services, family.path().toStdString());
    const auto fetch = [&](int variant) {
        std::optional<BoardFigure> figure;
        QObject receiver;
        FetchBoardFigure(account, variant, &receiver, [&](const BoardFigure& f) { figure = f; });
        EXPECT_TRUE(RunUntil([&] { return figure.has_value(); })) << variant;
        return figure.value_or(BoardFigure{});
    };
    const struct {
        int variant;
        std::string value;
        const char* hint;
    } cases[] = {
        {1, "75", "Dynamic IQ for Windows (percent)"},
        {2, "1K", "Games played with PC"},
        {3, "182", "Best Windows Player: Ann"},
        {4, "0", "Best Android Player: No"},
        {6, "00", "Qels: NO CONNECT"}, // logged out
        {7, "42", "Club members: 42"},
    };
    for (const auto& c : cases) {
        const BoardFigure figure = fetch(c.variant);
        EXPECT_EQ(figure.value, c.value) << c.variant;
        EXPECT_EQ(figure.hint, c.hint) << c.variant;
    }
    club.silent = true;
    EXPECT_EQ(fetch(3).hint, "Best Windows Player: NO CONNECT");
    EXPECT_EQ(fetch(3).value, "00");
}

} // namespace
} // namespace tavlira::testing
