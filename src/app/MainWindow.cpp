#include "app/MainWindow.h"

#include "app/BoardFigures.h"
#include "app/ChatPanel.h"
#include "app/DuelTable.h"
#include "app/GameFigures.h"
#include "app/GameReplay.h"
#include "app/GraphPack.h"
#include "app/MenuMusicAndRadio.h"
#include "app/OnlineTable.h"
#include "app/WindowLook.h"
#include "i18n/words/Login.h"
#include "i18n/words/Media.h"
#include "i18n/words/Menu.h"
#include "i18n/words/Online.h"
#include "i18n/words/Options.h"
#include "i18n/words/Records.h"
#include "i18n/words/Replay.h"
#include "i18n/words/Table.h"
#include "online/Account.h"
#include "online/Services.h"
#include "online/World.h"
#include "online/qt/ServiceAddress.h"
#include "records/OnlineFiles.h"
#include "ui/artwork/ArtworkTables.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogDesign.h"
#include "ui/dialogs/MessageBox.h"
#include "ui/dialogs/options/OptionsDialog.h"
#include "ui/dialogs/radio/MenuMedia.h"
#include "ui/dialogs/radio/RadioDialog.h"
#include "ui/window/MenuPage.h"
#include "ui/window/TableView.h"
#include "ui/window/TitlePage.h"
#include "util/TextCipher.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QShortcut>
#include <QtConcurrent/QtConcurrentRun>

