#include "ThemeCards.h"

#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <array>
#include <cmath>

namespace tavlira {
namespace {

QString SuitWord(char suitByte) {
    switch (suitByte) {
    case suit::Hearts:
        return "heart";
    case suit::Diamonds:
        return "diamond";
    case suit::Clubs:
        return "club";
    default:
        return "spade";
    }
}

QString RankWord(char rankByte) {
    switch (rankByte) {
    case rank::Ten:
        return "10";
    case rank::Jack:
        return "jack";
    case rank::Queen:
        return "queen";
    case rank::King:
        return "king";
    case rank::Ace:
        return "1";
    default:
        return QString(QChar(rankByte));
    }
}

QString ThemeFile(const ThemeFolders& folders, const QString& theme) {
    if (theme.startsWith("kde:"))
        return folders.kde + '/' + theme.mid(4);
    return folders.gnome + '/' + theme + ".svgz";
}

} // namespace

ThemeCards::ThemeCards(const ThemeFolders& folders, const QString& theme)
    : file(ThemeFile(folders, theme)), renderer(std::make_unique<QSvgRenderer>(file)) {}

ThemeCards::~ThemeCards() = default;

bool ThemeCards::IsValid() const {
    return renderer->isValid();
}

QImage ThemeCards::Face(CardCode card, QSize size) const {
    // gnome themes name a card "heart_queen", KDE themes "queen_heart".
    const QString suitWord = SuitWord(card.suit);
    const QString rankWord = RankWord(card.rank);
    for (const QString& id : {suitWord + '_' + rankWord, rankWord + '_' + suitWord}) {
        if (renderer->elementExists(id))
            return Render(id, size);
    }
    return {};
}

QImage ThemeCards::Back(QSize size) const {
    return renderer->elementExists("back") ? Render("back", size) : QImage();
}

QImage ThemeCards::Render(const QString& id, QSize size) const {
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer->render(&painter, id, QRectF(QPointF(0, 0), size));
    painter.end();
    return picture.convertToFormat(QImage::Format_ARGB32);
}

QImage Recoloured(const QImage& picture, const Look& look) {
    if (look.hueTurn == 0 && look.paper == QColor(Qt::white) && look.saturation == 1.0)
        return picture;
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            QColor colour = QColor::fromRgba(line[x]);
            if (colour.alpha() == 0)
                continue;
            int hue = colour.hsvHue();
            const bool red = hue >= 0 && (hue < 20 || hue > 335);
            if (hue >= 0 && !red && colour.hsvSaturation() > 50) {
                hue = (hue + look.hueTurn + 360) % 360;
                const int saturation =
                    std::clamp(static_cast<int>(colour.hsvSaturation() * look.saturation), 0, 255);
                colour.setHsv(hue, saturation, colour.value(), colour.alpha());
            }
            colour.setRgb(colour.red() * look.paper.red() / 255,
                          colour.green() * look.paper.green() / 255,
                          colour.blue() * look.paper.blue() / 255, colour.alpha());
            line[x] = colour.rgba();
        }
    }
    return result;
}

QImage OnWhite(const QImage& picture) {
    QImage result(picture.size(), QImage::Format_RGB32);
    result.fill(Qt::white);
    QPainter painter(&result);
    painter.drawImage(0, 0, picture);
    return result;
}

} // namespace tavlira
