#include "ui/dialogs/DialogDesign.h"

#include "i18n/WordTable.h"
#include "ui/artwork/PictureSource.h"
#include "ui/common/CanvasText.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/FittedFont.h"

#include <QPainter>
#include <algorithm>

namespace tavlira {
namespace {

const QColor ConciseTitle(128, 0, 0);
const QColor CapTitle(255, 255, 0);
const QColor RibbonTitle(255, 255, 255);
// The title keeps this much room on either side of its picture.
constexpr int TitleMargin = 15;

QImage BuiltInPicture(const std::string& name) {
    return name.empty() ? QImage() : PictureSource::BuiltIn().Data(name);
}

} // namespace

std::string LocalizedName(std::string_view name) {
    return std::string(name) +
           std::string(LanguageSuffix[static_cast<std::size_t>(CurrentLanguage())]);
}

DialogDesign ChooseDialogDesign(Settings& settings) {
    if (settings.AuxDesignPurple || settings.AuxDesign < 1 || settings.AuxDesign > 3) {
        settings.AuxDesignPurple = false;
        settings.AuxDesign = static_cast<int>(DialogDesign::GrayAristocratic);
    }
    return static_cast<DialogDesign>(settings.AuxDesign);
}

int HeaderHeight(DialogDesign design) {
    switch (design) {
    case DialogDesign::GrayConcise:
        return 48;
    case DialogDesign::GrayAristocratic:
        return 64;
    case DialogDesign::RedRibbons:
        break;
    }
    return 90;
}

DialogHeaderStrip::DialogHeaderStrip(DialogDesign chosen, const DialogHeader& header,
                                     const Settings& settings, QWidget* parent)
    : QWidget(parent), design(chosen) {
    int height = HeaderHeight(design);
    switch (design) {
    case DialogDesign::GrayConcise:
        picture = BuiltInPicture(header.concisePicture);
        if (picture.isNull())
            writtenTitle = header.title;
        titleFont = SizedFont(settings, FontLine::Small, 24, true);
        break;
    case DialogDesign::GrayAristocratic:
        picture = BuiltInPicture(header.cap);
        writtenTitle = header.title.toUpper();
        titleFont = SizedFont(settings, FontLine::Small, 40, true);
        break;
    case DialogDesign::RedRibbons:
        picture = BuiltInPicture(header.ribbon);
        lettering = BuiltInPicture(header.ribbonLettering);
        if (lettering.isNull())
            writtenTitle = header.title;
        titleFont = SizedFont(settings, FontLine::Small, 28, true);
        height = std::max(height, picture.height());
        break;
    }
    setFixedHeight(height);
    setMinimumWidth(std::max(picture.width(), lettering.width()));
}

void DialogHeaderStrip::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const auto centredLeft = [this](const QImage& image) { return (width() - image.width()) / 2; };
    if (!picture.isNull())
        painter.drawImage(centredLeft(picture), 0, picture);
    if (!lettering.isNull())
        painter.drawImage(centredLeft(lettering), (height() - lettering.height()) / 2, lettering);
    if (writtenTitle.isEmpty())
        return;
    // The title stays inside its picture, or inside the strip without one.
    const int span = picture.isNull() ? width() : picture.width();
    const int left = (width() - span) / 2 + TitleMargin;
    const int right = (width() + span) / 2 - TitleMargin;
    painter.setFont(FittedFont(titleFont, writtenTitle, right - left));
    const int top = design == DialogDesign::GrayAristocratic
                        ? 10
                        : (height() - QFontMetrics(painter.font()).height()) / 2;
    if (design == DialogDesign::GrayConcise) {
        painter.setPen(ConciseTitle);
        DrawCentred(painter, writtenTitle, left, right, top);
    } else {
        DrawWithShadow(painter, writtenTitle,
                       design == DialogDesign::GrayAristocratic ? CapTitle : RibbonTitle, left,
                       right, top, TextAlign::Centre);
    }
}

DialogHeaderStrip* ApplyDialogDesign(QWidget& dialog, QBoxLayout& layout,
                                     const DialogHeader& header, Settings& settings) {
    auto* strip = new DialogHeaderStrip(ChooseDialogDesign(settings), header, settings, &dialog);
    layout.insertWidget(0, strip);
    // A dialog of a fixed height grows by the strip instead of squeezing
    // its controls.
    if (dialog.minimumHeight() == dialog.maximumHeight())
        dialog.setFixedHeight(dialog.height() + strip->height() + layout.spacing());
    return strip;
}

} // namespace tavlira