namespace tavlira {
namespace {

// Why the last game's log was refused, in the player's language.
QString ReplayRefusal(const LogError& refused) {
    const QString line = QString::number(refused.line);
    switch (refused.fault) {
    case LogFault::Unreadable:
        return ScreenText(Text(words::ReplayFileUnreadable));
    case LogFault::Damaged:
        return ScreenText(Text(words::ReplayFileDamagedAt)).arg(line);
    case LogFault::AgainstTheRules:
        break;
    }
    return refused.line > 0 ? ScreenText(Text(words::ReplayMoveAgainstRulesAt)).arg(line)
                            : ScreenText(Text(words::ReplayOtherResult));
}

} // namespace

MainWindow::MainWindow(std::filesystem::path folder, std::optional<std::uint32_t> seed,
                       QWidget* parent)
    : QWidget(parent), session(std::move(folder), seed, *this),
      // The "Please, wait..." banner never stays behind a box.
      dialogs(this, session.CurrentSettings(),
              [this] {
                  if (tableView->WaitBannerShown())
                      tableView->ShowWaitBanner(false);
              }),
      webServices(ServiceBaseOverride({})),
      onlineAccount(webServices, session.ProgramFolder().parent_path()),
      onlineDialogs(this, dialogs, onlineAccount, session.CurrentSettings(), session.Records()),
      ratedSeries(onlineAccount,
                  {[this] { session.Media().PlayEffect(Effect::Failure, false); },
                   [this](const QString& question) { return dialogs.Ask(question); }}),
      scale(TableScale::ForMode(WindowSizeMode::Small, QSize())),
      gifRecorder(*this, session.CurrentSettings(), session.ProgramFolder()),
      pages(new QStackedWidget(this)), titlePage(new TitlePage(pictures, scale)),
      menuPage(new MenuPage(pictures.Background(), session.CurrentSettings())),
      tableView(new TableView(session.CurrentMatch(), session.CurrentSettings(), pictures, scale)) {
    setFocusPolicy(Qt::StrongFocus);
    pictures.SetPackFolders(SearchFolders(session.ProgramFolder(),
                                          QCoreApplication::applicationDirPath().toStdString()));
    for (QWidget* page : {static_cast<QWidget*>(titlePage), static_cast<QWidget*>(menuPage),
                          static_cast<QWidget*>(tableView)})
        pages->addWidget(page);
    menuPage->SetCalendarPlaces(CalendarPackPlaces(session.ProgramFolder()));
    connect(titlePage, &TitlePage::Left, this, &MainWindow::LeaveTitle);
    connect(menuPage, &MenuPage::PlayerChosen, this, &MainWindow::OpenLogin);
    connect(menuPage, &MenuPage::ExitChosen, this, &QWidget::close);
    connect(menuPage, &MenuPage::HistoryChosen, this, &MainWindow::ShowHistory);
    connect(menuPage, &MenuPage::TopTenChosen, this,
            [this] { dialogs.ShowTopTen(session.Records(), session.CurrentMatch().RecordKind()); });
    connect(menuPage, &MenuPage::IconChosen, this, &MainWindow::OpenMenuIcon);
    connect(menuPage, &MenuPage::OptionsChosen, this, &MainWindow::ShowOptions);
    connect(menuPage, &MenuPage::ClubListModeSwitched, this, &MainWindow::SoundOfOpening);
    connect(&onlineAccount, &OnlineAccount::Changed, this,
            [this] { menuPage->SetAccountState(onlineAccount.State()); });
    connect(menuPage, &MenuPage::NewsChosen, this, &MainWindow::OpenNews);
    connect(menuPage, &MenuPage::ChatChosen, this, &MainWindow::OpenChat);
    onlineChecks.setInterval(10000);
    connect(&onlineChecks, &QTimer::timeout, this, &MainWindow::OnlineCheckTick);
    connect(menuPage, &MenuPage::BoardFigureWanted, this, [this](int variant) {
        FetchBoardFigure(onlineAccount, variant, menuPage, [this, variant](const BoardFigure& f) {
            menuPage->ShowBoardFigure(variant, f.value, f.hint);
        });
    });
    connect(&session, &Session::InputOpen, tableView, &TableView::SetInputOpen);
    duel = std::make_unique<DuelTable>(session, this);
    onlineTable =
        std::make_unique<OnlineTable>(session, webServices, onlineAccount, *tableView, dialogs);
    // The lobby seats the player; the table socket plays the game and hands
    // the player back to the lobby once it is recorded.
    tournament = std::make_unique<TournamentDialogs>(
        this, dialogs, onlineAccount, onlineDialogs, *onlineTable,
        [this] { return !graphPack->Picture("GTouch").isNull(); });
    connect(&tournament->Lobby(), &TournamentLobby::Refused, this, &MainWindow::PlayFailure);
    connect(onlineTable.get(), &OnlineTable::dealt, this,
            [this](bool first) { tournament->Lobby().Dealt(first); });
    // The lobby is a modal dialog: it opens once the table game's own
    // handler has returned, and only for a player still logged in.
    connect(onlineTable.get(), &OnlineTable::backToLobby, this, [this] {
        QTimer::singleShot(0, this, [this] {
            if (onlineAccount.LoggedIn())
                OpenTournament();
        });
    });
    chatPanel = new ChatPanel(*duel, *tableView);
    connect(chatPanel, &ChatPanel::RevealToggled, this,
            [this] { tableView->SetOpponentRevealed(!tableView->OpponentRevealed()); });
    graphPack = std::make_unique<GraphPack>(pictures.Folders());
    SetGraphPictures([this](const std::string& name) { return graphPack->Picture(name); });
    look = new WindowLook(
        session.CurrentSettings(), [this] { return graphPack->Picture("GTouch"); }, this);
    ConnectTable();
    CreatePopupMenu();
    CreateMusicAndRadio();
    new QShortcut(QKeySequence(Qt::Key_F1), this, this, &MainWindow::ShowHelpTopic);
    ApplyLanguage();
}

MainWindow::~MainWindow() {
    SetGraphPictures({});
}

void MainWindow::OpenTournament() {
    tournament->Open();
}

// The icons of the menu's two columns.
void MainWindow::OpenMenuIcon(MenuIcon icon) {
    switch (icon) {
    case MenuIcon::Help:
        return dialogs.HelpContents();
    case MenuIcon::MoreGames:
        return dialogs.Advertising();
    case MenuIcon::Support:
        return dialogs.Support();
    case MenuIcon::Tournament:
        return OpenTournament();
    case MenuIcon::WorldTopTen:
        return onlineDialogs.WorldTopTen();
    case MenuIcon::Statistics:
        return onlineDialogs.WorldStats();
    case MenuIcon::Account:
        return OpenAccount();
    case MenuIcon::AndroidPackage:
    case MenuIcon::GooglePlay:
        return; // not shown
    }
}

void MainWindow::OpenAccount() {
    onlineDialogs.Account();
    if (onlineAccount.State() == AccountState::RatedGame && screen == Screen::Menu &&
        !session.CurrentSettings().NetworkMode)
        StartRatedSeries();
}

// The account is charged for the match on the web server before it starts;
// meanwhile the menu takes no clicks.
void MainWindow::StartRatedSeries() {
    pages->setEnabled(false);
    ratedSeries.Start([this](const std::optional<online::GameStats>& stats) {
        pages->setEnabled(true);
        if (!stats)
            return dialogs.Notice(ScreenText(Text(words::CouldNotConnectToServer)), {}, {});
        tableView->SetOpponentRevealed(false);
        const Match::RatedStanding standing{stats->KonL, stats->Score, stats->Rating};
        InputWhenIdle([nick = onlineAccount.Record().Nick, standing](Match& m) {
            m.StartRatedMatch(nick, standing);
        });
    });
}

// The match waits behind the "Please, wait..." banner until the web server
// has booked it; the table takes no clicks meanwhile.
void MainWindow::FinishRatedSeries(const match_event::RatedMatchEnded& ended) {
    pages->setEnabled(false);
    ratedSeries.Finish(ended.result, ended.matchScore, [this](const RatedSeries::Booking& b) {
        pages->setEnabled(true);
        InputWhenIdle([rating = b.rating](Match& m) { m.RatedMatchBooked(rating); });
    });
}

void MainWindow::InputWhenIdle(std::function<void(Match&)> step) {
    if (session.Input(step))
        return;
    QTimer::singleShot(20, this, [this, step = std::move(step)] { InputWhenIdle(step); });
}

void MainWindow::StartOnline() {
    webServices.ReadDirectory(
        this, [this](const std::optional<online::ServiceDirectory>& directory) {
            // The settings keep the world top ten's and the statistics' addresses
            // as they are written, enciphered.
            Settings& settings = session.CurrentSettings();
            if (directory && directory->tournament)
                settings.WorldTopTenAddress =
                    EncodeText(*directory->tournament, CipherKey::ServiceAddress);
            if (directory && directory->statistics)
                settings.StatisticsAddress =
                    EncodeText(*directory->statistics, CipherKey::ServiceAddress);
            onlineAccount.LogInRemembered([](bool) {});
            // A copy labelled "idd" in its club file does not count its starts.
            if (session.DistributionLabel() != "idd")
                CountStart();
        });
}

// Each start is counted once; the first start of an installation also as
// a unique one, which the settings then remember.
void MainWindow::CountStart() {
    Settings& settings = session.CurrentSettings();
    online::CountStartRequest request;
    request.stat2 = settings.InstallReported ? 0 : 1;
    webServices.Send(request, this, [&settings, unique = request.stat2](const ServiceAnswer& a) {
        if (unique && a.done && online::ReadDoneAnswer(a.text))
            settings.InstallReported = true;
    });
}

// After the end of a cycle against the computer, the score may go to the
// world top ten; rated play posts its own results.
void MainWindow::OfferWorldResult(const match_event::EndOfCycle& end) {
    if (session.CurrentSettings().NetworkMode || onlineAccount.State() == AccountState::RatedGame)
        return;
    onlineDialogs.Result(end.outcome.cycleScore);
}

void MainWindow::CheckNews() {
    webServices.Client().GetText(
        webServices.At(online::NewsPath), this, [this](const ServiceAnswer& answer) {
            if (!answer.done)
                return;
            newestNews = online::ReadNewsNumber(answer.text);
            const bool waiting = newestNews > ReadNewsMarker(onlineAccount.FamilyFolder());
            menuPage->SetIndicators(waiting, menuPage->ChatWaiting());
        });
}

// The news only while the menu shows; the chat at the table too.
void MainWindow::OnlineCheckTick() {
    ++onlineCheckTicks;
    if (screen == Screen::Menu && onlineCheckTicks % 3 == 0 && !menuPage->NewsWaiting())
        CheckNews();
    if (onlineCheckTicks % 90 == 0 && !menuPage->ChatWaiting())
        CheckChat(true);
}

void MainWindow::CheckChat(bool onTick) {
    online::BoardRecordsRequest request;
    request.gid = online::ChatBoardId;
    webServices.Send(request, this, [this, onTick](const ServiceAnswer& answer) {
        const auto rows = answer.done ? online::ReadRecordsAnswer(answer.text, online::ChatBoardId)
                                      : std::nullopt;
        long long newest = 0;
        for (const online::RecordRow& row : rows.value_or(std::vector<online::RecordRow>{}))
            newest = std::max<long long>(newest, row.Score);
        const ChatMarker marker = ReadChatMarker(onlineAccount.FamilyFolder());
        const bool waiting = newest > marker.newestSeen;
        menuPage->SetIndicators(menuPage->NewsWaiting(), waiting);
        if (!waiting || !onTick)
            return;
        session.Media().PlayEffect(Effect::Success, false);
        if (screen == Screen::Table && marker.openOnNewMessage && !onlineDialogs.ChatOpen())
            OpenChat();
    });
}

// The news page opens in the browser and counts as read.
void MainWindow::OpenNews() {
    SoundOfOpening();
    QDesktopServices::openUrl(webServices.At(online::NewsPath));
    if (newestNews > 0)
        WriteNewsMarker(onlineAccount.FamilyFolder(), newestNews);
    menuPage->SetIndicators(false, menuPage->ChatWaiting());
}

void MainWindow::OpenChat() {
    SoundOfOpening();
    onlineDialogs.Chat(windowTitle());
    menuPage->SetIndicators(menuPage->NewsWaiting(), false);
}

bool MainWindow::Start() {
    if (!dialogs.ShowStartupCheck(session.Start()))
        return false;
    ApplyLanguage();
    ApplyWindowSize();
    look->Refresh();
    ShowScreen(Screen::Title);
    if (!musicAndRadio->Start())
        ErrorBox(this, ScreenText(Text(words::CantCreateMusicFile)));
    return true;
}

// --- Music and radio

void MainWindow::CreateMusicAndRadio() {
    musicAndRadio =
        std::make_unique<MenuMusicAndRadio>(session.ProgramFolder(), session.CurrentSettings());
    menuRadio = new MenuRadio(musicAndRadio->CurrentRadio(), menuPage);
    menuMusic = new MenuMusic(musicAndRadio->Songs(), menuPage);
    menuPage->SetMediaControls(menuRadio, menuMusic);
    connect(menuRadio, &MenuRadio::DialogWanted, this, &MainWindow::ShowRadio);
    connect(menuRadio, &MenuRadio::NoticeWanted, this, &MainWindow::RadioNotFound);
}

void MainWindow::ShowRadio() {
    if (screen == Screen::Title)
        return;
    Radio& radio = musicAndRadio->CurrentRadio();
    if (!radio.Available() && radio.Status() != RadioStatus::Checking)
        return RadioNotFound();
    SoundOfOpening();
    RadioDialog dialog(this, radio, session.CurrentSettings());
    dialog.exec();
}

void MainWindow::RadioNotFound() {
    dialogs.Notice(ScreenText(Text(words::CantFind)) + StationListDiskFile + " + " +
                       RadioPicturePackName,
                   {}, {});
}

void MainWindow::ConnectTable() {
    const auto forward = [this](auto step) {
        return [this, step](auto... args) {
            if (replay)
                return; // a game shown again takes no clicks
            session.Input([&](Match& match) { step(match, args...); });
        };
    };
    connect(tableView, &TableView::HandClicked, this,
            forward([](Match& m, int place, MouseButton button) { m.ClickHand(place, button); }));
    connect(tableView, &TableView::TableClicked, this,
            forward([](Match& m, int place, MouseButton button) { m.ClickTable(place, button); }));
    // The festive burst on a click at a card of the hand or the table.
    const auto saluteCard = [this](int /*place*/, MouseButton button) {
        if (button == MouseButton::Left)
            look->Salute(session.CurrentSettings().SaluteCards, QCursor::pos());
    };
    connect(tableView, &TableView::HandClicked, this, saluteCard);
    connect(tableView, &TableView::TableClicked, this, saluteCard);
    connect(tableView, &TableView::PanelClicked, this, forward([](Match& m) { m.ClickPanel(); }));
    connect(tableView, &TableView::StartPressed, this, [this] {
        tableView->CloseHint();
        session.Input([](Match& m) { m.PressStart(); });
    });
    connect(tableView, &TableView::SecondPressed, this, [this] {
        if (replay)
            return LeaveReplay();
        tableView->CloseHint();
        session.Input([](Match& m) { m.PressSecond(); });
    });
}

void MainWindow::CreatePopupMenu() {
    popupMenu = new QMenu(this);
    generalScoreAction = popupMenu->addAction(QString(), this, &MainWindow::ShowGeneralCount);
    quitAction = popupMenu->addAction(QString(), this, &MainWindow::QuitToMenu);
    changeNameAction = popupMenu->addAction(QString(), this, &MainWindow::ChangeName);
    speedAction = popupMenu->addAction(QString(), this, &MainWindow::ShowSpeed);
    networkModeAction = popupMenu->addAction(QString());
    networkModeAction->setCheckable(true);
    connect(networkModeAction, &QAction::triggered, this, &MainWindow::SwitchNetworkMode);
    popupMenu->addSeparator();
    helpAction = popupMenu->addAction(QString(), this, [this] {
        SoundOfOpening();
        dialogs.HelpContents();
    });
    aboutAction = popupMenu->addAction(QString(), this, [this] {
        SoundOfOpening();
        dialogs.About();
    });
    radioAction = popupMenu->addAction(QString(), this, &MainWindow::ShowRadio);
    chatAction = popupMenu->addAction(QString(), this, &MainWindow::OpenChat);
    replayAction = popupMenu->addAction(QString(), this, &MainWindow::ReplayLastGame);
    replayAction->setEnabled(false);
    CreateReplayMenu();
    hintAction = popupMenu->addAction(QString(), this, &MainWindow::AskMoveHint);
    hintAction->setShortcut(QKeySequence(Qt::Key_H));
    hintAction->setShortcutVisibleInContextMenu(true);
    connect(popupMenu, &QMenu::aboutToShow, this,
            [this] { hintAction->setEnabled(MoveHintAllowed()); });
    connect(&hintSearch, &QFutureWatcher<engine::ExpertChoice>::finished, this, [this] {
        const engine::ExpertChoice choice = hintSearch.result();
        const GameState& now = session.CurrentMatch().State();
        const bool sameTurn = MoveHintAllowed() && now.GameCounter == hintAskedAt.GameCounter &&
                              now.Hand == hintAskedAt.Hand && now.Table == hintAskedAt.Table &&
                              now.PickedHandSlot == hintAskedAt.PickedHandSlot;
        if (!choice.noMove && sameTurn)
            tableView->ShowMoveHint({choice.handPlace, choice.capture, choice.layOffPlace});
    });
    generalScoreAction->setEnabled(false);
    quitAction->setEnabled(false);
    changeNameAction->setEnabled(false);
    networkModeAction->setEnabled(false);
}

// The captions of the window and its pop-up menu in the current language.
// The menu and the table, when shown, are relabelled by their redraw.
void MainWindow::ApplyLanguage() {
    setWindowTitle(ScreenText(Text(words::GameTitle)));
    generalScoreAction->setText(ScreenText(Text(words::GeneralScore)));
    quitAction->setText(ScreenText(Text(words::ExitToMenu)));
    changeNameAction->setText(ScreenText(Text(words::ChangeName)));
    speedAction->setText(ScreenText(Text(words::Speed)));
    networkModeAction->setText(ScreenText(Text(words::Multiplayer)));
    helpAction->setText(ScreenText(Text(words::Help)));
    aboutAction->setText(ScreenText(Text(words::About)));
    radioAction->setText(ScreenText(Text(words::Radio)));
    replayAction->setText(ScreenText(Text(words::ReplayLastGame)));
    replayPauseAction->setText(ScreenText(Text(words::PauseReplay)));
    replayStepAction->setText(ScreenText(Text(words::NextMove)));
    replayLeaveAction->setText(ScreenText(Text(words::ExitToMenu)));
    hintAction->setText(ScreenText(Text(words::Hint)));
    chatAction->setText(ScreenText(Text(words::Chat)));
}

// --- Window size and screens

void MainWindow::ApplyWindowSize() {
    Settings& settings = session.CurrentSettings();
    settings.WindowSize = std::clamp(settings.WindowSize, 1, 5);
    // Games are recorded only in the smallest window.
    if (settings.WindowSize != 1)
        settings.SaveGamesAsGif = false;
    const auto mode = static_cast<WindowSizeMode>(settings.WindowSize);
    const QScreen* desktop = QGuiApplication::primaryScreen();
    const QSize screenSize = desktop ? desktop->geometry().size() : QSize(1920, 1080);
    scale = TableScale::ForMode(mode, screenSize);
    tableView->ForgetDrawing();
    const QSize client = scale.ClientSize();
    // The background of the screen shown: the table's design at the table.
    const int design = screen == Screen::Table ? settings.TableDesign : settings.MenuDesign;
    ArtworkLoad load = pictures.LoadBackground(
        design == 1, settings.Background, settings.BackgroundVariant, settings.WindowSize, client);
    load.Merge(pictures.LoadDeckFaces(settings.DeckFace, settings.DeckBack,
                                      PictureSizeClass(scale.Scale())));
    TakeArtworkLoad(load);
    if (mode == WindowSizeMode::FullScreen) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setGeometry(QRect(QPoint(0, 0), client));
        setWindowState(windowState() | Qt::WindowFullScreen);
    } else {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        setFixedSize(client);
        // A window larger than the screen keeps its top left corner, and so
        // its title bar, on the screen.
        const QPoint centred = CentreOnScreen(screenSize, client);
        move(std::max(centred.x(), 0), std::max(centred.y(), 0));
    }
    pages->setGeometry(rect());
}

