#pragma once
// The main window: a thin shell around the session. It holds the three pages
// (title, menu, table) in one stack, the pop-up menu, and the presenter of
// the dialogs, and forwards each click and menu action to the session. It
// decides no rule.

#include "app/Session.h"
#include "engine/Expert.h"
#include "online/qt/WebServices.h"
#include "ui/artwork/PictureStore.h"
#include "ui/dialogs/DialogPresenter.h"
#include "ui/dialogs/online/OnlineAccount.h"
#include "ui/dialogs/online/OnlineDialogs.h"
#include "ui/dialogs/online/RatedSeries.h"
#include "ui/dialogs/options/OptionsHost.h"
#include "ui/dialogs/tournament/TournamentDialogs.h"
#include "ui/menu/MenuLayout.h"
#include "ui/recording/GifRecorder.h"
#include "ui/table/TableScale.h"
#include "ui/window/EventQueue.h"

#include <QFutureWatcher>
#include <QMenu>
#include <QStackedWidget>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <optional>

namespace tavlira {

class ChatPanel;
class DuelTable;
class GameReplay;
class MenuMusicAndRadio;
class MenuMusic;
class MenuRadio;
class GraphPack;
class WindowLook;
class MenuPage;
class OnlineTable;
class SkinnedButton;
class TableView;
class TitlePage;

class MainWindow : public QWidget, private EventStage, private OptionsHost {
    Q_OBJECT

