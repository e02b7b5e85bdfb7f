// tavlira-duo: the desktop card game for two players.

#include "app/MainWindow.h"
#include "app/ProgramFolder.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

int main(int argc, char* argv[]) {
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
    parser.process(application);
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "tavlira-duo: unexpected argument '%s'; see --help\n",
                     qPrintable(parser.positionalArguments().constFirst()));
        return 2;
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
    return QApplication::exec();
}