// A missing artwork pack is never fatal: the built-in pictures stand in, the
// settings follow what was loaded, and the player hears of each pack once.
void MainWindow::TakeArtworkLoad(const ArtworkLoad& load) {
    if (load.ok)
        return;
    Settings& settings = session.CurrentSettings();
    settings.DeckFace = pictures.DeckFace();
    settings.DeckBack = pictures.DeckBack();
    settings.Background = pictures.BackgroundDesign();
    settings.BackgroundVariant = pictures.BackgroundColour();
    for (const std::string& library : load.missingLibraries) {
        if (library == GraphLibrary) {
            settings.MenuDesign = 0;
            settings.TableDesign = 0;
            settings.AuxDesignPurple = false;
        }
        dialogs.Notice(ScreenText(Text(words::CantFindTheFile)) + ' ' +
                           QString::fromStdString(library),
                       {}, {});
    }
}

// The menu and the table show different backgrounds when only one of them
// is in the purple design.
void MainWindow::LoadScreenBackground(Screen next) {
    const Settings& settings = session.CurrentSettings();
    if (settings.MenuDesign == settings.TableDesign || next == Screen::Title)
        return;
    const bool purple = (next == Screen::Table ? settings.TableDesign : settings.MenuDesign) == 1;
    if (purple == pictures.PurpleBackground())
        return;
    TakeArtworkLoad(pictures.LoadBackground(purple, settings.Background, settings.BackgroundVariant,
                                            settings.WindowSize, scale.ClientSize()));
}

