#include "ui/dialogs/options/OptionsDialog.h"

#include "i18n/words/Login.h"
#include "i18n/words/Menu.h"
#include "i18n/words/Online.h"
#include "i18n/words/Options.h"
#include "i18n/words/Table.h"
#include "ui/artwork/ArtworkTables.h"
#include "ui/artwork/PictureSource.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/BalloonHint.h"
#include "ui/controls/Cursors.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogDesign.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/options/OptionsRules.h"
#include "ui/dialogs/options/PackDownload.h"
#include "ui/dialogs/options/PackServer.h"
#include "util/Cp1251.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace tavlira {
namespace {

constexpr int TabsPerRow = 3;
constexpr QSize PageArea(360, 270);
constexpr QSize FlagSize(100, 68);
constexpr QSize PreviewSize(260, 96);
constexpr int BalloonMs = 5000;
// The four cards of the deck preview, at x = 0, 63, 126 and 189.
constexpr const char* PreviewCards[] = {"\xc2\xf7", "\xc4\xe1", "\xca\xea", "\xd2\xef"};

OptionsDialog::Page rememberedPage = OptionsDialog::Page::General;

QString Screen(const WordTable& table) {
    return ScreenText(Text(table));
}

const WordTable* const TabTitles[OptionsDialog::PageCount] = {
    &words::General, &words::Cards,     &words::Decks,     &words::Game,  &words::Fonts,
    &words::BG,      &words::SaveGames, &words::Libraries, &words::Design};

// The deck list's 14 x 12 flags: the language flags made small.
QIcon SmallFlag(int language) {
    const QImage flag = PictureSource::BuiltIn().Data(FlagPictureName(language));
    if (flag.isNull())
        return {};
    return QIcon(
        QPixmap::fromImage(flag.scaled(14, 12, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

} // namespace

OptionsDialog::OptionsDialog(QWidget* parent, Settings& playerSettings, OptionsHost& game,
                             QString server)
    : QDialog(parent), settings(playerSettings), host(game),
      packServer(server.isEmpty()
                     ? QString::fromUtf8(DefaultPackServer.data(), DefaultPackServer.size())
                     : std::move(server)),
      balloon(new BalloonHint(this)) {
    setModal(true);
    outer = new QVBoxLayout(this);
    outer->setContentsMargins(5, 5, 5, 10);
    redStrip = new QWidget(this);
    redStrip->setFixedHeight(6);
    redStrip->setAutoFillBackground(true);
    QPalette red = redStrip->palette();
    red.setColor(QPalette::Window, QColor(200, 0, 0));
    redStrip->setPalette(red);
    outer->addWidget(redStrip);

    // Three rows of tabs over the pages.
    auto* tabRows = new QGridLayout;
    tabRows->setSpacing(1);
    pages = new QStackedWidget(this);
    pages->setFixedSize(PageArea);
    const std::function<QWidget*(OptionsDialog*)> builders[PageCount] = {
        &OptionsDialog::GeneralPage,   &OptionsDialog::CardsPage, &OptionsDialog::DecksPage,
        &OptionsDialog::GamePage,      &OptionsDialog::FontsPage, &OptionsDialog::BackgroundPage,
        &OptionsDialog::SaveGamesPage, &OptionsDialog::PacksPage, &OptionsDialog::DesignPage};
    for (int i = 0; i < PageCount; ++i) {
        auto* tab = new QPushButton(this);
        tab->setCheckable(true);
        tab->setFocusPolicy(Qt::TabFocus);
        tabs.addButton(tab, i);
        tabButtons.push_back(tab);
        tabRows->addWidget(tab, i / TabsPerRow, i % TabsPerRow);
        Caption([tab](const QString& text) { tab->setText(text); }, *TabTitles[i]);
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("optionsPage"));
        auto* pageLayout = new QVBoxLayout(page);
        pageLayout->setContentsMargins(8, 8, 8, 8);
        pageLayout->addWidget(builders[i](this));
        pageLayout->addStretch();
        pages->addWidget(page);
    }
    connect(&tabs, &QButtonGroup::idClicked, this,
            [this](int id) { ShowPage(static_cast<Page>(id)); });

    auto* left = new QVBoxLayout;
    left->setSpacing(2);
    left->setSizeConstraint(QLayout::SetFixedSize);
    left->addLayout(tabRows);
    left->addWidget(pages);

    flag = new QLabel(this);
    flag->setFixedSize(FlagSize);
    flag->setScaledContents(true);
    animation = new QLabel(this);
    animation->setFixedSize(25, 25);
    animation->setScaledContents(true);
    progress = new QProgressBar(this);
    progress->setFixedWidth(FlagSize.width());
    progress->setTextVisible(false);
    progress->hide();
    okButton = OkOnlyButton(*this);
    okButton->setFixedSize(90, 30);
    auto* right = new QVBoxLayout;
    right->addSpacing(tabRows->sizeHint().height());
    right->addWidget(flag, 0, Qt::AlignHCenter);
    right->addStretch();
    right->addWidget(animation, 0, Qt::AlignLeft);
    right->addWidget(progress, 0, Qt::AlignHCenter);
    right->addSpacing(10);
    right->addWidget(okButton, 0, Qt::AlignHCenter);

    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addSpacing(10);
    body->addLayout(right);
    outer->addLayout(body);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    animationTimer.setInterval(250);
    connect(&animationTimer, &QTimer::timeout, this, &OptionsDialog::AnimateIcon);

    SetControls();
    // Relabelling also puts up the header of the current design.
    Relabel();
    ShowPage(rememberedPage);
}

// A download still running ends with the dialog; the pack on disk stays.
OptionsDialog::~OptionsDialog() {
    if (download)
        Cursors::Instance().EndWait();
}

// --- Building the pages

void OptionsDialog::Caption(std::function<void(const QString&)> set, const WordTable& text) {
    captions.push_back([set = std::move(set), &text] { set(Screen(text)); });
}

QCheckBox* OptionsDialog::Switch(const WordTable& text, bool& value,
                                 std::function<void()> changed) {
    auto* box = new QCheckBox(this);
    Caption([box](const QString& caption) { box->setText(caption); }, text);
    switchSyncs.push_back([box, &value] { box->setChecked(value); });
    connect(box, &QCheckBox::toggled, this, [this, &value, changed = std::move(changed)](bool on) {
        if (setting)
            return;
        value = on;
        if (changed)
            changed();
    });
    return box;
}

QGroupBox* OptionsDialog::Group(const WordTable& title) {
    auto* group = new QGroupBox(this);
    Caption([group](const QString& caption) { group->setTitle(caption); }, title);
    return group;
}

QComboBox* OptionsDialog::List(const std::vector<const WordTable*>& items) {
    auto* list = new QComboBox(this);
    for (std::size_t i = 0; i < items.size(); ++i) {
        list->addItem(QString());
        Caption([list, i](const QString& text) { list->setItemText(static_cast<int>(i), text); },
                *items[i]);
    }
    return list;
}

SkinnedButton* OptionsDialog::DownloadButtonFor(std::string_view fileName, Page page) {
    auto* button = new SkinnedButton(QString::fromStdString(DownloadCaption(fileName)), this);
    SkinDialogButton(*button);
    button->setMinimumWidth(0);
    const std::string file(fileName);
    connect(button, &QPushButton::clicked, this, [this, file] { Download(file); });
    connect(button, &SkinnedButton::MouseEnter, this, [this, button, file] {
        QFont font = FontFace(settings, FontLine::Large);
        font.setPointSize(9);
        balloon->setFont(font);
        balloon->ShowAt(button->mapToGlobal(QPoint(button->width() / 2, button->height())),
                        Screen(words::Download), QString::fromStdString(file), BalloonMs);
    });
    connect(button, &SkinnedButton::MouseLeave, balloon, &QWidget::close);
    downloadButtons.push_back({page, file, button});
    return button;
}

QWidget* OptionsDialog::GeneralPage() {
    auto* page = new QWidget(this);
    auto* layout = new QGridLayout(page);
    languageList = new QComboBox(page);
    for (int i = 0; i < static_cast<int>(LanguageCount); ++i) {
        const QImage picture = PictureSource::BuiltIn().Data(FlagPictureName(i));
        languageList->addItem(picture.isNull()
                                  ? QIcon()
                                  : QIcon(QPixmap::fromImage(picture.scaled(
                                        21, 14, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))),
                              ScreenText(LanguageNames[static_cast<std::size_t>(i)]));
    }
    connect(languageList, &QComboBox::currentIndexChanged, this, &OptionsDialog::LanguageChosen);
    windowSizeList = new QComboBox(page);
    connect(windowSizeList, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (setting || item < 0 || item >= static_cast<int>(windowSizes.size()))
            return;
        settings.WindowSize = windowSizes[static_cast<std::size_t>(item)];
        host.WindowSizeChanged();
        SetGifControls();
    });
    layout->addWidget(languageList, 0, 0);
    layout->addWidget(windowSizeList, 1, 0);
    layout->addWidget(
        Switch(words::Multiplayer, settings.NetworkMode, [this] { host.NetworkModeChanged(); }), 2,
        0);

    QGroupBox* media = Group(words::Multimedia);
    auto* switches = new QVBoxLayout(media);
    switches->setSpacing(1);
    switches->addWidget(Switch(words::Sound, settings.SoundOn, {}));
    switches->addWidget(Switch(words::Music, settings.MusicOn, [this] { host.MusicSwitched(); }));
    switches->addWidget(Switch(words::GifAnimation, settings.GifAnimation, [this] {
        host.AnimationSwitched();
        if (settings.GifAnimation)
            animationTimer.start();
        else
            animationTimer.stop();
    }));
    switches->addWidget(Switch(words::FlyingCardsOption, settings.FlyingCards, {}));
    switches->addWidget(Switch(words::RedMouseCursor, settings.OwnCursor, [this] {
        host.LookChanged();
        StyleButtons();
    }));
    switches->addWidget(Switch(words::NewButtons, settings.NewButtons, [this] {
        host.LookChanged();
        StyleButtons();
    }));
    layout->addWidget(media, 0, 1, 4, 1);

    speedButton = new SkinnedButton(page);
    SkinDialogButton(*speedButton);
    connect(speedButton, &QPushButton::clicked, this, [this] {
        host.ChooseSpeed();
        SetSpeedCaption();
    });
    auto* passport = new SkinnedButton(page);
    SkinDialogButton(*passport);
    passport->setObjectName(QStringLiteral("passport"));
    connect(passport, &QPushButton::clicked, this, [this] { host.OpenPassport(); });
    Caption([passport](const QString& text) { passport->setText(text); }, words::Passport);
    layout->addWidget(speedButton, 4, 0);
    layout->addWidget(passport, 4, 1);
    return page;
}

QWidget* OptionsDialog::CardsPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    std::vector<const WordTable*> deckNames;
    for (const DeckDesign& deck : DeckDesigns())
        deckNames.push_back(deck.name);
    deckList = List(deckNames);
    deckList->setIconSize(QSize(14, 12));
    for (int deck = 0; deck < deckList->count(); ++deck)
        deckList->setItemIcon(
            deck, SmallFlag(static_cast<int>(DeckDesigns()[static_cast<std::size_t>(deck)].flag)));
    deckList->setMaxVisibleItems(16);
    connect(deckList, &QComboBox::currentIndexChanged, this, &OptionsDialog::DeckChosen);
    preview = new QLabel(page);
    preview->setFixedSize(PreviewSize);
    auto* buttons = new QHBoxLayout;
    for (const char* pack : {"QelCards06A.dll", "QelCards06B.dll", "QelCards06C.dll"})
        buttons->addWidget(DownloadButtonFor(pack, Page::Cards));
    layout->addWidget(deckList);
    layout->addWidget(preview, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);
    return page;
}

QWidget* OptionsDialog::DecksPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    std::vector<const WordTable*> backNames;
    for (const BackDesign& back : BackDesigns())
        backNames.push_back(back.name);
    backList = List(backNames);
    connect(backList, &QComboBox::currentIndexChanged, this, &OptionsDialog::BackChosen);
    QGroupBox* modification = Group(words::Modification);
    auto* choices = new QVBoxLayout(modification);
    const WordTable* texts[] = {&words::ToChangeDecks, &words::AlwaysOne, &words::Random};
    for (int i = 0; i < 3; ++i) {
        auto* choice = new QRadioButton(modification);
        Caption([choice](const QString& text) { choice->setText(text); },
                *texts[static_cast<std::size_t>(i)]);
        backChange.addButton(choice, i);
        choices->addWidget(choice);
    }
    connect(&backChange, &QButtonGroup::idClicked, this, [this](int id) {
        if (!setting)
            settings.DeckBackAlwaysOne = static_cast<BackChange>(id) == BackChange::AlwaysOne;
    });
    layout->addWidget(backList);
    layout->addWidget(modification);
    layout->addWidget(DownloadButtonFor(BackLibrary, Page::Decks), 0, Qt::AlignLeft);
    return page;
}

