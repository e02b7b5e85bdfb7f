#pragma once
// Where the game keeps its settings and record files. Run from the build
// tree, or from any writable folder that holds the record files, the folder of
// the program itself is the program folder: a portable install. An installed
// copy keeps them in the user's data folder instead, and places the record
// files it ships there on its first start.

#include <filesystem>
#include <optional>

namespace tavlira {

inline constexpr const char* FamilyFolderName = "Tavlira";
inline constexpr const char* ProgramFolderName = "Tavlira-Duo";

struct FolderChoice {
    std::filesystem::path programFolder;
    // The shipped record files to copy in, when the program folder is the
    // user's data folder.
    std::optional<std::filesystem::path> shippedRecords;
};

// `programDir` is the folder of the executable; `portable` tells whether it
// holds the club file and may be written (see IsPortableFolder); `dataHome`
// is $XDG_DATA_HOME, or ~/.local/share when that is unset.
FolderChoice ChooseProgramFolder(const std::filesystem::path& programDir, bool portable,
                                 const std::filesystem::path& dataHome);

// Creates the program folder and copies each shipped record file that it
// does not hold yet. Existing files are never replaced. False when the
// folder cannot be made or a copy fails; the start-up check then names the
// missing file.
bool PlaceShippedRecords(const std::filesystem::path& shippedRecords,
                         const std::filesystem::path& programFolder);

// $XDG_DATA_HOME when set and absolute, else $HOME/.local/share.
std::filesystem::path DataHome();

// The folder holds the club file and the user may write there. An install
// folder never holds record files, so even a user who may write everywhere
// plays from the data folder.
bool IsPortableFolder(const std::filesystem::path& folder);

} // namespace tavlira
