#pragma once
// Card pictures rendered from the vector card themes that Debian ships, and
// the recolouring that gives one theme a second look.

#include "game/Card.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <memory>

class QSvgRenderer;

namespace tavlira {

// Where the themes lie: the one-file themes of gnome-cards-data and the
// theme folders of kdegames-card-data-kf5.
struct ThemeFolders {
    QString gnome; // .../aisleriot/cards
    QString kde;   // .../carddecks
};

// A second look for a theme: inks turned round the colour wheel (reds stay
// red, so hearts and diamonds keep their colour) and the paper tinted.
struct Look {
    int hueTurn = 0;          // degrees
    QColor paper = Qt::white; // multiplies every colour
    double saturation = 1.0;  // of the turned inks
};

// One theme file opened for rendering; not shared between threads.
class ThemeCards {
  public:
    // `theme` is a gnome theme's base name ("anglo") or "kde:" and a path
    // inside the KDE folder ("kde:svg-future/future.svgz").
    ThemeCards(const ThemeFolders& folders, const QString& theme);
    ~ThemeCards();

    bool IsValid() const;
    const QString& File() const { return file; }

    // The whole card (with the theme's own rounded frame) stretched to
    // `size`, transparent outside it; null when the theme lacks the card.
    QImage Face(CardCode card, QSize size) const;
    QImage Back(QSize size) const;

  private:
    QImage Render(const QString& id, QSize size) const;

    QString file;
    std::unique_ptr<QSvgRenderer> renderer;
};

// `picture` in `look`; the identity look returns it unchanged.
QImage Recoloured(const QImage& picture, const Look& look);

// A transparent-cornered card laid on white, as the small pictures are
// stored (the table draws their outline itself).
QImage OnWhite(const QImage& picture);

} // namespace tavlira
