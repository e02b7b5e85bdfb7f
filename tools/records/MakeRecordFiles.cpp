// Writes the record files the game ships: the club file "Tavlira2.clb" and the
// net file "Tavlira2.net", each with five empty member slots, an empty top
// ten, the marker line and a control line with the distribution label and
// correct checksums.
//
//   tavlira-record-files FOLDER [--keep-existing]
//
// With --keep-existing a record file already in FOLDER is left as it is, so
// rebuilding never wipes the results of games played in the run tree.

#include "records/AtomicFile.h"
#include "records/RecordFile.h"
#include "records/RecordStore.h"

#include <filesystem>
#include <iostream>
#include <string_view>

namespace {

// Characters 7..9 of the control line: this build for Linux.
constexpr std::string_view DistributionLabel = "LNX";

} // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    if (argc < 2 || argc > 3 || (argc == 3 && std::string_view(argv[2]) != "--keep-existing")) {
        std::cerr << "usage: tavlira-record-files FOLDER [--keep-existing]\n";
        return 2;
    }
    const fs::path folder = argv[1];
    const bool keepExisting = argc == 3;
    std::error_code error;
    fs::create_directories(folder, error);
    const std::string bytes =
        tavlira::FormatRecordFile(tavlira::InitialRecordFile('0', DistributionLabel));
    for (const auto kind : {tavlira::RecordFileKind::Club, tavlira::RecordFileKind::Net}) {
        const fs::path path = folder / tavlira::RecordFileName(kind);
        const tavlira::FileLock lock(path);
        if (!lock.Held()) {
            std::cerr << "cannot lock " << path << "\n";
            return 1;
        }
        if (keepExisting && fs::exists(path, error))
            continue;
        if (!tavlira::ReplaceFile(path, bytes)) {
            std::cerr << "cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
