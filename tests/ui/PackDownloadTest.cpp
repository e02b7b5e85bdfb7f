// The download of an artwork pack: a local server on a port the system
// chooses answers as the companion server would, or fails as a bad one does.

#include "ui/dialogs/options/PackDownload.h"

#include "support/ReservedPort.h"
#include "ui/OptionsFixture.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/options/OptionsDialog.h"
#include "ui/dialogs/options/PackServer.h"

#include <QFile>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

QByteArray TestPack() {
    QFile file(QStringLiteral(TEST_PACK));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Download {
    bool ok = false;
    std::string fileAfter;
};

Download Fetch(const test::PackServer& server, const std::filesystem::path& target,
               int stallMs = 5000) {
    PackDownload::Limits limits;
    limits.stallMs = stallMs;
    PackDownload download(PackUrl(server.Base(), "QelCards06A.dll"), target, limits, nullptr);
    QSignalSpy finished(&download, &PackDownload::Finished);
    download.Start();
    EXPECT_TRUE(finished.wait(30000));
    Download result;
    result.ok = !finished.isEmpty() && finished.first().first().toBool();
    result.fileAfter = ReadAll(target);
    return result;
}

class PackDownloadTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        target = std::filesystem::path(folder.path().toStdString()) / "QelCards06A.dll";
        std::ofstream(target, std::ios::binary) << oldPack;
    }

    QTemporaryDir folder;
    std::filesystem::path target;
    const std::string oldPack = "the pack the player has now\r\n";
};

TEST_F(PackDownloadTest, AWholePackReplacesTheOldOneAndIsAskedForByName) {
    const QByteArray pack = TestPack();
    ASSERT_TRUE(IsReadablePack(pack));
    test::PackServer server({200, pack, pack.size()});
    const Download result = Fetch(server, target);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.fileAfter, pack.toStdString());
    EXPECT_TRUE(
        server.request.startsWith("GET /downloads/progr/cards/QelCards06A.dll HTTP/1.1\r\n"))
        << server.request.toStdString();
    // Nothing but the pack is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(target.parent_path()), {}), 1);
}

TEST_F(PackDownloadTest, AFailedDownloadLeavesTheOldPackByteForByte) {
    const QByteArray pack = TestPack();
    const QByteArray half = pack.left(pack.size() / 2);
    const struct {
        const char* what;
        test::PackServer::Answer answer;
    } cases[] = {
        {"a truncated pack, announced at its length", {200, half, half.size()}},
        {"a body shorter than announced", {200, half, pack.size()}},
        {"a truncated pack without a length", {200, half, -1}},
        {"an error answer", {404, pack, pack.size()}},
        {"bytes that are no pack", {200, QByteArray(4096, 'x'), 4096}},
    };
    for (const auto& c : cases) {
        test::PackServer server(c.answer);
        const Download result = Fetch(server, target);
        EXPECT_FALSE(result.ok) << c.what;
        EXPECT_EQ(result.fileAfter, oldPack) << c.what;
    }
}

TEST_F(PackDownloadTest, AServerThatStallsEndsTheDownloadAndLeavesTheOldPack) {
    const QByteArray pack = TestPack();
    test::PackServer server({200, pack.left(100), pack.size(), true});
    const Download result = Fetch(server, target, 300);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.fileAfter, oldPack);
}

TEST_F(PackDownloadTest, NoServerAtAllFails) {
    const quint16 port = test_support::ReservedPort();
    ASSERT_NE(port, 0);
    PackDownload download(PackUrl(QStringLiteral("http://127.0.0.1:%1").arg(port), "X.dll"), target,
                          nullptr);
    QSignalSpy finished(&download, &PackDownload::Finished);
    download.Start();
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_FALSE(finished.first().first().toBool());
    EXPECT_EQ(ReadAll(target), oldPack);
}

// A download button fetches its pack into the family folder, sounds, and
// closes once the pack is there; a failure sounds and leaves it open.
TEST(OptionsDownload, AButtonFetchesItsPackIntoTheFamilyFolder) {
    const QByteArray pack = TestPack();
    for (const bool good : {false, true}) {
        Settings settings;
        test::FakeGame game(settings);
        test::PackServer server({good ? 200 : 500, pack, pack.size()});
        OptionsDialog dialog(nullptr, settings, game, server.Base());
        SkinnedButton* button = dialog.DownloadButton(OptionsDialog::Page::Packs, "QelRadio02.dll");
        ASSERT_TRUE(button->isEnabled());
        QSignalSpy finished(&dialog, &OptionsDialog::DownloadFinished);
        button->click();
        EXPECT_FALSE(button->isEnabled()) << "no second download meanwhile";
        ASSERT_TRUE(finished.wait(30000));
        EXPECT_TRUE(server.request.startsWith("GET /downloads/progr/cards/QelRadio02.dll "));
        const std::filesystem::path fetched = game.ProgramFolder().parent_path() / "QelRadio02.dll";
        EXPECT_EQ(std::filesystem::exists(fetched), good);
        EXPECT_EQ(button->isEnabled(), !good);
        EXPECT_EQ(game.successes, good ? 1 : 0);
        EXPECT_EQ(game.failures, good ? 0 : 1);
    }
}

TEST(PackServer, ThePackAddressIsTheServersPackFolder) {
    EXPECT_EQ(PackUrl("http://127.0.0.1:8066", "QelBackG03.dll").toString(),
              "http://127.0.0.1:8066/downloads/progr/cards/QelBackG03.dll");
    EXPECT_EQ(PackUrl("http://host:1/", "QelRadio.rad").toString(),
              "http://host:1/downloads/progr/cards/QelRadio.rad");
}

} // namespace
} // namespace tavlira
