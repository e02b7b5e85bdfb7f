#include "ui/controls/SkinnedButton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

// A tiny piece set of flat colours: every piece of every class and set has
// its own shade of red, so a probed pixel tells which piece drew it.
QImage Flat(int width, int rows, QRgb colour) {
    QImage piece(width, rows, QImage::Format_ARGB32);
    piece.fill(colour);
    return piece;
}

QRgb LeftColour(int classIndex, bool alternative) {
    return qRgb(200 - 20 * classIndex - (alternative ? 10 : 0), 40, 20);
}
// The alternative right caps are grey, far from red.
QRgb RightColour(int classIndex, bool alternative) {
    return alternative ? qRgb(90 - 20 * classIndex, 90, 90) : qRgb(150 - 20 * classIndex, 20, 10);
}
QRgb MiddleColour(int classIndex, bool alternative) {
    return qRgb(250 - 20 * classIndex - (alternative ? 10 : 0), 60, 30);
}

std::shared_ptr<const ButtonPieceSet> SyntheticPieces() {
    auto set = std::make_shared<ButtonPieceSet>();
    const int caps[] = {8, 13, 17};
    const int rows[] = {29, 44, 59};
    for (int i = 0; i < 3; ++i) {
        for (bool alternative : {false, true}) {
            auto& pieces = alternative ? set->alternative[i] : set->normal[i];
            pieces = {Flat(caps[i], rows[i], LeftColour(i, alternative)),
                      Flat(caps[i], rows[i], RightColour(i, alternative)),
                      Flat(2, rows[i], MiddleColour(i, alternative))};
        }
    }
    return set;
}

struct ButtonFixture : testing::Test {
    ButtonFixture() {
        button.SetPieceSet(SyntheticPieces());
        button.resize(100, 30);
    }
    QRgb FaceAt(int x, int y) { return button.FaceImage().pixel(x, y); }

    SkinnedButton button{"Ok"};
};

TEST_F(ButtonFixture, RedButtonUsesPiecesUnchangedAndTheGradient) {
    EXPECT_EQ(FaceAt(2, 10), LeftColour(0, false));
    EXPECT_EQ(FaceAt(7, 28), LeftColour(0, false));
    EXPECT_EQ(FaceAt(91, 10), RightColour(0, false)); // right cap at 100 - 8 - 1
    EXPECT_EQ(FaceAt(98, 10), RightColour(0, false));
    for (int row : {0, 2, 5, 14, 20, 28})
        EXPECT_EQ(FaceAt(50, row), GradientRow(0, row)) << row;
    // The last row and column stay clear for the pressed shift.
    EXPECT_EQ(qAlpha(FaceAt(50, 29)), 0);
    EXPECT_EQ(qAlpha(FaceAt(99, 10)), 0);
}

TEST_F(ButtonFixture, EverySkinRecoloursPiecesAndGradient) {
    for (int s = 0; s < SkinCount; ++s) {
        const auto skin = static_cast<TColorSB>(s);
        button.SetColorSB(skin);
        const SkinTone tone{skin, 0, false};
        EXPECT_EQ(FaceAt(2, 10), Recolour(LeftColour(0, false), tone)) << s;
        EXPECT_EQ(FaceAt(95, 20), Recolour(RightColour(0, false), tone)) << s;
        // The card skin stretches the middle piece instead of the gradient.
        const QRgb middle = skin == TColorSB::QCards ? Recolour(MiddleColour(0, false), tone)
                                                     : Recolour(GradientRow(0, 5), tone);
        EXPECT_EQ(FaceAt(50, 5), middle) << s;
    }
}

TEST_F(ButtonFixture, FullLighteningTurnsTheFaceWhite) {
    button.SetColorSB(TColorSB::QNavy);
    button.SetKLightSB(100);
    for (QPoint p : {QPoint(2, 10), QPoint(50, 1), QPoint(50, 20), QPoint(95, 20)})
        EXPECT_EQ(FaceAt(p.x(), p.y()), qRgb(255, 255, 255)) << p.x() << "," << p.y();
}