QWidget* OptionsDialog::GamePage() {
    QGroupBox* main = Group(words::Main);
    auto* layout = new QVBoxLayout(main);
    layout->addWidget(Switch(words::FiguresHavePoints, settings.FiguresHavePoints,
                             [this] { host.RulesChanged(); }));
    return main;
}

QWidget* OptionsDialog::FontsPage() {
    auto* page = new QWidget(this);
    auto* layout = new QGridLayout(page);
    fontRoleList = new QComboBox(page);
    for (int i = 0; i < 4; ++i)
        fontRoleList->addItem(QString());
    captions.push_back([this] {
        fontRoleList->setItemText(0, Screen(words::LargeFont));
        fontRoleList->setItemText(1, Screen(words::SmallFont));
        fontRoleList->setItemText(2, Screen(words::SpecialFont) + " 1");
        fontRoleList->setItemText(3, Screen(words::SpecialFont) + " 2");
    });
    connect(fontRoleList, &QComboBox::currentIndexChanged, this, [this] { SetFontControls(); });
    fontFace = new QFontComboBox(page);
    connect(fontFace, &QFontComboBox::currentFontChanged, this, [this] { FontChosen(); });
    fontScale = new QSpinBox(page);
    // The box takes no number outside the limits: such a number is never
    // stored.
    fontScale->setRange(MinFontScale, MaxFontScale);
    connect(fontScale, &QSpinBox::valueChanged, this, [this] { FontChosen(); });
    auto* scaleLabel = new QLabel(page);
    Caption([scaleLabel](const QString& text) { scaleLabel->setText(text); }, words::ScalePercent);
    auto* defaults = new SkinnedButton(page);
    SkinDialogButton(*defaults);
    Caption([defaults](const QString& text) { defaults->setText(text); }, words::Default);
    connect(defaults, &QPushButton::clicked, this, [this] {
        settings.Fonts = DefaultFonts();
        SetFontControls();
        host.FontsChanged();
    });
    auto* note = new QLabel(page);
    note->setWordWrap(true);
    QPalette red = note->palette();
    red.setColor(QPalette::WindowText, QColor(200, 0, 0));
    note->setPalette(red);
    Caption(
        [note](const QString& text) {
            note->setText(QString(text).replace(QStringLiteral("\n\r"), QStringLiteral("\n")) +
                          "!");
        },
        words::FontsWarning);
    layout->addWidget(fontRoleList, 0, 0, 1, 2);
    layout->addWidget(fontFace, 1, 0, 1, 2);
    layout->addWidget(scaleLabel, 2, 0);
    layout->addWidget(fontScale, 2, 1);
    layout->addWidget(defaults, 3, 0, 1, 2, Qt::AlignLeft);
    layout->addWidget(note, 4, 0, 1, 2);
    return page;
}

