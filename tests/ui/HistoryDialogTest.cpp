// The history dialog: the file list, the table of one file, damaged files,
// the "History" menu button; and the "Please, wait..." banner, which never
// stays behind a box.

#include "ui/dialogs/HistoryDialog.h"

#include "records/History.h"
#include "records/RecordStore.h"
#include "ui/WindowFixture.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/window/MenuPage.h"
#include "ui/window/TableView.h"

#include <QHeaderView>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <fstream>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

enum class Kind { Valid, Damaged };

// A "History" folder in a temporary folder, filled with copies of the fixture
// files.
class HistoryFolder {
  public:
    fs::path Path() const { return fs::path(dir.path().toStdString()) / "History"; }
    fs::path File(int number) const { return HistoryFilePath(Path(), RecordFileStem, number); }

    void Put(int number, Kind kind) const {
        fs::create_directories(Path());
        const fs::path fixture =
            fs::path(RECORDS_FIXTURE_DIR) /
            (kind == Kind::Valid ? "history-valid.hst" : "history-damaged.hst");
        fs::copy_file(fixture, File(number), fs::copy_options::overwrite_existing);
        // Noon of 14 March 2026, which is that date in every time zone the
        // tests run in.
        const std::chrono::sys_seconds noon =
            std::chrono::sys_days{std::chrono::year{2026} / 3 / 14} + 12h;
        fs::last_write_time(File(number), std::chrono::file_clock::from_sys(noon));
    }

  private:
    QTemporaryDir dir;
};

QStringList ListTexts(const HistoryDialog& dialog) {
    QStringList texts;
    for (int row = 0; row < dialog.FileList()->count(); ++row)
        texts << dialog.FileList()->item(row)->text();
    return texts;
}

QStringList RowTexts(const HistoryDialog& dialog, int row) {
    QStringList texts;
    for (int column = 0; column < dialog.Games()->columnCount(); ++column)
        texts << dialog.Games()->item(row, column)->text();
    return texts;
}

TEST(HistoryDialog, ShowsTheGamesOfTheSelectedFile) {
    HistoryFolder folder;
    folder.Put(1, Kind::Valid);
    folder.Put(2, Kind::Valid);
    HistoryDialog dialog(nullptr, folder.Path(), std::string(RecordFileStem), std::nullopt, [] {});

    EXPECT_EQ(ListTexts(dialog), QStringList({"File I0001 14.03.2026", "File I0002 14.03.2026"}));
    EXPECT_EQ(dialog.FileList()->width(), HistoryDialog::ListWidth);
    EXPECT_EQ(dialog.SelectedFile(), 2) << "the newest file first";

    QTableWidget& games = *dialog.Games();
    QStringList headings;
    for (int column = 0; column < games.columnCount(); ++column) {
        headings << games.horizontalHeaderItem(column)->text();
        EXPECT_EQ(games.columnWidth(column),
                  HistoryDialog::ColumnWidths[static_cast<std::size_t>(column)]);
    }
    EXPECT_EQ(headings,
              QStringList({"Time", "Date", "Player", "Games", "Result", "Rating", "Type"}));
    ASSERT_EQ(games.rowCount(), 4);
    EXPECT_EQ(RowTexts(dialog, 0),
              QStringList({"9:05", "01.02.2026", "Anna", "3", "-12", "2,82", "Local"}));
    EXPECT_EQ(RowTexts(dialog, 2),
              QStringList({"10:00", "15.03.2026", "Bob", "12", "150", "1234,50", "Account"}));
    EXPECT_EQ(games.item(1, 2)->text(), QString::fromUtf8("Иван/Пётр"));
    EXPECT_EQ(games.item(1, 6)->text(), "Net");
    EXPECT_EQ(games.item(3, 6)->text(), "Tourney");
    EXPECT_EQ(games.selectionMode(), QAbstractItemView::SingleSelection);

    // Choosing another file refills the table: a file of one game, whose
    // only row is not highlighted.
    const HisStr solo{"Solo", 1, 5, 0.5, PlayKind::Computer};
    std::ofstream(folder.File(3), std::ios::binary)
        << AppendHistory("", {&solo, 1}, "8:00", "02.01.2026");
    HistoryDialog again(nullptr, folder.Path(), std::string(RecordFileStem), 3, [] {});
    EXPECT_EQ(again.SelectedFile(), 3);
    ASSERT_EQ(again.Games()->rowCount(), 1);
    EXPECT_EQ(again.Games()->item(0, 2)->text(), "Solo");
    EXPECT_EQ(again.Games()->selectionMode(), QAbstractItemView::NoSelection);
    again.FileList()->setCurrentRow(0);
    EXPECT_EQ(again.SelectedFile(), 1);
    EXPECT_EQ(again.Games()->rowCount(), 4);
}