void MainWindow::resizeEvent(QResizeEvent* /*event*/) {
    pages->setGeometry(rect());
}

void MainWindow::ShowScreen(Screen next) {
    screen = next;
    LoadScreenBackground(next);
    const bool atTable = next == Screen::Table;
    generalScoreAction->setEnabled(atTable);
    quitAction->setEnabled(atTable);
    changeNameAction->setEnabled(atTable);
    // The mode changes between matches only.
    networkModeAction->setEnabled(next == Screen::Menu);
    networkModeAction->setChecked(session.CurrentSettings().NetworkMode);
    radioAction->setEnabled(next != Screen::Title);
    replayAction->setEnabled(next == Screen::Menu);
    chatAction->setEnabled(next != Screen::Title);
    if (musicAndRadio)
        musicAndRadio->ScreenShown(!atTable);
    if (next == Screen::Title)
        titlePage->Start();
    else
        titlePage->Stop();
    if (next == Screen::Menu) {
        const bool arriving = pages->currentWidget() != menuPage;
        menuPage->Fill(scale, session.ReadClubList());
        if (arriving) {
            CheckNews();
            CheckChat();
        }
    }
    if (next == Screen::Title)
        onlineChecks.stop();
    else if (!onlineChecks.isActive())
        onlineChecks.start();
    if (atTable)
        tableView->Deal(replay ? TableView::DealKind::Replay : TableView::DealKind::Game);
    else
        tableView->Clear();
    pages->setCurrentWidget(next == Screen::Title  ? static_cast<QWidget*>(titlePage)
                            : next == Screen::Menu ? static_cast<QWidget*>(menuPage)
                                                   : static_cast<QWidget*>(tableView));
}