QWidget* OptionsDialog::BackgroundPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    QGroupBox* group = Group(words::Background);
    auto* lists = new QVBoxLayout(group);
    std::vector<const WordTable*> designs;
    for (int design = 1; design <= BackgroundDesignCount; ++design)
        designs.push_back(BackgroundDesignName(design));
    std::vector<const WordTable*> colours;
    for (int colour = 0; colour < BackgroundColourCount; ++colour)
        colours.push_back(BackgroundColourName(colour));
    backgroundList = List(designs);
    colourList = List(colours);
    connect(backgroundList, &QComboBox::currentIndexChanged, this,
            &OptionsDialog::BackgroundChosen);
    connect(colourList, &QComboBox::currentIndexChanged, this, &OptionsDialog::BackgroundChosen);
    lists->addWidget(backgroundList);
    lists->addWidget(colourList);
    layout->addWidget(group);
    layout->addWidget(DownloadButtonFor(BackgroundLibrary, Page::Background), 0, Qt::AlignLeft);
    return page;
}

QWidget* OptionsDialog::SaveGamesPage() {
    auto* page = new QWidget(this);
    auto* layout = new QGridLayout(page);
    saveGames =
        Switch(words::SaveGamesAsGifs, settings.SaveGamesAsGif, [this] { SetGifControls(); });
    captureList = List({&words::SaveMainWindowOnly, &words::SaveScreenContents});
    connect(captureList, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (!setting && item >= 0)
            settings.GifCaptureMode = item + 1;
    });
    auto* delayLabel = new QLabel(page);
    delayLabel->setWordWrap(true);
    Caption([delayLabel](const QString& text) { delayLabel->setText(text); },
            words::DelayBetweenFrames);
    frameDelay = new QSpinBox(page);
    frameDelay->setRange(MinGifFrameDelay, MaxGifFrameDelay);
    connect(frameDelay, &QSpinBox::valueChanged, this, [this](int delay) {
        if (!setting)
            settings.GifFrameDelay = delay;
    });
    layout->addWidget(saveGames, 0, 0, 1, 2);
    layout->addWidget(captureList, 1, 0, 1, 2);
    layout->addWidget(delayLabel, 2, 0);
    layout->addWidget(frameDelay, 2, 1);
    return page;
}

