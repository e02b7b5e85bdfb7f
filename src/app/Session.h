#pragma once
// One run of the game behind the main window: the settings, the record
// files, the match and the queue that plays the match's outbox. Every input
// reaches the match through `Input`, only while the queue is idle, so game
// steps never interleave. It owns no widget: the window shows what the queue
// plays and opens the dialogs.

#include "gamelog/GameRecorder.h"
#include "gamelog/MoveLogShelf.h"
#include "match/Match.h"
#include "media/DeviceSoundOutput.h"
#include "media/Sounds.h"
#include "records/RecordStore.h"
#include "records/Settings.h"
#include "ui/window/EventQueue.h"

#include <QObject>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace tavlira {

class Session : public QObject, private EventStage {
    Q_OBJECT

  public:
    // `programFolder` holds the settings and record files; `view` shows what
    // the queue plays. Each shuffle uses a fresh clock-seeded random source,
    // or with `seed` a fixed sequence so a match can be replayed.
    Session(std::filesystem::path programFolder, std::optional<std::uint32_t> seed,
            EventStage& view);

    // Loads the settings and the language, then checks the record files.
    // Only after a sound check are the settings saved at the end.
    StartupCheck Start();

    Match& CurrentMatch() { return match; }
    const Match& CurrentMatch() const { return match; }
    Settings& CurrentSettings() { return settings; }
    const Settings& CurrentSettings() const { return settings; }
    const EventQueue& Queue() const { return queue; }
    const std::filesystem::path& ProgramFolder() const { return programFolder; }

    // The speakers: effects while "SoundOn" is set, spoken cards always.
    MediaOutput& Media() { return *sounds; }
    // Sounds go to `output` instead of the audio device; tests record them.
    void UseSoundOutput(SoundOutput& output);

    // Runs `step` on the match and plays its outbox, unless the queue is
    // still playing: then the input is dropped and false returned.
    template <typename Step> bool Input(Step&& step) {
        if (queue.Busy())
            return false;
        emit InputOpen(false);
        step(match);
        Play(match.TakeOutbox());
        return true;
    }

    // Sees every outbox as it is taken from the match, before it is played
    // (a duel or a table game sends what the person did from there). Each
    // `owner` has one watcher; an empty one removes it.
    void SetOutboxWatcher(const QObject* owner, std::function<void(const MatchOutbox&)> watcher) {
        if (watcher)
            outboxWatchers[owner] = std::move(watcher);
        else
            outboxWatchers.erase(owner);
    }

    // The login check for a member's slot or a new player; a new player's
    // name is remembered as the name to offer next time.
    LoginError Login(Slot slot, const std::string& name, const std::string& password,
                     const std::string& passwordAgain);
    // The record file of the current mode, for the club list of the menu; it
    // is read again each time the menu shows.
    const std::optional<RecordFile>& ReadClubList();
    // The name of a member in the club list last read, in code page 1251;
    // nothing for an empty line.
    std::optional<std::string> MemberName(int line) const;

    // The three-letter label of the installation's club file ("idd": a copy
    // whose starts are not counted).
    const std::string& DistributionLabel() const { return distributionLabel; }

    // The folder of the history files.
    std::filesystem::path HistoryFolder() const { return records.HistoryFolder(); }
    // The record files, for the dialogs that show them.
    RecordStore& Records() { return records; }

    struct CloseOutcome {
        bool recordFailed = false;
        bool settingsFailed = false;
    };
    // True when the record files were sound at the start, so closing ends the
    // match and saves the settings.
    bool RecordFilesSound() const { return recordFilesSound; }
    CloseOutcome Close();

    // The tick, the pauses and the flights take their time multiplied by
    // `factor`; 1, the default, is real time.
    void SetTimeScale(double factor);
    double TimeScale() const { return timeScale; }

    // Events that are not the match's (a game shown again) played through
    // the queue; the match and the records see none of them.
    void Show(MatchOutbox events) { queue.Play(std::move(events)); }
    // The move logs of the last finished games, in "MoveLogs" of the
    // program folder; every game the match plays to its end is kept there.
    const MoveLogShelf& GameLogs() const { return gameLogs; }

  signals:
    // False when a step of the match begins, true when the queue has played
    // everything and the match waits for input again.
    void InputOpen(bool open);

  private:
    // EventStage: the session carries out record effects and hands their
    // outcomes back to the match; everything else goes on to the view, while
    // the session follows the screen shown, for the tick.
    void Apply(const MatchEvent& event) override;
    bool StartFlight(const event::FlyCards& flight) override;
    std::optional<int> NextFlightFrame() override;
    void QueueIdle() override;

    void UpdateGameTick();
    void Play(MatchOutbox events);
    // Keeps a finished game's log; a log that cannot be written is skipped
    // (named once in the program's output) and never stops the game.
    void KeepGameLog(const MoveLog& log);

    std::filesystem::path programFolder;
    EventStage& view;
    Settings settings;
    bool recordFilesSound = false;
    std::string distributionLabel;
    DiskRecordStore records;
    Match match;
    EventQueue queue;
    DeviceSoundOutput speakers;
    std::unique_ptr<Sounds> sounds;
    QTimer gameTick;
    std::optional<RecordFile> clubList;
    Screen shownScreen = Screen::Title;
    double timeScale = 1.0;
    std::map<const QObject*, std::function<void(const MatchOutbox&)>> outboxWatchers;
    MoveLogShelf gameLogs;
    GameRecorder gameRecorder;
    bool gameLogFailureTold = false;
};

} // namespace tavlira
