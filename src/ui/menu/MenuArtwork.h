#pragma once
// The pictures of the main menu screen, loaded once and prepared for a window
// size: the title, the two tinted captions, the candelabra and their flames,
// the icons, and the faces of the clock and the statistics board. A picture
// that is missing is a null image and is simply not drawn.

#include "ui/artwork/PictureSource.h"
#include "ui/menu/MenuClock.h"
#include "ui/menu/MenuLayout.h"
#include "ui/menu/StatsBoard.h"

#include <QImage>
#include <QPainter>
#include <array>
#include <map>
#include <string_view>

namespace tavlira {

class MenuArtwork {
  public:
    explicit MenuArtwork(PictureSource source = PictureSource::BuiltIn());

    // Scales the title and the captions to the layout; `suffix` picks the
    // captions of the language, `network` the network game's second caption.
    void Prepare(const MenuLayout& layout, std::string_view suffix, bool network, int titleVariant);
    // Tints the captions again in another style.
    void SetTitleVariant(int titleVariant);

    const QImage& Title() const { return title; }
    const QImage& Caption() const { return caption; }
    const QImage& ClubCaption() const { return clubCaption; }
    const QImage& Candelabrum() const { return candelabrum; }
    const QImage& Flame(int frame) const;
    // The icon of a column, with the lamp of `account` on the account icon.
    QImage Icon(MenuIcon icon, AccountState account) const;

    // The faces, drawn over whatever is under them at `at`.
    void PaintClock(QPainter& painter, QPoint at, const ClockFace& face) const;
    void PaintStatsBoard(QPainter& painter, QPoint at, int variant, std::string_view value) const;

  private:
    // A picture of the board's digit sets, loaded on first use.
    const QImage& Glyph(char colour, char glyph) const;

    PictureSource source;
    QImage titleSource;
    QImage captionSource;
    QImage clubCaptionSource;
    QImage title;
    QImage caption;
    QImage clubCaption;
    int titleVariant = 1;
    QImage candelabrum;
    std::array<QImage, 6> flames;
    QImage clockBackground;
    QImage colon;
    std::array<QImage, MenuIcons> icons;
    std::array<QImage, 3> lamps; // by account state
    std::array<QImage, StatsBoardVariants> boardIcons;
    mutable std::map<std::pair<char, char>, QImage> glyphs;
};

} // namespace tavlira