QWidget* OptionsDialog::PacksPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* grid = new QGridLayout;
    int i = 0;
    for (std::string_view pack : DownloadablePacks) {
        grid->addWidget(DownloadButtonFor(pack, Page::Packs), i / 3, i % 3);
        ++i;
    }
    QGroupBox* radio = Group(words::ReadingRadioList);
    auto* sources = new QVBoxLayout(radio);
    const WordTable* texts[] = {&words::FromTheServer, &words::FromDisk};
    for (int source = 0; source < 2; ++source) {
        auto* choice = new QRadioButton(radio);
        Caption([choice](const QString& text) { choice->setText(text); },
                *texts[static_cast<std::size_t>(source)]);
        radioSource.addButton(choice, source);
        sources->addWidget(choice);
    }
    connect(&radioSource, &QButtonGroup::idClicked, this, [this](int id) {
        if (setting)
            return;
        settings.RadioListFromServer = id;
        host.RadioSourceChanged();
    });
    layout->addLayout(grid);
    layout->addWidget(radio);
    return page;
}

QWidget* OptionsDialog::DesignPage() {
    auto* page = new QWidget(this);
    auto* layout = new QGridLayout(page);
    const auto label = [this, page](const WordTable& text) {
        auto* caption = new QLabel(page);
        Caption([caption](const QString& t) { caption->setText(t); }, text);
        return caption;
    };
    menuDesignList = List({&words::Customizable, &words::Purple});
    tableDesignList = List({&words::Customizable, &words::Purple});
    auxDesignList = List({&words::GrayAristocratic, &words::GrayConcise, &words::GrayWithRedRibbons,
                          &words::Purple});
    connect(menuDesignList, &QComboBox::currentIndexChanged, this,
            &OptionsDialog::MenuDesignChosen);
    connect(tableDesignList, &QComboBox::currentIndexChanged, this,
            &OptionsDialog::TableDesignChosen);
    connect(auxDesignList, &QComboBox::currentIndexChanged, this, &OptionsDialog::AuxDesignChosen);
    QGroupBox* salute = Group(words::Salute);
    auto* switches = new QHBoxLayout(salute);
    saluteButtons = Switch(words::Buttons, settings.SaluteButtons, {});
    saluteCards = Switch(words::Cards, settings.SaluteCards, {});
    switches->addWidget(saluteButtons);
    switches->addWidget(saluteCards);
    layout->addWidget(label(words::MainMenuDesign), 0, 0);
    layout->addWidget(menuDesignList, 1, 0);
    layout->addWidget(label(words::GameTableDesign), 2, 0);
    layout->addWidget(tableDesignList, 3, 0);
    layout->addWidget(label(words::AuxiliaryWindowDesign), 4, 0);
    layout->addWidget(auxDesignList, 5, 0);
    layout->addWidget(salute, 6, 0);
    layout->addWidget(DownloadButtonFor(GraphLibrary, Page::Design), 7, 0, Qt::AlignLeft);
    return page;
}

