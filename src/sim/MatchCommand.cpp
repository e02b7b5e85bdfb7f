#include "sim/MatchCommand.h"

#include "game/SelfPlay.h"
#include "match/Autoplay.h"
#include "records/RecordStore.h"
#include "sim/Arguments.h"
#include "sim/Commands.h"
#include "sim/MoveLogFolder.h"
#include "sim/ScratchRecords.h"
#include "util/Cp1251.h"

#include <stdexcept>

// One member plays against the computer through the match driver, from the
// menu to the stored result, with the record files of a fresh install in a
// scratch program folder. After the 20th game of a cycle the member leaves
// the table (storing the cycle) and logs in again.

namespace tavlira::sim {
namespace {

constexpr const char* kMemberName = "Sim";

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

} // namespace

void MatchCommand(const std::vector<std::string>& args, std::ostream& out) {
    MatchCommandOnFiles(args, out, RealFileSystem());
}

void MatchCommandOnFiles(const std::vector<std::string>& args, std::ostream& out,
                         FileSystem& files) {
    const Arguments a(args, {"games", "seed", "log"}, {});
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
    const std::unique_ptr<MoveLogFolder> logs = LogFolderOption(a.Optional("log"), "match");
    if (logs)
        match.SetGameObserver(&logs->Recorder());
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
