// Makes the radio's pictures and its station list for the build:
//   - the picture pack (QelRadio02.dll's content): the dialog's on and off
//     pictures, the eleven volume pictures and their frame, a logo for every
//     logo name of the station list, the unknown-station logo and a flag for
//     every country of the dialog;
//   - the menu's radio and music player pictures, compiled into the
//     program (they must show even when the pack is missing): the shelf, the
//     radio and its three lamps, the player's four buttons;
//   - the station list with CR LF line ends, as the game's files have them.
//
//   tavlira-radio-art pack <station list> <pack folder> <list out>...
//   tavlira-radio-art menu <menu folder>

#include "../artwork/ResourceWriter.h"
#include "media/lists/StationList.h"

#include <QFile>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <set>

namespace {

using tavlira::ResourceType;
using tavlira::ResourceWriter;

QImage Blank(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A colour of its own for every name, the same on every build.
QColor ColourOf(const QString& name) {
    const auto hash = static_cast<int>(qHash(name, 7) % 360u);
    return QColor::fromHsv(hash, 150, 190);
}

// --- The menu's radio

QImage Shelf() {
    QImage image = Blank(220, 125);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient wood(0, 100, 0, 125);
    wood.setColorAt(0, QColor(150, 95, 50));
    wood.setColorAt(1, QColor(90, 50, 25));
    p.setPen(QPen(QColor(60, 30, 10), 2));
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(4, 104, 212, 16), 4, 4);
    return image;
}

QImage RadioBody() {
    QImage image = Blank(190, 96);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient body(0, 0, 0, 96);
    body.setColorAt(0, QColor(120, 70, 40));
    body.setColorAt(1, QColor(70, 35, 20));
    p.setPen(QPen(QColor(40, 20, 10), 3));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(2, 10, 186, 84), 14, 14);
    // The speaker cloth with its ribs.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 190, 150));
    p.drawRoundedRect(QRectF(14, 22, 100, 62), 8, 8);
    p.setPen(QPen(QColor(150, 120, 80), 2));
    for (int x = 24; x < 112; x += 10)
        p.drawLine(x, 26, x, 80);
    // The dial and two knobs.
    p.setPen(QPen(QColor(40, 20, 10), 2));
    p.setBrush(QColor(240, 225, 180));
    p.drawRect(QRectF(124, 24, 54, 22));
    p.setPen(QPen(Qt::red, 2));
    p.drawLine(148, 26, 148, 44);
    p.setPen(QPen(QColor(40, 20, 10), 2));
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(QPointF(136, 70), 9, 9);
    p.drawEllipse(QPointF(166, 70), 9, 9);
    // The aerial.
    p.setPen(QPen(QColor(180, 180, 190), 3));
    p.drawLine(150, 11, 178, 0);
    return image;
}

QImage Lamp(QColor colour) {
    QImage image = Blank(24, 24);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(9, 9), 12);
    glow.setColorAt(0, colour.lighter(170));
    glow.setColorAt(1, colour.darker(130));
    p.setPen(QPen(QColor(30, 30, 30), 2));
    p.setBrush(glow);
    p.drawEllipse(QRectF(2, 2, 20, 20));
    return image;
}

// --- The dialog's pictures

QImage Power(QColor colour) {
    QImage image = Blank(96, 96);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(40, 36), 50);
    glow.setColorAt(0, colour.lighter(150));
    glow.setColorAt(1, colour.darker(160));
    p.setPen(QPen(QColor(30, 30, 30), 3));
    p.setBrush(glow);
    p.drawEllipse(QRectF(4, 4, 88, 88));
    p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(26, 28, 44, 44), 120 * 16, 300 * 16);
    p.drawLine(48, 20, 48, 48);
    return image;
}

constexpr int VolumeWidth = 280;
constexpr int VolumeHeight = 72;
const QRect LogoPlace(196, 12, 72, 48);

QImage Volume(int lit) {
    QImage image = Blank(VolumeWidth, VolumeHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 30));
    p.drawRoundedRect(QRectF(0, 0, VolumeWidth, VolumeHeight), 10, 10);
    for (int bar = 0; bar < 10; ++bar) {
        const int height = 10 + bar * 4;
        const QColor on = QColor::fromHsv(120 - bar * 12, 230, 240);
        p.setBrush(bar < lit ? on : QColor(60, 60, 70));
        p.drawRect(QRectF(14 + bar * 17, 60 - height, 12, height));
    }
    return image;
}

QImage Frame() {
    QImage image = Blank(VolumeWidth, VolumeHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(200, 170, 80), 4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2, 2, VolumeWidth - 4, VolumeHeight - 4), 10, 10);
    p.setPen(QPen(QColor(200, 170, 80), 2));
    p.drawRoundedRect(QRectF(LogoPlace).adjusted(-3, -3, 3, 3), 6, 6);
    return image;
}