// --- Setting the controls from the settings

void OptionsDialog::SetControls() {
    setting = true;
    languageList->setCurrentIndex(std::clamp(settings.LanguageIndex, 0, 9));
    for (const auto& sync : switchSyncs)
        sync();
    SetWindowSizes();
    SetSpeedCaption();
    deckList->setCurrentIndex(std::clamp(settings.DeckFace, 0, deckList->count() - 1));
    backList->setCurrentIndex(std::clamp(settings.DeckBack, 0, backList->count() - 1));
    captureList->setCurrentIndex(std::clamp(settings.GifCaptureMode, 1, 2) - 1);
    frameDelay->setValue(settings.GifFrameDelay);
    radioSource.button(settings.RadioListFromServer == 1 ? 1 : 0)->setChecked(true);
    setting = false;
    SetBackChange();
    SetBackgroundLists();
    SetGifControls();
    SetDesignLists();
    SetFontControls();
    SetFlag();
    RefreshDownloadButtons();
    StyleButtons();
    preview->setPixmap(QPixmap::fromImage(Preview()));
    if (settings.GifAnimation)
        animationTimer.start();
    else
        animationTimer.stop();
    AnimateIcon();
}

void OptionsDialog::SetWindowSizes() {
    const bool wasSetting = std::exchange(setting, true);
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    windowSizes = WindowSizesFitting(screen ? screen->geometry().size() : QSize(1920, 1080));
    windowSizeList->clear();
    static constexpr const char* Hints[] = {"760 x 500", "", "990 x 650", "1290 x 850",
                                            "1520 x 1000"};
    for (int size : windowSizes) {
        windowSizeList->addItem(
            Screen(*words::WindowSizeNames[static_cast<std::size_t>(size - 1)]));
        windowSizeList->setItemData(windowSizeList->count() - 1,
                                    QString::fromLatin1(Hints[size - 1]), Qt::ToolTipRole);
    }
    const auto current = std::find(windowSizes.begin(), windowSizes.end(), settings.WindowSize);
    windowSizeList->setCurrentIndex(
        current == windowSizes.end() ? -1 : static_cast<int>(current - windowSizes.begin()));
    setting = wasSetting;
}