TEST_F(ButtonFixture, StandardHeightsSwitchPiecesAndGradient) {
    button.SetHeightSB(THeightSB::Q45);
    EXPECT_EQ(button.height(), 45);
    EXPECT_EQ(FaceAt(12, 43), LeftColour(1, false));
    EXPECT_EQ(FaceAt(13, 3), GradientRow(1, 3));
    EXPECT_EQ(FaceAt(50, 43), GradientRow(1, 43));
    button.SetHeightSB(THeightSB::Q60);
    EXPECT_EQ(button.height(), 60);
    EXPECT_EQ(FaceAt(16, 30), LeftColour(2, false));
    EXPECT_EQ(FaceAt(50, 30), GradientRow(2, 30));
}

TEST_F(ButtonFixture, NonStandardHeightScalesCapsAndStretchesTheMiddle) {
    struct Case {
        int height;
        bool smooth;
        int classIndex;
        int capWidth; // round(cap width x height / base)
    };
    const Case cases[] = {
        {35, true, 1, 10}, {35, false, 1, 10}, {24, true, 0, 6}, {80, true, 2, 23}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        button.SetSmooth(c.smooth);
        button.resize(100, c.height);
        const int mid = c.height / 2;
        EXPECT_EQ(FaceAt(c.capWidth - 1, mid), LeftColour(c.classIndex, false));
        EXPECT_EQ(FaceAt(c.capWidth, mid), MiddleColour(c.classIndex, false));
        EXPECT_EQ(FaceAt(100 - c.capWidth - 1, mid), RightColour(c.classIndex, false));
        EXPECT_EQ(FaceAt(50, c.height - 2), MiddleColour(c.classIndex, false));
        EXPECT_EQ(qAlpha(FaceAt(50, c.height - 1)), 0);
    }
}

TEST_F(ButtonFixture, AlternativeSetRecoloursOnlyRedParts) {
    button.SetPlenk(true);
    button.SetColorSB(TColorSB::QCards);
    const SkinTone tone{TColorSB::QCards, 0, true};
    EXPECT_EQ(FaceAt(2, 10), Recolour(LeftColour(0, true), tone));
    EXPECT_EQ(FaceAt(50, 10), Recolour(MiddleColour(0, true), tone));
    // The grey right cap is far from pure red: it keeps its colour.
    EXPECT_EQ(FaceAt(95, 10), RightColour(0, true));
}

TEST_F(ButtonFixture, MissingPiecesLeaveTheGradientOnly) {
    button.SetPieceSet(std::make_shared<ButtonPieceSet>());
    EXPECT_EQ(qAlpha(FaceAt(2, 10)), 0);
    EXPECT_EQ(FaceAt(50, 5), GradientRow(0, 5));
    button.resize(100, 35);
    EXPECT_EQ(qAlpha(FaceAt(50, 5)), 0);
}

TEST_F(ButtonFixture, GlyphPlaces) {
    QPixmap glyph(10, 10);
    glyph.fill(Qt::blue);
    button.SetGlyph(glyph);
    struct Case {
        SkinnedButton::GlyphLayout layout;
        int height;
        int left, top;
    };
    using L = SkinnedButton::GlyphLayout;
    const Case cases[] = {
        {L::Left, 30, 15, 10}, // top round(9.5) = 10
        {L::Right, 30, 75, 10}, {L::Bottom, 30, 45, 10},
        {L::Left, 45, 18, 17},  {L::Left, 35, 16, 12}, // round(1.6 x 10)
    };
    for (const Case& c : cases) {
        button.SetGlyphLayout(c.layout);
        button.resize(100, c.height);
        const QImage face = button.FaceImage();
        SCOPED_TRACE(c.left);
        EXPECT_EQ(face.pixel(c.left, c.top), qRgb(0, 0, 255));
        EXPECT_EQ(face.pixel(c.left + 9, c.top + 9), qRgb(0, 0, 255));
        EXPECT_NE(face.pixel(c.left - 1, c.top), qRgb(0, 0, 255));
        EXPECT_NE(face.pixel(c.left, c.top - 1), qRgb(0, 0, 255));
    }
}

void Hover(SkinnedButton& button, bool inside) {
    if (inside) {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(&button, &enter);
    } else {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&button, &leave);
    }
}