SkinnedButton* MainWindow::MenuButton(int number) const {
    return menuPage->Button(number);
}

// --- The queue's stage

void MainWindow::Apply(const MatchEvent& event) {
    std::visit(
        [this, &event](const auto& e) {
            using E = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<E, Event>) {
                tableView->ApplyGameEvent(e);
                gifFinishDue |= std::holds_alternative<event::GameFinished>(e) && !replay;
            } else if constexpr (std::is_same_v<E, match_event::Buttons>)
                tableView->ApplyButtons(e.buttons);
            else if constexpr (std::is_same_v<E, match_event::ShowScreen>) {
                ShowScreen(e.screen);
                // every new game shows the table; a game shown again is not recorded
                gifStartDue |= e.screen == Screen::Table && !replay;
                if (onlineTable->Running())
                    chatPanel->SetChannel(*onlineTable);
                else
                    chatPanel->SetChannel(*duel);
                chatPanel->setVisible(e.screen == Screen::Table &&
                                      (duel->Running() || onlineTable->Running()));
                chatPanel->ShowAwaitingDeal(false);
            } else if constexpr (std::is_same_v<E, match_event::AwaitingDeal>)
                chatPanel->ShowAwaitingDeal(true);
            else if constexpr (std::is_same_v<E, match_event::TableGameEnds>) {
                // the table game's own end: OnlineTable carries it out
            } else if constexpr (std::is_same_v<E, match_event::LeavingTable>) {
                tableView->ShowWaitBanner(true);
                PostMatchFigures(webServices, session.CurrentMatch());
            } else if constexpr (std::is_same_v<E, match_event::RatedMatchEnded>)
                FinishRatedSeries(e);
            else if constexpr (std::is_same_v<E, match_event::NameChanged>) {
                tableView->DrawBanners();
                dialogs.NameChanged(FromBytes(session.CurrentMatch().PlayerName()));
            } else {
                dialogs.Show(event);
                if constexpr (std::is_same_v<E, match_event::EndOfCycle>)
                    OfferWorldResult(e);
            }
        },
        event);
}

