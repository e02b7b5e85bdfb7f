#include "ui/controls/SkinnedButton.h"

#include "ui/common/ToScreen.h"
#include "ui/controls/FittedFont.h"

#include <QPainter>
#include <algorithm>

namespace tavlira {
namespace {

bool IsStandardHeight(int height) {
    return height == 30 || height == 45 || height == 60;
}

// A per-height constant of the drawing for the three standard heights.
int ByStandardHeight(int height, int at30, int at45, int at60) {
    return height == 30 ? at30 : height == 45 ? at45 : at60;
}

const QColor Silver(192, 192, 192);

} // namespace

SkinnedButton::SkinnedButton(QWidget* parent) : SkinnedButton(QString(), parent) {}

SkinnedButton::SkinnedButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent), pieceSet(BuiltInButtonPieces()) {
    resize(100, StandardHeight(heightSB));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

template <typename T> void SkinnedButton::Assign(T& field, const T& value) {
    if (field == value)
        return;
    field = value;
    update();
}

void SkinnedButton::SetColorSB(TColorSB skin) {
    Assign(colorSB, skin);
}
void SkinnedButton::SetColorMouse(const QColor& colour) {
    Assign(colorMouse, colour);
}
void SkinnedButton::SetLightFont(bool on) {
    Assign(lightFont, on);
}
void SkinnedButton::SetGrayDis(bool on) {
    Assign(grayDis, on);
}
void SkinnedButton::SetCaptionPanel(bool on) {
    Assign(captionPanel, on);
}
void SkinnedButton::SetKLightSB(int percent) {
    Assign(kLightSB, std::clamp(percent, 0, 100));
}
void SkinnedButton::SetKontur(bool on) {
    Assign(kontur, on);
}
void SkinnedButton::SetSmooth(bool on) {
    Assign(smooth, on);
}
void SkinnedButton::SetPlenk(bool on) {
    Assign(plenk, on);
}
void SkinnedButton::SetGlyphLayout(GlyphLayout layout) {
    Assign(glyphLayout, layout);
}
void SkinnedButton::SetMargin(int value) {
    Assign(margin, value);
}

void SkinnedButton::SetHeightSB(THeightSB height) {
    heightSB = height;
    resize(width(), StandardHeight(height));
    updateGeometry();
}

void SkinnedButton::SetGlyph(const QPixmap& picture) {
    glyph = picture;
    update();
}

void SkinnedButton::SetPieceSet(std::shared_ptr<const ButtonPieceSet> set) {
    pieceSet = std::move(set);
    update();
}

QSize SkinnedButton::sizeHint() const {
    const int textWidth = fontMetrics().horizontalAdvance(text());
    return QSize(std::max(100, textWidth + 2 * CapWidth() + 20), StandardHeight(heightSB));
}

SkinTone SkinnedButton::Tone() const {
    return {colorSB, kLightSB, plenk};
}

int SkinnedButton::CapWidth() const {
    const PieceClass pieces = PieceClassFor(height());
    return Round(double(pieces.capWidth) * height() / pieces.base);
}

QImage SkinnedButton::FaceImage() const {
    QImage face(size(), QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    const ButtonPieces& red = pieceSet->Pieces(PieceClassFor(height()).index, plenk);
    const ButtonPieces pieces{Recolour(red.left, Tone()), Recolour(red.right, Tone()),
                              Recolour(red.middle, Tone())};
    const int q = CapWidth();
    DrawCaps(painter, pieces, q);
    DrawMiddle(painter, pieces, q);
    DrawGlyph(painter, q);
    return isEnabled() || captionPanel ? face : Muted(face);
}

// The caps are drawn 1:1 at a standard height and scaled to the cap width
// and height otherwise, bilinearly with Smooth.
void SkinnedButton::DrawCaps(QPainter& painter, const ButtonPieces& pieces, int q) const {
    const QSize capSize(q, height() - 1);
    const bool resample = smooth && !IsStandardHeight(height());
    const auto place = [&](const QImage& cap, int x) {
        if (cap.isNull())
            return;
        if (resample)
            painter.drawImage(QPoint(x, 0),
                              cap.scaled(capSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        else
            painter.drawImage(QRect(QPoint(x, 0), capSize), cap);
    };
    place(pieces.left, 0);
    place(pieces.right, width() - q - 1);
}

// At a standard height the middle is the gradient table, row by row; the
// card skin, the alternative set and other heights stretch the middle piece.
// Either way the middle ends where the right cap begins.
void SkinnedButton::DrawMiddle(QPainter& painter, const ButtonPieces& pieces, int q) const {
    if (!IsStandardHeight(height()) || colorSB == TColorSB::QCards || plenk) {
        if (!pieces.middle.isNull())
            painter.drawImage(QRect(q, 0, width() - 2 * q - 1, height() - 1), pieces.middle);
        return;
    }
    const PieceClass pieceClass = PieceClassFor(height());
    const SkinTone rowTone{colorSB, kLightSB, false};
    const int length = width() - 2 * pieceClass.capWidth - 1;
    for (int row = 0; row < height() - 1; ++row) {
        const QColor colour(Recolour(GradientRow(pieceClass.index, row), rowTone));
        painter.fillRect(QRect(pieceClass.capWidth, row, length, 1), colour);
    }
}

int SkinnedButton::GlyphDistance(int q) const {
    if (!IsStandardHeight(height()))
        return Round(1.6 * q);
    return ByStandardHeight(height(), 15, 18, 20);
}

void SkinnedButton::DrawGlyph(QPainter& painter, int q) const {
    if (glyph.isNull())
        return;
    const int y = Round((height() - glyph.height() - 1) / 2.0);
    int x = GlyphDistance(q);
    if (glyphLayout == GlyphLayout::Right)
        x = width() - glyph.width() - x;
    else if (glyphLayout == GlyphLayout::Bottom)
        x = Round((width() - glyph.width()) / 2.0);
    painter.drawPixmap(x, y, glyph);
}

QColor SkinnedButton::CaptionColour() const {
    const QColor own = palette().color(QPalette::Active, QPalette::ButtonText);
    if (!isEnabled())
        return grayDis ? Silver : own;
    return lightFont && mouseInPos ? colorMouse : own;
}

// The rectangle the caption is aligned in: the whole button when centred,
// otherwise the part after the glyph.
QRect SkinnedButton::CaptionArea(int q) const {
    QRect area = rect();
    if (plenk)
        area.setHeight(area.height() + 1);
    if (margin == -1)
        return area;
    const int gap = IsStandardHeight(height()) ? ByStandardHeight(height(), 25, 28, 30) : q + 10;
    const int shift = (glyph.isNull() ? 0 : glyph.width()) + gap;
    if (glyphLayout == GlyphLayout::Right)
        area.setRight(area.right() - shift);
    else
        area.setLeft(area.left() + shift);
    return area;
}

QFont SkinnedButton::CaptionFont() const {
    const int q = CapWidth();
    const QRect area = CaptionArea(q);
    // A centred caption keeps clear of both caps, a left-aligned one of the
    // cap it runs towards.
    return FittedFont(font(), text(), margin == -1 ? area.width() - 2 * q : area.width() - q,
                      Qt::TextShowMnemonic);
}

void SkinnedButton::DrawCaption(QPainter& painter, int q) const {
    int flags = Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    flags |= margin == -1 ? Qt::AlignHCenter : Qt::AlignLeft;
    painter.setFont(CaptionFont());
    painter.setPen(CaptionColour());
    painter.drawText(CaptionArea(q), flags, text());
}

// The focus mark: a rounded outline in the normal set, two dots in the
// alternative set. `p` is 1 while the button is pressed.
void SkinnedButton::DrawFocus(QPainter& painter, int q, int p) const {
    const int h = height();
    if (!plenk) {
        int insetX = 0, insetY = 0, corner = 0;
        if (IsStandardHeight(h)) {
            insetX = ByStandardHeight(h, 7, 9, 11);
            insetY = ByStandardHeight(h, 4, 5, 6);
            corner = insetX;
        } else {
            insetX = Round(0.8 * q);
            insetY = h <= 20 ? 3 : h <= 30 ? 4 : h <= 60 ? 5 : 6;
            corner = 2 * insetY;
        }
        // The outline runs from (p + insetX, p + insetY) up to, not
        // including, (width + p - insetX, height + p - insetY).
        const QRect outline(p + insetX, p + insetY, width() - 2 * insetX - 1, h - 2 * insetY - 1);
        painter.setBrush(Qt::NoBrush);
        // A softer second line just inside makes the frame a glow that is
        // seen at a glance, on every skin.
        QColor glow = OutlineColour(colorSB);
        glow.setAlpha(140);
        painter.setPen(glow);
        painter.drawRoundedRect(outline.adjusted(1, 1, -1, -1), corner / 2.0, corner / 2.0);
        painter.setPen(OutlineColour(colorSB));
        painter.drawRoundedRect(outline, corner / 2.0, corner / 2.0);
        return;
    }
    const int d = h <= 20 ? 3 : h <= 30 ? 4 : h <= 45 ? 5 : h <= 60 ? 6 : 7;
    const int distance = IsStandardHeight(h) ? ByStandardHeight(h, 10, 13, 15) : q;
    const int y = p + Round(h / 2.0 - d / 2.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(DotColour(colorSB));
    painter.drawEllipse(QRect(p + distance, y, d, d));
    painter.drawEllipse(QRect(p + width() - distance - d, y, d, d));
}

void SkinnedButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int p = isDown() ? 1 : 0;
    const int q = CapWidth();
    // Pressed, the whole face and its caption shift by one pixel.
    painter.drawImage(QPoint(p, p), FaceImage());
    painter.translate(p, p);
    DrawCaption(painter, q);
    painter.resetTransform();
    if (OnDrawButton)
        OnDrawButton(*this, painter, rect(), isDown());
    if (kontur && hasFocus())
        DrawFocus(painter, q, p);
}

void SkinnedButton::enterEvent(QEnterEvent* event) {
    mouseInPos = true;
    update();
    QPushButton::enterEvent(event);
    emit MouseEnter();
}

void SkinnedButton::leaveEvent(QEvent* event) {
    mouseInPos = false;
    update();
    QPushButton::leaveEvent(event);
    emit MouseLeave();
}

void SkinButton(SkinnedButton& button, TColorSB skin, const QColor& caption) {
    button.SetColorSB(skin);
    QPalette palette = button.palette();
    palette.setColor(QPalette::ButtonText, caption);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, caption);
    button.setPalette(palette);
    button.SetLightFont(true);
    button.SetColorMouse(QColor(255, 255, 0));
}

void SkinDialogButton(SkinnedButton& button) {
    SkinButton(button, TColorSB::QRed, Qt::white);
    QFont font = button.font();
    font.setBold(true);
    button.setFont(font);
    button.setMinimumWidth(90);
}

} // namespace tavlira
