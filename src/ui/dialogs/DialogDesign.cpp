#include "ui/dialogs/DialogDesign.h"

#include "i18n/WordTable.h"
#include "ui/artwork/PictureSource.h"
#include "ui/common/CanvasText.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/FittedFont.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

namespace tavlira {
namespace {

const QColor ConciseTitle(128, 0, 0);
const QColor CapTitle(255, 255, 0);
const QColor RibbonTitle(255, 255, 255);
// The title keeps this much room on either side of its picture.
constexpr int TitleMargin = 15;

GraphPictures& GraphSource() {
    static GraphPictures source;
    return source;
}

QImage HeaderPicture(const std::string& name) {
    if (name.empty())
        return {};
    const QImage own = PictureSource::BuiltIn().Data(name);
    return own.isNull() ? GraphPicture(name) : own;
}

// The purple design's strip: room for the animated icon at (35, 22).
constexpr int PurpleStripHeight = 70;
constexpr int IconSize = 48;
constexpr int IconFrames = 10;
constexpr int IconFrameMs = 60;
const QColor PurpleText(230, 210, 255);

} // namespace

void SetGraphPictures(GraphPictures source) {
    GraphSource() = std::move(source);
}

QImage GraphPicture(const std::string& name) {
    return GraphSource() && !name.empty() ? GraphSource()(name) : QImage();
}

std::string LocalizedName(std::string_view name) {
    return std::string(name) +
           std::string(LanguageSuffix[static_cast<std::size_t>(CurrentLanguage())]);
}

DialogDesign ChooseDialogDesign(Settings& settings) {
    if (settings.AuxDesignPurple)
        return DialogDesign::Purple;
    if (settings.AuxDesign < 1 || settings.AuxDesign > 3) {
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
    case DialogDesign::Purple:
        return PurpleStripHeight;
    }
    return 90;
}

DialogHeaderStrip::DialogHeaderStrip(DialogDesign chosen, const DialogHeader& header,
                                     const Settings& settings, QWidget* parent)
    : QWidget(parent), design(chosen) {
    int height = HeaderHeight(design);
    switch (design) {
    case DialogDesign::GrayConcise:
        picture = HeaderPicture(header.concisePicture);
        if (picture.isNull())
            writtenTitle = header.title;
        titleFont = SizedFont(settings, FontLine::Small, 24, true);
        break;
    case DialogDesign::GrayAristocratic:
        picture = HeaderPicture(header.cap);
        writtenTitle = header.title.toUpper();
        titleFont = SizedFont(settings, FontLine::Small, 40, true);
        break;
    case DialogDesign::RedRibbons:
        picture = HeaderPicture(header.ribbon);
        lettering = HeaderPicture(header.ribbonLettering);
        if (lettering.isNull())
            writtenTitle = header.title;
        titleFont = SizedFont(settings, FontLine::Small, 28, true);
        height = std::max(height, picture.height());
        break;
    case DialogDesign::Purple:
        backdrop = GraphPicture(header.purpleBackdrop);
        if (const QImage overlay = GraphPicture(header.purpleOverlay);
            !backdrop.isNull() && !overlay.isNull()) {
            backdrop = backdrop.convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QPainter painter(&backdrop);
            painter.drawImage((backdrop.width() - overlay.width()) / 2, 0, overlay);
        }
        iconStrip = GraphPicture(header.purpleIcon);
        if (!backdrop.isNull() && parent) {
            parent->installEventFilter(this);
            PaintBackdrop(*parent);
        }
        if (iconStrip.width() >= IconSize * IconFrames) {
            iconTimer.setInterval(IconFrameMs);
            connect(&iconTimer, &QTimer::timeout, this, &DialogHeaderStrip::AnimateIcon);
            iconTimer.start();
        }
        break;
    }
    setFixedHeight(height);
    setMinimumWidth(std::max(picture.width(), lettering.width()));
}

void DialogHeaderStrip::PaintBackdrop(QWidget& dialog) const {
    QPalette palette = dialog.palette();
    const QSize size = dialog.size().expandedTo(QSize(1, 1));
    palette.setBrush(QPalette::Window, QBrush(backdrop.scaled(size, Qt::IgnoreAspectRatio,
                                                              Qt::SmoothTransformation)));
    palette.setColor(QPalette::WindowText, PurpleText);
    dialog.setPalette(palette);
}

bool DialogHeaderStrip::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == parent())
        PaintBackdrop(*parentWidget());
    return false;
}

// Each tick shows the next of the ten frames, 1..10 and round again.
void DialogHeaderStrip::AnimateIcon() {
    iconFrame = iconFrame % IconFrames + 1;
    update(QRect(35, 22, IconSize, IconSize));
}

void DialogHeaderStrip::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (design == DialogDesign::Purple) {
        if (iconFrame > 0)
            painter.drawImage(QPoint(35, 22), iconStrip,
                              QRect((iconFrame - 1) * IconSize, 0, IconSize, IconSize));
        return;
    }
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
    if (strip->Design() == DialogDesign::Purple && strip->Backdrop().isNull()) {
        // The graph pack is missing: the gray aristocratic design stands in
        // from now on.
        delete strip;
        settings.AuxDesignPurple = false;
        settings.AuxDesign = static_cast<int>(DialogDesign::GrayAristocratic);
        strip = new DialogHeaderStrip(DialogDesign::GrayAristocratic, header, settings, &dialog);
    }
    layout.insertWidget(0, strip);
    // A dialog of a fixed height grows by the strip instead of squeezing
    // its controls.
    if (dialog.minimumHeight() == dialog.maximumHeight())
        dialog.setFixedHeight(dialog.height() + strip->height() + layout.spacing());
    return strip;
}

} // namespace tavlira
