// The options dialog: its rules, its controls over a stand-in game, and a
// change of language reaching the main window.

#include "ui/dialogs/options/OptionsDialog.h"

#include "i18n/words/Menu.h"
#include "ui/OptionsFixture.h"
#include "ui/WindowFixture.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogDesign.h"
#include "ui/dialogs/options/OptionsRules.h"
#include "ui/window/MenuPage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

TEST(OptionsRules, WindowSizesFollowTheScreen) {
    const struct {
        QSize screen;
        std::vector<int> sizes;
    } cases[] = {
        {{1280, 1024}, {1, 2, 3}},    {{1920, 1080}, {1, 2, 3, 4, 5}},
        {{1520, 1019}, {1, 2, 3, 4}}, {{1289, 2000}, {1, 2, 3}},
        {{800, 600}, {1, 2}},         {{990, 670}, {1, 2, 3}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WindowSizesFitting(c.screen), c.sizes)
            << c.screen.width() << " x " << c.screen.height();
}

TEST(OptionsRules, BackChangeChoicesByDesign) {
    for (int design = 0; design <= 12; ++design) {
        const bool tenPictures = design >= 8 && design <= 11;
        for (bool alwaysOne : {false, true}) {
            const BackChangeChoices c = BackChangeChoicesFor(design, alwaysOne);
            EXPECT_EQ(c.randomEnabled, tenPictures) << design;
            EXPECT_EQ(c.toChangeEnabled, !tenPictures) << design;
            EXPECT_EQ(c.alwaysOneEnabled, !tenPictures) << design;
            const BackChange expected = tenPictures ? BackChange::Random
                                        : alwaysOne ? BackChange::AlwaysOne
                                                    : BackChange::ToChangeDecks;
            EXPECT_EQ(c.selected, expected) << design;
        }
    }
}

TEST(OptionsRules, DesignsAndBackgroundLists) {
    Settings s;
    for (const auto& [item, purple, design] :
         {std::tuple(0, false, 2), std::tuple(1, false, 1), std::tuple(2, false, 3)}) {
        SetAuxDesignItem(s, item);
        EXPECT_EQ(s.AuxDesignPurple, purple);
        EXPECT_EQ(s.AuxDesign, design);
        EXPECT_EQ(AuxDesignItem(s), item);
    }
    SetAuxDesignItem(s, 3);
    EXPECT_TRUE(s.AuxDesignPurple);
    EXPECT_EQ(AuxDesignItem(s), 3);

    s.MenuDesign = 1;
    EXPECT_TRUE(BackgroundListsEnabled(s)) << "only the menu is purple";
    s.TableDesign = 1;
    EXPECT_FALSE(BackgroundListsEnabled(s));
    EXPECT_FALSE(BackgroundColourEnabled(s));
    s.TableDesign = 0;
    s.Background = 0;
    EXPECT_FALSE(BackgroundColourEnabled(s)) << "no design to colour";
    EXPECT_FALSE(IsFontScale(49));
    EXPECT_TRUE(IsFontScale(50));
    EXPECT_TRUE(IsFontScale(150));
    EXPECT_FALSE(IsFontScale(151));
}

TEST(OptionsDialog, BackDesignsOfTenPicturesChangeAtRandom) {
    Settings settings;
    test::FakeGame game(settings);
    OptionsDialog dialog(nullptr, settings, game);
    dialog.BackChangeChoice(1)->click(); // "Always one"
    EXPECT_TRUE(settings.DeckBackAlwaysOne);

    dialog.BackList()->setCurrentIndex(8); // "Animals"
    EXPECT_EQ(settings.DeckBack, 8);
    EXPECT_TRUE(dialog.BackChangeChoice(2)->isChecked());
    EXPECT_TRUE(dialog.BackChangeChoice(2)->isEnabled());
    EXPECT_FALSE(dialog.BackChangeChoice(0)->isEnabled());
    EXPECT_FALSE(dialog.BackChangeChoice(1)->isEnabled());
    EXPECT_FALSE(settings.DeckBackAlwaysOne);

    dialog.BackList()->setCurrentIndex(5); // "Chess"
    EXPECT_TRUE(dialog.BackChangeChoice(0)->isChecked());
    EXPECT_TRUE(dialog.BackChangeChoice(0)->isEnabled());
    EXPECT_TRUE(dialog.BackChangeChoice(1)->isEnabled());
    EXPECT_FALSE(dialog.BackChangeChoice(2)->isEnabled());
}

TEST(OptionsDialog, AChoiceWhosePackIsMissingReturnsToTheBuiltInEntry) {
    Settings settings;
    test::FakeGame game(settings);
    game.packsMissing = true;
    OptionsDialog dialog(nullptr, settings, game);
    dialog.DeckList()->setCurrentIndex(12);
    EXPECT_EQ(dialog.DeckList()->currentIndex(), 0);
    EXPECT_EQ(settings.DeckFace, 0);
    dialog.BackList()->setCurrentIndex(3);
    EXPECT_EQ(dialog.BackList()->currentIndex(), 0);
    EXPECT_EQ(settings.DeckBack, 0);
}

TEST(OptionsDialog, PassportOpensTheAccountsPassport) {
    Settings settings;
    test::FakeGame game(settings);
    OptionsDialog dialog(nullptr, settings, game);
    auto* passport = dialog.findChild<QPushButton*>(QStringLiteral("passport"));
    ASSERT_NE(passport, nullptr);
    ASSERT_TRUE(passport->isEnabled());
    passport->click();
    EXPECT_EQ(game.passportsOpened, 1);
}

TEST(OptionsDialog, FontScalesOutsideTheLimitsChangeNothing) {
    Settings settings;
    test::FakeGame game(settings);
    OptionsDialog dialog(nullptr, settings, game);
    dialog.FontRoleList()->setCurrentIndex(1); // the small font
    QSpinBox* scale = dialog.FontScaleBox();
    QLineEdit* typed = scale->findChild<QLineEdit*>();
    ASSERT_NE(typed, nullptr);
    typed->selectAll();
    QTest::keyClicks(typed, "151");
    scale->interpretText();
    EXPECT_EQ(settings.Font(FontLine::Small).scale, 100);
    typed->selectAll();
    QTest::keyClicks(typed, "120");
    EXPECT_EQ(settings.Font(FontLine::Small).scale, 120);
    EXPECT_EQ(settings.Font(FontLine::Large).scale, 100) << "only the chosen font";
    EXPECT_GT(game.fontChanges, 0);
}

TEST(OptionsDialog, BackgroundListsRestWhileMenuAndTableArePurple) {
    Settings settings;
    settings.MenuDesign = 1;
    settings.TableDesign = 1;
    test::FakeGame game(settings);
    OptionsDialog dialog(nullptr, settings, game);
    EXPECT_FALSE(dialog.BackgroundList()->isEnabled());
    EXPECT_FALSE(dialog.ColourList()->isEnabled());
    dialog.TableDesignList()->setCurrentIndex(0);
    EXPECT_EQ(settings.TableDesign, 0);
    EXPECT_TRUE(dialog.BackgroundList()->isEnabled());
    EXPECT_TRUE(dialog.ColourList()->isEnabled());
}

// The purple dialogs need the graph pack: without it the dialog stays gray
// aristocratic, and the list says so.
TEST(OptionsDialog, ThePurpleDesignStandsOnlyWithItsPictures) {
    Settings settings;
    test::FakeGame game(settings);
    OptionsDialog dialog(nullptr, settings, game);
    dialog.AuxDesignList()->setCurrentIndex(3);
    EXPECT_FALSE(settings.AuxDesignPurple);
    EXPECT_EQ(settings.AuxDesign, 2);
    EXPECT_EQ(dialog.AuxDesignList()->currentIndex(), 0);

    QImage backdrop(500, 400, QImage::Format_RGB32);
    backdrop.fill(QColor(60, 0, 90));
    SetGraphPictures(
        [&backdrop](const std::string& name) { return name == "GFormOpt" ? backdrop : QImage(); });
    dialog.AuxDesignList()->setCurrentIndex(3);
    EXPECT_TRUE(settings.AuxDesignPurple);
    EXPECT_EQ(dialog.AuxDesignList()->currentIndex(), 3);
    EXPECT_EQ(dialog.OkButton()->ColorSB(), TColorSB::QCards);
    dialog.AuxDesignList()->setCurrentIndex(1);
    EXPECT_FALSE(settings.AuxDesignPurple);
    EXPECT_EQ(settings.AuxDesign, 1);
    EXPECT_EQ(dialog.OkButton()->ColorSB(), TColorSB::QRed);
    SetGraphPictures({});
}

TEST(OptionsDialog, DownloadButtonsAreOpenOnlyForPacksNotThere) {
    Settings settings;
    test::FakeGame game(settings);
    // One pack in the program folder, one in the family folder above it.
    std::ofstream(game.ProgramFolder() / "QelCards06A.dll") << "pack";
    std::ofstream(game.ProgramFolder().parent_path() / "QelBackG03.dll") << "pack";
    OptionsDialog dialog(nullptr, settings, game);
    using P = OptionsDialog::Page;
    for (const auto& [page, file, open] :
         {std::tuple(P::Cards, "QelCards06A.dll", false),
          std::tuple(P::Cards, "QelCards06C.dll", true),
          std::tuple(P::Background, "QelBackG03.dll", false),
          std::tuple(P::Packs, "QelBackG03.dll", false), std::tuple(P::Packs, "QelRadio.rad", true),
          std::tuple(P::Design, "QelCGraph1.dll", true)}) {
        SkinnedButton* button = dialog.DownloadButton(page, file);
        ASSERT_NE(button, nullptr) << file;
        EXPECT_EQ(button->isEnabled(), open) << file;
        EXPECT_EQ(button->KLightSB(), open ? 0 : 50) << file;
    }
    EXPECT_EQ(dialog.DownloadButton(P::Design, "QelCGraph1.dll")->text(), "QelCGraph01");
}

TEST(OptionsDialog, OpensOnThePageItWasClosedOn) {
    Settings settings;
    test::FakeGame game(settings);
    {
        OptionsDialog dialog(nullptr, settings, game);
        dialog.ShowPage(OptionsDialog::Page::Fonts);
        dialog.accept();
    }
    OptionsDialog again(nullptr, settings, game);
    EXPECT_EQ(again.CurrentPage(), OptionsDialog::Page::Fonts);
    again.ShowPage(OptionsDialog::Page::General);
    again.accept();
}

// The language list relabels the dialog and, through the game, the main
// window, its menu and pop-up menu at once.
TEST(OptionsDialog, ALanguageChangeRelabelsTheMainWindowAtOnce) {
    auto window = test::StartWindow(Settings());
    MainWindow& form = *window->form;
    form.CurrentSession().Input([](Match& m) { m.LeaveTitle(); });
    test::WaitIdle(form);
    QString dialogTitle;
    test::AnswerNextModal([&dialogTitle](QWidget* dialog) {
        auto* options = qobject_cast<OptionsDialog*>(dialog);
        ASSERT_NE(options, nullptr);
        options->LanguageList()->setCurrentIndex(static_cast<int>(LanguageIndex::Russian));
        dialogTitle = options->windowTitle();
        options->accept();
    });
    form.Menu()->Button(MenuPage::OptionsButton)->click();
    SetLanguage(LanguageIndex::Russian); // the texts below, read in Russian
    EXPECT_EQ(dialogTitle, ScreenText(Text(words::Options)));
    EXPECT_EQ(form.CurrentSettings().LanguageIndex, 1);
    EXPECT_EQ(form.Menu()->Button(MenuPage::ExitButton)->text(), ScreenText(Text(words::Exit)));
    EXPECT_EQ(form.Menu()->Button(MenuPage::TopTenButton)->text(), ScreenText(Text(words::TopTen)));
    EXPECT_EQ(form.HelpAction()->text(), ScreenText(Text(words::Help)));
    EXPECT_EQ(form.windowTitle(), ScreenText(Text(words::GameTitle)));
    EXPECT_EQ(form.Menu()->Button(MenuPage::ExitButton)->text(), "Выход");
    SetLanguage(LanguageIndex::English);
}

} // namespace
} // namespace tavlira