void OptionsDialog::SetSpeedCaption() {
    speedButton->setText(Screen(words::Speed) + " = " + QString::number(settings.Speed));
}

void OptionsDialog::SetBackChange() {
    const BackChangeChoices choices =
        BackChangeChoicesFor(settings.DeckBack, settings.DeckBackAlwaysOne);
    backChange.button(0)->setEnabled(choices.toChangeEnabled);
    backChange.button(1)->setEnabled(choices.alwaysOneEnabled);
    backChange.button(2)->setEnabled(choices.randomEnabled);
    backChange.button(static_cast<int>(choices.selected))->setChecked(true);
}

void OptionsDialog::SetBackgroundLists() {
    const bool wasSetting = std::exchange(setting, true);
    backgroundList->setCurrentIndex(
        settings.Background >= 1 && settings.Background <= 10 ? settings.Background - 1 : -1);
    colourList->setCurrentIndex(std::clamp(settings.BackgroundVariant, 0, 6));
    backgroundList->setEnabled(BackgroundListsEnabled(settings));
    colourList->setEnabled(BackgroundColourEnabled(settings));
    setting = wasSetting;
}

void OptionsDialog::SetGifControls() {
    const bool open = GifSavingOpen(settings);
    if (!open)
        settings.SaveGamesAsGif = false;
    const bool wasSetting = std::exchange(setting, true);
    saveGames->setChecked(settings.SaveGamesAsGif);
    setting = wasSetting;
    saveGames->setEnabled(open);
    captureList->setEnabled(settings.SaveGamesAsGif);
    frameDelay->setEnabled(settings.SaveGamesAsGif);
}

void OptionsDialog::SetDesignLists() {
    const bool graph = PackPresent(host.Pictures().Folders(), GraphLibrary);
    if (!graph) {
        settings.SaluteButtons = false;
        settings.SaluteCards = false;
    }
    const bool wasSetting = std::exchange(setting, true);
    menuDesignList->setCurrentIndex(settings.MenuDesign == 1 ? 1 : 0);
    tableDesignList->setCurrentIndex(settings.TableDesign == 1 ? 1 : 0);
    auxDesignList->setCurrentIndex(AuxDesignItem(settings));
    saluteButtons->setChecked(settings.SaluteButtons);
    saluteCards->setChecked(settings.SaluteCards);
    setting = wasSetting;
    saluteButtons->setEnabled(graph);
    saluteCards->setEnabled(graph);
}

void OptionsDialog::SetFontControls() {
    const bool wasSetting = std::exchange(setting, true);
    const int role = std::max(0, fontRoleList->currentIndex());
    const FontChoice& font = settings.Font(static_cast<FontLine>(role));
    fontFace->setCurrentFont(QFont(FromBytes(font.name)));
    fontScale->setValue(IsFontScale(font.scale) ? font.scale : 100);
    setting = wasSetting;
}

void OptionsDialog::SetFlag() {
    flag->setPixmap(
        QPixmap::fromImage(PictureSource::BuiltIn().Data(FlagPictureName(settings.LanguageIndex))));
}

void OptionsDialog::RefreshDownloadButtons() {
    const bool busy = download != nullptr;
    for (const DownloadButtonOf& pack : downloadButtons) {
        const bool open = !busy && !PackPresent(host.Pictures().Folders(), pack.fileName);
        pack.button->setEnabled(open);
        pack.button->SetKLightSB(open ? 0 : 50);
    }
}

// Every skinned button of the dialog follows "New buttons"; in the purple
// design they wear the card skin.
void OptionsDialog::StyleButtons() {
    const bool purple = header && header->Design() == DialogDesign::Purple;
    for (SkinnedButton* button : findChildren<SkinnedButton*>()) {
        button->SetPlenk(settings.NewButtons);
        if (purple)
            SkinButton(*button, TColorSB::QCards, PurpleDesignText);
    }
    QFont bold = FontFace(settings, FontLine::Large);
    bold.setPixelSize(FontSize(settings, FontLine::Large, 20));
    bold.setBold(true);
    okButton->setFont(bold);
    speedButton->setFont(bold);
    QFont tabFont = FontFace(settings, FontLine::Small);
    tabFont.setPixelSize(FontSize(settings, FontLine::Small, 16));
    for (QAbstractButton* tab : tabButtons)
        tab->setFont(tabFont);
    QFont regular = FontFace(settings, FontLine::Large);
    regular.setPixelSize(FontSize(settings, FontLine::Large, 12));
    for (const DownloadButtonOf& pack : downloadButtons)
        pack.button->setFont(regular);
}

