// The dialogs of the records: the header of each dialog design, the top
// ten, the end of game, the general count and the "General score" item of
// the pop-up menu, and the keys that close them.

#include "records/RecordFile.h"
#include "ui/WindowFixture.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/BalloonHint.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogDesign.h"
#include "ui/dialogs/DialogPage.h"
#include "ui/dialogs/DialogPresenter.h"
#include "ui/dialogs/EndOfGameDialog.h"
#include "ui/dialogs/GeneralCountDialog.h"
#include "ui/dialogs/SpeedDialog.h"
#include "ui/dialogs/TopTenDialog.h"
#include "ui/window/TableView.h"

#include <QScreen>
#include <QTest>
#include <QVBoxLayout>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace tavlira {
namespace {

// The record files of a store, read from fixtures; nothing is written.
class FixtureRecords final : public RecordStore {
  public:
    std::optional<RecordFile> club;
    std::optional<RecordFile> net;
    int reads = 0;

    std::optional<RecordFile> ReadRecords(RecordFileKind kind) override {
        ++reads;
        return kind == RecordFileKind::Net ? net : club;
    }
    std::optional<MemberRecord> LoadMember(RecordFileKind, int) override { return std::nullopt; }
    StoreOutcome StoreGameResult(RecordFileKind, const GameResult&) override { return {}; }
    WriteStatus RemoveMember(RecordFileKind, int, std::string_view) override {
        return WriteStatus::Unchanged;
    }
    bool WriteHistory(std::span<const HisStr>, std::string_view, std::string_view) override {
        return true;
    }
    StoreOutcome RenameMember(RecordFileKind, int, std::string_view, std::string_view,
                              std::string_view) override {
        return {};
    }
};

std::optional<RecordFile> Fixture(const char* name) {
    std::ifstream file(std::string(RECORDS_FIXTURE_DIR) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return ParseRecordFile(bytes.str());
}

QStringList AnimationNames(const DialogPage& page) {
    QStringList names;
    for (const PageAnimation& animation : page.Animations())
        names << animation.name;
    return names;
}

// Whether the scroll page, as drawn, has a pixel of `colour` inside `area`
// of the scroll, which may be drawn smaller than its 450 pixels width.
bool ScrollShows(DialogPage& page, QRect area, QColor colour) {
    const QImage drawn = page.grab().toImage();
    const double zoom = page.width() / 450.0;
    const QRect shown(QPoint(Round(area.left() * zoom), Round(area.top() * zoom)),
                      QPoint(Round(area.right() * zoom), Round(area.bottom() * zoom)));
    for (int y = shown.top(); y <= shown.bottom(); ++y)
        for (int x = shown.left(); x <= shown.right(); ++x)
            if (drawn.pixelColor(x, y) == colour)
                return true;
    return false;
}

// An animation stands on its still frame while animations are off, and one
// that plays once comes to rest on its last frame.
TEST(DialogPage, AnimationsRestOnTheirFrames) {
    EXPECT_EQ(GifFrame("TestFrames", 0).pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(GifFrame("TestFrames", 2).pixelColor(0, 0), QColor(0, 0, 255));
    EXPECT_TRUE(GifFrame("TestFrames", 3).isNull());
    EXPECT_TRUE(GifFrame("Missing", 0).isNull());

    const auto shownColour = [](DialogPage& page) {
        return page.grab().toImage().pixelColor(5, 5);
    };
    const QRect place(0, 0, 10, 10);
    DialogPage still(
        QSize(20, 20), QImage(), [](QPainter&) {}, nullptr);
    still.AddAnimation({"TestFrames", place, false, 1});
    EXPECT_EQ(still.Movie(0), nullptr);
    EXPECT_EQ(shownColour(still), QColor(0, 255, 0));

    DialogPage once(
        QSize(20, 20), QImage(), [](QPainter&) {}, nullptr);
    once.AddAnimation({"TestFrames", place, true, 0, 1});
    QMovie* movie = once.Movie(0);
    ASSERT_NE(movie, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([movie] { return movie->state() == QMovie::Paused; }, 3000));
    EXPECT_EQ(movie->currentFrameNumber(), 1);
    QTest::qWait(250); // longer than two frames
    EXPECT_EQ(shownColour(once), QColor(0, 255, 0));
}

TEST(DialogDesign, TheHeaderFollowsTheDesignAndPurpleFallsBackToAristocratic) {
    const struct {
        bool purple;
        int design;
        DialogDesign shown;
        int height;
    } cases[] = {
        {false, 1, DialogDesign::GrayConcise, 48},
        {false, 2, DialogDesign::GrayAristocratic, 64},
        {false, 3, DialogDesign::RedRibbons, 90},
        {true, 3, DialogDesign::GrayAristocratic, 64},
        {false, 7, DialogDesign::GrayAristocratic, 64},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.design);
        Settings settings;
        settings.AuxDesignPurple = c.purple;
        settings.AuxDesign = c.design;
        QDialog dialog;
        auto* layout = new QVBoxLayout(&dialog);
        DialogHeaderStrip* strip = ApplyDialogDesign(dialog, *layout, {"Top Ten"}, settings);
        EXPECT_EQ(strip->Design(), c.shown);
        EXPECT_EQ(settings.AuxDesignPurple, false);
        EXPECT_EQ(settings.AuxDesign, static_cast<int>(c.shown));
        // The ribbon artwork may make the red ribbons taller, never lower.
        if (c.shown == DialogDesign::RedRibbons) {
            EXPECT_GE(strip->height(), c.height);
        } else {
            EXPECT_EQ(strip->height(), c.height);
        }
        EXPECT_EQ(layout->itemAt(0)->widget(), strip) << "the header stands above everything";
        if (c.shown == DialogDesign::GrayAristocratic) {
            EXPECT_EQ(strip->WrittenTitle(), "TOP TEN");
        }
    }
}

// A dialog of a fixed size grows by its header instead of squeezing its
// controls together.
TEST(DialogDesign, AFixedSizeDialogGrowsByItsHeader) {
    Settings settings;
    settings.AuxDesign = 1;
    SpeedDialog dialog(nullptr, 3, QImage(20, 30, QImage::Format_RGB32), [](int) {});
    const int before = dialog.height();
    ApplyDialogDesign(dialog, *qobject_cast<QBoxLayout*>(dialog.layout()), {"Speed"}, settings);
    EXPECT_EQ(dialog.height(), before + 48 + dialog.layout()->spacing());
}

TEST(TopTenDialog, ShowsThePlacesOfTheCurrentRecordFile) {
    FixtureRecords records;
    records.club = Fixture("club-valid.clb");
    records.net = InitialRecordFile('0', "LNX");
    ASSERT_TRUE(records.club);
    Settings settings;
    settings.GifAnimation = false;

    TopTenDialog club(nullptr, records, RecordFileKind::Club, settings);
    EXPECT_EQ(club.windowTitle(), "Top Ten");
    EXPECT_EQ(club.Heading(), "WINDOWS. LOCAL GAMES WITH PC");
    ASSERT_EQ(club.Rows().size(), 10u);
    EXPECT_EQ(club.Rows()[0].name, "Anna");
    EXPECT_EQ(club.Rows()[0].score, "30");
    EXPECT_EQ(club.Rows()[2].name, QString::fromUtf8("Глеб"));
    EXPECT_EQ(club.Rows()[2].score, "10");
    EXPECT_EQ(club.Rows()[9].name, "####################");
    EXPECT_EQ(AnimationNames(*club.Page()), QStringList({"GTopTen", "GClubF"}));
    EXPECT_EQ(club.Page()->Movie(0), nullptr) << "still while animations are off";
    // Places 1..3 in red, 4..10 in navy.
    EXPECT_TRUE(ScrollShows(*club.Page(), QRect(60, 150, 330, 30), QColor(255, 0, 0)));
    EXPECT_FALSE(ScrollShows(*club.Page(), QRect(60, 250, 330, 30), QColor(255, 0, 0)));
    EXPECT_TRUE(ScrollShows(*club.Page(), QRect(60, 250, 330, 30), QColor(0, 0, 128)));
    // The scroll, 700 pixels high, is drawn smaller on a screen too low for
    // the dialog (the test screen is 800 pixels high).
    EXPECT_LE(club.sizeHint().height(), club.screen()->availableGeometry().height());

    settings.GifAnimation = true;
    TopTenDialog net(nullptr, records, RecordFileKind::Net, settings);
    EXPECT_EQ(net.Heading(), "WINDOWS. NET GAMES");
    EXPECT_EQ(net.Rows()[0].name, "####################");
    EXPECT_EQ(net.Rows()[0].score, "0");
    EXPECT_EQ(AnimationNames(*net.Page()), QStringList({"GTopTen", "GClubG"}));
    EXPECT_NE(net.Page()->Movie(0), nullptr);
    EXPECT_EQ(records.reads, 2) << "each dialog reads the file afresh";

    records.club.reset();
    TopTenDialog unreadable(nullptr, records, RecordFileKind::Club, settings);
    EXPECT_TRUE(unreadable.Rows().empty());
}

TEST(EndOfGameDialog, TheOutcomeFollowsThePlace) {
    const struct {
        int place;
        CycleOutcome outcome;
        QStringList lines;
        const char* animation;
        int stillFrame;
        std::optional<int> lastFrame;
        const char* medal;
    } cases[] = {
        {0,
         CycleOutcome::Bad,
         {"Our regrets...", "Your result keeps to wish best", "Result: 17",
          "You have not hitted in ten best players..."},
         "GEndBads",
         3,
         std::nullopt,
         ""},
        {1,
         CycleOutcome::Best,
         {"CONGRATULATIONS!!!", "Your result - the best!", "Result: 17",
          "You become a Master of the Order!"},
         "GEndBest",
         25,
         25,
         "GPlace01"},
        {2,
         CycleOutcome::Good,
         {"CONGRATULATIONS!!!", "Good result!", "Result: 17",
          "You have hitted in top ten players!"},
         "GEndGood",
         24,
         24,
         "GPlace02"},
        {10,
         CycleOutcome::Good,
         {"CONGRATULATIONS!!!", "Good result!", "Result: 17",
          "You have hitted in top ten players!"},
         "GEndGood",
         24,
         24,
         "GPlace10"},
        {11,
         CycleOutcome::Bad,
         {"Our regrets...", "Your result keeps to wish best", "Result: 17 ; Place: 11",
          "You have not hitted in ten best players..."},
         "GEndBads",
         3,
         std::nullopt,
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.place);
        const EndOfGameView view = MakeEndOfGameView(c.place, 17, false, true);
        EXPECT_EQ(view.outcome, c.outcome);
        QStringList lines;
        for (const EndOfGameView::Line& line : view.lines)
            lines << line.text;
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(view.animation.name, c.animation);
        EXPECT_EQ(view.animation.stillFrame, c.stillFrame);
        EXPECT_EQ(view.animation.lastFrame, c.lastFrame);
        EXPECT_EQ(view.medalPlace, c.medal);
        EXPECT_EQ(view.emblem.name, "GClubF");
    }
    const EndOfGameView network = MakeEndOfGameView(1, 40, true, false);
    EXPECT_EQ(network.lines.back().text, "You become a Bachelor of the Order!");
    EXPECT_EQ(network.emblem.name, "GClubG");
    EXPECT_FALSE(network.animation.running);
    EXPECT_FALSE(network.emblem.running);
}

// The end of a cycle opens the end-of-game dialog, with the banner taken
// away first, in place of a plain message box.
TEST(EndOfGameDialog, TheEndOfACycleOpensIt) {
    QWidget window;
    Settings settings;
    settings.NetworkMode = true;
    int banners = 0;
    DialogPresenter dialogs(&window, settings, [&banners] { ++banners; });
    StoreOutcome outcome;
    outcome.topTenPlace = 2;
    outcome.cycleScore = 44;
    const EndOfGameDialog* shown = nullptr;
    QStringList lines;
    test::AnswerNextModal([&](QWidget* dialog) {
        shown = qobject_cast<EndOfGameDialog*>(dialog);
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->windowTitle(), "The completion of game");
        for (const EndOfGameView::Line& line : shown->View().lines)
            lines << line.text;
        EXPECT_EQ(shown->View().emblem.name, "GClubG");
        shown->OkButton()->click();
    });
    dialogs.Show(match_event::EndOfCycle{outcome, 44});
    EXPECT_NE(shown, nullptr);
    EXPECT_EQ(banners, 1);
    EXPECT_TRUE(lines.contains("Result: 44"));
}

TEST(GeneralCountDialog, ShowsTheFiguresOfTheMatch) {
    Settings settings;
    // Rating 2,50 after 10 games, leading by 6 in the first game of a match.
    const MatchFigures match{PlayKind::Computer, 11, 1, 0, 25, 6, 2.5};
    GeneralCountDialog dialog(nullptr, match, "\xC8\xE2\xE0\xED", settings);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Player:  Иван"));
    const std::pair<QString, QString> pairs[] = {
        {"General number of game:", "11"}, {"Number of round in a current cycle:", "11"},
        {"The initial score:", "25"},      {"The current score:", "6"},
        {"The general score:", "31"},      {"The initial rating:", "  2,50"},
        {"The current rating:", "  2,82"},
    };
    for (std::size_t i = 0; i < dialog.Pairs().size(); ++i)
        EXPECT_EQ(dialog.Pairs()[i], pairs[i]) << i;
    EXPECT_EQ(AnimationNames(*dialog.Page()), QStringList({"GGenCount", "GClubC", "GClubF"}));
}

TEST(GeneralCountDialog, EmblemsAndLampFollowTheKindOfPlay) {
    using Names = std::vector<std::string>;
    EXPECT_EQ(GeneralCountDialog::Emblems(PlayKind::Computer), Names({"GClubC", "GClubF"}));
    EXPECT_EQ(GeneralCountDialog::Emblems(PlayKind::RatedOnline), Names({"GClubA", "GClubB"}));
    EXPECT_EQ(GeneralCountDialog::Emblems(PlayKind::Tournament), Names({"GClubE"}));
    EXPECT_EQ(GeneralCountDialog::Emblems(PlayKind::NetworkDuel), Names({"GClubG"}));
    EXPECT_EQ(GeneralCountDialog::Lamp(PlayKind::Computer), "LampR24");
    EXPECT_EQ(GeneralCountDialog::Lamp(PlayKind::RatedOnline), "LampG24");
}

// Enter answers with the default "Ok" and Escape closes the dialog; each
// dialog opens with the focus on "Ok".
TEST(RecordsDialogs, EnterAndEscapeClose) {
    FixtureRecords records;
    records.club = Fixture("club-valid.clb");
    Settings settings;
    const MatchFigures match{PlayKind::Computer, 3, 3, 0, 0, 1, 0.0};
    const std::function<void(DialogPresenter&)> opens[] = {
        [&](DialogPresenter& d) { d.ShowTopTen(records, RecordFileKind::Club); },
        [&](DialogPresenter& d) { d.ShowGeneralCount(match, "Anna"); },
        [&](DialogPresenter& d) {
            d.Show(match_event::EndOfCycle{{}, 0});
        },
    };
    QWidget window;
    DialogPresenter dialogs(&window, settings, [] {});
    for (std::size_t i = 0; i < std::size(opens); ++i) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            SCOPED_TRACE(testing::Message() << "dialog " << i << " key " << key);
            int result = -1;
            test::AnswerNextModal([&result, key](QWidget* widget) {
                auto* dialog = qobject_cast<QDialog*>(widget);
                ASSERT_NE(dialog, nullptr);
                auto* ok = dialog->findChild<SkinnedButton*>();
                EXPECT_TRUE(ok->isDefault());
                EXPECT_EQ(dialog->focusWidget(), ok);
                QTest::keyClick(dialog->focusWidget(), key);
                result = dialog->isVisible() ? -1 : dialog->result();
                dialog->done(QDialog::Rejected);
            });
            opens[i](dialogs);
            if (key == Qt::Key_Return)
                EXPECT_EQ(result, QDialog::Accepted);
            else
                EXPECT_NE(result, -1) << "still open";
        }
    }
}

