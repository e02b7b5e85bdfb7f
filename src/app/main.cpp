// tavlira-duo: the desktop card game for two players.

#include "app/ProgramFolder.h"
#include "ui/window/TForm1.h"

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

    tavlira::TForm1 form(folder.programFolder);
    if (!form.Start())
        return 1;
    form.show();
    return QApplication::exec();
}
