#include "ui/dialogs/radio/RadioPictures.h"

#include "media/lists/StationList.h"
#include "ui/artwork/PictureSource.h"

#include <QPainter>
#include <algorithm>

// The menu pictures live in this static library; registering them from here
// also keeps the linker from dropping them.
static void RegisterRadioMenuPictures() {
    Q_INIT_RESOURCE(tavlira_radio_menu);
}

namespace tavlira {
namespace {

// Far larger than the pack we make; a larger file is not read.
constexpr std::uintmax_t LargestPack = 64 * 1024 * 1024;
// Where the logo stands inside the volume picture.
const QPoint LogoCorner(196, 12);

} // namespace

QImage MenuMediaPicture(const char* name) {
    static const bool registered = (RegisterRadioMenuPictures(), true);
    (void)registered;
    return PictureSource(QStringLiteral(":/radio")).Data(name);
}

QImage MenuRadioPicture(RadioStatus status) {
    QImage picture(RadioPictureWidth, RadioPictureHeight, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.drawImage(0, 0, MenuMediaPicture("GPolkaNw"));
    painter.drawImage(15, 10, MenuMediaPicture("GRadioA"));
    // A station that failed shows as off; the hint tells why.
    const char* lamp = status == RadioStatus::Unavailable || status == RadioStatus::Checking
                           ? "GRadioB"
                       : status == RadioStatus::Off || status == RadioStatus::Failed ? "GRadioR"
                                                                                     : "GRadioG";
    painter.drawImage(181, 60, MenuMediaPicture(lamp));
    return picture;
}

std::string VolumePictureName(int volume) {
    const int step = (std::clamp(volume, 0, 100) + 9) / 10;
    return "RRADIO_VOLUME" + std::string(step < 10 ? "0" : "") + std::to_string(step);
}

RadioPack::RadioPack(const QString& file)
    : pack(file.isEmpty() ? nullptr : MappedPack::Open(file.toStdString(), LargestPack)) {}

QImage RadioPack::Picture(const std::string& name) const {
    return pack ? PictureSource(':' + pack->Root()).Data(name) : QImage();
}

QImage RadioPack::VolumePicture(int volume, const std::string& logo) const {
    QImage picture = Picture(VolumePictureName(volume));
    if (picture.isNull())
        return picture;
    picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&picture);
    painter.drawImage(0, 0, Picture("RRADIO_RAMKA"));
    QImage logoPicture = Picture(logo);
    if (logoPicture.isNull())
        logoPicture = Picture(UnknownStationLogo);
    painter.drawImage(LogoCorner, logoPicture);
    return picture;
}

} // namespace tavlira
