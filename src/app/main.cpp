// tavlira-duo: the desktop card game for two players.

#include "app/MainWindow.h"
#include "app/ProgramFolder.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavlira-Duo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tavlira-Duo"));

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