void MainWindow::QueueIdle() {
    if (replay) {
        replay->QueueIdle();
        return;
    }
    const bool saveGames = session.CurrentSettings().SaveGamesAsGif;
    if (std::exchange(gifStartDue, false) && saveGames)
        gifRecorder.Start();
    if (std::exchange(gifFinishDue, false) && saveGames) {
        gifRecorder.Capture();
        gifRecorder.Finish();
    }
}

void MainWindow::FinishLeftGame() {
    if (gifRecorder.Recording() && session.CurrentMatch().State().TableActive)
        gifRecorder.Finish();
}

bool MainWindow::StartFlight(const event::FlyCards& flight) {
    return tableView->StartFlight(flight);
}

std::optional<int> MainWindow::NextFlightFrame() {
    return tableView->NextFlightFrame();
}

// --- Keys, the pop-up menu and its actions

void MainWindow::LeaveTitle() {
    if (screen == Screen::Title)
        musicAndRadio->TitleLeft();
    session.Input([](Match& m) { m.LeaveTitle(); });
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
    if (replay && !event->isAutoRepeat() && ReplayKey(event->key()))
        return;
    if (event->key() == Qt::Key_H && screen == Screen::Table && !event->isAutoRepeat()) {
        AskMoveHint();
        return;
    }
    if (screen == Screen::Title && !event->isAutoRepeat()) {
        LeaveTitle();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (replay) {
        replayMenu->exec(event->globalPos());
        return;
    }
    if (screen == Screen::Title || session.Queue().Busy() || !pages->isEnabled())
        return;
    popupMenu->exec(event->globalPos());
}

void MainWindow::QuitToMenu() {
    // The match's sound of the question plays as the question opens.
    bool atTable = false;
    if (!session.Input([&](Match& m) { atTable = m.RequestQuitToMenu(); }) || !atTable)
        return;
    if (!dialogs.ConfirmLeaveToMenu())
        return;
    FinishLeftGame();
    session.Input([](Match& m) { m.QuitToMenu(); });
    // A rated series left this way returns to the logged-in state.
    if (session.CurrentMatch().PlayerSlot() == RatedAccountSlot)
        onlineAccount.SetRated(false);
}

// `number` is a member's line 1..5, or the new player's slot.
void MainWindow::OpenLogin(int number) {
    if (screen != Screen::Menu || session.Queue().Busy())
        return;
    // With the online account logged in, the fifth button leads to rated play.
    if (number == MemberSlots && onlineAccount.LoggedIn() && !session.CurrentSettings().NetworkMode)
        return OpenAccount();
    const Slot slot = number == SlotNumber(NewPlayerSlot) ? NewPlayerSlot : MemberSlot(number);
    QString memberName;
    if (IsMember(slot)) {
        // The name as the menu shows it; the login reads the record itself.
        const std::optional<std::string> name = session.MemberName(number);
        if (!name)
            return;
        memberName = FromBytes(*name);
    }
    // The name last typed, or the default name of the language when none was.
    const std::string& lastName = session.CurrentSettings().PlayerName;
    const QString offered = lastName == Settings().PlayerName
                                ? ScreenText(Text(words::DefaultPlayerName))
                                : FromBytes(lastName);
    SoundOfOpening();
    tableView->SetOpponentRevealed(false); // a new match hides the opponent's hand
    const auto login = [this, slot](const std::string& name, const std::string& password,
                                    const std::string& again) {
        return session.Login(slot, name, password, again);
    };
    if (!session.CurrentSettings().NetworkMode) {
        session.CurrentMatch().SetPlayMode(PlayMode::Computer);
        session.Input([&](Match&) { dialogs.Login(memberName, offered, login); });
        return;
    }
    // A duel: the player is checked, the connection opened and the peer
    // awaited, and only then does the match start.
    LoginDialog::DuelControls controls;
    Settings& settings = session.CurrentSettings();
    controls.lastAddress = FromBytes(settings.ServerIp);
    controls.lastPort = FromBytes(settings.ServerPort);
    controls.localAddresses = LocalAddresses;
    controls.publicAddress = [this](QObject* receiver, std::function<void(const QString&)> shown) {
        webServices.Client().GetText(webServices.At(online::PublicIpPath), receiver,
                                     [shown](const ServiceAnswer& answer) {
                                         if (answer.done)
                                             shown(FromBytes(online::ReadPublicIp(answer.text)));
                                     });
    };
    controls.connect = [this](bool host, const std::string& name, const QString& address,
                              quint16 port) {
        Settings& remembered = session.CurrentSettings();
        if (!host)
            remembered.ServerIp = address.toStdString();
        remembered.ServerPort = std::to_string(port);
        return duel->Open(host, name, address, port);
    };
    controls.start = login;
    session.Input([&](Match&) {
        dialogs.Login(
            memberName, offered,
            [this, slot](const std::string& name, const std::string& password,
                         const std::string& again) {
                return session.CurrentMatch().CheckLogin(slot, name, password, again);
            },
            std::move(controls));
    });
}

// The match renames the player, and a member's record with it; the name
// shows when NameChanged arrives.
void MainWindow::ChangeName() {
    if (screen != Screen::Table || session.Queue().Busy())
        return;
    SoundOfOpening();
    const std::optional<DialogPresenter::NewName> typed =
        dialogs.AskNewName(FromBytes(session.CurrentMatch().PlayerName()));
    if (typed)
        session.Input([&](Match& m) { m.RenamePlayer(typed->name, typed->password); });
}

void MainWindow::ShowHistory() {
    if (screen != Screen::Menu || session.Queue().Busy())
        return;
    SoundOfOpening();
    dialogs.ShowHistory(session.HistoryFolder());
}

void MainWindow::ShowGeneralCount() {
    if (screen != Screen::Table || session.Queue().Busy())
        return;
    SoundOfOpening();
    dialogs.ShowGeneralCount(session.CurrentMatch().Figures(), session.CurrentMatch().PlayerName());
}

void MainWindow::ShowSpeed() {
    const QImage card =
        tableView->Drawing() ? tableView->Drawing()->Cards().Back() : pictures.Back();
    Settings& settings = session.CurrentSettings();
    SoundOfOpening();
    dialogs.ChooseSpeed(settings.Speed, card, [&settings](int speed) { settings.Speed = speed; });
}

// Network play or play against the computer: the menu then lists the club
// of the mode's record file, and the login opens with or without the duel's
// controls. The mode is kept with the settings.
void MainWindow::SwitchNetworkMode(bool on) {
    Settings& settings = session.CurrentSettings();
    if (screen != Screen::Menu || session.Queue().Busy()) {
        networkModeAction->setChecked(settings.NetworkMode);
        return;
    }
    SoundOfOpening();
    settings.NetworkMode = on;
    session.CurrentMatch().SetNetworkMode(on);
    menuPage->Fill(scale, session.ReadClubList());
}

// --- The options

void MainWindow::ShowOptions() {
    if (screen != Screen::Menu || session.Queue().Busy())
        return;
    SoundOfOpening();
    OptionsDialog options(this, session.CurrentSettings(), *this);
    options.exec();
}

void MainWindow::RefreshMenu() {
    if (screen == Screen::Menu)
        menuPage->Fill(scale, session.ReadClubList());
}

void MainWindow::LanguageChanged() {
    ApplyLanguage();
    RefreshMenu();
    tableView->Redraw();
}

void MainWindow::WindowSizeChanged() {
    ApplyWindowSize();
    RefreshMenu();
}

void MainWindow::NetworkModeChanged() {
    session.CurrentMatch().SetNetworkMode(session.CurrentSettings().NetworkMode);
    networkModeAction->setChecked(session.CurrentSettings().NetworkMode);
    RefreshMenu();
}

void MainWindow::MusicSwitched() {
    musicAndRadio->SetMusicOn(session.CurrentSettings().MusicOn);
}

void MainWindow::RadioSourceChanged() {
    musicAndRadio->RadioSourceChanged();
}

void MainWindow::AnimationSwitched() {
    menuPage->AnimationSwitched();
}

void MainWindow::LookChanged() {
    look->Refresh();
}

void MainWindow::FontsChanged() {
    RefreshMenu();
    tableView->Redraw();
}

void MainWindow::RulesChanged() {
    session.CurrentMatch().SetFiguresHavePoints(session.CurrentSettings().FiguresHavePoints);
}

void MainWindow::ChooseSpeed() {
    ShowSpeed();
}

void MainWindow::OpenPassport() {
    SoundOfOpening();
    onlineDialogs.Passport();
}

ArtworkLoad MainWindow::DeckChanged() {
    const Settings& settings = session.CurrentSettings();
    const ArtworkLoad load = pictures.LoadDeckFaces(settings.DeckFace, settings.DeckBack,
                                                    PictureSizeClass(scale.Scale()));
    TakeArtworkLoad(load);
    tableView->Redraw();
    return load;
}

ArtworkLoad MainWindow::BacksChanged() {
    const ArtworkLoad load = pictures.LoadBacks(session.CurrentSettings().DeckBack);
    TakeArtworkLoad(load);
    tableView->Redraw();
    return load;
}

ArtworkLoad MainWindow::BackgroundChanged() {
    const Settings& settings = session.CurrentSettings();
    const ArtworkLoad load =
        pictures.LoadBackground(false, settings.Background, settings.BackgroundVariant,
                                settings.WindowSize, scale.ClientSize());
    TakeArtworkLoad(load);
    RefreshMenu();
    tableView->Redraw();
    return load;
}

// A purple design is tried at once, whichever screen will show it, so a
// missing graph pack is told now; without it every design goes back to
// the customizable ones and the gray dialogs.
bool MainWindow::DesignChanged() {
    Settings& settings = session.CurrentSettings();
    ArtworkLoad load;
    if (settings.MenuDesign == 1 || settings.TableDesign == 1)
        load = pictures.LoadBackground(true, settings.Background, settings.BackgroundVariant,
                                       settings.WindowSize, scale.ClientSize());
    TakeArtworkLoad(load);
    const bool purpleShown =
        (screen == Screen::Table ? settings.TableDesign : settings.MenuDesign) == 1;
    if (purpleShown != pictures.PurpleBackground())
        TakeArtworkLoad(pictures.LoadBackground(purpleShown, settings.Background,
                                                settings.BackgroundVariant, settings.WindowSize,
                                                scale.ClientSize()));
    RefreshMenu();
    tableView->Redraw();
    return load.ok;
}

void MainWindow::PlaySuccess() {
    session.Media().PlayEffect(Effect::Success, false);
}

void MainWindow::PlayFailure() {
    session.Media().PlayEffect(Effect::Failure, false);
}

void MainWindow::SoundOfOpening() {
    session.Media().PlayEffect(Effect::OpenForm, false);
}

// F1 opens the help page of what the player is doing: the menu, a dealt
// game or a game under way. The title screen, which any key ends, has none.
void MainWindow::ShowHelpTopic() {
    if (screen == Screen::Title)
        return;
    SoundOfOpening();
    dialogs.Help(session.CurrentMatch().HelpTopic());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!session.RecordFilesSound()) {
        event->accept();
        return;
    }
    if (session.CurrentMatch().CloseNeedsQuestion()) {
        SoundOfOpening();
        if (!dialogs.ConfirmLeaveGame()) {
            event->ignore();
            return;
        }
    }
    FinishLeftGame();
    musicAndRadio->Save();
    const Session::CloseOutcome outcome = session.Close();
    if (outcome.recordFailed)
        dialogs.DiskWriteFailed();
    if (outcome.settingsFailed)
        dialogs.SettingsNotSaved();
    event->accept();
}