  public:
    explicit MainWindow(std::filesystem::path programFolder, std::optional<std::uint32_t> seed = {},
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // Loads the settings and checks the record files. False when the program
    // must end: the error box has been shown, and the settings are not saved
    // at the end of this run.
    bool Start();
    // Goes online once the window shows: reads the service directory, logs
    // in with the account remembered on this computer and counts the start.
    // Every step runs in the background; the window never waits for them.
    void StartOnline();

    Session& CurrentSession() { return session; }
    Match& CurrentMatch() { return session.CurrentMatch(); }
    Settings& CurrentSettings() { return session.CurrentSettings(); }
    const EventQueue& Queue() const { return session.Queue(); }
    Screen CurrentScreen() const { return screen; }
    TableView* Table() const { return tableView; }
    DialogPresenter& Dialogs() { return dialogs; }
    // Menu buttons 1..5 (members), 6 "New Player", 11 "Exit", 12 "History".
    SkinnedButton* MenuButton(int number) const;
    MenuPage* Menu() const { return menuPage; }
    QMenu* PopupMenu() const { return popupMenu; }
    QAction* GeneralScoreAction() const { return generalScoreAction; }
    QAction* QuitAction() const { return quitAction; }
    QAction* ChangeNameAction() const { return changeNameAction; }
    QAction* SpeedAction() const { return speedAction; }
    QAction* NetworkModeAction() const { return networkModeAction; }
    QAction* HelpAction() const { return helpAction; }
    QAction* ReplayAction() const { return replayAction; }
    // The last finished game shown again, while it is on the table.
    GameReplay* Replay() const { return replay.get(); }
    QMenu* ReplayMenu() const { return replayMenu; }
    QAction* HintAction() const { return hintAction; }
    // "Hint" (or the H key): the expert's move for the person's turn, shown
    // at the table without being made. The search runs on a worker thread
    // for its time budget, so the window never waits for it; the answer is
    // shown only if the turn is still the one it was asked for.
    void AskMoveHint();
    // Whether a hint may be asked now: the person's turn against the
    // computer, outside rated play.
    bool MoveHintAllowed() const;
    // The expert's options for hints; tests fix its playouts for a
    // repeatable answer.
    void SetHintOptions(const engine::ExpertOptions& options) { hintOptions = options; }
    const engine::ExpertOptions& HintOptions() const { return hintOptions; }
    bool MoveHintPending() const { return hintSearch.isRunning(); }
    GifRecorder& Recorder() { return gifRecorder; }
    DuelTable& Duel() { return *duel; }
    // The tournament table game: the lobby's seat calls reach it here.
    OnlineTable& TableGame() { return *onlineTable; }
    ChatPanel* Chat() const { return chatPanel; }
    MenuMusicAndRadio& MusicAndRadio() { return *musicAndRadio; }
    MenuRadio* RadioPicture() const { return menuRadio; }
    MenuMusic* MusicButtons() const { return menuMusic; }
    QAction* RadioAction() const { return radioAction; }
    QAction* ChatAction() const { return chatAction; }
    WebServices& Services() { return webServices; }
    OnlineAccount& Account() { return onlineAccount; }
    OnlineDialogs& Online() { return onlineDialogs; }
    // The tournament dialog, as the menu's tournament picture opens it.
    void OpenTournament();
    TournamentDialogs* Tournament() const { return tournament.get(); }
    RatedSeries& Rated() { return ratedSeries; }
    // One tick of the news and chat checks (every 10 seconds while the menu
    // or the table shows).
    void OnlineCheckTick();

    // Opens the options dialog, as the menu's "Options" does.
    void ShowOptions();
    // What the options dialog changes, for tests that drive it directly.
    OptionsHost& Options() { return *this; }

    // See Session::SetTimeScale.
    void SetTimeScale(double factor) { session.SetTimeScale(factor); }

  protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // EventStage
    void Apply(const MatchEvent& event) override;
    bool StartFlight(const event::FlyCards& flight) override;
    std::optional<int> NextFlightFrame() override;
    void QueueIdle() override;

    // OptionsHost
    void LanguageChanged() override;
    void WindowSizeChanged() override;
    void NetworkModeChanged() override;
    void MusicSwitched() override;
    void RadioSourceChanged() override;
    void AnimationSwitched() override;
    void LookChanged() override;
    void FontsChanged() override;
    void RulesChanged() override;
    void ChooseSpeed() override;
    void OpenPassport() override;
    ArtworkLoad DeckChanged() override;
    ArtworkLoad BacksChanged() override;
    ArtworkLoad BackgroundChanged() override;
    bool DesignChanged() override;
    const PictureStore& Pictures() const override { return pictures; }
    std::filesystem::path ProgramFolder() const override { return session.ProgramFolder(); }
    void PlaySuccess() override;
    void PlayFailure() override;

    // The menu drawn anew when it is on screen.
    void RefreshMenu();

    void ConnectTable();
    void OpenMenuIcon(MenuIcon icon);
    void CountStart();
    // Whether the news page or the chat holds something the player has not
    // seen (the marker files of the family folder), for the menu's links.
    void CheckNews();
    // `onTick`: a new message sounds, and at the table may open the chat.
    void CheckChat(bool onTick = false);
    // The account dialog; closed in the rated state, it starts a rated series.
    void OpenAccount();
    void StartRatedSeries();
    void FinishRatedSeries(const match_event::RatedMatchEnded& ended);
    // Runs `step` on the match once the queue has played what it holds.
    void InputWhenIdle(std::function<void(Match&)> step);
    void OpenNews();
    void OpenChat();
    void OfferWorldResult(const match_event::EndOfCycle& end);
    void CreatePopupMenu();
    void ApplyLanguage();
    void ApplyWindowSize();
    void ShowScreen(Screen next);
    void TakeArtworkLoad(const ArtworkLoad& load);
    void LoadScreenBackground(Screen next);
    void LeaveTitle();
    void OpenLogin(int slot);
    void QuitToMenu();
    void ChangeName();
    void ShowSpeed();
    void SwitchNetworkMode(bool on);
    void ShowHelpTopic();
    void ShowHistory();
    void ShowGeneralCount();
    // The sound of a dialog opening or a menu command chosen.
    void SoundOfOpening();
    // A game left by "Exit to menu" or by closing is written as it stands.
    void FinishLeftGame();
    void CreateMusicAndRadio();
    void ShowRadio();
    void RadioNotFound();
    // "Replay last game": the last finished game on the table again, with
    // its own keys and pop-up menu until the player leaves it.
    void ReplayLastGame();
    void CreateReplayMenu();
    bool ReplayKey(int key);
    void LeaveReplay();

    Session session;
    DialogPresenter dialogs;
    WebServices webServices;
    OnlineAccount onlineAccount;
    OnlineDialogs onlineDialogs;
    std::unique_ptr<TournamentDialogs> tournament;
    RatedSeries ratedSeries;
    PictureStore pictures;
    TableScale scale;
    Screen screen = Screen::Title;
    GifRecorder gifRecorder;
    // The recording starts on the dealt table and ends on the scored one,
    // each once the queue has shown the whole step.
    bool gifStartDue = false;
    bool gifFinishDue = false;

    QStackedWidget* pages;
    TitlePage* titlePage;
    MenuPage* menuPage;
    TableView* tableView;
    QMenu* popupMenu;
    QAction* generalScoreAction;
    QAction* quitAction;
    QAction* changeNameAction;
    QAction* speedAction;
    QAction* networkModeAction; // play against a person over the network, or the computer
    QAction* helpAction;
    QAction* aboutAction;
    // While the menu shows: the news every 30 seconds, the chat every 15
    // minutes, each only until it has something new.
    QTimer onlineChecks;
    int onlineCheckTicks = 0;
    int newestNews = 0;
    std::unique_ptr<DuelTable> duel;
    std::unique_ptr<OnlineTable> onlineTable;
    ChatPanel* chatPanel;
    QAction* radioAction = nullptr;
    QAction* chatAction = nullptr;
    std::unique_ptr<MenuMusicAndRadio> musicAndRadio;
    MenuRadio* menuRadio = nullptr;
    MenuMusic* menuMusic = nullptr;
    std::unique_ptr<GraphPack> graphPack;
    WindowLook* look;
    QAction* replayAction = nullptr;
    std::unique_ptr<GameReplay> replay;
    QMenu* replayMenu = nullptr;
    QAction* replayPauseAction = nullptr;
    QAction* replayStepAction = nullptr;
    QAction* replayLeaveAction = nullptr;
    QAction* hintAction = nullptr;
    engine::ExpertOptions hintOptions{.budgetMs = 400};
    QFutureWatcher<engine::ExpertChoice> hintSearch;
    GameState hintAskedAt; // the turn the pending hint is for
};

} // namespace tavlira
