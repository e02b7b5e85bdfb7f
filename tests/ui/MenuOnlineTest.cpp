// The menu's online parts with a club server on 127.0.0.1: the account
// lamp follows the login, and the chat link stands out while there is a
// message not yet seen.

#include "online/qt/ServiceAddress.h"
#include "records/OnlineFiles.h"
#include "ui/FakeClub.h"
#include "ui/WindowFixture.h"
#include "ui/dialogs/online/ChatDialog.h"
#include "ui/window/MenuPage.h"

#include <QTest>
#include <gtest/gtest.h>

namespace tavlira::testing {
namespace {

// The window, on its menu, talking to `club`.
std::unique_ptr<test::StartedWindow> OnClubMenu(FakeClub& club) {
    qputenv(ServiceBaseVariable, club.Base().toString().toUtf8());
    auto window = test::StartWindow(Settings());
    qunsetenv(ServiceBaseVariable);
    QTest::keyClick(window->form.get(), Qt::Key_Space);
    EXPECT_EQ(window->form->CurrentScreen(), Screen::Menu);
    return window;
}

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