void OptionsDialog::Relabel() {
    setWindowTitle(Screen(words::Options));
    for (const auto& caption : captions)
        caption();
    SetWindowSizes();
    SetSpeedCaption();
    Redesign();
}

// The header of the current design, in place of the one shown before.
void OptionsDialog::Redesign() {
    if (header) {
        outer->removeWidget(header);
        delete header;
        header = nullptr;
    }
    DialogHeader look{Screen(words::Options)};
    look.concisePicture = LocalizedName("Options");
    look.ribbonLettering = LocalizedName("GFormOpt");
    look.purpleBackdrop = "GFormOpt";
    look.purpleOverlay = LocalizedName("GFormOpt");
    look.purpleIcon = "GIcon48Opt";
    setPalette(style()->standardPalette());
    header = ApplyDialogDesign(*this, *outer, look, settings);
    const bool purple = header->Design() == DialogDesign::Purple;
    redStrip->setVisible(!purple);
    pages->setStyleSheet(purple ? QStringLiteral("#optionsPage { background: qlineargradient(x1:0, "
                                                 "y1:0, x2:0, y2:1, stop:0 rgb(200,180,255), "
                                                 "stop:1 rgb(240,220,255)); }")
                                : QString());
    if (!purple)
        for (SkinnedButton* button : findChildren<SkinnedButton*>())
            SkinDialogButton(*button);
    StyleButtons();
    RefreshDownloadButtons();
    update();
}

// --- The player's choices

void OptionsDialog::LanguageChosen(int item) {
    if (setting || item < 0)
        return;
    settings.LanguageIndex = item;
    SetLanguage(LanguageAt(item).value_or(LanguageIndex::English));
    Relabel();
    SetFlag();
    host.LanguageChanged();
}

void OptionsDialog::DeckChosen(int item) {
    if (setting || item < 0)
        return;
    settings.DeckFace = item;
    const ArtworkLoad load = host.DeckChanged();
    if (!load.ok) {
        const bool wasSetting = std::exchange(setting, true);
        deckList->setCurrentIndex(settings.DeckFace);
        backList->setCurrentIndex(settings.DeckBack);
        setting = wasSetting;
        SetBackChange();
    }
    preview->setPixmap(QPixmap::fromImage(Preview()));
}

void OptionsDialog::BackChosen(int item) {
    if (setting || item < 0)
        return;
    settings.DeckBack = item;
    if (!host.BacksChanged().ok) {
        const bool wasSetting = std::exchange(setting, true);
        backList->setCurrentIndex(settings.DeckBack);
        deckList->setCurrentIndex(settings.DeckFace);
        setting = wasSetting;
        preview->setPixmap(QPixmap::fromImage(Preview()));
    }
    // A design of ten pictures changes the back at random: "Always one"
    // no longer holds.
    if (BackChangeChoicesFor(settings.DeckBack, false).selected == BackChange::Random)
        settings.DeckBackAlwaysOne = false;
    SetBackChange();
}

void OptionsDialog::BackgroundChosen() {
    if (setting || backgroundList->currentIndex() < 0)
        return;
    settings.Background = backgroundList->currentIndex() + 1;
    settings.BackgroundVariant = std::max(0, colourList->currentIndex());
    if (settings.MenuDesign != 1)
        host.BackgroundChanged();
    SetBackgroundLists();
}

void OptionsDialog::MenuDesignChosen(int item) {
    if (setting || item < 0)
        return;
    settings.MenuDesign = item;
    host.DesignChanged();
    SetDesignLists();
    SetBackgroundLists();
}

void OptionsDialog::TableDesignChosen(int item) {
    if (setting || item < 0)
        return;
    settings.TableDesign = item;
    if (!host.DesignChanged()) {
        // Without the purple design's pack all three designs go back.
        settings.AuxDesignPurple = false;
        Redesign();
    }
    SetDesignLists();
    SetBackgroundLists();
}

void OptionsDialog::AuxDesignChosen(int item) {
    if (setting || item < 0)
        return;
    SetAuxDesignItem(settings, item);
    Redesign();
    SetDesignLists(); // a purple design without its pack went back to gray
}

