#include "ui/window/TableDrawing.h"

#include "i18n/words/Table.h"
#include "ui/artwork/PictureSource.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/FittedFont.h"

#include <QPainter>
#include <QRegularExpression>

namespace tavlira {
namespace {

const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);
const QColor TableGreen(0, 128, 0);

QSize CardCell(const PictureStore& store, const TableScale& scale) {
    const SizeClass sizeClass = store.PictureClass();
    return QSize(CardWidth(sizeClass, scale.Scale(), store.WideDeck()),
                 CardHeight(sizeClass, scale.Scale()));
}

QImage Picture(const std::string& name) {
    static const PictureSource source = PictureSource::BuiltIn();
    return source.Data(name);
}

int CountCards(const OneBased<CardCode, HandPlaces>& cards) {
    int count = 0;
    for (int place = 1; place <= HandPlaces; ++place)
        count += cards[place].IsEmpty() ? 0 : 1;
    return count;
}

// Centres `text` between `left` and `right` with its top at `top`. A text too
// wide for that is drawn smaller, about the same middle line.
void CentreText(QPainter& painter, const QString& text, int left, int right, int top) {
    const int height = painter.fontMetrics().height();
    painter.setFont(FittedFont(painter.font(), text, right - left));
    top += (height - painter.fontMetrics().height()) / 2;
    const int width = painter.fontMetrics().horizontalAdvance(text);
    painter.drawText(left + (right - left - width) / 2, top + painter.fontMetrics().ascent(), text);
}

} // namespace

void PaintBackground(QPainter& painter, const QImage& background, QRect area) {
    painter.fillRect(area, TableGreen);
    painter.drawImage(area.topLeft(), background, area);
}

TableDrawing::TableDrawing(const PictureStore& store, const QImage& backgroundPicture,
                           const TableScale& tableScale, int size, const TableFonts& tableFonts)
    : background(backgroundPicture), scale(tableScale), windowSize(size), fonts(tableFonts),
      cards(store, CardCell(store, tableScale), tableScale.S(8)),
      layout(ComputeTableLayout(tableScale, CardCell(store, tableScale))),
      tableSlots(tableScale, CardCell(store, tableScale),
                 NarrowDeckOffset(store.WideDeck(), size)) {}

QImage TableDrawing::Under(QRect rect) const {
    QImage image(rect.size(), QImage::Format_RGB32);
    image.fill(TableGreen);
    QPainter painter(&image);
    painter.drawImage(QPoint(0, 0), background, rect);
    return image;
}

QFont TableDrawing::Font(const QString& face, int percent, int pixels, bool bold) const {
    QFont font(face);
    font.setPixelSize(std::max(1, Round(pixels * percent / 100.0)));
    font.setBold(bold);
    return font;
}

void TableDrawing::DrawFrame(QPainter& painter, QSize size, const char* small,
                             const char* big) const {
    if (SmallWindow())
        painter.drawImage(QPoint(0, 0), Picture(small));
    else
        painter.drawImage(QRect(QPoint(0, 0), size), Picture(big));
}

QImage TableDrawing::Hand(const event::RedrawHand& hand, std::vector<int>& handX) {
    const QRect rect = hand.seat == OpponentSeat ? layout.opponentHand : layout.playerHand;
    QImage image = Under(rect);
    handX = SpreadHand(0, rect.width(), CountCards(hand.cards), cards.CardSize().width());
    QPainter painter(&image);
    for (std::size_t i = 0; i < handX.size(); ++i) {
        const QPoint at(handX[i], 0);
        const CardCode code = hand.cards[static_cast<int>(i) + 1];
        if (hand.faceUp)
            cards.DrawCard(painter, at, code);
        else
            cards.DrawBack(painter, at);
    }
    painter.end();
    if (hand.raised >= 1 && hand.raised <= static_cast<int>(handX.size())) {
        const std::size_t i = hand.raised - 1;
        const int width = i + 1 < handX.size() ? handX[i + 1] - handX[i] : -1;
        cards.InvertCard(image, QPoint(handX[i], 0), width);
    }
    return image;
}

QImage TableDrawing::Table(const event::RedrawTable& table) {
    QImage image = Under(layout.table);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage glowY = Picture("LightY");
    const QImage glowR = Picture("LightR");
    for (int slot = 1; slot <= CaptureArea; ++slot) {
        painter.drawImage(tableSlots.GlowRect(slot), slot == CaptureArea ? glowR : glowY);
        cards.DrawCard(painter, tableSlots.CardOrigin(slot), table.cards[slot]);
    }
    // A card waiting in the capture area is framed; the selected table cards
    // are inverted.
    if (table.highlighted.Contains(CaptureArea) && !table.cards[CaptureArea].IsEmpty())
        cards.FrameCard(painter, tableSlots.CardOrigin(CaptureArea));
    painter.end();
    for (int slot = 1; slot < CaptureArea; ++slot) {
        if (table.highlighted.Contains(slot) && !table.cards[slot].IsEmpty())
            cards.InvertCard(image, tableSlots.CardOrigin(slot));
    }
    return image;
}

