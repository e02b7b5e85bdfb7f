#pragma once
// tavlira-server in a folder of its own, on a port the system chose, for
// the tests that go online end to end. It can be stopped and started again
// on the same port with the same database, as a server that went down and
// came back.

#include "online_qt/FakeWebServer.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <optional>

namespace tavlira::testing {

class CompanionServer {
  public:
    CompanionServer() { Start(QStringLiteral("127.0.0.1:0")); }
    ~CompanionServer() { Stop(); }
    const std::optional<QUrl>& Base() const { return base; }

    // Goes down at once, as a server that crashed or lost its network: a
    // polite end would wait for the clients' open connections.
    void Stop() {
        if (process.state() == QProcess::NotRunning)
            return;
        process.kill();
        process.waitForFinished(5000);
    }
    // Starts again where it listened before; false when it did not come up.
    bool Restart() {
        Stop();
        if (!base)
            return false;
        return Start(QStringLiteral("127.0.0.1:%1").arg(base->port()));
    }

  private:
    bool Start(const QString& listen) {
        output.clear();
        process.setProgram(QStringLiteral(TAVLIRA_SERVER_PROGRAM));
        process.setArguments(
            {"--listen", listen, "--db", folder.filePath("club.db"), "--files", folder.path()});
        process.start();
        RunUntil([this] {
            output += process.readAllStandardOutput();
            return output.contains('\n') || process.state() == QProcess::NotRunning;
        });
        const QRegularExpressionMatch port =
            QRegularExpression(QStringLiteral("listening on 127.0.0.1:(\\d+)"))
                .match(QString::fromUtf8(output));
        if (!port.hasMatch())
            return false;
        base = QUrl(QStringLiteral("http://127.0.0.1:") + port.captured(1));
        return true;
    }

    QTemporaryDir folder;
    QProcess process;
    QByteArray output;
    std::optional<QUrl> base;
};

} // namespace tavlira::testing
