// The files shared with the maker's other games: the remembered account and
// the chat and news markers.

#include "records/OnlineFiles.h"

#include "records/RecordsTestSupport.h"
#include "util/TextCipher.h"

namespace tavlira::testing {
namespace {

using OnlineFiles = TempFolderTest;

TEST_F(OnlineFiles, TheAccountFileKeepsTheNickAndTheEncipheredPassword) {
    EXPECT_FALSE(AccountFileExists(Folder()));
    const RememberedAccount account{"Bob", "se cr$t#"};
    ASSERT_TRUE(WriteAccountFile(Folder(), account));
    EXPECT_TRUE(AccountFileExists(Folder()));
    const std::string bytes = ReadBytes(Folder() / "QelUser.qel");
    EXPECT_EQ(bytes, "Qel User File\r\nBob\r\n" +
                         EncodeText("se cr$t#", CipherKey::AccountPassword) + "\r\n");
    EXPECT_EQ(ReadAccountFile(Folder()), account);
    ASSERT_TRUE(DeleteAccountFile(Folder()));
    EXPECT_FALSE(AccountFileExists(Folder()));
    EXPECT_EQ(ReadAccountFile(Folder()), std::nullopt);
}

TEST_F(OnlineFiles, AnAccountFileWithoutItsHeadingOrLinesIsNoAccount) {
    for (const std::string bytes : {"Qel User\r\nBob\r\nxx\r\n", "Qel User File\r\nBob\r\n", ""}) {
        WriteBytes(Folder() / "QelUser.qel", bytes);
        EXPECT_EQ(ReadAccountFile(Folder()), std::nullopt) << bytes;
    }
    std::filesystem::remove(Folder() / "QelUser.qel");
    std::filesystem::create_directory(Folder() / "QelUser.qel");
    EXPECT_EQ(ReadAccountFile(Folder()), std::nullopt);
    EXPECT_FALSE(WriteAccountFile(Folder(), {"Bob", "pass"}));
}

TEST_F(OnlineFiles, AFailedAccountWriteKeepsTheOldFile) {
    ASSERT_TRUE(WriteAccountFile(Folder(), {"Bob", "pass"}));
    FaultyFileSystem full(FaultyFileSystem::Step::Write);
    EXPECT_FALSE(WriteAccountFile(Folder(), {"Alice", "word"}, full));
    EXPECT_EQ(ReadAccountFile(Folder()), (RememberedAccount{"Bob", "pass"}));
}

TEST_F(OnlineFiles, AMissingChatMarkerIsCreatedWithTheFirstMessageSeen) {
    const ChatMarker fresh = ReadChatMarker(Folder());
    EXPECT_EQ(fresh, (ChatMarker{1, false, false}));
    EXPECT_EQ(ReadBytes(Folder() / "QelChatQel.ini"), "1\r\n0\r\n0\r\n");

    ASSERT_TRUE(WriteChatMarker(Folder(), {123, true, false}));
    EXPECT_EQ(ReadBytes(Folder() / "QelChatQel.ini"), "123\r\n1\r\n0\r\n");
    EXPECT_EQ(ReadChatMarker(Folder()), (ChatMarker{123, true, false}));
}

TEST_F(OnlineFiles, UnreadableMarkersCountAsNothingSeen) {
    WriteBytes(Folder() / "QelChatQel.ini", "abc\r\nyes\r\n1\r\n");
    EXPECT_EQ(ReadChatMarker(Folder()), (ChatMarker{0, false, true}));
    FaultyFileSystem unreadable(FaultyFileSystem::Step::Read);
    EXPECT_EQ(ReadChatMarker(Folder(), unreadable), ChatMarker{});

    EXPECT_EQ(ReadNewsMarker(Folder()), 0);
    for (const std::string bytes : {"x7\r\n", "-5\r\n", ""}) {
        WriteBytes(Folder() / "QelNewsQel.ini", bytes);
        EXPECT_EQ(ReadNewsMarker(Folder()), 0) << bytes;
    }
    ASSERT_TRUE(WriteNewsMarker(Folder(), 42));
    EXPECT_EQ(ReadBytes(Folder() / "QelNewsQel.ini"), "42\r\n");
    EXPECT_EQ(ReadNewsMarker(Folder()), 42);
}

} // namespace
} // namespace tavlira::testing
