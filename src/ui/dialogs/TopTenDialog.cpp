#include "ui/dialogs/TopTenDialog.h"

#include "i18n/words/Login.h"
#include "i18n/words/Menu.h"
#include "i18n/words/Online.h"
#include "i18n/words/Table.h"
#include "ui/artwork/PictureSource.h"
#include "ui/common/CanvasText.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/FittedFont.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogDesign.h"
#include "ui/dialogs/DialogPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace tavlira {
namespace {

const QSize ScrollSize(450, 700);
const QColor Medallist(255, 0, 0);
const QColor Placed(0, 0, 128);
// The gap kept between a name and its score.
constexpr int NameGap = 8;
constexpr int PlaceRight = 92;

std::vector<TopTenDialog::Row> ReadRows(RecordStore& records, RecordFileKind kind) {
    std::vector<TopTenDialog::Row> rows;
    const std::optional<RecordFile> file = records.ReadRecords(kind);
    if (!file)
        return rows;
    for (int place = 1; place <= TopTenPlaces; ++place) {
        const std::string& line = file->TopTen(place);
        rows.push_back({FromBytes(line.substr(0, NameLength)).trimmed(),
                        FromBytes(line.substr(NameLength, 6)).trimmed()});
    }
    return rows;
}

} // namespace

TopTenDialog::TopTenDialog(QWidget* parent, RecordStore& records, RecordFileKind kind,
                           Settings& playerSettings)
    : QDialog(parent), settings(playerSettings),
      heading(ScreenText(kind == RecordFileKind::Net ? Text(words::WindowsNetGames)
                                                     : Text(words::WindowsLocalGamesWithPc))),
      rows(ReadRows(records, kind)), page(new DialogPage(
                                         ScrollSize, PictureSource::BuiltIn().Data("GSvitok"),
                                         [this](QPainter& painter) { Paint(painter); }, this)) {
    const QString title = ScreenText(Text(words::TopTen));
    setWindowTitle(title);
    setModal(true);

    page->AddAnimation({"GTopTen", QRect(50, 575, 240, 120), playerSettings.GifAnimation});
    page->AddAnimation({kind == RecordFileKind::Net ? "GClubG" : "GClubF", QRect(340, 565, 60, 75),
                        playerSettings.GifAnimation});

    ok = LayOutPageDialog(*this, *page, {title}, playerSettings);
    page->FitDialogToScreen(*this);
    ok->setFocus();
}

void TopTenDialog::Paint(QPainter& painter) const {
    const QFont regular = SizedFont(settings, FontLine::Small, 20);
    const QFont bold = SizedFont(settings, FontLine::Small, 20, true);
    painter.setPen(Placed);
    painter.setFont(FittedFont(bold, heading, ScrollSize.width() - 20));
    DrawCentred(painter, heading, 0, ScrollSize.width(), 85);
    painter.setFont(regular);
    DrawCentred(painter, ScreenText(Text(words::TopTen)), 70, 230, 120);
    DrawCentred(painter, ScreenText(Text(words::Score)), 250, 400, 120);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int place = static_cast<int>(i) + 1;
        const int top = 150 + 33 * (place - 1);
        painter.setPen(place <= 3 ? Medallist : Placed);
        painter.setFont(regular);
        // The numbers stand from x 70, their dots in one column so that
        // "10." keeps clear of its name.
        DrawRightAligned(painter, QString::number(place) + '.', PlaceRight, top);
        DrawRightAligned(painter, rows[i].score, 380, top);
        // A wide name is drawn smaller rather than into its score.
        const int nameRight =
            380 - painter.fontMetrics().horizontalAdvance(rows[i].score) - NameGap;
        painter.setFont(FittedFont(regular, rows[i].name, nameRight - 95));
        DrawAligned(painter, rows[i].name, 95, nameRight, top, TextAlign::Left);
    }
}

} // namespace tavlira
