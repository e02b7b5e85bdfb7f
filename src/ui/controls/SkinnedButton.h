#pragma once
// The skinned push button of every window and dialog. It paints itself from
// red artwork pieces (left cap, middle, right cap) recoloured into one of
// eight skins, with a row-by-row gradient at the standard heights, an
// optional glyph, a hover text colour and a focus outline. It knows nothing
// of the game.

#include "ui/controls/ButtonPieces.h"
#include "ui/controls/ButtonSkin.h"

#include <QPixmap>
#include <QPushButton>
#include <functional>
#include <memory>

namespace tavlira {

class SkinnedButton : public QPushButton {
    Q_OBJECT

  public:
    enum class GlyphLayout { Left, Right, Bottom };

    explicit SkinnedButton(QWidget* parent = nullptr);
    explicit SkinnedButton(const QString& text, QWidget* parent = nullptr);

    // Called after the button has painted itself, to draw extras over it.
    std::function<void(SkinnedButton& sender, QPainter& canvas, QRect rect, bool pressed)>
        OnDrawButton;

    TColorSB ColorSB() const { return colorSB; }
    void SetColorSB(TColorSB skin);
    // Caption colour while the pointer is over the button (with LightFont).
    QColor ColorMouse() const { return colorMouse; }
    void SetColorMouse(const QColor& colour);
    bool LightFont() const { return lightFont; }
    void SetLightFont(bool on);
    // Silver caption while disabled.
    bool GrayDis() const { return grayDis; }
    void SetGrayDis(bool on);
    // A disabled button that serves as a caption panel (the club list's
    // heading) keeps the colours of its skin instead of the gray, flat face
    // that tells an unavailable button apart.
    bool CaptionPanel() const { return captionPanel; }
    void SetCaptionPanel(bool on);
    // Setting a standard height also gives the button that height.
    THeightSB HeightSB() const { return heightSB; }
    void SetHeightSB(THeightSB height);
    // Lightening of the skin towards white, 0..100 percent.
    int KLightSB() const { return kLightSB; }
    void SetKLightSB(int percent);
    // Draw the focus outline.
    bool Kontur() const { return kontur; }
    void SetKontur(bool on);
    // Scale the caps bilinearly at non-standard heights.
    bool Smooth() const { return smooth; }
    void SetSmooth(bool on);
    // Use the alternative piece set (the "New buttons" option).
    bool Plenk() const { return plenk; }
    void SetPlenk(bool on);

    void SetGlyph(const QPixmap& picture);
    void SetGlyphLayout(GlyphLayout layout);
    // -1 centres the caption; any other value puts it after the glyph.
    void SetMargin(int margin);
    // The built-in pieces are used unless another set is given.
    void SetPieceSet(std::shared_ptr<const ButtonPieceSet> set);

    // The button's face without caption and focus marks, as painted; muted
    // while the button is disabled.
    QImage FaceImage() const;
    // The colour the caption is drawn in now; the caption's own colour is
    // the palette's button text.
    QColor CaptionColour() const;
    // The font the caption is drawn in: the button's own font, made smaller
    // when the caption would not fit between the caps.
    QFont CaptionFont() const;

    QSize sizeHint() const override;

  signals:
    void MouseEnter();
    void MouseLeave();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    // Stores a property and repaints when it changed.
    template <typename T> void Assign(T& field, const T& value);
    SkinTone Tone() const;
    int CapWidth() const; // the cap width scaled to the height
    void DrawCaps(QPainter& painter, const ButtonPieces& pieces, int q) const;
    void DrawMiddle(QPainter& painter, const ButtonPieces& pieces, int q) const;
    void DrawGlyph(QPainter& painter, int q) const;
    int GlyphDistance(int q) const;
    QRect CaptionArea(int q) const;
    void DrawCaption(QPainter& painter, int q) const;
    void DrawFocus(QPainter& painter, int q, int p) const;

    TColorSB colorSB = TColorSB::QRed;
    QColor colorMouse = Qt::black;
    bool lightFont = false;
    bool grayDis = false;
    bool captionPanel = false;
    THeightSB heightSB = THeightSB::Q30;
    int kLightSB = 0;
    bool kontur = true;
    bool smooth = true;
    bool plenk = false;
    QPixmap glyph;
    GlyphLayout glyphLayout = GlyphLayout::Left;
    int margin = -1;
    bool mouseInPos = false;
    std::shared_ptr<const ButtonPieceSet> pieceSet;
};

// A skin and caption colour; the caption turns yellow under the pointer.
void SkinButton(SkinnedButton& button, TColorSB skin, const QColor& caption);
// The skin of every dialog button: red, white bold caption, 90 pixels wide
// at least.
void SkinDialogButton(SkinnedButton& button);

} // namespace tavlira
