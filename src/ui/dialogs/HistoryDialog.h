#pragma once
// The history dialog "History of games": the valid history files on the
// left, the games of the selected one in a table on the right, and "Ok".
// A missing or damaged file ends the list, so it and the files after it are
// never shown; with no file at all the list holds the one disabled item
// "No History Files" and the table stays empty.

#include "records/FileSystem.h"

#include <QDialog>
#include <QListWidget>
#include <QTableWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace tavlira {

class SkinnedButton;

class HistoryDialog : public QDialog {
    Q_OBJECT

  public:
    static constexpr std::array<int, 7> ColumnWidths{45, 65, 210, 45, 55, 55, 80};
    // The list is this wide for up to this many files, and wider beyond to
    // leave room for its scroll bar.
    static constexpr int ListWidth = 180;
    static constexpr int ListWidthWithScrollBar = 193;
    static constexpr int FilesWithoutScrollBar = 16;

    // Lists the files "<clubFileStem>_I0001.hst", ... of `historyFolder` and
    // selects file `selectedFile` when it is listed, else the last one. The
    // "?" button and F1 run `openHelp`.
    HistoryDialog(QWidget* parent, const std::filesystem::path& historyFolder,
                  std::string clubFileStem, std::optional<int> selectedFile,
                  std::function<void()> openHelp, FileSystem& fileSystem = RealFileSystem());

    // The number of the file shown; nothing when no file is listed.
    std::optional<int> SelectedFile() const;

    QListWidget* FileList() const { return files; }
    QTableWidget* Games() const { return games; }
    SkinnedButton* OkButton() const { return ok; }

  private:
    void ShowFile(int number);

    std::filesystem::path folder;
    std::string stem;
    FileSystem& fileSystem;
    QListWidget* files;
    QTableWidget* games;
    SkinnedButton* ok;
};

} // namespace tavlira
