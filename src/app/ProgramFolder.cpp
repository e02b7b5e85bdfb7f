#include "app/ProgramFolder.h"

#include "records/RecordStore.h"

#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace tavlira {

FolderChoice ChooseProgramFolder(const std::filesystem::path& programDir, bool portable,
                                 const std::filesystem::path& dataHome) {
    if (portable)
        return {programDir, std::nullopt};
    // The install places the program in <prefix>/bin and the record files
    // in <prefix>/share/tavlira-duo/records.
    return {dataHome / FamilyFolderName / ProgramFolderName,
            programDir.parent_path() / "share" / "tavlira-duo" / "records"};
}

bool PlaceShippedRecords(const std::filesystem::path& shippedRecords,
                         const std::filesystem::path& programFolder) {
    std::error_code error;
    std::filesystem::create_directories(programFolder, error);
    if (error)
        return false;
    for (RecordFileKind kind : {RecordFileKind::Club, RecordFileKind::Net}) {
        const std::string name = RecordFileName(kind);
        const std::filesystem::path target = programFolder / name;
        if (std::filesystem::exists(target, error))
            continue;
        // The copy goes in under a temporary name so that a half-written
        // record file never stands under the real one.
        const std::filesystem::path partial = programFolder / (name + ".part");
        if (!std::filesystem::copy_file(shippedRecords / name, partial,
                                        std::filesystem::copy_options::overwrite_existing, error))
            return false;
        std::filesystem::rename(partial, target, error);
        if (error)
            return false;
    }
    return true;
}

std::filesystem::path DataHome() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && std::filesystem::path(xdg).is_absolute())
        return xdg;
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home ? home : "/tmp") / ".local" / "share";
}

bool IsPortableFolder(const std::filesystem::path& folder) {
    std::error_code error;
    return std::filesystem::exists(folder / RecordFileName(RecordFileKind::Club), error) &&
           ::access(folder.c_str(), W_OK | X_OK) == 0;
}

} // namespace tavlira
