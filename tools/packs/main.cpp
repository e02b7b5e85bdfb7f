// Builds one artwork pack: renders its pictures into a folder and writes
// the resource collection file that Qt's resource compiler turns into the
// pack (rcc --binary). Inside a pack the resource types are folders:
//   /RCDATA/<name>  PNG pictures (faces, backs, icons, dialog pictures)
//   /JPEG/<name>    JPEG pictures (backgrounds)
//
//   tavlira-packs <pack file name> <output folder> <gnome themes> <kde themes>
//                 <built-in pictures>

#include "BackArt.h"
#include "BackgroundArt.h"
#include "DeckPacks.h"
#include "GraphArt.h"
#include "ui/artwork/ArtworkTables.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QSet>
#include <QTextStream>
#include <QThread>
#include <algorithm>
#include <cstdio>

namespace {

using namespace tavlira;

const char* FolderOf(PackFolder folder) {
    return folder == PackFolder::Jpeg ? "JPEG" : "RCDATA";
}

const char* ExtensionOf(PackFolder folder) {
    return folder == PackFolder::Jpeg ? ".jpg" : ".png";
}

bool Write(const QDir& dir, const PackEntries& entries, const QString& collection) {
    QSet<QString> seen;
    for (PackFolder folder : {PackFolder::RcData, PackFolder::Jpeg}) {
        if (!dir.mkpath(FolderOf(folder)))
            return false;
    }
    for (const PackEntry& entry : entries) {
        const QString path = QString(FolderOf(entry.folder)) + '/' + entry.name;
        if (entry.data.isEmpty() || seen.contains(path)) {
            std::fprintf(stderr, "packs: %s is empty or made twice\n", qPrintable(path));
            return false;
        }
        seen.insert(path);
        QFile file(dir.filePath(path + ExtensionOf(entry.folder)));
        if (!file.open(QIODevice::WriteOnly) || file.write(entry.data) != entry.data.size())
            return false;
    }
    QSaveFile file(dir.filePath(collection));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out << "<!DOCTYPE RCC><RCC version=\"1.0\">\n";
    for (PackFolder folder : {PackFolder::RcData, PackFolder::Jpeg}) {
        out << "<qresource prefix=\"/" << FolderOf(folder) << "\">\n";
        for (const PackEntry& entry : entries) {
            if (entry.folder == folder)
                out << "  <file alias=\"" << entry.name << "\">" << FolderOf(folder) << '/'
                    << entry.name << ExtensionOf(folder) << "</file>\n";
        }
        out << "</qresource>\n";
    }
    out << "</RCC>\n";
    out.flush();
    // commit() alone can report success after a failed write; check first.
    return out.status() == QTextStream::Ok && file.error() == QFileDevice::NoError && file.commit();
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    // Some themes name a pattern they never define; QtSvg draws without it
    // and would say so once per card.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.svg.warning=false"));
    if (argc != 6) {
        std::fprintf(stderr, "usage: tavlira-packs <pack file name> <output folder> "
                             "<gnome themes> <kde themes> <built-in pictures>\n");
        return 2;
    }
    const std::string pack = argv[1];
    const QDir outputDir(QString::fromLocal8Bit(argv[2]));
    const ThemeFolders themes{QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4])};
    const QString builtIn = QString::fromLocal8Bit(argv[5]);
    const int threads = std::clamp(QThread::idealThreadCount(), 1, 4);
    if (!outputDir.mkpath(".")) {
        std::fprintf(stderr, "packs: cannot create %s\n", argv[2]);
        return 1;
    }

    PackEntries entries;
    bool drawn = false;
    if (pack == DeckLibraryA || pack == DeckLibraryC)
        drawn = DeckPictures(pack, themes, threads, entries);
    else if (pack == DeckLibraryB)
        drawn = DeckPictures(pack, themes, threads, entries) &&
                BackPictures(themes, builtIn, threads, entries);
    else if (pack == BackgroundLibrary)
        drawn = BackgroundPictures(threads, entries);
    else if (pack == GraphLibrary)
        drawn = GraphPictures(entries);
    else {
        std::fprintf(stderr, "packs: no pack is called %s\n", pack.c_str());
        return 2;
    }
    if (!drawn || !Write(outputDir, entries, "pack.qrc")) {
        std::fprintf(stderr, "packs: could not make %s\n", pack.c_str());
        return 1;
    }
    return 0;
}
