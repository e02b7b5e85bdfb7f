#pragma once
// Where the controls of the main menu stand in a window of a given size. The
// buttons follow the window's two scales without the centring of the table;
// the pictures that keep their size (animations, candelabra, icons) move with
// the window so they stay beside the buttons.

#include "ui/table/TableScale.h"

#include <array>

namespace tavlira {

inline constexpr int MenuMemberRows = 5;

// The icons beside the menu, in their two columns.
enum class MenuIcon {
    MoreGames,
    AndroidPackage,
    Help,
    Tournament,
    GooglePlay,
    Support,
    WorldTopTen,
    Statistics,
    Account,
};
inline constexpr int MenuIcons = 9;

// The Android package and the store page have nothing to offer: their icons
// are never shown. Every other icon answers a click.
constexpr bool MenuIconAvailable(MenuIcon icon) {
    return icon != MenuIcon::AndroidPackage && icon != MenuIcon::GooglePlay;
}

struct MenuLayout {
    int rowHeight = 0; // every button, and the pitch of the member rows
    QRect titlePicture;
    QRect clubHeading;
    std::array<QRect, MenuMemberRows> memberRows;
    QRect newPlayer;
    QRect topTen;
    QRect history;
    QRect options;
    QRect mode;
    QRect exit;
    // The game's caption and the club or network caption under it.
    QRect caption;
    QRect clubCaption;
    std::array<QRect, 2> animations;
    std::array<QRect, 2> candelabra;
    // The clock under the left candelabrum and the statistics board under
    // the right one; they only show in large windows.
    bool clockShown = false;
    QRect clock;
    QRect statsBoard;
    // The calendar's two pictures above the candelabra: today's date, and
    // the year sign and holidays in turn.
    QRect calendarDate;
    QRect calendarCycle;
    // The news and chat links, one under the other, left of the first
    // right-hand icon: clear of the caption, the buttons and the
    // candelabrum at every window size.
    QRect newsLink;
    QRect chatLink;
};

// `calendarOffset` moves the candelabra apart to make room for the calendar
// pictures: CalendarOffset while the calendar is shown, else 0.
inline constexpr int CalendarOffset = 20;
MenuLayout LayOutMenu(const TableScale& scale, WindowSizeMode mode, int calendarOffset = 0);

// The clock and the board need room below the candelabra: the two larger
// fixed sizes, or a full screen larger than the first of them.
bool MenuClockShown(const TableScale& scale, WindowSizeMode mode);

// The six flame places, three on each candelabrum, left to right.
inline constexpr int FlamePlaces = 6;
std::array<QRect, FlamePlaces> FlameRects(const MenuLayout& layout);

// The frame (0..5) that flame place `place` (0..5) shows in `phase` (0..5);
// the phase advances by one every menu tick and wraps after 5.
int FlameFrame(int phase, int place);
constexpr int NextFlamePhase(int phase) {
    return (phase + 1) % 6;
}

// A 48 x 48 icon's place in a client area of the given width.
QRect MenuIconRect(MenuIcon icon, int clientWidth);

} // namespace tavlira
