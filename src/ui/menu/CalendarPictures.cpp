#include "ui/menu/CalendarPictures.h"

#include "calendar/Calendar.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/FittedFont.h"
#include "util/qt/MappedPack.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <memory>

namespace tavlira {
namespace {

// Far larger than the pack we make; a larger file is not read.
constexpr std::uintmax_t MaxPackBytes = 16 * 1024 * 1024;
constexpr QSize PictureSize(60, 100);

// A null picture unless the pack holds a 60 x 100 picture of that name.
QImage Picture(const MappedPack& pack, std::string_view name) {
    QImageReader reader(
        pack.Path(QStringLiteral("/RCDATA/") +
                  QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))));
    // The size is read from the header first, so a picture that claims to be
    // huge is never decoded.
    if (reader.size() != PictureSize)
        return {};
    const QImage picture = reader.read();
    if (picture.size() != PictureSize)
        return {};
    return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage OnFrame(const QImage& frame, const QImage& picture) {
    QImage page = frame.copy();
    QPainter painter(&page);
    painter.drawImage(0, 0, picture);
    return page;
}

// The day's number in the middle of the page, red on Sundays, and the
// month's name under it.
void WriteDate(QImage& page, const CalendarDay& day, const QFont& face) {
    QPainter painter(&page);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont number = face;
    number.setPixelSize(30);
    number.setBold(true);
    painter.setFont(number);
    painter.setPen(day.sunday ? QColor(200, 0, 0) : QColor(Qt::black));
    painter.drawText(QRect(5, 36, 50, 38), Qt::AlignCenter, QString::number(day.date.day));
    const QString month = ScreenText(day.monthName);
    QFont monthFont = face;
    monthFont.setPixelSize(11);
    painter.setFont(FittedFont(monthFont, month, 48));
    painter.setPen(QColor(Qt::black));
    painter.drawText(QRect(5, 76, 50, 16), Qt::AlignCenter, month);
}

std::optional<CalendarPictures> Build(const MappedPack& pack, const Date& today,
                                      LanguageIndex language, const QFont& face) {
    const CalendarDay day = CalendarFor(today, language);
    const QImage frame = Picture(pack, CalendarFramePicture);
    const QImage month = Picture(pack, day.today.picture);
    const QImage sign = Picture(pack, day.yearSign.picture);
    if (frame.isNull() || month.isNull() || sign.isNull())
        return std::nullopt;
    CalendarPictures pictures{today, {OnFrame(frame, month), ScreenText(day.today.hint)}, {}};
    WriteDate(pictures.today.image, day, face);
    pictures.cycle.push_back({OnFrame(frame, sign), ScreenText(day.yearSign.hint)});
    for (const CalendarPicture& holiday : day.holidays) {
        if (pictures.cycle.size() > MaxHolidayPictures)
            break;
        const QImage picture = Picture(pack, holiday.picture);
        if (!picture.isNull())
            pictures.cycle.push_back({OnFrame(frame, picture), ScreenText(holiday.hint)});
    }
    return pictures;
}

} // namespace

std::vector<std::filesystem::path> CalendarPackPlaces(const std::filesystem::path& programFolder) {
    const std::filesystem::path programFile = QCoreApplication::applicationDirPath().toStdString();
    std::vector<std::filesystem::path> places;
    for (const std::filesystem::path& folder :
         {programFolder, programFolder.parent_path(), programFile, programFile.parent_path(),
          programFile.parent_path() / "share" / "tavlira-duo" / "packs"}) {
        const std::filesystem::path file = folder / CalendarPackFileName;
        if (std::find(places.begin(), places.end(), file) == places.end())
            places.push_back(file);
    }
    return places;
}

std::optional<CalendarPictures> BuildCalendar(const std::vector<std::filesystem::path>& places,
                                              const Date& today, LanguageIndex language,
                                              const QFont& face) {
    for (const std::filesystem::path& place : places) {
        const std::unique_ptr<MappedPack> pack = MappedPack::Open(place, MaxPackBytes);
        if (!pack)
            continue;
        if (std::optional<CalendarPictures> pictures = Build(*pack, today, language, face))
            return pictures;
    }
    return std::nullopt;
}

} // namespace tavlira