// A station's logo: its initials on a colour of its own.
QImage Logo(const QString& logoName, const QString& stationName) {
    QImage image = Blank(LogoPlace.width(), LogoPlace.height());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = ColourOf(logoName);
    QLinearGradient fill(0, 0, 0, image.height());
    fill.setColorAt(0, colour.lighter(130));
    fill.setColorAt(1, colour.darker(140));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(image.rect()), 8, 8);
    QString initials;
    for (const QString& word : stationName.split(' ', Qt::SkipEmptyParts))
        if (initials.size() < 3)
            initials += word.front().toUpper();
    if (initials.isEmpty())
        initials = QStringLiteral("?");
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(initials.size() > 2 ? 20 : 24);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(image.rect(), Qt::AlignCenter, initials);
    return image;
}

// A flag in stripes of the country's colours; the cross and star flags are
// drawn as their main colours.
QImage Flag(const char* code) {
    struct Stripes {
        const char* code;
        bool vertical;
        std::vector<QColor> colours;
    };
    const QColor white(Qt::white), red(200, 20, 30), blue(0, 60, 160), green(0, 140, 70),
        yellow(250, 210, 0), black(Qt::black), sky(0, 150, 210), orange(240, 130, 30);
    const Stripes flags[] = {
        {"RUS", false, {white, blue, red}},
        {"UA0", false, {blue, yellow}},
        {"BEL", false, {red, red, green}},
        {"MOL", true, {blue, yellow, red}},
        {"EST", false, {sky, black, white}},
        {"LAT", false, {red.darker(130), white, red.darker(130)}},
        {"LIT", false, {yellow, green, red}},
        {"ARM", false, {red, blue, orange}},
        {"GEO", false, {white, red, white}},
        {"AZE", false, {sky, red, green}},
        {"KZ0", false, {sky}},
        {"UZ0", false, {sky, white, green}},
        {"USA", false, {red, white, blue}},
        {"CAN", true, {red, white, red}},
        {"UK0", false, {blue, red, blue}},
        {"AUS", false, {blue}},
        {"DE0", false, {black, red, yellow}},
        {"FRA", true, {blue, white, red}},
        {"ITA", true, {green, white, red}},
        {"NED", false, {red, white, blue}},
        {"SWE", false, {blue, yellow, blue}},
        {"CZ0", false, {white, red}},
        {"ESP", false, {red, yellow, red}},
        {"BRA", false, {green, yellow, green}},
        {"IND", false, {orange, white, green}},
        {"CHI", false, {red}},
        {"JAP", false, {white}},
        {"SK0", false, {white}},
    };
    QImage image(24, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::gray);
    QPainter p(&image);
    for (const Stripes& flag : flags) {
        if (qstrcmp(flag.code, code) != 0)
            continue;
        const auto count = static_cast<int>(flag.colours.size());
        for (int i = 0; i < count; ++i) {
            const QRect stripe = flag.vertical ? QRect(24 * i / count, 0, 24 / count + 1, 16)
                                               : QRect(0, 16 * i / count, 24, 16 / count + 1);
            p.fillRect(stripe, flag.colours[static_cast<std::size_t>(i)]);
        }
    }
    if (qstrcmp(code, "JAP") == 0 || qstrcmp(code, "SK0") == 0) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(red);
        p.drawEllipse(QPointF(12, 8), 4.5, 4.5);
    }
    p.setPen(QColor(80, 80, 80));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 23, 15);
    return image;
}

// A round button of the music player with its sign in white.
enum class Sign { Play, Pause, Next, Volume };
QImage PlayerButton(Sign sign) {
    QImage image = Blank(60, 60);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(24, 22), 36);
    glow.setColorAt(0, QColor(90, 110, 200));
    glow.setColorAt(1, QColor(20, 30, 90));
    p.setPen(QPen(QColor(200, 170, 80), 3));
    p.setBrush(glow);
    p.drawEllipse(QRectF(3, 3, 54, 54));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    switch (sign) {
    case Sign::Play:
        p.drawPolygon(QPolygonF({QPointF(23, 17), QPointF(23, 43), QPointF(43, 30)}));
        break;
    case Sign::Pause:
        p.drawRect(QRectF(20, 18, 7, 24));
        p.drawRect(QRectF(33, 18, 7, 24));
        break;
    case Sign::Next:
        p.drawPolygon(QPolygonF({QPointF(17, 18), QPointF(17, 42), QPointF(33, 30)}));
        p.drawPolygon(QPolygonF({QPointF(31, 18), QPointF(31, 42), QPointF(47, 30)}));
        break;
    case Sign::Volume:
        // A minus on the left and a plus on the right; the number goes between.
        p.drawRect(QRectF(9, 28, 10, 4));
        p.drawRect(QRectF(41, 28, 10, 4));
        p.drawRect(QRectF(44, 25, 4, 10));
        break;
    }
    return image;
}

