// Renders the program's built-in artwork into a folder of the build tree and
// writes the resource collection file that compiles it into the program.
//
//   tavlira-artwork <card theme .svgz> <output folder>

#include "AnimationArt.h"
#include "ButtonArt.h"
#include "CardArt.h"
#include "DialogArt.h"
#include "MenuArt.h"
#include "OptionsArt.h"
#include "ResourceWriter.h"
#include "TableArt.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: tavlira-artwork <card theme .svgz> <output folder>\n");
        return 2;
    }
    const QDir outputDir(QString::fromLocal8Bit(argv[2]));
    if (!outputDir.mkpath(".")) {
        std::fprintf(stderr, "artwork: cannot create %s\n", argv[2]);
        return 1;
    }
    tavlira::ResourceWriter out(outputDir);
    const bool written = tavlira::WriteCardArt(QString::fromLocal8Bit(argv[1]), out) &&
                         tavlira::WriteTableArt(out) && tavlira::WriteButtonArt(out) &&
                         tavlira::WriteMenuArt(out) && tavlira::WriteDialogArt(out) &&
                         tavlira::WriteAnimationArt(out) && tavlira::WriteOptionsArt(out) &&
                         out.WriteCollection("artwork.qrc");
    if (!written) {
        std::fprintf(stderr, "artwork: could not write every picture into %s\n", argv[2]);
        return 1;
    }
    return 0;
}