// A damaged file ends the list: neither it nor any file after it is shown.
TEST(HistoryDialog, ADamagedFileEndsTheList) {
    const struct {
        const char* name;
        std::vector<Kind> files;
        QStringList listed;
        std::optional<int> selected;
        int rows;
    } cases[] = {
        {"damaged second file",
         {Kind::Valid, Kind::Damaged, Kind::Valid},
         {"File I0001 14.03.2026"},
         1,
         4},
        {"damaged first file", {Kind::Damaged, Kind::Valid}, {"No History Files"}, std::nullopt, 0},
        {"no file", {}, {"No History Files"}, std::nullopt, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HistoryFolder folder;
        for (std::size_t i = 0; i < c.files.size(); ++i)
            folder.Put(static_cast<int>(i) + 1, c.files[i]);
        HistoryDialog dialog(nullptr, folder.Path(), std::string(RecordFileStem), 3, [] {});
        EXPECT_EQ(ListTexts(dialog), c.listed);
        EXPECT_EQ(dialog.SelectedFile(), c.selected);
        EXPECT_EQ(dialog.Games()->rowCount(), c.rows);
        if (!c.selected) {
            EXPECT_FALSE(dialog.FileList()->item(0)->flags().testFlag(Qt::ItemIsEnabled));
        }
    }
}

TEST(HistoryDialog, TheListMakesRoomForAScrollBarBeyondSixteenFiles) {
    HistoryFolder folder;
    for (int number = 1; number <= HistoryDialog::FilesWithoutScrollBar + 1; ++number)
        folder.Put(number, Kind::Valid);
    HistoryDialog dialog(nullptr, folder.Path(), std::string(RecordFileStem), std::nullopt, [] {});
    EXPECT_EQ(dialog.FileList()->count(), HistoryDialog::FilesWithoutScrollBar + 1);
    EXPECT_EQ(dialog.FileList()->width(), HistoryDialog::ListWidthWithScrollBar);
}

// The menu's "History" opens the dialog, which shows next time the file
// chosen last time.
TEST(HistoryDialog, TheMenuButtonOpensItOnTheFileShownLast) {
    Settings settings;
    auto window = test::StartWindow(settings);
    MainWindow& form = *window->form;
    const fs::path folder = window->folder.Path() / HistoryFolderName;
    fs::create_directories(folder);
    for (int number : {1, 2})
        fs::copy_file(fs::path(RECORDS_FIXTURE_DIR) / "history-valid.hst",
                      HistoryFilePath(folder, RecordFileStem, number));
    QTest::keyClick(&form, Qt::Key_Space);
    ASSERT_EQ(form.CurrentScreen(), Screen::Menu);
    SkinnedButton* button = form.MenuButton(MenuPage::HistoryButton);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "History");
    EXPECT_TRUE(button->isVisible());

    std::optional<int> shownFirst;
    test::AnswerNextModal([&shownFirst](QWidget* dialog) {
        auto* history = qobject_cast<HistoryDialog*>(dialog);
        ASSERT_NE(history, nullptr);
        EXPECT_EQ(history->windowTitle(), "History of games");
        shownFirst = history->SelectedFile();
        history->FileList()->setCurrentRow(0);
        history->OkButton()->click();
    });
    button->click();
    EXPECT_EQ(shownFirst, 2);

    std::optional<int> shownNext;
    test::AnswerNextModal([&shownNext](QWidget* dialog) {
        shownNext = qobject_cast<HistoryDialog*>(dialog)->SelectedFile();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    button->click();
    EXPECT_EQ(shownNext, 1);
}

// "Please, wait..." is taken away before any box shows over the table.
TEST(WaitBanner, IsHiddenBeforeABoxShows) {
    Settings settings;
    auto window = test::StartWindow(settings);
    MainWindow& form = *window->form;
    test::EnterAsNewPlayer(form, "Waiter", "1");
    TableView& table = *form.Table();
    table.ShowWaitBanner(true);
    std::optional<bool> bannerUnderBox;
    test::AnswerNextModal([&](QWidget* dialog) {
        bannerUnderBox = table.WaitBannerShown();
        dialog->close();
    });
    form.ChangeNameAction()->trigger();
    EXPECT_EQ(bannerUnderBox, false);
}

} // namespace
} // namespace tavlira
