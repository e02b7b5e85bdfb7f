// tavlira-duo: the desktop card game for two players.

#include "app/MainWindow.h"
#include "app/OnlineTable.h"
#include "app/ProgramFolder.h"
#include "app/Screenshot.h"
#include "online/qt/ServiceAddress.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QHostAddress>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

// A screenshot is drawn offscreen, with or without a display; the platform
// is chosen before the application starts, so this looks at the raw
// arguments.
bool AsksForScreenshot(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--screenshot") == 0 ||
            std::strncmp(argv[i], "--screenshot=", 13) == 0)
            return true;
    return false;
}

int Refuse(const QString& message) {
    std::fprintf(stderr, "tavlira-duo: %s; see --help\n", qPrintable(message));
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (AsksForScreenshot(argc, argv))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavlira-Duo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tavlira-Duo"));
    QApplication::setApplicationVersion(QStringLiteral(TAVLIRA_VERSION));

    // The game takes no arguments of its own beyond these: a mistyped one is
    // refused instead of being ignored while the game starts.
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A capture card game for two players."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Draws one screen into the PNG file FILE and ends, without touching the "
                       "player's settings or records. Screens: %1.")
            .arg(tavlira::ScreenshotScreens().join(QStringLiteral(", "))),
        QStringLiteral("screen"));
    const QCommandLineOption size(QStringLiteral("size"),
                                  QStringLiteral("The screenshot's window size, 1 (760 x 500, the "
                                                 "default) to 5 (1520 x 1000)."),
                                  QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption language(
        QStringLiteral("language"),
        QStringLiteral("The screenshot's language: %1 (default en).")
            .arg(tavlira::LanguageCodeList().join(QStringLiteral(", "))),
        QStringLiteral("code"), QStringLiteral("en"));
    const QCommandLineOption server(
        QStringLiteral("server"),
        QStringLiteral("The online services' web server, such as http://127.0.0.1:8066; the "
                       "environment variable %1 does the same.")
            .arg(QString::fromLatin1(tavlira::ServiceBaseVariable)),
        QStringLiteral("url"));
    const QCommandLineOption tableSeat(
        QStringLiteral("table-seat"),
        QStringLiteral("For testing: sits down at once at seat SEAT (1 or 2) of tournament table "
                       "TABLE (1 to 10) of the table server ADDRESS, whose table listens on PORT, "
                       "without the lobby's seat post."),
        QStringLiteral("address:port:table:seat"));
    parser.addOptions({screenshot, size, language, server, tableSeat});
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The PNG file of --screenshot."),
                                 QStringLiteral("[FILE]"));
    parser.process(application);

    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(server)) {
        if (!tavlira::ServiceBaseOverride(parser.value(server)))
            return Refuse(QStringLiteral("--server takes an http address, not '%1'")
                              .arg(parser.value(server)));
        qputenv(tavlira::ServiceBaseVariable, parser.value(server).toUtf8());
    }
    if (parser.isSet(screenshot)) {
        if (positional.size() != 1)
            return Refuse(QStringLiteral("--screenshot takes one file name"));
        bool sizeIsNumber = false;
        const int windowSize = parser.value(size).toInt(&sizeIsNumber);
        if (!sizeIsNumber || windowSize < 1 || windowSize > 5)
            return Refuse(QStringLiteral("the size is 1 to 5, not '%1'").arg(parser.value(size)));
        const std::optional<tavlira::LanguageIndex> chosen =
            tavlira::LanguageOfCode(parser.value(language));
        if (!chosen)
            return Refuse(QStringLiteral("unknown language '%1'").arg(parser.value(language)));
        return tavlira::TakeScreenshot(
                   {parser.value(screenshot), positional.constFirst(), windowSize, *chosen})
                   ? 0
                   : 1;
    }
    if (!positional.isEmpty())
        return Refuse(QStringLiteral("unexpected argument '%1'").arg(positional.constFirst()));
    if (parser.isSet(size) || parser.isSet(language))
        return Refuse(QStringLiteral("--size and --language go with --screenshot"));
    struct SeatWanted {
        QString address;
        quint16 port = 0;
        int table = 0;
        int seat = 0;
    };
    std::optional<SeatWanted> seatWanted;
    if (parser.isSet(tableSeat)) {
        const QStringList parts = parser.value(tableSeat).split(QLatin1Char(':'));
        bool portOk = false, tableOk = false, seatOk = false;
        SeatWanted wanted;
        if (parts.size() == 4) {
            wanted = {parts[0], parts[1].toUShort(&portOk), parts[2].toInt(&tableOk),
                      parts[3].toInt(&seatOk)};
        }
        if (!portOk || !tableOk || !seatOk || wanted.port == 0 || wanted.table < 1 ||
            wanted.table > 10 || (wanted.seat != 1 && wanted.seat != 2) ||
            QHostAddress(wanted.address).isNull())
            return Refuse(QStringLiteral("--table-seat wants ADDRESS:PORT:TABLE:SEAT, not '%1'")
                              .arg(parser.value(tableSeat)));
        seatWanted = wanted;
    }

    const std::filesystem::path programDir = QCoreApplication::applicationDirPath().toStdString();
    const tavlira::FolderChoice folder = tavlira::ChooseProgramFolder(
        programDir, tavlira::IsPortableFolder(programDir), tavlira::DataHome());
    if (folder.shippedRecords)
        tavlira::PlaceShippedRecords(*folder.shippedRecords, folder.programFolder);

    tavlira::MainWindow window(folder.programFolder);
    if (!window.Start())
        return 1;
    window.show();
    window.StartOnline();
    if (seatWanted)
        window.TableGame().ConnectSeat(seatWanted->address, seatWanted->port, seatWanted->table,
                                       seatWanted->seat);
    return QApplication::exec();
}
