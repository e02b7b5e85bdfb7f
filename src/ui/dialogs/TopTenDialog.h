#pragma once
// The top-ten dialog "Top Ten": the ten best cycle scores of the current
// record file (the club file, or the net file in network mode) on the
// parchment scroll, places 1..3 in red and 4..10 in navy, with the top-ten
// animation and the club's emblem. The file is read again each time the
// dialog opens; "Ok", Enter and Escape close it.

#include "records/RecordStore.h"
#include "records/Settings.h"

#include <QDialog>
#include <QString>
#include <vector>

namespace tavlira {

class DialogPage;
class SkinnedButton;

class TopTenDialog : public QDialog {
    Q_OBJECT

  public:
    struct Row {
        QString name; // trailing blanks removed
        QString score;
    };

    TopTenDialog(QWidget* parent, RecordStore& records, RecordFileKind kind, Settings& settings);

    // "WINDOWS. LOCAL GAMES WITH PC" or "WINDOWS. NET GAMES".
    const QString& Heading() const { return heading; }
    // Places 1..10; none when the file cannot be read.
    const std::vector<Row>& Rows() const { return rows; }
    DialogPage* Page() const { return page; }
    SkinnedButton* OkButton() const { return ok; }

  private:
    void Paint(QPainter& painter) const;

    const Settings& settings;
    QString heading;
    std::vector<Row> rows;
    DialogPage* page;
    SkinnedButton* ok = nullptr;
};

} // namespace tavlira
