#include "sim/MatchCommand.h"

#include "game/SelfPlay.h"
#include "match/Autoplay.h"
#include "records/AtomicFile.h"
#include "records/RecordStore.h"
#include "sim/Arguments.h"
#include "sim/Commands.h"
#include "util/Cp1251.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <stdexcept>

// One member plays against the computer through the match driver, from the
// menu to the stored result, with the record files of a fresh install in a
// scratch program folder. After the 20th game of a cycle the member leaves
// the table (storing the cycle) and logs in again.

namespace tavlira::sim {
namespace {

namespace fs = std::filesystem;

constexpr const char* kMemberName = "Sim";

// A scratch program folder holding the shipped record files; removed again
// when the command ends, however it ends. Its name is unique (mkdtemp), so a
// second run with the same process id elsewhere cannot collide with it.
class ScratchInstall {
  public:
    ScratchInstall() {
        std::string pattern = (fs::temp_directory_path() / "tavlira-sim-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a scratch folder in " +
                                     fs::temp_directory_path().string());
        folder_ = pattern;
        const std::string bytes = FormatRecordFile(InitialRecordFile('0', "sim"));
        for (RecordFileKind kind : {RecordFileKind::Club, RecordFileKind::Net}) {
            if (!ReplaceFile(folder_ / RecordFileName(kind), bytes)) {
                RemoveFolder();
                throw std::runtime_error("cannot write the scratch record files in " + pattern);
            }
        }
    }
    ScratchInstall(const ScratchInstall&) = delete;
    ScratchInstall& operator=(const ScratchInstall&) = delete;
    ~ScratchInstall() { RemoveFolder(); }
    const fs::path& Folder() const { return folder_; }

  private:
    void RemoveFolder() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    fs::path folder_;
};

volatile std::sig_atomic_t stopSignal = 0;

extern "C" void NoteStopSignal(int signal) {
    stopSignal = signal;
}

// While it lives, SIGINT and SIGTERM only note that the command must stop;
// the command looks between games and unwinds, which removes the scratch
// folder.
class StopSignals {
  public:
    StopSignals() {
        stopSignal = 0;
        struct sigaction action {};
        action.sa_handler = NoteStopSignal;
        sigemptyset(&action.sa_mask);
        for (size_t i = 0; i < std::size(kSignals); ++i)
            sigaction(kSignals[i], &action, &previous_[i]);
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;
    ~StopSignals() {
        for (size_t i = 0; i < std::size(kSignals); ++i)
            sigaction(kSignals[i], &previous_[i], nullptr);
    }
    static void ThrowIfStopped() {
        if (stopSignal != 0)
            throw Interrupted(stopSignal);
    }

  private:
    static constexpr int kSignals[] = {SIGINT, SIGTERM};
    struct sigaction previous_[std::size(kSignals)]{};
};

int MemberSlotOf(RecordStore& records, const std::string& name) {
    for (int slot = 1; slot <= MemberSlots; ++slot)
        if (const auto member = records.LoadMember(RecordFileKind::Club, slot);
            member && member->name == name)
            return slot;
    return 0;
}

void LogIn(Match& match, RecordStore& records) {
    const int slot = MemberSlotOf(records, kMemberName);
    const LoginError error = slot != 0 ? match.Login(MemberSlot(slot), "", "", "")
                                       : match.Login(NewPlayerSlot, kMemberName, "", "");
    if (error != LoginError::None)
        throw std::runtime_error("the member could not log in");
}

// A record the match could not write ends the command as an error.
void ThrowOnRecordFailure(const MatchOutbox& played) {
    for (const MatchEvent& e : played)
        if (const auto* failure = std::get_if<match_event::RecordFailure>(&e))
            throw std::runtime_error(failure->what == match_event::RecordFailure::What::History
                                         ? "the history could not be written"
                                         : "the record file could not be written");
}

} // namespace

void MatchCommand(const std::vector<std::string>& args, std::ostream& out) {
    MatchCommandOnFiles(args, out, RealFileSystem());
}

void MatchCommandOnFiles(const std::vector<std::string>& args, std::ostream& out,
                         FileSystem& files) {
    const Arguments a(args, {"games", "seed"}, {});
    const int games = static_cast<int>(a.Number("games", 1, 1'000'000));
    auto seed = static_cast<std::uint32_t>(a.Number("seed", 0, UINT32_MAX));

    const StopSignals stopSignals;
    ScratchInstall install;
    DiskRecordStore records(install.Folder(), files);
    if (records.CheckAtStart().status != RecordFileStatus::Sound)
        throw std::runtime_error("the scratch record files are not sound");
    SeededRandom seeds(seed);
    Match match{MatchServices{
        &records, [] { return std::pair<std::string, std::string>("12:00", "01.01.2027"); },
        [&seeds] { return std::make_unique<SeededRandom>(seeds.Next32()); }}};
    MoveSignature signature;
    const auto absorb = [&signature](const MatchOutbox& played) {
        ThrowOnRecordFailure(played);
        Outbox gameEvents;
        for (const MatchEvent& e : played)
            if (const auto* game = std::get_if<Event>(&e))
                gameEvents.push_back(*game);
        signature.Absorb(gameEvents);
    };

    match.LeaveTitle();
    LogIn(match, records);
    for (int game = 1; game <= games; ++game) {
        StopSignals::ThrowIfStopped();
        PlayGameToEnd(match, absorb);
        if (game < games && match.Buttons().start.enabled) {
            match.PressStart(); // "Next game"
            continue;
        }
        match.PressSecond(); // "Exit to menu": the match is recorded
        absorb(TakeOutboxRunningRecords(match, records));
        if (game < games)
            LogIn(match, records);
    }

    StopSignals::ThrowIfStopped();
    const int slot = MemberSlotOf(records, kMemberName);
    const auto member = records.LoadMember(RecordFileKind::Club, slot);
    out << "games=" << games << '\n'
        << "member=" << (member ? Cp1251ToUtf8(FormatMemberLine(*member)) : "-") << '\n'
        << "signature=" << SignatureText(signature.Value()) << '\n';
}

} // namespace tavlira::sim
