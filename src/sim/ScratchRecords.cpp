#include "sim/ScratchRecords.h"

#include "records/AtomicFile.h"

#include <cstdlib>
#include <stdexcept>

namespace tavlira::sim {

namespace fs = std::filesystem;

ScratchInstall::ScratchInstall(const std::optional<MemberRecord>& netMember) {
    std::string pattern = (fs::temp_directory_path() / "tavlira-sim-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a scratch folder in " +
                                 fs::temp_directory_path().string());
    folder_ = pattern;
    const RecordFile shipped = InitialRecordFile('0', "sim");
    RecordFile net = shipped;
    if (netMember)
        net.Member(1) = FormatMemberLine(*netMember);
    if (!ReplaceFile(folder_ / RecordFileName(RecordFileKind::Club), FormatRecordFile(shipped)) ||
        !ReplaceFile(folder_ / RecordFileName(RecordFileKind::Net), FormatRecordFile(net))) {
        RemoveFolder();
        throw std::runtime_error("cannot write the scratch record files in " + pattern);
    }
}

ScratchInstall::~ScratchInstall() {
    RemoveFolder();
}

void ScratchInstall::RemoveFolder() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

namespace {

volatile std::sig_atomic_t stopSignal = 0;

extern "C" void NoteStopSignal(int signal) {
    stopSignal = signal;
}

} // namespace

StopSignals::StopSignals() {
    stopSignal = 0;
    struct sigaction action {};
    action.sa_handler = NoteStopSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a poll() or connect() under way returns with EINTR.
    for (size_t i = 0; i < std::size(kSignals); ++i)
        sigaction(kSignals[i], &action, &previous_[i]);
}

StopSignals::~StopSignals() {
    for (size_t i = 0; i < std::size(kSignals); ++i)
        sigaction(kSignals[i], &previous_[i], nullptr);
}

void StopSignals::ThrowIfStopped() {
    if (stopSignal != 0)
        throw Interrupted(stopSignal);
}

void ThrowOnRecordFailure(const MatchOutbox& played) {
    for (const MatchEvent& e : played)
        if (const auto* failure = std::get_if<match_event::RecordFailure>(&e))
            throw std::runtime_error(failure->what == match_event::RecordFailure::What::History
                                         ? "the history could not be written"
                                         : "the record file could not be written");
}

} // namespace tavlira::sim