TEST_F(ButtonFixture, CaptionColourFollowsHoverAndEnabled) {
    const QColor own(10, 20, 30), mouse(0, 200, 0), silver(192, 192, 192);
    QPalette palette = button.palette();
    palette.setColor(QPalette::ButtonText, own);
    button.setPalette(palette);
    button.SetColorMouse(mouse);
    struct Case {
        bool lightFont, hover, enabled, grayDis;
        QColor expected;
    };
    const Case cases[] = {
        {false, false, true, false, own},    {false, true, true, false, own},
        {true, false, true, false, own},     {true, true, true, false, mouse},
        {false, false, false, true, silver}, {true, true, false, true, silver},
        {false, false, false, false, own}, // disabled without GrayDis keeps its colour
    };
    for (const Case& c : cases) {
        button.SetLightFont(c.lightFont);
        button.SetGrayDis(c.grayDis);
        button.setEnabled(c.enabled);
        Hover(button, c.hover);
        EXPECT_EQ(button.CaptionColour(), c.expected)
            << c.lightFont << c.hover << c.enabled << c.grayDis;
    }
}

TEST_F(ButtonFixture, HoverNotifies) {
    int entered = 0, left = 0;
    QObject::connect(&button, &SkinnedButton::MouseEnter, [&] { ++entered; });
    QObject::connect(&button, &SkinnedButton::MouseLeave, [&] { ++left; });
    Hover(button, true);
    Hover(button, false);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(left, 1);
}

TEST_F(ButtonFixture, DoubleClickCountsAsASecondPress) {
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] { ++clicks; });
    const auto send = [&](QEvent::Type type) {
        QMouseEvent event(type, QPointF(50, 15), QPointF(50, 15), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&button, &event);
    };
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
        send(type);
    EXPECT_EQ(clicks, 2);
}

// Whether any pixel of the picture has exactly this colour.
bool Shows(const QImage& picture, QColor colour) {
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixelColor(x, y).rgb() == colour.rgb())
                return true;
    return false;
}

TEST_F(ButtonFixture, DisabledCaptionIsPaintedSilver) {
    button.setText("WWW");
    QFont font = button.font();
    font.setPixelSize(22);
    font.setBold(true);
    button.setFont(font);
    button.SetGrayDis(true);
    button.setEnabled(false);
    const QImage shown = button.grab().toImage();
    EXPECT_TRUE(Shows(shown, QColor(192, 192, 192)));
}

TEST_F(ButtonFixture, LongCaptionShrinksToStayOffTheCaps) {
    button.resize(140, 30);
    button.SetGrayDis(true);
    button.setEnabled(false);
    struct Case {
        QString text;
        int pixelSize; // 0: the font is sized in points
        bool shrinks;
    };
    const Case cases[] = {
        {"Exit", 20, false},
        {"Exit to menu", 20, true},
        {QString::fromUtf8("Zurück zum Menü"), 20, true},
        {QString::fromUtf8("Выход в главное меню"), 20, true},
        {"A caption far too long for any button of this width", 0, true},
    };
    for (const Case& c : cases) {
        QFont font = button.font();
        if (c.pixelSize > 0)
            font.setPixelSize(c.pixelSize);
        else
            font.setPointSize(14);
        font.setBold(true);
        button.setFont(font);
        button.setText(c.text);
        const QFont used = button.CaptionFont();
        EXPECT_EQ(used.bold(), true);
        EXPECT_EQ(c.pixelSize > 0 ? used.pixelSize() < c.pixelSize : used.pointSize() < 14,
                  c.shrinks)
            << c.text.toStdString();
        // Nothing of the caption is painted over the caps.
        const QImage shown = button.grab().toImage();
        const QImage face = button.FaceImage();
        for (int y = 0; y < 29; ++y)
            for (int x : {0, 3, 7, 131, 135, 138})
                ASSERT_EQ(shown.pixel(x, y), face.pixel(x, y))
                    << c.text.toStdString() << " at " << x << "," << y;
    }
}

TEST_F(ButtonFixture, PressedFaceShiftsByOnePixel) {
    button.setText(QString());
    button.setDown(true);
    const QImage shown = button.grab().toImage();
    EXPECT_EQ(shown.pixel(1, 11), LeftColour(0, false));
    EXPECT_EQ(shown.pixel(92, 11), RightColour(0, false));
    EXPECT_EQ(shown.pixel(51, 1), GradientRow(0, 0));
}

TEST_F(ButtonFixture, DrawButtonHandlerPaintsLast) {
    button.OnDrawButton = [](SkinnedButton&, QPainter& canvas, QRect rect, bool) {
        canvas.fillRect(QRect(rect.center(), QSize(2, 2)), Qt::green);
    };
    const QImage shown = button.grab().toImage();
    EXPECT_EQ(shown.pixel(button.rect().center()), qRgb(0, 255, 0));
}