// --- The last game shown again

void MainWindow::ReplayLastGame() {
    if (screen != Screen::Menu || replay || session.Queue().Busy())
        return;
    const auto newest = session.GameLogs().ReadNewest();
    if (!newest) {
        dialogs.Notice(ScreenText(Text(words::NoGameToReplay)), {}, {});
        return;
    }
    if (const auto* refused = std::get_if<LogError>(&*newest)) {
        dialogs.Notice(ScreenText(Text(words::ReplayRefused)), ReplayRefusal(*refused), {});
        return;
    }
    SoundOfOpening();
    replay = std::make_unique<GameReplay>(session, std::get<MoveLog>(*newest));
    replayPauseAction->setChecked(false);
    replayAction->setEnabled(false);
    tableView->SetOpponentRevealed(true); // both hands face up
    replay->Start();
}

void MainWindow::CreateReplayMenu() {
    replayMenu = new QMenu(this);
    replayPauseAction = replayMenu->addAction(QString());
    replayPauseAction->setCheckable(true);
    replayPauseAction->setShortcutVisibleInContextMenu(true);
    replayPauseAction->setShortcut(QKeySequence(Qt::Key_Space));
    connect(replayPauseAction, &QAction::triggered, this, [this](bool on) {
        if (replay)
            replay->SetPaused(on);
    });
    replayStepAction = replayMenu->addAction(QString(), this, [this] {
        if (replay) {
            replay->StepOnce();
            replayPauseAction->setChecked(true);
        }
    });
    replayStepAction->setShortcut(QKeySequence(Qt::Key_Right));
    replayStepAction->setShortcutVisibleInContextMenu(true);
    replayLeaveAction = replayMenu->addAction(QString(), this, &MainWindow::LeaveReplay);
    replayLeaveAction->setShortcut(QKeySequence(Qt::Key_Escape));
    replayLeaveAction->setShortcutVisibleInContextMenu(true);
}