bool WritePack(const std::vector<tavlira::Station>& stations, ResourceWriter& pack) {
    bool ok = pack.Add(ResourceType::RcData, "RRADIO_MAING", Power(QColor(40, 170, 60))) &&
              pack.Add(ResourceType::RcData, "RRADIO_MAINR", Power(QColor(190, 40, 40))) &&
              pack.Add(ResourceType::RcData, "RRADIO_RAMKA", Frame()) &&
              pack.Add(ResourceType::RcData, tavlira::UnknownStationLogo, Logo("?", "?"));
    for (int step = 0; step <= 10 && ok; ++step)
        ok = pack.Add(ResourceType::RcData,
                      QStringLiteral("RRADIO_VOLUME%1").arg(step, 2, 10, QChar('0')), Volume(step));
    for (const tavlira::RadioCountry& country : tavlira::RadioCountries)
        ok = ok && pack.Add(ResourceType::RcData, QStringLiteral("FLAG_") + country.code,
                            Flag(country.code));
    std::set<std::string> drawn{tavlira::UnknownStationLogo};
    for (const tavlira::Station& station : stations)
        if (drawn.insert(station.logo).second)
            ok = ok && pack.Add(ResourceType::RcData, QString::fromStdString(station.logo),
                                Logo(QString::fromStdString(station.logo),
                                     QString::fromLatin1(station.name.c_str())));
    return ok && pack.WriteCollection("pack.qrc");
}

bool WriteMenu(ResourceWriter& menu) {
    return menu.Add(ResourceType::RcData, "GPolkaNw", Shelf()) &&
           menu.Add(ResourceType::RcData, "GRadioA", RadioBody()) &&
           menu.Add(ResourceType::RcData, "GRadioB", Lamp(QColor(40, 40, 40))) &&
           menu.Add(ResourceType::RcData, "GRadioR", Lamp(QColor(220, 30, 30))) &&
           menu.Add(ResourceType::RcData, "GRadioG", Lamp(QColor(30, 220, 60))) &&
           menu.Add(ResourceType::RcData, "MP_Play", PlayerButton(Sign::Play)) &&
           menu.Add(ResourceType::RcData, "MP_Pause", PlayerButton(Sign::Pause)) &&
           menu.Add(ResourceType::RcData, "MP_Next", PlayerButton(Sign::Next)) &&
           menu.Add(ResourceType::RcData, "MP_Volume", PlayerButton(Sign::Volume)) &&
           menu.WriteCollection("radio-menu.qrc");
}

int Usage() {
    std::fprintf(stderr,
                 "usage: tavlira-radio-art pack <station list> <pack folder> <list out>...\n"
                 "       tavlira-radio-art menu <menu folder>\n");
    return 2;
}

bool MakeFolder(const QDir& folder) {
    if (folder.mkpath("."))
        return true;
    std::fprintf(stderr, "radio art: cannot create %s\n", qPrintable(folder.path()));
    return false;
}

int MakePack(int argc, char** argv) {
    QFile source(QString::fromLocal8Bit(argv[2]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "radio art: cannot read %s\n", argv[2]);
        return 1;
    }
    const QByteArray text = source.readAll();
    // The list as the game's files are laid out: every line ended by CR LF.
    QByteArray crlf;
    for (const QByteArray& line : text.split('\n'))
        if (!line.isEmpty())
            crlf += line + "\r\n";
    for (int i = 4; i < argc; ++i) {
        QFile out(QString::fromLocal8Bit(argv[i]));
        if (!out.open(QIODevice::WriteOnly) || out.write(crlf) != crlf.size()) {
            std::fprintf(stderr, "radio art: cannot write %s\n", argv[i]);
            return 1;
        }
    }
    const QDir packDir(QString::fromLocal8Bit(argv[3]));
    if (!MakeFolder(packDir))
        return 1;
    ResourceWriter pack(packDir);
    const std::string list(text.constData(), static_cast<std::size_t>(text.size()));
    if (!WritePack(tavlira::ReadStationList(list), pack)) {
        std::fprintf(stderr, "radio art: could not write every picture of the pack\n");
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (mode == "pack" && argc >= 4)
        return MakePack(argc, argv);
    if (mode != "menu" || argc != 3)
        return Usage();
    const QDir menuDir(QString::fromLocal8Bit(argv[2]));
    ResourceWriter menu(menuDir);
    if (!MakeFolder(menuDir) || !WriteMenu(menu)) {
        std::fprintf(stderr, "radio art: could not write every menu picture\n");
        return 1;
    }
    return 0;
}
