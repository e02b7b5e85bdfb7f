#include "ui/menu/MenuLayout.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

TEST(MenuLayoutTest, ControlsOfTheSmallAndTheLargeWindow) {
    struct Case {
        WindowSizeMode mode;
        int rowHeight;
        QRect title, heading, firstMember, lastMember, newPlayer, topTen, history, options, mode_,
            exit, caption, clubCaption, leftAnimation, rightAnimation, leftCandelabrum,
            rightCandelabrum;
    };
    const Case cases[] = {
        {WindowSizeMode::Small,
         30,
         {230, 85, 300, 90},
         {180, 225, 400, 30},
         {180, 265, 400, 30},
         {180, 385, 400, 30},
         {280, 425, 200, 30},
         {40, 225, 100, 30},
         {40, 255, 100, 30},
         {620, 225, 100, 30},
         {620, 255, 100, 30},
         {330, 465, 100, 30},
         {180, 12, 400, 70},
         {205, 183, 350, 40},
         {7, 290, 160, 200},
         {592, 290, 160, 200},
         {60, 30, 100, 200},
         {600, 30, 100, 200}},
        // Pictures of a fixed size move by (scale - 1) times a base offset.
        {WindowSizeMode::Large,
         60,
         {460, 170, 600, 180},
         {360, 450, 800, 60},
         {360, 530, 800, 60},
         {360, 770, 800, 60},
         {560, 850, 400, 60},
         {80, 450, 200, 60},
         {80, 510, 200, 60},
         {1240, 450, 200, 60},
         {1240, 510, 200, 60},
         {660, 930, 200, 60},
         {360, 24, 800, 140},
         {410, 366, 700, 80},
         {94, 680, 160, 200},
         {1264, 680, 160, 200},
         {170, 160, 100, 200},
         {1250, 160, 100, 200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        const MenuLayout l = LayOutMenu(TableScale::ForMode(c.mode, {}), c.mode);
        EXPECT_EQ(l.rowHeight, c.rowHeight);
        EXPECT_EQ(l.titlePicture, c.title);
        EXPECT_EQ(l.clubHeading, c.heading);
        EXPECT_EQ(l.memberRows.front(), c.firstMember);
        EXPECT_EQ(l.memberRows.back(), c.lastMember);
        EXPECT_EQ(l.newPlayer, c.newPlayer);
        EXPECT_EQ(l.topTen, c.topTen);
        EXPECT_EQ(l.history, c.history);
        EXPECT_EQ(l.options, c.options);
        EXPECT_EQ(l.mode, c.mode_);
        EXPECT_EQ(l.exit, c.exit);
        EXPECT_EQ(l.caption, c.caption);
        EXPECT_EQ(l.clubCaption, c.clubCaption);
        EXPECT_EQ(l.animations[0], c.leftAnimation);
        EXPECT_EQ(l.animations[1], c.rightAnimation);
        EXPECT_EQ(l.candelabra[0], c.leftCandelabrum);
        EXPECT_EQ(l.candelabra[1], c.rightCandelabrum);
    }
}

TEST(MenuLayoutTest, ClockAndBoardStandHalfwayBetweenCandelabrumAndButton) {
    const MenuLayout l =
        LayOutMenu(TableScale::ForMode(WindowSizeMode::Large, {}), WindowSizeMode::Large);
    ASSERT_TRUE(l.clockShown);
    // Candelabrum bottom 360, "Top Ten" at 450: a gap of 90.
    EXPECT_EQ(l.clock, QRect(163, 369, 115, 64));
    EXPECT_EQ(l.statsBoard, QRect(1243, 369, 115, 64));
}

TEST(MenuLayoutTest, ClockOnlyInLargeWindows) {
    struct Case {
        WindowSizeMode mode;
        QSize screen;
        bool shown;
    };
    const Case cases[] = {
        {WindowSizeMode::Small, {}, false},
        {WindowSizeMode::Medium1, {}, false},
        {WindowSizeMode::Medium2, {}, true},
        {WindowSizeMode::Large, {}, true},
        {WindowSizeMode::FullScreen, {1920, 1080}, true},
        // Tall enough and scaled enough, but not wider than 1290.
        {WindowSizeMode::FullScreen, {1280, 1024}, false},
        {WindowSizeMode::FullScreen, {1366, 768}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen.width());
        SCOPED_TRACE(static_cast<int>(c.mode));
        EXPECT_EQ(LayOutMenu(TableScale::ForMode(c.mode, c.screen), c.mode).clockShown, c.shown);
    }
}

TEST(MenuLayoutTest, CalendarMovesTheCandelabraApart) {
    const TableScale small = TableScale::ForMode(WindowSizeMode::Small, {});
    const MenuLayout l = LayOutMenu(small, WindowSizeMode::Small, CalendarOffset);
    EXPECT_EQ(l.candelabra[0].left(), 40);
    EXPECT_EQ(l.candelabra[1].left(), 620);
    EXPECT_EQ(l.calendarDate, QRect(150, 95, 60, 100));
    EXPECT_EQ(l.calendarCycle, QRect(550, 95, 60, 100));
    // The pictures keep their size and their distance to the scaled buttons.
    const TableScale large = TableScale::ForMode(WindowSizeMode::Large, {});
    const MenuLayout big = LayOutMenu(large, WindowSizeMode::Large, CalendarOffset);
    EXPECT_EQ(big.calendarDate, QRect(330, 240, 60, 100));
    EXPECT_EQ(big.calendarCycle, QRect(1130, 240, 60, 100));
}

TEST(MenuLayoutTest, ThreeFlamesOnEachCandelabrum) {
    const MenuLayout l =
        LayOutMenu(TableScale::ForMode(WindowSizeMode::Small, {}), WindowSizeMode::Small);
    const std::array<QRect, FlamePlaces> expected{{{76, 45, 20, 30},
                                                   {101, 31, 20, 30},
                                                   {126, 45, 20, 30},
                                                   {616, 45, 20, 30},
                                                   {641, 31, 20, 30},
                                                   {666, 45, 20, 30}}};
    EXPECT_EQ(FlameRects(l), expected);
}

TEST(MenuLayoutTest, FlamePhasesCycleThroughEveryFrameAtEachPlace) {
    EXPECT_EQ(FlameFrame(0, 5), 3);
    EXPECT_EQ(FlameFrame(3, 3), 5);
    EXPECT_EQ(NextFlamePhase(5), 0);
    for (int place = 0; place < FlamePlaces; ++place) {
        std::array<bool, 6> seen{};
        for (int phase = 0; phase < 6; ++phase)
            seen[static_cast<std::size_t>(FlameFrame(phase, place))] = true;
        EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 6) << "place " << place;
    }
}

TEST(MenuLayoutTest, IconColumnsAtBothEdges) {
    EXPECT_EQ(MenuIconRect(MenuIcon::MoreGames, 760), QRect(5, 5, 48, 48));
    EXPECT_EQ(MenuIconRect(MenuIcon::Tournament, 760), QRect(5, 164, 48, 48));
    EXPECT_EQ(MenuIconRect(MenuIcon::GooglePlay, 760), QRect(5, 217, 48, 48));
    EXPECT_EQ(MenuIconRect(MenuIcon::Support, 760), QRect(707, 5, 48, 48));
    EXPECT_EQ(MenuIconRect(MenuIcon::Account, 1520), QRect(1467, 164, 48, 48));
}

TEST(MenuLayoutTest, TheNewsAndChatLinksStandClearOfEverythingElse) {
    const struct {
        WindowSizeMode mode;
        QSize screen;
    } cases[] = {
        {WindowSizeMode::Small, {}},
        {WindowSizeMode::Medium1, {}},
        {WindowSizeMode::Medium2, {}},
        {WindowSizeMode::Large, {}},
        {WindowSizeMode::FullScreen, {1024, 740}},
        {WindowSizeMode::FullScreen, {1920, 1050}},
    };
    for (const auto& c : cases)
        for (const int calendarOffset : {0, CalendarOffset}) {
            SCOPED_TRACE(static_cast<int>(c.mode) * 100 + calendarOffset);
            const TableScale scale = TableScale::ForMode(c.mode, c.screen);
            const MenuLayout l = LayOutMenu(scale, c.mode, calendarOffset);
            const int width = scale.ClientSize().width();
            // The longest word is 17 characters of about 6.5 pixels.
            EXPECT_GE(l.newsLink.width(), 110);
            EXPECT_EQ(l.chatLink.top(), l.newsLink.bottom() + 1);
            std::vector<QRect> others = {l.caption, l.titlePicture,  l.options,
                                         l.mode,    l.candelabra[1], l.calendarCycle};
            for (const QRect flame : FlameRects(l))
                others.push_back(flame);
            for (int icon = 0; icon < MenuIcons; ++icon)
                others.push_back(MenuIconRect(static_cast<MenuIcon>(icon), width));
            for (const QRect link : {l.newsLink, l.chatLink}) {
                EXPECT_TRUE(QRect(0, 0, width, scale.ClientSize().height()).contains(link));
                for (const QRect other : others)
                    EXPECT_FALSE(link.intersects(other)) << link.x() << "," << link.y();
            }
        }
}

} // namespace
} // namespace tavlira