// Space holds the replay or lets it go on, the right arrow makes one move,
// Escape leaves it for the menu.
bool MainWindow::ReplayKey(int key) {
    switch (key) {
    case Qt::Key_Space:
    case Qt::Key_P:
        replayPauseAction->trigger();
        return true;
    case Qt::Key_Right:
    case Qt::Key_N:
        replayStepAction->trigger();
        return true;
    case Qt::Key_Escape:
        LeaveReplay();
        return true;
    default:
        return false;
    }
}

void MainWindow::LeaveReplay() {
    if (!replay)
        return;
    // The move under way is shown to its end, then the menu; the next
    // login hides the opponent's hand again.
    replay->Leave();
    replay.reset();
    replayAction->setEnabled(true);
}

// --- The expert's hint

bool MainWindow::MoveHintAllowed() const {
    const Match& match = session.CurrentMatch();
    const GameState& state = match.State();
    return screen == Screen::Table && !replay && state.TableActive &&
           state.Mode == PlayMode::Computer && !state.RatedSeries &&
           match.PlayerOf(LocalSeat) == Player::Person && engine::MayBeginTurn(state, LocalSeat);
}

void MainWindow::AskMoveHint() {
    if (!MoveHintAllowed() || session.Queue().Busy() || hintSearch.isRunning())
        return;
    hintAskedAt = session.CurrentMatch().State();
    // The worker reads its own copy of the game: the match goes on untouched.
    hintSearch.setFuture(QtConcurrent::run([state = hintAskedAt, options = hintOptions] {
        return engine::ExpertTurn(state, LocalSeat, options);
    }));
}

} // namespace tavlira
