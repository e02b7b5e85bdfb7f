#include "ui/dialogs/HistoryDialog.h"

#include "i18n/words/Login.h"
#include "i18n/words/Network.h"
#include "i18n/words/Online.h"
#include "i18n/words/Records.h"
#include "records/AtomicFile.h"
#include "records/History.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogParts.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QStyle>
#include <QVBoxLayout>
#include <chrono>

namespace tavlira {
namespace {

// Rows stand on a light background under a tinted heading row.
const QColor RowBackground(255, 255, 240);
const QColor HeadingTint(230, 220, 190);

const WordTable& KindWord(char marker) {
    switch (marker) {
    case 'N':
        return words::KindNet;
    case 'A':
        return words::KindAccount;
    case 'T':
        return words::KindTourney;
    default:
        return words::KindLocal;
    }
}

QString FileDate(std::filesystem::file_time_type modified) {
    const auto since = std::chrono::file_clock::to_sys(modified).time_since_epoch();
    return ShortDate(QDateTime::fromMSecsSinceEpoch(
                         std::chrono::duration_cast<std::chrono::milliseconds>(since).count())
                         .date());
}

QString FileItemText(const HistoryListItem& item) {
    return ScreenText(Text(words::HistoryFile)) +
           QStringLiteral("%1").arg(item.number, 4, 10, QLatin1Char('0')) + " " +
           FileDate(item.modified);
}

} // namespace

HistoryDialog::HistoryDialog(QWidget* parent, const std::filesystem::path& historyFolder,
                             std::string clubFileStem, std::optional<int> selectedFile,
                             std::function<void()> openHelp, FileSystem& historyFiles)
    : QDialog(parent), folder(historyFolder), stem(std::move(clubFileStem)),
      fileSystem(historyFiles), files(new QListWidget(this)),
      games(new QTableWidget(0, static_cast<int>(ColumnWidths.size()), this)),
      ok(OkOnlyButton(*this)) {
    setWindowTitle(ScreenText(Text(words::HistoryOfGames)));
    setModal(true);

    const std::vector<HistoryListItem> listed = ListHistoryFiles(folder, stem);
    for (const HistoryListItem& item : listed) {
        auto* entry = new QListWidgetItem(FileItemText(item), files);
        entry->setData(Qt::UserRole, item.number);
    }
    if (listed.empty()) {
        auto* none = new QListWidgetItem(ScreenText(Text(words::NoHistoryFiles)), files);
        none->setFlags(Qt::NoItemFlags);
    }
    files->setFixedWidth(static_cast<int>(listed.size()) > FilesWithoutScrollBar
                             ? ListWidthWithScrollBar
                             : ListWidth);

    const WordTable* headings[] = {&words::Time,   &words::Date,   &words::Player, &words::Games,
                                   &words::Result, &words::Rating, &words::Type};
    QStringList headingTexts;
    for (const WordTable* heading : headings)
        headingTexts << ScreenText(Text(*heading));
    games->setHorizontalHeaderLabels(headingTexts);
    for (int column = 0; column < games->columnCount(); ++column)
        games->setColumnWidth(column, ColumnWidths[static_cast<std::size_t>(column)]);
    // The columns keep their fixed widths; a small font lets a date or a
    // rating of four digits fit into them.
    QFont small = games->font();
    small.setPixelSize(10);
    games->setFont(small);
    games->horizontalHeader()->setFont(small);
    games->verticalHeader()->hide();
    games->setEditTriggers(QAbstractItemView::NoEditTriggers);
    games->setSelectionBehavior(QAbstractItemView::SelectRows);
    games->setStyleSheet(QStringLiteral("QTableWidget { background: %1; }"
                                        "QTableWidget::item { padding: 0px; }"
                                        "QHeaderView::section { background: %2; padding: 0px; }")
                             .arg(RowBackground.name(), HeadingTint.name()));
    int tableWidth = 2 * games->frameWidth();
    for (int width : ColumnWidths)
        tableWidth += width;
    games->setMinimumSize(tableWidth + games->style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                          300);

    ok->setMinimumWidth(100);

    auto* panes = new QHBoxLayout;
    panes->addWidget(files);
    panes->addWidget(games, 1);
    QHBoxLayout* buttonRow = ButtonRow({ok});
    buttonRow->addWidget(HelpButton(*this, std::move(openHelp)));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes);
    layout->addLayout(buttonRow);

    connect(files, &QListWidget::currentRowChanged, this, [this](int row) {
        if (const QListWidgetItem* item = files->item(row);
            item && item->flags() != Qt::NoItemFlags)
            ShowFile(item->data(Qt::UserRole).toInt());
    });
    if (!listed.empty()) {
        int row = static_cast<int>(listed.size()) - 1;
        for (std::size_t i = 0; i < listed.size(); ++i)
            if (selectedFile && listed[i].number == *selectedFile)
                row = static_cast<int>(i);
        files->setCurrentRow(row);
    }
}

std::optional<int> HistoryDialog::SelectedFile() const {
    const QListWidgetItem* item = files->currentItem();
    if (!item || item->flags() == Qt::NoItemFlags)
        return std::nullopt;
    return item->data(Qt::UserRole).toInt();
}

// Reads the file again, so a file damaged since the list was filled shows
// no rows.
void HistoryDialog::ShowFile(int number) {
    const FileBytes file = fileSystem.Read(HistoryFilePath(folder, stem, number), MaxOwnFileBytes);
    const std::vector<HistoryRow> rows =
        file.state == FileState::Read ? ReadHistoryRows(file.bytes) : std::vector<HistoryRow>{};
    games->clearContents();
    games->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < games->rowCount(); ++r) {
        const HistoryRow& row = rows[static_cast<std::size_t>(r)];
        const QString cells[] = {FromBytes(row.time),
                                 FromBytes(row.date),
                                 FromBytes(row.player),
                                 FromBytes(row.games),
                                 FromBytes(row.result),
                                 FromBytes(row.rating),
                                 ScreenText(Text(KindWord(row.kind)))};
        for (int column = 0; column < games->columnCount(); ++column)
            games->setItem(r, column, new QTableWidgetItem(cells[column]));
    }
    // A single row is not highlighted as a selection.
    games->setSelectionMode(rows.size() >= 2 ? QAbstractItemView::SingleSelection
                                             : QAbstractItemView::NoSelection);
    games->clearSelection();
}

} // namespace tavlira