QImage TableDrawing::DeckPile(int stockLeft) {
    QImage image = Under(layout.stock);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (SmallWindow())
        painter.drawImage(QPoint(42, 1), Picture("GKolodaSmall"));
    else
        painter.drawImage(QRect(scale.S(42), scale.S(1), scale.S(58), scale.S(25)),
                          Picture("GKolodaSmallB"));
    for (int i = 1; i <= stockLeft; ++i)
        cards.DrawBack(painter, DeckPileCardOrigin(scale, i));
    // The number grows with the window like the label it is written on.
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPixelSize(scale.S(20));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Blue);
    const int textHeight = painter.fontMetrics().height();
    const int top =
        SmallWindow() ? scale.S(4) : scale.S(1) + Round((scale.S(25) - textHeight) / 2.0);
    CentreText(painter, QString::number(stockLeft), scale.S(42), scale.S(101), top);
    return image;
}

QImage TableDrawing::GameCounter(int gamesDealt) {
    QImage image = Under(layout.gamePlate);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawFrame(painter, image.size(), "RamkaCBSm", "RamkaCBBg");
    painter.setFont(Font(fonts.decor, fonts.decorPercent, scale.S(26), false));
    painter.setPen(Blue);
    const QString text =
        QString::fromUtf8(Text(words::Game)) + QLatin1Char(' ') + QString::number(gamesDealt);
    CentreText(painter, text, FrameInset(), image.width() - FrameInset(), scale.S(15));
    return image;
}

QImage TableDrawing::PlayerPanel(Seat seat, const PanelsSnapshot& panels) {
    QImage image = Under(seat == OpponentSeat ? layout.opponentPanel : layout.playerPanel);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawFrame(painter, image.size(), "RamkaCGSm", "RamkaCGBg");
    painter.setFont(Font(fonts.decor, fonts.decorPercent, scale.S(26), false));
    if (panels.panelView == 1) {
        painter.setPen(Red);
        CentreText(painter, QString::number(panels.matchPoints[seat]), FrameInset(),
                   image.width() - FrameInset(), scale.S(16));
        if (panels.mover == TurnOf(seat))
            painter.drawImage(QRect(scale.S(15), scale.S(20), scale.S(30), scale.S(20)),
                              Picture("Hand_Right"));
    } else {
        painter.setPen(Blue);
        const QString tallies = QStringLiteral("%1:%2:%3")
                                    .arg(panels.taken[seat])
                                    .arg(panels.takenClubs[seat])
                                    .arg(panels.takenBonus[seat]);
        CentreText(painter, tallies, FrameInset(), image.width() - FrameInset(), scale.S(16));
    }
    return image;
}

QImage TableDrawing::Banner(Seat seat, const QString& text, BannerColour colour) {
    QImage image = Under(seat == OpponentSeat ? layout.opponentBanner : layout.playerBanner);
    const QString shown = QString(text).remove(QRegularExpression(QStringLiteral(" +$")));
    if (shown.isEmpty())
        return image;
    const char* names[] = {"SPBlue", "SPGreen", "SPRed", "SPYellow", "SPFiolet"};
    const std::string colours = "bgryo";
    std::string name = names[colours.find(static_cast<char>(colour))];
    if (!SmallWindow())
        name += 'B';
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.drawImage(image.rect(), Picture(name));
    painter.setPen(Qt::white);
    // The text shrinks in two steps when it is too wide for the banner.
    for (int height : {18, 16, 14}) {
        painter.setFont(Font(fonts.serif, fonts.serifPercent, scale.S(height), true));
        if (painter.fontMetrics().horizontalAdvance(shown) <= scale.S(150))
            break;
    }
    const int top = Round((image.height() - painter.fontMetrics().height()) / 2.0);
    CentreText(painter, shown, 0, image.width(), top);
    return image;
}

QImage TableDrawing::MoveClock(Seat seat, int seconds) {
    QImage image = Under(seat == OpponentSeat ? layout.opponentMoveClock : layout.playerMoveClock);
    const bool urgent = seconds < 8;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.drawImage(image.rect(), Picture(urgent ? "GTimerR" : "GTimerY"));
    painter.setPen(urgent ? QColor(255, 255, 0) : Red);
    painter.setFont(Font(fonts.serif, fonts.serifPercent, scale.S(18), true));
    const int top = Round((image.height() - painter.fontMetrics().height()) / 2.0);
    CentreText(painter, QString::number(seconds), 0, image.width(), top);
    return image;
}

} // namespace tavlira
