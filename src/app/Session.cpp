#include "app/Session.h"

#include "game/Random.h"
#include "i18n/Words.h"
#include "match/RecordEffects.h"
#include "ui/common/ToScreen.h"

#include <QDateTime>

namespace tavlira {
namespace {

MatchServices Services(RecordStore& records, std::optional<std::uint32_t> seed) {
    auto shuffles = std::make_shared<std::uint32_t>(0);
    return MatchServices{&records,
                         [] {
                             const QDateTime now = QDateTime::currentDateTime();
                             return std::pair<std::string, std::string>(
                                 now.toString(QStringLiteral("hh:mm")).toStdString(),
                                 ShortDate(now.date()).toStdString());
                         },
                         [seed, shuffles]() -> std::unique_ptr<RandomSource> {
                             if (seed)
                                 return std::make_unique<SeededRandom>(*seed + (*shuffles)++);
                             return std::make_unique<SeededRandom>(ClockSeededRandom());
                         }};
}

} // namespace

Session::Session(std::filesystem::path folder, std::optional<std::uint32_t> seed, EventStage& stage)
    : programFolder(std::move(folder)), view(stage), records(programFolder),
      match(Services(records, seed)), queue(*this), speakers(programFolder),
      gameLogs(programFolder / "MoveLogs"),
      gameRecorder([this](const MoveLog& log) { KeepGameLog(log); }) {
    UseSoundOutput(speakers);
    match.SetGameObserver(&gameRecorder);
    gameTick.setTimerType(Qt::CoarseTimer);
    connect(&gameTick, &QTimer::timeout, this, [this] { Input([](Match& m) { m.Tick(); }); });
}

void Session::UseSoundOutput(SoundOutput& output) {
    sounds = std::make_unique<Sounds>(output, [this] { return settings.SoundOn; });
    queue.SetMedia(*sounds);
}

StartupCheck Session::Start() {
    settings = LoadSettings(programFolder).settings;
    SetLanguage(LanguageAt(settings.LanguageIndex).value_or(LanguageIndex::English));
    const StartupCheck check = records.CheckAtStart();
    distributionLabel = check.distributionLabel;
    if (check.status != RecordFileStatus::Sound)
        return check;
    if (check.installLanguage == '1')
        SetLanguage(LanguageIndex::Russian);
    recordFilesSound = true;
    match.SetFiguresHavePoints(settings.FiguresHavePoints);
    match.SetNetworkMode(settings.NetworkMode);
    return check;
}

LoginError Session::Login(Slot slot, const std::string& name, const std::string& password,
                          const std::string& passwordAgain) {
    const LoginError error = match.Login(slot, name, password, passwordAgain);
    if (error == LoginError::None && slot == NewPlayerSlot)
        settings.PlayerName = name;
    return error;
}

const std::optional<RecordFile>& Session::ReadClubList() {
    clubList = records.ReadRecords(match.RecordKind());
    return clubList;
}

std::optional<std::string> Session::MemberName(int line) const {
    if (!clubList || line < 1 || line > MemberSlots)
        return std::nullopt;
    const std::optional<MemberRecord> member = ParseMemberLine(clubList->Member(line));
    if (!member)
        return std::nullopt;
    return member->name;
}

Session::CloseOutcome Session::Close() {
    gameTick.stop();
    CloseOutcome outcome;
    match.Close();
    for (const MatchEvent& e : TakeOutboxRunningRecords(match, records))
        outcome.recordFailed |= std::holds_alternative<match_event::RecordFailure>(e);
    outcome.settingsFailed =
        SaveSettings(programFolder, settings, recordFilesSound) == SettingsSave::Failed;
    return outcome;
}

void Session::KeepGameLog(const MoveLog& log) {
    std::optional<std::string> failure;
    try {
        failure = gameLogs.Keep(log, std::chrono::system_clock::now());
    } catch (const std::exception& e) {
        failure = e.what();
    }
    if (failure && !std::exchange(gameLogFailureTold, true))
        qWarning("The logs of finished games are not kept: %s", failure->c_str());
}

void Session::SetTimeScale(double factor) {
    timeScale = std::max(0.0, factor);
    queue.SetTimeScale(timeScale);
    UpdateGameTick();
}

void Session::UpdateGameTick() {
    const int tick = shownScreen == Screen::Table ? match.TickInterval() : 0;
    const int interval = tick > 0 ? std::max(1, Round(tick * timeScale)) : 0;
    if (interval <= 0)
        gameTick.stop();
    else if (!gameTick.isActive() || gameTick.interval() != interval)
        gameTick.start(interval);
}

void Session::Apply(const MatchEvent& event) {
    if (const auto* record = std::get_if<match_event::Record>(&event)) {
        // The match waits for the outcome; what it does next joins the queue.
        match.RecordDone(RunRecordEffect(records, record->effect));
        Play(match.TakeOutbox());
        return;
    }
    view.Apply(event);
    if (const auto* screen = std::get_if<match_event::ShowScreen>(&event)) {
        shownScreen = screen->screen;
        UpdateGameTick();
    } else if (std::holds_alternative<match_event::LeavingTable>(event)) {
        gameTick.stop();
    }
}

void Session::Play(MatchOutbox events) {
    for (const auto& [owner, watcher] : outboxWatchers)
        watcher(events);
    queue.Play(std::move(events));
}

bool Session::StartFlight(const event::FlyCards& flight) {
    return view.StartFlight(flight);
}

std::optional<int> Session::NextFlightFrame() {
    return view.NextFlightFrame();
}

void Session::QueueIdle() {
    UpdateGameTick();
    view.QueueIdle();
    emit InputOpen(true);
}

} // namespace tavlira
