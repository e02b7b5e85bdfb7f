// Draws the calendar pack's pictures into a folder of the build tree and
// writes the resource collection file that Qt's resource compiler turns into
// the pack:
//
//   tavlira-calendar-art <output folder>
//
// Resource names: /RCDATA/R_BASE (frame), /RCDATA/R_01 .. R_12 (months),
// /RCDATA/R_VOS... (year signs) and one /RCDATA/<picture> per holiday, all
// PNG, 60 x 100.

#include "../artwork/ResourceWriter.h"
#include "CalendarArt.h"
#include "calendar/Calendar.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavlira-calendar-art <output folder>\n");
        return 2;
    }
    const QDir outputDir(QString::fromLocal8Bit(argv[1]));
    if (!outputDir.mkpath(".")) {
        std::fprintf(stderr, "calendar art: cannot create %s\n", argv[1]);
        return 1;
    }
    using namespace tavlira;
    ResourceWriter out(outputDir);
    const auto add = [&out](std::string_view name, const QImage& picture) {
        return out.Add(ResourceType::RcData,
                       QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
                       picture);
    };
    bool written = add(CalendarFramePicture, CalendarFrame());
    for (int month = 1; month <= 12; ++month)
        written = written && add(MonthPicture(month), MonthHeading(month));
    for (int year = 0; year < 12; ++year)
        written = written && add(YearSignPicture(year), YearSign(year));
    for (const Holiday& holiday : Holidays())
        written =
            written && add(holiday.picture, HolidayPicture(holiday.picture, holiday.category));
    if (!written || !out.WriteCollection(QStringLiteral("calendar.qrc"))) {
        std::fprintf(stderr, "calendar art: could not write every picture into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
