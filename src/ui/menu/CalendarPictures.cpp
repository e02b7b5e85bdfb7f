#include "ui/menu/CalendarPictures.h"

#include "calendar/Calendar.h"
#include "calendar/PackCheck.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/FittedFont.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QResource>
#include <algorithm>

namespace tavlira {
namespace {

// Where the pack's resources appear while pictures are copied out of it.
const QString PackRoot = QStringLiteral("/calendar");
// Far larger than the pack we make; a larger file is not read.
constexpr qint64 MaxPackBytes = 16 * 1024 * 1024;
constexpr QSize PictureSize(60, 100);

// The pack's bytes, when `file` is a regular file of a sane size whose
// resource tree is whole. A folder, a FIFO or a device in its place is
// passed over without being opened.
std::optional<QByteArray> ReadPack(const std::filesystem::path& file) {
    const QString path = QString::fromStdString(file.string());
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxPackBytes)
        return std::nullopt;
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = in.read(MaxPackBytes + 1);
    if (bytes.size() > MaxPackBytes ||
        !IsWholeResourcePack(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
        return std::nullopt;
    return bytes;
}

// The pack's pictures by name, while it is mapped.
class OpenPack {
  public:
    explicit OpenPack(QByteArray packBytes) : bytes(std::move(packBytes)) {
        open = QResource::registerResource(Data(), PackRoot);
    }
    ~OpenPack() {
        if (open)
            QResource::unregisterResource(Data(), PackRoot);
    }
    OpenPack(const OpenPack&) = delete;
    OpenPack& operator=(const OpenPack&) = delete;

    bool IsOpen() const { return open; }
    // A null picture unless the pack holds a 60 x 100 picture of that name.
    QImage Picture(std::string_view name) const {
        QImageReader reader(QStringLiteral(":") + PackRoot + QStringLiteral("/RCDATA/") +
                            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        // The size is read from the header first, so a picture that claims
        // to be huge is never decoded.
        if (reader.size() != PictureSize)
            return {};
        const QImage picture = reader.read();
        if (picture.size() != PictureSize)
            return {};
        return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }

  private:
    const uchar* Data() const { return reinterpret_cast<const uchar*>(bytes.constData()); }

    QByteArray bytes;
    bool open = false;
};

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

std::optional<CalendarPictures> Build(const OpenPack& pack, const Date& today,
                                      LanguageIndex language, const QFont& face) {
    const CalendarDay day = CalendarFor(today, language);
    const QImage frame = pack.Picture(CalendarFramePicture);
    const QImage month = pack.Picture(day.today.picture);
    const QImage sign = pack.Picture(day.yearSign.picture);
    if (frame.isNull() || month.isNull() || sign.isNull())
        return std::nullopt;
    CalendarPictures pictures{today, {OnFrame(frame, month), ScreenText(day.today.hint)}, {}};
    WriteDate(pictures.today.image, day, face);
    pictures.cycle.push_back({OnFrame(frame, sign), ScreenText(day.yearSign.hint)});
    for (const CalendarPicture& holiday : day.holidays) {
        if (pictures.cycle.size() > MaxHolidayPictures)
            break;
        const QImage picture = pack.Picture(holiday.picture);
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
        std::optional<QByteArray> bytes = ReadPack(place);
        if (!bytes)
            continue;
        const OpenPack pack(std::move(*bytes));
        if (!pack.IsOpen())
            continue;
        if (std::optional<CalendarPictures> pictures = Build(pack, today, language, face))
            return pictures;
    }
    return std::nullopt;
}

} // namespace tavlira
