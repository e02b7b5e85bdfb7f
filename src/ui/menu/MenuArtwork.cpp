#include "ui/menu/MenuArtwork.h"

#include "ui/controls/ButtonSkin.h"
#include "ui/menu/TitleTint.h"

#include <QFont>
#include <algorithm>
#include <cctype>
#include <string>

namespace tavlira {
namespace {

// The candelabra and the flames are painted on this green, which is left out.
QImage WithoutGreenKey(const QImage& picture) {
    if (picture.isNull())
        return picture;
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if ((line[x] & 0xFFFFFF) == 0x008000)
                line[x] = qRgba(0, 0, 0, 0);
    }
    return keyed;
}

QImage Scaled(const QImage& picture, QSize size) {
    return picture.isNull() ? picture
                            : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

const char* IconPicture(MenuIcon icon) {
    switch (icon) {
    case MenuIcon::MoreGames:
        return "AdvGiftR";
    case MenuIcon::AndroidPackage:
        return "Android";
    case MenuIcon::Help:
        return "IconHelp";
    case MenuIcon::Tournament:
        return "IconTour";
    case MenuIcon::GooglePlay:
        return "GooglePlay";
    case MenuIcon::Support:
        return "AdvGiftG";
    case MenuIcon::WorldTopTen:
        return "Earth48";
    case MenuIcon::Statistics:
        return "Stats";
    case MenuIcon::Account:
        break;
    }
    return "Account48";
}

QFont LabelFont(int pixels) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

} // namespace

MenuArtwork::MenuArtwork(PictureSource pictures)
    : source(std::move(pictures)), titleSource(source.Data("GTitle")),
      candelabrum(WithoutGreenKey(source.Data("GSvSv"))), clockBackground(source.Data("GClockBG")),
      colon(source.Data("GBClockP")) {
    for (std::size_t frame = 0; frame < flames.size(); ++frame)
        flames[frame] = WithoutGreenKey(source.Data("GFlame" + std::to_string(frame)));
    for (std::size_t icon = 0; icon < icons.size(); ++icon)
        icons[icon] = source.Data(IconPicture(static_cast<MenuIcon>(icon)));
    for (std::size_t state = 0; state < lamps.size(); ++state)
        lamps[state] = source.Data(AccountLampOf(static_cast<AccountState>(state + 1)).picture);
    for (std::size_t variant = 0; variant < boardIcons.size(); ++variant)
        boardIcons[variant] = source.Data(StatsBoardLookOf(static_cast<int>(variant) + 1).icon);
}

void MenuArtwork::Prepare(const MenuLayout& layout, std::string_view suffix, bool network,
                          int variant) {
    title = Scaled(titleSource, layout.titlePicture.size());
    captionSource = Scaled(source.Data("Cap" + std::string(suffix)), layout.caption.size());
    clubCaptionSource = Scaled(source.Data((network ? "Net__" : "Elite") + std::string(suffix)),
                               layout.clubCaption.size());
    SetTitleVariant(variant);
}

void MenuArtwork::SetTitleVariant(int variant) {
    titleVariant = variant;
    caption = TintTitle(captionSource, variant);
    clubCaption = TintTitle(clubCaptionSource, variant);
}

const QImage& MenuArtwork::Flame(int frame) const {
    return flames[static_cast<std::size_t>(frame) % flames.size()];
}

QImage MenuArtwork::Icon(MenuIcon icon, AccountState account) const {
    QImage picture = icons[static_cast<std::size_t>(icon)];
    if (icon == MenuIcon::Account && !picture.isNull()) {
        picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&picture);
        const int state = std::clamp(static_cast<int>(account), 1, 3);
        painter.drawImage(QPoint(24, 0), lamps[static_cast<std::size_t>(state - 1)]);
    }
    return MenuIconAvailable(icon) ? picture : Muted(picture);
}

const QImage& MenuArtwork::Glyph(char colour, char glyph) const {
    const auto key = std::make_pair(colour, glyph);
    auto found = glyphs.find(key);
    if (found == glyphs.end()) {
        std::string name = std::string("G") + colour + "Clock";
        name += glyph == '-' ? 'M' : glyph;
        found = glyphs.emplace(key, source.Data(name)).first;
    }
    return found->second;
}

void MenuArtwork::PaintClock(QPainter& painter, QPoint at, const ClockFace& face) const {
    painter.drawImage(at, clockBackground);
    for (const FaceGlyph& digit : face.digits)
        painter.drawImage(at + digit.at, Glyph('B', digit.glyph));
    if (face.colon)
        painter.drawImage(at + ClockColonAt, colon);
}

void MenuArtwork::PaintStatsBoard(QPainter& painter, QPoint at, int variant,
                                  std::string_view value) const {
    const StatsBoardLook look = StatsBoardLookOf(variant);
    painter.drawImage(at, clockBackground);
    const QImage& icon =
        boardIcons[static_cast<std::size_t>(std::clamp(variant, 1, StatsBoardVariants) - 1)];
    if (!icon.isNull())
        painter.drawImage(QRect(at + QPoint(10, 10), QSize(16, 16)), icon);
    // Digits and the minus sign are pictures; the unit letter of a large
    // count (K, M, G) is written in their place.
    for (const FaceGlyph& glyph : BoardGlyphs(value)) {
        if (std::isdigit(static_cast<unsigned char>(glyph.glyph)) || glyph.glyph == '-') {
            painter.drawImage(at + glyph.at, Glyph(look.colour, glyph.glyph));
            continue;
        }
        painter.setFont(LabelFont(20));
        painter.setPen(QColor(255, 255, 255));
        painter.drawText(QRect(at + glyph.at, QSize(18, 40)), Qt::AlignCenter,
                         QString(QChar::fromLatin1(glyph.glyph)));
    }
    // The figure's unit beside the value: an IQ, or a count of games.
    const auto label = [&](const QString& text, const QColor& colour) {
        painter.setFont(LabelFont(11));
        painter.setPen(colour);
        painter.drawText(QRect(at + QPoint(90, 10), QSize(25, 14)), Qt::AlignLeft | Qt::AlignTop,
                         text);
    };
    if (variant == 1)
        label(QStringLiteral("IQ"), QColor(255, 0, 0));
    else if (variant == 2)
        label(QStringLiteral("P"), QColor(0, 255, 255));
}

} // namespace tavlira
