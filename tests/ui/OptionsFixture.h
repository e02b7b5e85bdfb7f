#pragma once
// Stand-ins for the options dialog's tests: the game behind the dialog, and
// a server of artwork packs on a port the system chooses.

#include "records/Settings.h"
#include "ui/dialogs/options/OptionsHost.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tavlira::test {

// The game behind the dialog: it records what the dialog asks and can make
// a pack go missing.
class FakeGame : public OptionsHost {
  public:
    explicit FakeGame(Settings& s) : settings(s) {
        folder = std::filesystem::path(dir.path().toStdString()) / "Game";
        std::filesystem::create_directories(folder);
        pictures.SetPackFolders({folder, folder.parent_path()});
    }
    void LanguageChanged() override { ++languageChanges; }
    void WindowSizeChanged() override { ++sizeChanges; }
    void NetworkModeChanged() override {}
    void MusicSwitched() override {}
    void RadioSourceChanged() override {}
    void AnimationSwitched() override {}
    void LookChanged() override {}
    void FontsChanged() override { ++fontChanges; }
    void RulesChanged() override {}
    void ChooseSpeed() override {}
    void OpenPassport() override { ++passportsOpened; }
    int passportsOpened = 0;
    ArtworkLoad DeckChanged() override { return Load(settings.DeckFace); }
    ArtworkLoad BacksChanged() override { return Load(settings.DeckBack); }
    ArtworkLoad BackgroundChanged() override { return {}; }
    bool DesignChanged() override { return true; }
    const PictureStore& Pictures() const override { return pictures; }
    std::filesystem::path ProgramFolder() const override { return folder; }
    void PlaySuccess() override { ++successes; }
    void PlayFailure() override { ++failures; }

    bool packsMissing = false;
    int languageChanges = 0;
    int sizeChanges = 0;
    int fontChanges = 0;
    int successes = 0;
    int failures = 0;

  private:
    ArtworkLoad Load(int& choice) {
        ArtworkLoad load;
        if (packsMissing && choice != 0) {
            load.Missing("QelCards06A.dll");
            choice = 0;
        }
        return load;
    }

    Settings& settings;
    PictureStore pictures;
    QTemporaryDir dir;
    std::filesystem::path folder;
};

// Answers every request with `status`, announcing `announced` bytes (none
// when negative) and sending `body`; then closes, or with `stall` keeps the
// connection open without another byte.
class PackServer : public QObject {
  public:
    struct Answer {
        int status = 200;
        QByteArray body;
        qint64 announced = -1;
        bool stall = false;
    };

    explicit PackServer(Answer reply) : answer(std::move(reply)) {
        EXPECT_TRUE(server.listen(QHostAddress::LocalHost, 0));
        connect(&server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* socket = server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                request += socket->readAll();
                if (!request.contains("\r\n\r\n"))
                    return;
                QByteArray head = "HTTP/1.1 " + QByteArray::number(answer.status) + " X\r\n";
                if (answer.announced >= 0)
                    head += "Content-Length: " + QByteArray::number(answer.announced) + "\r\n";
                head += "Connection: close\r\n\r\n";
                socket->write(head + answer.body);
                if (!answer.stall)
                    socket->disconnectFromHost();
            });
        });
    }

    QString Base() const { return QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort()); }
    QByteArray request;

  private:
    Answer answer;
    QTcpServer server;
};

} // namespace tavlira::test