void OptionsDialog::FontChosen() {
    if (setting)
        return;
    const int role = std::max(0, fontRoleList->currentIndex());
    FontChoice& font = settings.Font(static_cast<FontLine>(role));
    // The settings file keeps names in code page 1251: a face it cannot
    // write is not taken.
    const std::string name = Utf8ToCp1251(fontFace->currentFont().family().toStdString());
    if (Cp1251ToUtf8(name) == fontFace->currentFont().family().toStdString() && name.size() > 1)
        font.name = name;
    if (IsFontScale(fontScale->value()))
        font.scale = fontScale->value();
    StyleButtons();
    host.FontsChanged();
}

// --- Downloads

void OptionsDialog::Download(std::string_view fileName) {
    if (download)
        return;
    balloon->close();
    const std::filesystem::path target = host.ProgramFolder().parent_path() / fileName;
    download = new PackDownload(PackUrl(packServer, fileName), target, this);
    connect(download, &PackDownload::Progress, this, [this](qint64 received, qint64 total) {
        progress->setRange(0, total > 0 ? 1000 : 0);
        if (total > 0)
            progress->setValue(static_cast<int>(received * 1000 / total));
    });
    connect(download, &PackDownload::Finished, this, &OptionsDialog::DownloadEnded);
    Cursors::Instance().BeginWait();
    progress->setRange(0, 0);
    progress->show();
    RefreshDownloadButtons();
    download->Start();
}

void OptionsDialog::DownloadEnded(bool ok) {
    Cursors::Instance().EndWait();
    progress->hide();
    download->deleteLater();
    download = nullptr;
    if (ok)
        host.PlaySuccess();
    else
        host.PlayFailure();
    RefreshDownloadButtons();
    SetDesignLists();
    emit DownloadFinished(ok);
}

// --- Pages and painting

OptionsDialog::Page OptionsDialog::CurrentPage() const {
    return static_cast<Page>(std::max(0, pages->currentIndex()));
}

void OptionsDialog::ShowPage(Page page) {
    const int index = static_cast<int>(page);
    pages->setCurrentIndex(index);
    tabs.button(index)->setChecked(true);
    RefreshDownloadButtons();
}

OptionsDialog::Page OptionsDialog::RememberedPage() {
    return rememberedPage;
}

void OptionsDialog::RememberPage(Page page) {
    rememberedPage = page;
}

const char* OptionsDialog::PageName(Page page) {
    static constexpr const char* Names[PageCount] = {
        "general", "cards", "decks", "game", "fonts", "bg", "savegames", "packs", "design"};
    return Names[static_cast<std::size_t>(page)];
}

QRadioButton* OptionsDialog::BackChangeChoice(int choice) const {
    return qobject_cast<QRadioButton*>(backChange.button(choice));
}

SkinnedButton* OptionsDialog::DownloadButton(Page page, std::string_view fileName) const {
    for (const DownloadButtonOf& pack : downloadButtons)
        if (pack.page == page && pack.fileName == fileName)
            return pack.button;
    return nullptr;
}

// The jack of hearts, queen of diamonds, king of clubs and ace of spades at
// the size of the small window, whatever the window's size.
QImage OptionsDialog::Preview() const {
    QImage picture(PreviewSize, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const PictureStore& store = host.Pictures();
    for (int i = 0; i < 4; ++i) {
        const std::string_view code(PreviewCards[i], 2);
        const QImage bitmap = store.FaceBitmap(code);
        const QRect cell(i * 63, 0, 71, 96);
        if (!bitmap.isNull()) {
            painter.fillRect(cell.adjusted(1, 1, -1, -1), Qt::white);
            painter.drawImage(cell.topLeft() + QPoint(1, 1), bitmap);
            painter.setPen(Qt::black);
            painter.drawRoundedRect(QRectF(cell).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        } else {
            painter.drawImage(cell, store.FacePicture(code));
        }
    }
    return picture;
}

// The small animation: the suits of the deck in turn.
void OptionsDialog::AnimateIcon() {
    static constexpr char Suits[] = {'\xf7', '\xe1', '\xea', '\xef'};
    animationFrame = (animationFrame + 1) % 4;
    animation->setPixmap(QPixmap::fromImage(
        host.Pictures().LargeSuitIcon(Suits[static_cast<std::size_t>(animationFrame)])));
}

void OptionsDialog::done(int result) {
    rememberedPage = CurrentPage();
    balloon->close();
    QDialog::done(result);
}

} // namespace tavlira
