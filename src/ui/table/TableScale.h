#pragma once
// The window-size model. Every position of the table is designed for a base
// client area of 760 x 500 pixels; three scale factors map it to the real
// window. In the fixed window sizes all three are equal; in full screen the
// horizontal and vertical factors follow the screen and `Scale`, the smaller
// of them, keeps every element its uniform size inside a stretched cell.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tavlira {

inline constexpr int BaseClientWidth = 760;
inline constexpr int BaseClientHeight = 500;

// The `WindowSize` setting; the numbers are stored in the settings file.
enum class WindowSizeMode {
    Small = 1,      // 760 x 500
    FullScreen = 2, // the client area of a window aligned to the whole screen
    Medium1 = 3,    // 990 x 650
    Medium2 = 4,    // 1290 x 850
    Large = 5,      // 1520 x 1000
};

class TableScale {
  public:
    // `fullScreenClient` is only read in full-screen mode.
    static TableScale ForMode(WindowSizeMode mode, QSize fullScreenClient);
    // Full-screen scaling of an arbitrary client area.
    static TableScale ForClient(QSize client);

    double ScaleX() const { return scaleX; }
    double ScaleY() const { return scaleY; }
    double Scale() const { return scale; }
    QSize ClientSize() const { return client; }

    // Any length.
    int S(double n) const;
    // Left edge of an element of base width w at base x: in full screen the
    // element keeps the size S(w) and is centred in its stretched cell.
    int X(int x, int w) const;
    int Y(int y, int h) const;
    // An element with a base rectangle: placed at (X, Y), sized S(w) x S(h).
    QRect Place(QRect base) const;

  private:
    TableScale(double sx, double sy, QSize clientSize);

    double scaleX;
    double scaleY;
    double scale;
    QSize client;
};

// Top-left corner that centres a window on the screen.
QPoint CentreOnScreen(QSize screen, QSize window);

} // namespace tavlira
