#pragma once
// Opens every dialog and box of the main window: for the match's events (a
// failed record write, the end of a cycle), the start-up checks, and the
// actions of the main and pop-up menus. It decides no rule: the caller hands
// in the checks and acts on the answers.

#include "match/MatchEvent.h"
#include "records/GeneralCount.h"
#include "records/RecordStore.h"
#include "records/Settings.h"
#include "ui/dialogs/LoginDialog.h"

#include <QImage>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace tavlira {

class HelpWindow;

class DialogPresenter {
  public:
    // The dialogs open over `window` and follow `settings` (their design, the
    // language of their pictures, the animations); `beforeEachBox` runs just
    // before any box or dialog shows, to take away what must not stay behind
    // it.
    DialogPresenter(QWidget* window, Settings& settings, std::function<void()> beforeEachBox);

    // The box a match event opens; events that open none are ignored.
    void Show(const MatchEvent& event);
    // The error boxes of the start-up check: false when the program must end.
    bool ShowStartupCheck(const StartupCheck& check);
    void DiskWriteFailed();
    void SettingsNotSaved();
    // "Your name ... successfully changed!" with the new name.
    void NameChanged(const QString& newName);

    // The questions before leaving, which throw the match away on "Yes".
    bool ConfirmLeaveToMenu();
    bool ConfirmLeaveGame();
    // A Yes/No question of the online services ("... Repeat?").
    bool Ask(const QString& question);

    // The login dialog for a member, whose name stands fixed, or for a new
    // player (`memberName` empty), whose box offers `offeredName`. True when
    // `check` accepted what was typed.
    // In network mode `duel` adds the connection part.
    bool Login(const QString& memberName, const QString& offeredName, LoginDialog::Check check,
               std::optional<LoginDialog::DuelControls> duel = std::nullopt);

    // A new name and password in code page 1251 bytes.
    struct NewName {
        std::string name;
        std::string password;
    };
    // Asks for a new name and password, offering `currentName`; nothing when
    // cancelled.
    std::optional<NewName> AskNewName(const QString& currentName);

    // The speed dialog; `changed` runs on every move of its bar.
    void ChooseSpeed(int speed, const QImage& card, std::function<void(int)> changed);
    // The about box.
    void About();
    // The notice "Attention" with up to three lines, the last a link that
    // opens in the browser; an empty text shows no line.
    void Notice(const QString& line1, const QString& line2, const QString& link);
    // The dialogs of the menu's "More games!" and "Support us!" icons.
    void Advertising();
    void Support();
    // The help window at the page of a help topic (Match::HelpTopic()), or at
    // its contents. Both reuse one window, which stays open beside the game.
    void Help(int topic);
    void HelpContents();
    // The history of games from `historyFolder`, showing the file shown the
    // last time, or the newest one the first time.
    void ShowHistory(const std::filesystem::path& historyFolder);
    // The top ten of the record file `kind`, read from `records` now.
    void ShowTopTen(RecordStore& records, RecordFileKind kind);
    // Where the running match stands; `playerName` in code page 1251.
    void ShowGeneralCount(const MatchFigures& match, const std::string& playerName);

    // Readies a dialog built elsewhere (the online services' dialogs) as
    // every dialog here is readied: what must not stay behind it goes, and
    // it takes the header of the current design.
    void Prepare(QDialog& dialog);

  private:
    void ShowEndOfGame(const match_event::EndOfCycle& end);
    // Shows the help window at `page`. Asked for from a dialog, the window
    // opens over that dialog.
    void OpenHelp(const QUrl& page);
    // What a dialog's "?" button and F1 run: the help at `topic`, or at the
    // page of the records.
    std::function<void()> HelpOf(int topic);
    std::function<void()> RecordsHelp();
    // The page about network play, for the login of a duel.
    std::function<void()> NetworkHelp();
    HelpWindow& HelpShown();
    // Runs `beforeEachBox`: every public function that opens something calls
    // it first.
    void BeforeBox() const;

    QWidget* window;
    Settings& settings;
    std::function<void()> beforeEachBox;
    QPointer<HelpWindow> help;
    std::optional<int> historyFileShown;
};

} // namespace tavlira
