#include "ui/menu/MenuLayout.h"

#include "ui/common/ToScreen.h"

namespace tavlira {
namespace {

constexpr int CandelabrumWidth = 100;
constexpr int CandelabrumHeight = 200;
constexpr QSize AnimationSize(160, 200);
constexpr QSize ClockSize(115, 64);
constexpr QSize FlameSize(20, 30);
constexpr QSize CalendarPictureSize(60, 100);
constexpr int IconSize = 48;
// Room for the longest word of the news and chat links at 13 pixels.
constexpr int LinkWidth = 130;

// Under a candelabrum, halfway down the gap to the button below it.
QRect UnderCandelabrum(QRect candelabrum, int buttonTop) {
    const int bottom = candelabrum.top() + CandelabrumHeight;
    const int gap = buttonTop - bottom;
    return QRect(QPoint(candelabrum.left() - 7, bottom + Round(gap / 2.0) - 36), ClockSize);
}

} // namespace

bool MenuClockShown(const TableScale& scale, WindowSizeMode mode) {
    const QSize client = scale.ClientSize();
    const bool roomy =
        mode == WindowSizeMode::Medium2 || mode == WindowSizeMode::Large ||
        (mode == WindowSizeMode::FullScreen && client.width() > 1290 && client.height() > 850);
    // The clock's pictures are drawn unscaled and want a window this large.
    return roomy && scale.Scale() >= 1.6;
}

MenuLayout LayOutMenu(const TableScale& scale, WindowSizeMode mode, int calendarOffset) {
    MenuLayout l;
    const double sx = scale.ScaleX();
    const double sy = scale.ScaleY();
    const int rowH = scale.S(30);
    l.rowHeight = rowH;
    const auto row = [&](int x, int y, int w, int extraTop = 0) {
        return QRect(Round(sx * x), Round(sy * y) + extraTop, Round(sx * w), rowH);
    };
    l.titlePicture = QRect(Round(sx * 230), Round(sy * 90) - scale.S(5), Round(sx * 300), 3 * rowH);
    for (int i = 0; i < MenuMemberRows; ++i)
        l.memberRows[static_cast<std::size_t>(i)] = row(180, 265, 400, i * rowH);
    l.newPlayer = row(280, 265, 200, 5 * rowH + scale.S(10));
    l.clubHeading = row(180, 265, 400, -rowH - scale.S(10));
    l.topTen = row(40, 225, 100);
    l.history = row(40, 255, 100);
    l.options = row(620, 225, 100);
    l.mode = row(620, 255, 100);
    l.exit = row(330, 465, 100);

    l.caption = QRect(scale.X(180, 400), scale.Y(12, 70), scale.S(400), scale.S(70));
    l.clubCaption = QRect(scale.X(205, 350), scale.Y(183, 40), scale.S(350), scale.S(40));

    // Pictures of a fixed size keep their distance to the scaled buttons.
    const auto grow = [](double factor, int by) { return Round((factor - 1) * by); };
    const int animationTop = Round(sy * 290) + grow(sy, 100);
    for (int side = 0; side < 2; ++side) {
        const int left = Round(sx * (side == 0 ? 7 : 592)) + grow(sx, 80);
        l.animations[static_cast<std::size_t>(side)] =
            QRect(QPoint(left, animationTop), AnimationSize);
    }
    const int calendarTop = Round(sy * 95) + grow(sy, 50);
    l.calendarDate =
        QRect(QPoint(Round(sx * 150) + grow(sx, 30), calendarTop), CalendarPictureSize);
    l.calendarCycle =
        QRect(QPoint(Round(sx * 550) + grow(sx, 30), calendarTop), CalendarPictureSize);
    const int candelabrumTop = Round(sy * 30) + grow(sy, 100);
    const int d = calendarOffset;
    for (int side = 0; side < 2; ++side) {
        const int left = Round(sx * (side == 0 ? 60 - d : 600 + d)) + grow(sx, 50);
        l.candelabra[static_cast<std::size_t>(side)] =
            QRect(left, candelabrumTop, CandelabrumWidth, CandelabrumHeight);
    }

    l.clockShown = MenuClockShown(scale, mode);
    l.clock = UnderCandelabrum(l.candelabra[0], l.topTen.top());
    l.statsBoard = UnderCandelabrum(l.candelabra[1], l.options.top());

    // Two rows of 14 pixels from the window's top: in the smallest window the
    // right candelabrum starts right below them.
    const QRect firstIcon = MenuIconRect(MenuIcon::Support, scale.ClientSize().width());
    const int linkRight = firstIcon.left() - 5;
    const int linkLeft = std::max(l.caption.right() + 1, linkRight - LinkWidth);
    l.newsLink = QRect(linkLeft, 1, linkRight - linkLeft + 1, 14);
    l.chatLink = l.newsLink.translated(0, l.newsLink.height());
    return l;
}

std::array<QRect, FlamePlaces> FlameRects(const MenuLayout& layout) {
    constexpr std::array<QPoint, 3> onCandelabrum{{{16, 15}, {41, 1}, {66, 15}}};
    std::array<QRect, FlamePlaces> rects;
    for (std::size_t i = 0; i < rects.size(); ++i)
        rects[i] = QRect(layout.candelabra[i / 3].topLeft() + onCandelabrum[i % 3], FlameSize);
    return rects;
}

int FlameFrame(int phase, int place) {
    // Each row is one phase; the left candelabrum runs through the frames in
    // order, the right one in a shuffled order so the two never flicker alike.
    constexpr int frames[6][FlamePlaces] = {
        {0, 1, 2, 2, 0, 3}, {1, 2, 3, 1, 5, 0}, {2, 3, 4, 0, 1, 4},
        {3, 4, 5, 5, 4, 1}, {4, 5, 0, 4, 2, 5}, {5, 0, 1, 3, 3, 2},
    };
    return frames[phase % 6][place % FlamePlaces];
}

QRect MenuIconRect(MenuIcon icon, int clientWidth) {
    const int index = static_cast<int>(icon);
    const int firstRight = static_cast<int>(MenuIcon::Support);
    const bool left = index < firstRight;
    const int rowIndex = left ? index : index - firstRight;
    return QRect(left ? 5 : clientWidth - 53, 5 + 53 * rowIndex, IconSize, IconSize);
}

} // namespace tavlira
