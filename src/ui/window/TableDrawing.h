#pragma once
// The pictures of the game table: each element (hand, table, deck pile, game
// plate, player panels, banners) is drawn into its own off-screen picture of
// its window rectangle, first with the part of the background that lies
// under it, so the elements look transparent. The window shows the pictures
// and redraws one only when the match sends a new snapshot of it.

#include "game/Event.h"
#include "ui/table/TableLayout.h"
#include "ui/table/TableScale.h"
#include "ui/window/CardPainter.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <vector>

namespace tavlira {

// Faces and sizes of the two font roles the table uses.
struct TableFonts {
    QString decor = QStringLiteral("Comic Sans MS");
    int decorPercent = 100;
    QString serif = QStringLiteral("Comic Sans MS");
    int serifPercent = 100;
};

// The colours of the banner pictures: blue, green, red, yellow, violet.
enum class BannerColour : char { Blue = 'b', Green = 'g', Red = 'r', Yellow = 'y', Violet = 'o' };

// The window's background picture under `area`, on the table's green where
// the picture ends.
void PaintBackground(QPainter& painter, const QImage& background, QRect area);

class TableDrawing {
  public:
    // `background` is the picture of the whole client area.
    TableDrawing(const PictureStore& store, const QImage& background, const TableScale& scale,
                 int windowSize, const TableFonts& fonts);

    const TableScale& Scale() const { return scale; }
    const TableLayout& Layout() const { return layout; }
    const TableSlots& Slots() const { return tableSlots; }
    QSize CardSize() const { return cards.CardSize(); }
    CardPainter& Cards() { return cards; }

    // The hand of a seat; `handX` receives the card positions inside it.
    QImage Hand(const event::RedrawHand& hand, std::vector<int>& handX);
    QImage Table(const event::RedrawTable& table);
    QImage DeckPile(int stockLeft);
    // "Game" and the number of games dealt since the program started.
    QImage GameCounter(int gamesDealt);
    QImage PlayerPanel(Seat seat, const PanelsSnapshot& panels);
    // An empty text clears the banner.
    QImage Banner(Seat seat, const QString& text, BannerColour colour);
    // The move clock of an online table game beside a seat's banner: red
    // with yellow digits for the last seven seconds, else yellow with red.
    QImage MoveClock(Seat seat, int seconds);

    // The background under a window rectangle.
    QImage Under(QRect rect) const;

  private:
    QFont Font(const QString& face, int percent, int pixels, bool bold) const;
    void DrawFrame(QPainter& painter, QSize size, const char* small, const char* big) const;
    bool SmallWindow() const { return windowSize == 1; }
    // Texts on the plate and the panels keep this far from their edges, clear
    // of the frame pictures' borders.
    int FrameInset() const { return scale.S(8); }

    const QImage& background;
    TableScale scale;
    int windowSize;
    TableFonts fonts;
    CardPainter cards;
    TableLayout layout;
    TableSlots tableSlots;
};

} // namespace tavlira
