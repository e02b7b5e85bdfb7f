// The online dialogs end to end against the companion server, started on a
// port of the system's choosing with a database of its own: an account is
// created and logged in to, a cycle's result goes to the world top ten and
// shows there, the chat carries a message, and the photo goes up and comes
// back.

#include "CompanionServer.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/online/AccountDialog.h"
#include "ui/dialogs/online/ChatDialog.h"
#include "ui/dialogs/online/OnlineAccount.h"
#include "ui/dialogs/online/ProfileDialog.h"
#include "ui/dialogs/online/ResultDialog.h"
#include "ui/dialogs/online/WorldTopTenDialog.h"

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tavlira::testing {
namespace {

TEST(CompanionServer, AccountResultChatAndPhotoEndToEnd) {
    CompanionServer server;
    ASSERT_TRUE(server.Base()) << "the server did not start";
    QTemporaryDir family;
    WebServices services(server.Base());
    OnlineAccount account(services, family.path().toStdString());
    Settings settings;
    settings.WorldNick = "Eve";
    settings.WorldCity = "Rome";

    {
        AccountDialog dialog(nullptr, account, settings);
        dialog.SetNoticesShown(false);
        dialog.NickBox()->setText("Eve");
        dialog.PasswordBox()->setText("secret1");
        dialog.CityBox()->setText("Rome");
        dialog.EMailBox()->setText("eve@club");
        dialog.CreateButton()->click();
        ASSERT_TRUE(RunUntil([&] { return !dialog.LastNotice().isEmpty(); }));
        EXPECT_EQ(dialog.LastNotice(), "Your account has been successfully created!");
        ASSERT_TRUE(RunUntil([&] { return services.Client().Pending() == 0; }));
        EXPECT_TRUE(account.LoggedIn());
        EXPECT_EQ(account.ClubSize(), 1);
        dialog.LoginButton()->click(); // signs out
    }
    bool loggedIn = false;
    account.LogIn("Eve", "secret1", false, [&](bool done) { loggedIn = done; });
    ASSERT_TRUE(RunUntil([&] { return loggedIn && services.Client().Pending() == 0; }));
    EXPECT_EQ(account.Record().City, "Rome");
    ASSERT_TRUE(account.Stats().has_value());

    {
        ResultDialog result(nullptr, services, settings, 155);
        result.SetNoticesShown(false);
        result.SendButton()->click();
        ASSERT_TRUE(RunUntil([&] { return result.Place() || result.Failed(); }));
        EXPECT_EQ(result.Place(), 1);
    }
    {
        DiskRecordStore records(family.path().toStdString());
        WorldTopTenDialog board(nullptr, account, records, settings, 3);
        ASSERT_TRUE(RunUntil([&] { return board.RowsText().contains("Eve"); }));
        EXPECT_TRUE(board.RowsText().contains("155"));
    }
    {
        ChatDialog chat(nullptr, services, settings, family.path().toStdString(), "Tavlira-Duo",
                        {});
        chat.SetNoticesShown(false);
        ASSERT_TRUE(RunUntil([&] { return services.Client().Pending() == 0; }));
        chat.MessageBox()->setText("Hi all");
        chat.Send();
        ASSERT_TRUE(RunUntil([&] { return chat.BoardText().contains("Hi all"); }));
        EXPECT_TRUE(chat.BoardText().contains("1. "));
    }
    {
        QImage picture(20, 25, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        const QString path = family.filePath("me.jpg");
        ASSERT_TRUE(picture.save(path, "JPEG"));
        ProfileDialog profile(nullptr, account);
        ASSERT_TRUE(profile.UploadPhoto(path));
        ASSERT_TRUE(RunUntil([&] { return !profile.Status().isEmpty(); }));
        EXPECT_EQ(profile.Status(), "Photo updated!");
        EXPECT_FALSE(profile.UploadPhoto(family.filePath("club.db"))); // no JPEG picture
    }
}

} // namespace
} // namespace tavlira::testing