TEST_F(ButtonFixture, FocusMarks) {
    button.setText(QString());
    button.SetColorSB(TColorSB::QGreen);
    button.show();
    const QImage unfocused = button.grab().toImage();
    QApplication::setActiveWindow(&button);
    button.setFocus();
    ASSERT_TRUE(button.hasFocus());
    // Normal set: the outline from (7, 4) to (92, 25), corner 7, and a
    // softer line just inside it.
    QImage shown = button.grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(50, 4)), QColor(200, 200, 255));
    EXPECT_EQ(QColor(shown.pixel(50, 25)), QColor(200, 200, 255));
    EXPECT_EQ(QColor(shown.pixel(7, 15)), QColor(200, 200, 255));
    EXPECT_EQ(QColor(shown.pixel(92, 15)), QColor(200, 200, 255));
    for (const QPoint inside : {QPoint(50, 5), QPoint(8, 15), QPoint(91, 15)}) {
        EXPECT_NE(shown.pixel(inside), unfocused.pixel(inside)) << inside.x();
        EXPECT_GT(QColor(shown.pixel(inside)).lightness(),
                  QColor(unfocused.pixel(inside)).lightness());
    }
    EXPECT_EQ(shown.pixel(50, 8), unfocused.pixel(50, 8)) << "the face inside stays";
    // Alternative set: two dots of 4 pixels, 10 pixels in from each side.
    button.SetPlenk(true);
    shown = button.grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(11, 14)), QColor(0, 0, 255));
    EXPECT_EQ(QColor(shown.pixel(88, 14)), QColor(0, 0, 255));
    // Without Kontur nothing marks the focus.
    button.SetKontur(false);
    shown = button.grab().toImage();
    EXPECT_NE(QColor(shown.pixel(11, 14)), QColor(0, 0, 255));
}

// The mean saturation and the spread of the brightness (as the eye weighs
// the channels) of a button's opaque pixels, both 0..1.
struct Liveliness {
    double saturation;
    double contrast;
};

Liveliness Measure(const QImage& picture) {
    double saturation = 0, sum = 0, squares = 0;
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QColor colour = picture.pixelColor(x, y);
            if (colour.alpha() < 255)
                continue;
            saturation += colour.hsvSaturationF();
            const double lightness = qGray(colour.rgb()) / 255.0;
            sum += lightness;
            squares += lightness * lightness;
            ++count;
        }
    const double mean = sum / count;
    return {saturation / count, std::sqrt(squares / count - mean * mean)};
}

// Disabled, the whole button loses its colour and its pieces most of their
// contrast; the caption keeps standing out so that it can still be read.
TEST(SkinnedButtonLook, DisabledIsClearlyMutedInEverySkin) {
    for (bool alternativeSet : {false, true})
        for (int s = 0; s < SkinCount; ++s) {
            SkinnedButton button("Take");
            button.SetPieceSet(SyntheticPieces());
            button.resize(120, 30);
            SkinButton(button, static_cast<TColorSB>(s), Qt::white);
            button.SetGrayDis(true);
            button.SetPlenk(alternativeSet);
            const double enabledSaturation = Measure(button.grab().toImage()).saturation;
            const double enabledContrast = Measure(button.FaceImage()).contrast;
            button.setEnabled(false);
            EXPECT_LT(Measure(button.grab().toImage()).saturation, 0.5 * enabledSaturation)
                << "skin " << s << ", alternative " << alternativeSet;
            EXPECT_LT(Measure(button.FaceImage()).contrast, 0.5 * enabledContrast)
                << "skin " << s << ", alternative " << alternativeSet;
        }
}

// A disabled button serving as a caption panel keeps its skin's face.
TEST(SkinnedButtonLook, ACaptionPanelKeepsItsColours) {
    SkinnedButton button("The members of club");
    button.SetPieceSet(SyntheticPieces());
    button.resize(200, 30);
    SkinButton(button, TColorSB::QBlue, Qt::white);
    const QImage enabledFace = button.FaceImage();
    button.setEnabled(false);
    button.SetCaptionPanel(true);
    EXPECT_EQ(button.FaceImage(), enabledFace);
}

} // namespace
} // namespace tavlira
