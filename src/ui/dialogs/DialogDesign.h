#pragma once
// The look every auxiliary dialog takes when it is shown: a header strip
// across the top whose height and pictures follow the design the player
// chose, with the dialog's own controls moved down below it. The purple
// design paints the whole dialog with a picture of the graph pack instead
// and animates a small icon where the header would be.

#include "records/Settings.h"

#include <QBoxLayout>
#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

namespace tavlira {

enum class DialogDesign { GrayConcise = 1, GrayAristocratic = 2, RedRibbons = 3, Purple = 4 };

// The captions of the purple design's buttons.
inline const QColor PurpleDesignText(200, 175, 50);

// The pictures of the graph pack by resource name (PNG data or JPEG); a
// null picture when the pack or the picture is missing. The game sets it
// once at start; until then no picture is found.
using GraphPictures = std::function<QImage(const std::string& name)>;
void SetGraphPictures(GraphPictures source);
QImage GraphPicture(const std::string& name);

// The design the settings ask for; a design number out of range returns the
// settings to gray aristocratic.
DialogDesign ChooseDialogDesign(Settings& settings);

// The height of the header strip without pictures (a ribbon taller than
// that makes it taller).
int HeaderHeight(DialogDesign design);

// The name of a picture drawn in each language: `name` and the suffix of
// the current language ("EndGameRus").
std::string LocalizedName(std::string_view name);

// What a dialog shows in its header, in each design. Pictures are the
// program's own or, failing that, the graph pack's. A picture that is
// missing is not drawn; where it would have carried lettering, `title` is
// written instead.
struct DialogHeader {
    QString title;
    std::string concisePicture{};          // gray concise: the title as a picture
    std::string cap = "GCap300";           // gray aristocratic, `title` written on it
    std::string ribbon = "GLenta280x090";  // red ribbons
    std::string ribbonLettering{};         // the title as a picture over the ribbon
    std::string purpleBackdrop = "BGLilu"; // purple: the picture behind the whole dialog
    std::string purpleOverlay{};           // purple: the title over it, centred at the top
    std::string purpleIcon{};              // purple: a strip of ten 48 x 48 frames
};

// The strip at the top of a dialog.
class DialogHeaderStrip : public QWidget {
    Q_OBJECT

  public:
    DialogHeaderStrip(DialogDesign design, const DialogHeader& header, const Settings& settings,
                      QWidget* parent);

    DialogDesign Design() const { return design; }
    // The purple design's picture behind the dialog.
    const QImage& Backdrop() const { return backdrop; }
    // The text written on the strip; empty when a picture carries it.
    const QString& WrittenTitle() const { return writtenTitle; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    // The purple backdrop follows the dialog's size.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void AnimateIcon();
    void PaintBackdrop(QWidget& dialog) const;

    DialogDesign design;
    QImage picture;
    QImage backdrop;
    QImage iconStrip;
    int iconFrame = 0;
    QTimer iconTimer;
    QImage lettering;
    QString writtenTitle;
    QFont titleFont;
};

// Puts the header strip of the current design at the top of `layout`, the
// dialog's outermost layout, so every other control moves down by its
// height. A purple design whose backdrop cannot be loaded turns the settings
// to gray aristocratic. Returns the strip.
DialogHeaderStrip* ApplyDialogDesign(QWidget& dialog, QBoxLayout& layout,
                                     const DialogHeader& header, Settings& settings);

} // namespace tavlira
