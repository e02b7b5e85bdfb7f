// The calendar's pictures on the menu page, drawn offscreen from the pack the
// build makes, from a damaged pack, and from none.
#include "calendar/Calendar.h"
#include "ui/menu/CalendarPictures.h"
#include "ui/window/MenuPage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tavlira {
namespace {

const TableScale SmallWindow = TableScale::ForMode(WindowSizeMode::Small, {});

// A menu page drawn for `day` from the packs at `places`.
struct Menu {
    QImage background{760, 500, QImage::Format_RGB32};
    Settings settings;
    std::optional<RecordFile> records;
    MenuPage page{background, settings};

    Menu(std::vector<std::filesystem::path> places, Date day) {
        background.fill(Qt::darkGreen);
        page.resize(760, 500);
        page.SetCalendarPlaces(std::move(places));
        page.SetCalendarDay(day);
        page.Fill(SmallWindow, records);
    }
};

class MenuCalendarTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    std::filesystem::path Place(const QString& name) const {
        return (folder.path() + "/" + name).toStdString();
    }
    // A copy of the built pack under `name`, cut to `bytes` when given.
    std::filesystem::path CopyOfPack(const QString& name, qint64 bytes = -1) const {
        QFile pack(TAVLIRA_CALENDAR_PACK);
        EXPECT_TRUE(pack.open(QIODevice::ReadOnly));
        QByteArray data = pack.readAll();
        if (bytes >= 0)
            data.truncate(bytes);
        QFile copy(folder.path() + "/" + name);
        EXPECT_TRUE(copy.open(QIODevice::WriteOnly));
        copy.write(data);
        return Place(name);
    }

    QTemporaryDir folder;
};

TEST_F(MenuCalendarTest, WithThePackTheDateAndTheCycleStandBesideTheCandelabra) {
    // 20 April 2025: both Easters.
    Menu menu({Place("missing.dll"), CopyOfPack("QelCalendar01.dll")}, {2025, 4, 20});
    const std::optional<CalendarPictures>& calendar = menu.page.Calendar();
    ASSERT_TRUE(calendar);
    EXPECT_EQ(calendar->today.image.size(), QSize(60, 100));
    EXPECT_EQ(calendar->today.hint, "April 20, Taurus");
    ASSERT_EQ(calendar->cycle.size(), 3u);
    EXPECT_EQ(calendar->cycle[0].hint, "Year Of The Snake");
    EXPECT_EQ(calendar->cycle[1].hint, "Easter (The Orthodox holiday)");
    EXPECT_EQ(calendar->cycle[2].hint, "Easter (Catholic feast)");
    EXPECT_EQ(menu.page.Layout().candelabra[0].left(), 60 - CalendarOffset);

    // The page shows the pictures where the layout puts them.
    const QImage shown = menu.page.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect date = menu.page.Layout().calendarDate;
    for (const QPoint at : {QPoint(30, 20), QPoint(30, 50), QPoint(10, 90)})
        EXPECT_EQ(QColor(shown.pixel(date.topLeft() + at)),
                  QColor(calendar->today.image.pixel(at)));
    EXPECT_NE(shown.pixel(date.center()), menu.background.pixel(date.center()));

    // Every ten seconds the second picture moves on, round to the year sign.
    for (std::size_t expected : {1u, 2u, 0u, 1u}) {
        menu.page.CalendarTick();
        EXPECT_EQ(menu.page.CalendarCycleShown(), expected);
    }
}

TEST_F(MenuCalendarTest, TheNextDayBuildsTheCalendarAgain) {
    Menu menu({CopyOfPack("QelCalendar01.dll")}, {2026, 12, 24});
    menu.page.CalendarTick();
    ASSERT_EQ(menu.page.CalendarCycleShown(), 1u);
    menu.page.SetCalendarDay(Date{2026, 12, 25});
    menu.page.CalendarTick();
    ASSERT_TRUE(menu.page.Calendar());
    EXPECT_EQ(menu.page.Calendar()->date, (Date{2026, 12, 25}));
    EXPECT_EQ(menu.page.Calendar()->today.hint, "December 25, Capricorn");
    EXPECT_EQ(menu.page.CalendarCycleShown(), 0u);
}

TEST_F(MenuCalendarTest, WithoutAWholePackTheMenuShowsNoCalendar) {
    QDir(folder.path()).mkdir("folder.dll");
    ASSERT_EQ(::mkfifo(Place("fifo.dll").c_str(), 0600), 0);
    const std::vector<std::filesystem::path> bad = {
        Place("missing.dll"),
        Place("folder.dll"),
        Place("fifo.dll"), // would block a reader that opened it
        CopyOfPack("empty.dll", 0),
        CopyOfPack("header.dll", 24),
        CopyOfPack("half.dll", QFileInfo(TAVLIRA_CALENDAR_PACK).size() / 2),
        CopyOfPack("short.dll", QFileInfo(TAVLIRA_CALENDAR_PACK).size() - 1),
    };
    for (const std::filesystem::path& place : bad) {
        Menu menu({place}, {2025, 4, 20});
        EXPECT_FALSE(menu.page.Calendar()) << place;
        EXPECT_EQ(menu.page.Layout().candelabra[0].left(), 60) << place;
        menu.page.CalendarTick(); // nothing to show, nothing to fail
        menu.page.grab();
    }
}

// Each holiday of the table has its picture in the pack the build makes.
TEST_F(MenuCalendarTest, ThePackHoldsEveryPictureTheTableNames) {
    const std::vector<std::filesystem::path> places{TAVLIRA_CALENDAR_PACK};
    for (const Holiday& holiday : Holidays()) {
        const std::optional<Date> day = HolidayDate(holiday, 2026);
        if (!day)
            continue;
        const std::optional<CalendarPictures> pictures =
            BuildCalendar(places, *day, LanguageIndex::English, QFont());
        ASSERT_TRUE(pictures) << holiday.picture;
        const std::size_t holidays = std::min(HolidaysOn(*day).size(), MaxHolidayPictures);
        EXPECT_EQ(pictures->cycle.size(), 1 + holidays) << holiday.picture;
    }
}

} // namespace
} // namespace tavlira