// "General score" is offered only at the table and shows where the running
// match stands.
TEST(RecordsDialogs, GeneralScoreOpensFromThePopUpMenuAtTheTable) {
    Settings settings;
    auto window = test::StartWindow(settings);
    MainWindow& form = *window->form;
    EXPECT_EQ(form.GeneralScoreAction()->text(), "General score");
    EXPECT_EQ(form.PopupMenu()->actions().first(), form.GeneralScoreAction());
    EXPECT_FALSE(form.GeneralScoreAction()->isEnabled());
    test::EnterAsNewPlayer(form, "Dana", "1");
    ASSERT_TRUE(form.GeneralScoreAction()->isEnabled());
    QString title;
    QString games;
    test::AnswerNextModal([&](QWidget* widget) {
        auto* dialog = qobject_cast<GeneralCountDialog*>(widget);
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        games = dialog->Pairs()[0].second;
        dialog->OkButton()->click();
    });
    form.GeneralScoreAction()->trigger();
    EXPECT_EQ(title, "Player:  Dana");
    EXPECT_EQ(games, "1");
}

// The score hint over the game plate counts the games in the large font.
TEST(RecordsDialogs, TheScoreHintSpeaksInTheLargeFont) {
    Settings settings;
    settings.Font(FontLine::Large).name = "DejaVu Serif";
    auto window = test::StartWindow(settings);
    MainWindow& form = *window->form;
    test::EnterAsNewPlayer(form, "Hover", "1");
    // Not the plate's centre, where the pointer, left there, would keep a
    // later test that hovers the centre from entering the plate.
    QTest::mouseMove(form.Table(),
                     form.Table()->ElementRect(TableView::Element::gamePlate).topLeft() +
                         QPoint(5, 5));
    auto* balloon = form.findChild<BalloonHint*>();
    ASSERT_NE(balloon, nullptr);
    ASSERT_TRUE(balloon->isVisible());
    EXPECT_EQ(balloon->Title(), "Current game");
    EXPECT_EQ(balloon->Text(),
              "General number of game: 1\nNumber of round in a current cycle: 1 / 20");
    EXPECT_EQ(balloon->font().family(), "DejaVu Serif");
}

} // namespace
} // namespace tavlira
